#include "editor/gui/fontcolourdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace editor {

namespace {

enum Style { Regular, Italic, Bold, BoldItalic };

} // namespace

const QList<QPair<QString, QColor>> &FontColourDialog::basicColours()
{
    static const QList<QPair<QString, QColor>> colours = {
        {QStringLiteral("Noir"), QColor(0, 0, 0)},          {QStringLiteral("Bordeaux"), QColor(128, 0, 0)},
        {QStringLiteral("Vert"), QColor(0, 128, 0)},        {QStringLiteral("Olive"), QColor(128, 128, 0)},
        {QStringLiteral("Bleu marine"), QColor(0, 0, 128)}, {QStringLiteral("Violet"), QColor(128, 0, 128)},
        {QStringLiteral("Sarcelle"), QColor(0, 128, 128)},  {QStringLiteral("Gris"), QColor(128, 128, 128)},
        {QStringLiteral("Argent"), QColor(192, 192, 192)},  {QStringLiteral("Rouge"), QColor(255, 0, 0)},
        {QStringLiteral("Citron vert"), QColor(0, 255, 0)}, {QStringLiteral("Jaune"), QColor(255, 255, 0)},
        {QStringLiteral("Bleu"), QColor(0, 0, 255)},        {QStringLiteral("Fuchsia"), QColor(255, 0, 255)},
        {QStringLiteral("Bleu clair"), QColor(0, 255, 255)}, {QStringLiteral("Blanc"), QColor(255, 255, 255)},
    };
    return colours;
}

FontColourDialog::FontColourDialog(QWidget *parent)
    : QDialog(parent), m_family(new QFontComboBox(this)), m_style(new QComboBox(this)), m_size(new QComboBox(this)),
      m_colour(new QComboBox(this)), m_sample(new QLabel(QStringLiteral("AaBbYyZz"), this))
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(QStringLiteral("Police"));
    m_family->setObjectName(QStringLiteral("Family"));
    m_style->setObjectName(QStringLiteral("Style"));
    m_size->setObjectName(QStringLiteral("Size"));
    m_colour->setObjectName(QStringLiteral("Colour"));
    m_style->addItems({QStringLiteral("Normal"), QStringLiteral("Italique"), QStringLiteral("Gras"),
                       QStringLiteral("Gras italique")});
    m_size->setEditable(true);
    m_size->lineEdit()->setValidator(new QIntValidator(1, 1638, m_size));
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_size->addItem(QString::number(size));
    for (const auto &[name, colour] : basicColours()) {
        QPixmap swatch(24, 12);
        swatch.fill(colour);
        m_colour->addItem(QIcon(swatch), name, colour);
    }

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Police :"), m_family);
    form->addRow(QStringLiteral("St&yle :"), m_style);
    form->addRow(QStringLiteral("&Taille :"), m_size);
    form->addRow(QStringLiteral("&Couleur :"), m_colour);
    auto *sampleBox = new QGroupBox(QStringLiteral("Exemple"), this);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(48);
    sampleLayout->addWidget(m_sample);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(sampleBox);
    column->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_family, &QFontComboBox::currentFontChanged, this, &FontColourDialog::showSample);
    connect(m_style, &QComboBox::currentIndexChanged, this, &FontColourDialog::showSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontColourDialog::showSample);
    connect(m_colour, &QComboBox::currentIndexChanged, this, &FontColourDialog::showSample);
}

void FontColourDialog::setCurrent(const QFont &font, const QColor &colour)
{
    m_family->setCurrentFont(font);
    m_style->setCurrentIndex((font.bold() ? Bold : Regular) + (font.italic() ? 1 : 0));
    const int size = font.pointSize() > 0 ? font.pointSize() : 9;
    m_size->setCurrentText(QString::number(size));
    // A colour that is not among the sixteen is offered as well, so confirming keeps it.
    while (m_colour->count() > basicColours().size())
        m_colour->removeItem(m_colour->count() - 1);
    int index = m_colour->findData(colour.toRgb());
    if (index < 0) {
        QPixmap swatch(24, 12);
        swatch.fill(colour);
        m_colour->addItem(QIcon(swatch), colour.name(), colour.toRgb());
        index = m_colour->count() - 1;
    }
    m_colour->setCurrentIndex(index);
    showSample();
}

QFont FontColourDialog::selectedFont() const
{
    QFont font = m_family->currentFont();
    const int style = m_style->currentIndex();
    font.setBold(style == Bold || style == BoldItalic);
    font.setItalic(style == Italic || style == BoldItalic);
    bool ok = false;
    const int size = m_size->currentText().toInt(&ok);
    font.setPointSize(ok && size > 0 ? size : 9);
    return font;
}

QColor FontColourDialog::selectedColour() const
{
    return m_colour->currentData().value<QColor>();
}

void FontColourDialog::showSample()
{
    m_sample->setFont(selectedFont());
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, selectedColour());
    m_sample->setPalette(palette);
}

} // namespace editor

#include "editor/gui/finddialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace editor {

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent), m_text(new QLineEdit(this)), m_wholeWord(new QCheckBox(QStringLiteral("Mot &entier uniquement"), this)),
      m_matchCase(new QCheckBox(QStringLiteral("Respecter la &casse"), this)),
      m_up(new QRadioButton(QStringLiteral("&Haut"), this)), m_down(new QRadioButton(QStringLiteral("&Bas"), this)),
      m_findNext(new QPushButton(QStringLiteral("&Suivant"), this))
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Rechercher"));
    setModal(false);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_wholeWord->setObjectName(QStringLiteral("WholeWord"));
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    m_up->setObjectName(QStringLiteral("Up"));
    m_down->setObjectName(QStringLiteral("Down"));
    m_findNext->setObjectName(QStringLiteral("FindNext"));
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));

    auto *label = new QLabel(QStringLiteral("&Rechercher :"), this);
    label->setBuddy(m_text);
    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto *directionRow = new QHBoxLayout(direction);
    directionRow->addWidget(m_up);
    directionRow->addWidget(m_down);
    m_down->setChecked(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    auto *checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    grid->addLayout(checks, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 3, 2, 1);

    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, &FindDialog::find);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::findText() const
{
    return m_text->text();
}

void FindDialog::setFindText(const QString &text)
{
    m_text->setText(text);
}

FindOptions FindDialog::options() const
{
    return FindOptions{m_down->isChecked(), m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

void FindDialog::setOptions(const FindOptions &options)
{
    m_down->setChecked(options.down);
    m_up->setChecked(!options.down);
    m_matchCase->setChecked(options.matchCase);
    m_wholeWord->setChecked(options.wholeWord);
}

} // namespace editor

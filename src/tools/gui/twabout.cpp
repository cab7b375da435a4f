#include "tools/gui/twabout.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

// The picture lives in this static library: register it before the first use.
static void initToolsResources()
{
    Q_INIT_RESOURCE(tools);
}

namespace tools {

TWAbout::TWAbout(QWidget *owner, const AboutFacts &facts) : QDialog(owner)
{
    initToolsResources();
    setObjectName(QStringLiteral("WAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(403, 372);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setAutoFillBackground(true);

    auto *panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_Panel1 = panel1;
    auto *image = new QLabel(panel1);
    image->setObjectName(QStringLiteral("Image2"));
    image->setPixmap(QPixmap(QStringLiteral(":/tools/pictures/about.png")));
    image->setFixedSize(120, 98);
    auto *title = new QLabel(QStringLiteral("Vorlane 2.02"), panel1);
    title->setObjectName(QStringLiteral("Label1"));
    QFont big = title->font();
    big.setPointSize(20);
    big.setBold(true);
    big.setItalic(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: navy;"));

    auto *panel2 = new QFrame(panel1);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A small font, as the window was drawn for, so that long names still fit the fixed width.
    QFont small = panel2->font();
    small.setPointSize(8);
    panel2->setFont(small);
    auto *factsLayout = new QVBoxLayout(panel2);
    factsLayout->setContentsMargins(6, 4, 2, 4);
    factsLayout->setSpacing(2);
    for (const LabelText &caption : designedCaptions()) {
        auto *label = new QLabel(caption.text, panel2);
        label->setObjectName(caption.name);
        factsLayout->addWidget(label);
        m_facts.insert(caption.name, label);
    }

    auto *top = new QGridLayout(panel1);
    top->setContentsMargins(6, 6, 6, 6);
    top->addWidget(image, 0, 0);
    top->addWidget(title, 0, 1, Qt::AlignCenter);
    top->addWidget(panel2, 1, 0, 1, 2);
    top->setRowStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel1);

    // The picture and the labels are part of their panel: a move over them is a move over it.
    QList<QWidget *> tracked = m_Panel1->findChildren<QWidget *>();
    tracked.append(m_Panel1);
    for (QWidget *widget : tracked) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
    FormCreate(facts);
}

void TWAbout::FormCreate(const AboutFacts &facts)
{
    setTexts(creationTexts(facts));
}

void TWAbout::FormActivate()
{
    setTexts(memoryTexts(platform::memoryStatus(), QLocale()));
}

void TWAbout::setTexts(const QList<LabelText> &texts)
{
    for (const LabelText &text : texts) {
        if (QLabel *label = m_facts.value(text.name))
            label->setText(text.text);
    }
}

bool TWAbout::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

bool TWAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()
        && (watched == m_Panel1 || m_Panel1->isAncestorOf(static_cast<QWidget *>(watched)))) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TWAbout::showEvent(QShowEvent *event)
{
    if (const QScreen *display = screen())
        move(display->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace tools

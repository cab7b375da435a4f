// The registry browser window: its controls and its handlers over the browsing walk.
#include "tools/gui/tformreg.h"

#include "platform/registrywine.h"
#include "settings/settingsstore.h"
#include "tools/core/registryvaluetext.h"
#include "ui/messageboxes.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tools {

namespace {

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = named(new QLabel(caption, parent), name);
    QFont font = result->font();
    font.setBold(true);
    result->setFont(font);
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    result->setPalette(palette);
    return result;
}

QListWidget *nameList(QWidget *parent, const char *name)
{
    auto *list = named(new QListWidget(parent), name);
    QFont font = list->font();
    font.setBold(true);
    list->setFont(font);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    list->setPalette(palette);
    return list;
}

QWidget *captioned(QLabel *caption, QWidget *control)
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption);
    layout->addWidget(control, 1);
    return column;
}

// Refills \a list without reporting the change as a choice of the user.
void fill(QListWidget *list, const QStringList &names)
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(names);
}

} // namespace

TFormreg::TFormreg(const settings::SettingsStore &store, QWidget *parent)
    : TFormreg(RegistryHives(store.hivePath(), platform::winePrefixPath()), parent)
{
}

TFormreg::TFormreg(const RegistryHives &hives, QWidget *parent)
    : QWidget(parent), m_browser(std::make_unique<RegistryBrowser>(hives))
{
    setObjectName(QStringLiteral("Formreg"));
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("visualiseur de base de registre"));
    buildControls();
    connectControls();
    resize(900, 560);
    refresh();
    {
        const QSignalBlocker quiet(m_ComboKey);
        m_ComboKey->setCurrentIndex(1);
    }
}

TFormreg::~TFormreg() = default;

void TFormreg::buildControls()
{
    auto *panel2 = named(new QWidget(this), "Panel2");
    auto *top = new QHBoxLayout(panel2);
    top->setContentsMargins(4, 4, 4, 4);
    m_ComboKey = named(new QComboBox(panel2), "ComboKey");
    for (const RegistryRootInfo &root : registryRoots())
        m_ComboKey->addItem(QString::fromLatin1(root.name));
    m_Button1 = named(new QToolButton(panel2), "Button1");
    m_Button1->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    m_Button1->setToolTip(QStringLiteral("Racine"));
    m_Button2 = named(new QToolButton(panel2), "Button2");
    m_Button2->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    m_Button2->setToolTip(QStringLiteral("Niveau supérieur"));
    top->addWidget(label(panel2, "Label3", QStringLiteral("Clés")));
    top->addWidget(m_ComboKey);
    top->addWidget(m_Button1);
    top->addWidget(m_Button2);
    top->addStretch(1);

    auto *panel3 = named(new QWidget(this), "Panel3");
    auto *bar = new QHBoxLayout(panel3);
    bar->setContentsMargins(4, 0, 4, 0);
    m_ComboLast = named(new QComboBox(panel3), "ComboLast");
    m_ComboLast->setMinimumWidth(200);
    m_ComboLast->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bar->addWidget(label(panel3, "Label4", QStringLiteral("Liste clés")));
    bar->addWidget(m_ComboLast, 1);

    auto *panel1 = named(new QWidget(this), "Panel1");
    m_ListSub = nameList(panel1, "ListSub");
    m_ListValues = nameList(panel1, "ListValues");
    m_memo1 = named(new QPlainTextEdit(panel1), "memo1");
    m_memo1->setReadOnly(true);
    m_memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo1->setTabChangesFocus(false);
    // A fixed-pitch face keeps the columns of a dump aligned.
    QFont memoFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    memoFont.setBold(true);
    m_memo1->setFont(memoFont);
    QPalette memoPalette = m_memo1->palette();
    memoPalette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    m_memo1->setPalette(memoPalette);
    auto *splitter1 = named(new QSplitter(Qt::Horizontal, panel1), "Splitter1");
    auto *splitter2 = named(new QSplitter(Qt::Horizontal, splitter1), "Splitter2");
    // Each list under its caption, so the captions follow the splitters.
    splitter1->addWidget(captioned(label(panel1, "Label1", QStringLiteral("Sous clés")), m_ListSub));
    splitter1->addWidget(splitter2);
    splitter2->addWidget(captioned(label(panel1, "Label2", QStringLiteral("Valeur de clé")), m_ListValues));
    splitter2->addWidget(m_memo1);
    // Room for a whole dump line in the value box.
    splitter1->setSizes({220, 680});
    splitter2->setSizes({220, 460});
    auto *middle = new QVBoxLayout(panel1);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(splitter1);

    m_StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    m_statusPanel = new QLabel(m_StatusBar1);
    m_statusPanel->setMinimumWidth(50);
    m_StatusBar1->addWidget(m_statusPanel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel2);
    layout->addWidget(panel3);
    layout->addWidget(panel1, 1);
    layout->addWidget(m_StatusBar1);
}

void TFormreg::connectControls()
{
    connect(m_ComboKey, &QComboBox::currentIndexChanged, this, &TFormreg::ComboKeyChange);
    connect(m_ComboLast, &QComboBox::activated, this, &TFormreg::ComboLastChange);
    connect(m_ListSub, &QListWidget::itemDoubleClicked, this, &TFormreg::ListSubClick);
    m_ListSub->installEventFilter(this);
    connect(m_ListValues, &QListWidget::currentRowChanged, this, &TFormreg::ListValuesClick);
    connect(m_ListValues, &QListWidget::itemClicked, this, &TFormreg::ListValuesClick);
    connect(m_Button1, &QToolButton::clicked, this, &TFormreg::Button1Click);
    connect(m_Button2, &QToolButton::clicked, this, &TFormreg::Button2Click);
}

bool TFormreg::eventFilter(QObject *watched, QEvent *event)
{
    // ListSubKeyPress: Enter goes down into the selected subkey.
    if (watched == m_ListSub && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_ListSub->currentItem())
                ListSubClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormreg::refresh()
{
    m_statusPanel->setText(m_browser->currentPath());
    fill(m_ListSub, m_browser->subkeyNames());
    fill(m_ListValues, m_browser->valueNames());
    const QSignalBlocker quiet(m_ComboLast);
    m_ComboLast->clear();
    m_ComboLast->addItems(m_browser->history());
    m_ComboLast->setCurrentIndex(-1);
}

void TFormreg::showProblems()
{
    for (const QString &file : m_browser->problems())
        ui::showError(this, QStringLiteral("Fichier de registre illisible : ") + file);
}

void TFormreg::ComboKeyChange(int index)
{
    if (index < 0 || index >= registryRoots().size())
        return;
    m_browser->chooseRoot(registryRoots().at(index).root);
    refresh();
    showProblems();
}

void TFormreg::ComboLastChange(int index)
{
    if (index < 0 || index >= m_browser->history().size())
        return;
    // The history keeps its order, so the path is taken before the lists are refilled.
    const QString path = m_browser->history().at(index);
    if (m_browser->openHistory(path))
        refresh();
    const QSignalBlocker quiet(m_ComboLast);
    m_ComboLast->setCurrentIndex(int(m_browser->history().indexOf(path)));
}

void TFormreg::ListSubClick()
{
    const QListWidgetItem *item = m_ListSub->currentItem();
    if (!item)
        return;
    m_browser->goDown(item->text());
    refresh();
}

void TFormreg::ListValuesClick()
{
    m_memo1->clear();
    const QListWidgetItem *item = m_ListValues->currentItem();
    if (!item)
        return;
    const std::optional<platform::RegistryValue> value = m_browser->value(item->text());
    if (!value)
        return;
    const QStringList lines = registryValueLines(*value);
    if (!lines.isEmpty())
        m_memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFormreg::Button1Click()
{
    m_browser->backToRoot();
    refresh();
    m_memo1->clear();
    showProblems();
}

void TFormreg::Button2Click()
{
    m_memo1->clear();
    m_browser->goUp();
    refresh();
}

} // namespace tools

// The HTML viewer: its controls, its history rules, its local file pane and its reactions to
// the view's retrievals.
#include "net/gui/tformwebnav.h"

#include "net/gui/webnavpage.h"
#include "settings/settingsbatch.h"
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/foldernavigator.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace net {

namespace {

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton *speedButton(QWidget *parent, const char *name, QStyle::StandardPixmap glyph, const QString &hint)
{
    auto *button = named(new QToolButton(parent), name);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

// Enter in the address box: taken before the box itself sees it, so that an address already in
// the list is not also "chosen" a second time.
class EnterFilter : public QObject {
public:
    EnterFilter(QObject *parent, std::function<void()> onEnter) : QObject(parent), m_onEnter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_onEnter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

TFormWebNav::TFormWebNav(const settings::SettingsStore &store, QWidget *parent) : QWidget(parent), m_store(store)
{
    setObjectName(QStringLiteral("FormWebNav"));
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("WebNav"));
    buildControls();
    connectControls();

    // Centred, then maximised: the centred size is what the window restores to.
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(screen.width() * 4 / 5, screen.height() * 4 / 5);
    move(screen.center() - rect().center());
    setWindowState(windowState() | Qt::WindowMaximized);

    readini();
    if (!m_ComboURLs->currentText().isEmpty())
        Navigate(m_ComboURLs->currentText());
}

TFormWebNav::~TFormWebNav()
{
    writeini();
}

void TFormWebNav::setSourceViewer(SourceViewer viewer)
{
    m_sourceViewer = std::move(viewer);
    m_ToolButton1->setEnabled(bool(m_sourceViewer));
}

void TFormWebNav::buildControls()
{
    auto *coolBar = named(new QWidget(this), "CoolBar1");
    auto *bar = new QHBoxLayout(coolBar);
    bar->setContentsMargins(2, 2, 2, 2);
    m_ToolBtnPrevious = speedButton(coolBar, "ToolBtnPrevious", QStyle::SP_ArrowBack, QStringLiteral("Page precedente"));
    m_ToolBtnNext = speedButton(coolBar, "ToolBtnNext", QStyle::SP_ArrowForward, QStringLiteral("Page suivante"));
    m_ToolBtnStop = speedButton(coolBar, "ToolBtnStop", QStyle::SP_BrowserStop, QStringLiteral("stop le chargement"));
    m_SpeedButton4 = speedButton(coolBar, "SpeedButton4", QStyle::SP_BrowserReload, QStringLiteral("rafraichir"));
    m_ToolButton1 = speedButton(coolBar, "ToolButton1", QStyle::SP_FileDialogContentsView,
                                QStringLiteral("Voir le code source"));
    m_ToolButton2 = speedButton(coolBar, "ToolButton2", QStyle::SP_FileDialogListView, QStringLiteral("Plein ecran"));
    m_ComboURLs = named(new QComboBox(coolBar), "ComboURLs");
    m_ComboURLs->setEditable(true);
    m_ComboURLs->setInsertPolicy(QComboBox::NoInsert);
    m_ComboURLs->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_ToolBtnPrevious->setEnabled(false);
    m_ToolBtnNext->setEnabled(false);
    m_ToolBtnStop->setEnabled(false);
    m_ToolButton1->setEnabled(false);
    for (QWidget *control : {static_cast<QWidget *>(m_ToolBtnPrevious), static_cast<QWidget *>(m_ToolBtnNext),
                             static_cast<QWidget *>(m_ToolBtnStop), static_cast<QWidget *>(m_SpeedButton4),
                             static_cast<QWidget *>(m_ToolButton1), static_cast<QWidget *>(m_ToolButton2)})
        bar->addWidget(control);
    bar->addWidget(m_ComboURLs, 1);

    m_Panel1 = named(new QWidget(this), "Panel1");
    ui::FolderNavigator::Names names;
    names.folders = QStringLiteral("repert_list");
    m_navigator = new ui::FolderNavigator(m_Panel1, names);
    m_navigator->setDriveMemory(true);
    m_navigator->fileList()->setMask(QStringLiteral("*.htm"));
    m_navigator->fileList()->setMultiSelect(false);
    m_navigator->rootButton()->setIcon(style()->standardIcon(QStyle::SP_DriveHDIcon));
    m_navigator->parentButton()->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    auto *panel = new QVBoxLayout(m_Panel1);
    panel->setContentsMargins(2, 2, 2, 2);
    panel->addWidget(m_navigator->driveBox());
    auto *folderButtons = new QHBoxLayout;
    folderButtons->addWidget(m_navigator->rootButton());
    folderButtons->addWidget(m_navigator->parentButton());
    folderButtons->addStretch(1);
    panel->addLayout(folderButtons);
    panel->addWidget(m_navigator->folderList(), 1);
    panel->addWidget(m_navigator->fileList(), 1);
    m_Panel1->setFixedWidth(240);

    m_HTML1 = named(new QWebEngineView(this), "HTML1");
    m_HTML1->setPage(new WebNavPage(m_HTML1));

    m_StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    m_statusPanel = new QLabel(m_StatusBar1);
    m_statusPanel->setMinimumWidth(50);
    m_StatusBar1->addWidget(m_statusPanel, 1);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(m_Panel1);
    body->addWidget(m_HTML1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(coolBar);
    layout->addLayout(body, 1);
    layout->addWidget(m_StatusBar1);
}

void TFormWebNav::connectControls()
{
    // Keys reach the box (which hands them to its line edit directly) or the line edit itself.
    auto *enter = new EnterFilter(this, [this] { ComboURLsEnter(); });
    m_ComboURLs->installEventFilter(enter);
    m_ComboURLs->lineEdit()->installEventFilter(enter);
    connect(m_ComboURLs, &QComboBox::activated, this, &TFormWebNav::ComboURLsClick);
    connect(m_ComboURLs, &QComboBox::editTextChanged, this, &TFormWebNav::ComboURLsChange);
    connect(m_SpeedButton4, &QToolButton::clicked, this, &TFormWebNav::ToolBtnRefreshClick);
    connect(m_ToolBtnPrevious, &QToolButton::clicked, this, &TFormWebNav::ToolBtnPreviousClick);
    connect(m_ToolBtnNext, &QToolButton::clicked, this, &TFormWebNav::ToolBtnNextClick);
    connect(m_ToolBtnStop, &QToolButton::clicked, this, &TFormWebNav::ToolBtnStopClick);
    connect(m_ToolButton1, &QToolButton::clicked, this, &TFormWebNav::ToolButton1Click);
    connect(m_ToolButton2, &QToolButton::clicked, this, &TFormWebNav::ToolButton2Click);

    auto *page = static_cast<WebNavPage *>(m_HTML1->page());
    connect(page, &QWebEnginePage::loadStarted, this, &TFormWebNav::HTML1BeginRetrieval);
    connect(page, &QWebEnginePage::loadFinished, this, &TFormWebNav::HTML1EndRetrieval);
    connect(page, &WebNavPage::documentRequested, this, &TFormWebNav::HTML1DoRequestDoc);

    // Only a file the user picks opens a page: the list's own refills are silent.
    connect(m_navigator->fileList(), &QListWidget::currentRowChanged, this, &TFormWebNav::filtre_repChange);
    connect(m_navigator->folderList(), &QListWidget::itemClicked, this, &TFormWebNav::repert_listChange);
}

void TFormWebNav::readini()
{
    namespace keys = settings::html;
    const QString drive = m_store.read(keys::Drive);
    const QString folder = m_store.read(keys::Folder);
    bool restored = false;
    {
        const QSignalBlocker quiet(m_navigator->driveBox());
        restored = m_navigator->driveBox()->setDrive(drive);
    }
    if (restored && m_navigator->setFolder(folder))
        m_ComboURLs->setEditText(m_store.read(keys::Page));
    else
        m_navigator->fallBackToCurrentDirectory();
}

void TFormWebNav::writeini()
{
    namespace keys = settings::html;
    settings::SettingsBatch batch;
    batch.write(keys::Drive, m_navigator->driveBox()->drive());
    batch.write(keys::Folder, m_navigator->folder());
    batch.write(keys::Page, m_ComboURLs->currentText());
    m_store.apply(batch);
}

void TFormWebNav::Navigate(const QString &address)
{
    // An empty address (Previous from the second position) names no page: nothing to record.
    if (address.trimmed().isEmpty())
        return;
    Record(address);
    // A name typed without a scheme is looked for in the listed folder first, then on the web.
    const QUrl url = QUrl::fromUserInput(address, m_navigator->folder());
    if (!url.isValid()) {
        m_StatusBar1->showMessage(QStringLiteral("Adresse invalide : ") + address, 5000);
        HTML1EndRetrieval();
        return;
    }
    m_HTML1->load(url);
}

void TFormWebNav::Record(const QString &address)
{
    const int position = m_history.record(address);
    if (m_ComboURLs->count() < m_history.addresses().size())
        m_ComboURLs->addItem(address);
    m_ComboURLs->setCurrentIndex(position);
    m_ComboURLs->setEditText(address);
    m_statusPanel->setText(address);
    m_ToolBtnPrevious->setEnabled(m_history.canGoBack(position));
    m_ToolBtnNext->setEnabled(m_history.canGoForward(position));
}

void TFormWebNav::ComboURLsEnter()
{
    Navigate(m_ComboURLs->currentText());
}

void TFormWebNav::ComboURLsClick()
{
    Navigate(m_ComboURLs->currentText());
}

void TFormWebNav::ComboURLsChange(const QString &text)
{
    m_ToolBtnPrevious->setToolTip(m_history.previousAddress(text));
}

void TFormWebNav::ToolBtnRefreshClick()
{
    Navigate(m_ComboURLs->currentText());
}

void TFormWebNav::ToolBtnPreviousClick()
{
    const QString text = m_ComboURLs->currentText();
    if (m_history.canGoBack(m_history.position(text)))
        Navigate(m_history.previousAddress(text));
}

void TFormWebNav::ToolBtnNextClick()
{
    const QString text = m_ComboURLs->currentText();
    if (m_history.canGoForward(m_history.position(text)))
        Navigate(m_history.nextAddress(text));
}

void TFormWebNav::ToolBtnStopClick()
{
    m_HTML1->stop();
    HTML1EndRetrieval();
}

void TFormWebNav::ToolButton1Click()
{
    if (!m_sourceViewer)
        return;
    // The view hands its source over later; the window may be gone by then.
    QPointer<TFormWebNav> self(this);
    const QString caption = m_ComboURLs->currentText();
    m_HTML1->page()->toHtml([self, caption](const QString &source) {
        if (self && self->m_sourceViewer)
            self->m_sourceViewer(caption, source);
    });
}

void TFormWebNav::ToolButton2Click()
{
    const bool show = m_Panel1->isHidden();
    m_Panel1->setVisible(show);
    m_ToolButton2->setToolTip(show ? QStringLiteral("plein ecran") : QStringLiteral("Liste des fichiers"));
}

void TFormWebNav::HTML1BeginRetrieval()
{
    m_ToolBtnStop->setEnabled(true);
}

void TFormWebNav::HTML1EndRetrieval()
{
    m_ToolBtnStop->setEnabled(false);
}

void TFormWebNav::HTML1DoRequestDoc(const QUrl &url)
{
    Record(url.toString());
}

void TFormWebNav::filtre_repChange()
{
    m_ComboURLs->setEditText(QString());
    const QString path = m_navigator->fileList()->currentFilePath();
    if (path.isEmpty())
        return;
    const QString address = localPageAddress(path);
    m_ComboURLs->setEditText(address);
    if (m_navigator->fileList()->currentItem())
        Navigate(address);
}

void TFormWebNav::repert_listChange()
{
    // The page picked before may have gone from the disk meanwhile.
    const QString picked = m_navigator->fileList()->currentFilePath();
    if (!picked.isEmpty() && !QFileInfo::exists(picked))
        m_navigator->fallBackToCurrentDirectory();
}

} // namespace net

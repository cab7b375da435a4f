// The FTP client window: its controls, its handlers and its reactions to the FTP component.
#include "net/gui/tftpsimple.h"

#include "net/core/ftpwindowtexts.h"
#include "net/core/tstarftp.h"
#include "platform/shell.h"
#include "platform/textcodec.h"
#include "net/core/scramble.h"
#include "settings/settingsstore.h"
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/foldernavigator.h"
#include "ui/messageboxes.h"
#include "ui/named.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDrag>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace net {

namespace {

// The log is emptied when it would grow past this many characters.
constexpr int LogLimit = 1000000;

using ui::named;

QToolButton *speedButton(QWidget *parent, const char *name, const QString &caption, const QString &hint)
{
    auto *button = named(new QToolButton(parent), name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = named(new QPushButton(caption, parent), name);
    result->setAutoDefault(false);
    return result;
}

} // namespace

TFtpsimple::TFtpsimple(const settings::SettingsStore &store, QWidget *owner) : QWidget(owner), m_store(store)
{
    setObjectName(QStringLiteral("Ftpsimple"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Client FTP simple"));
    buildControls();
    setUpFtp();
    connectControls();
    // A fixed border, centred on the screen.
    setFixedSize(sizeHint().expandedTo(QSize(780, 580)));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFtpsimple::~TFtpsimple()
{
    setDefaultCursor();
}

void TFtpsimple::buildControls()
{
    QStyle *s = style();
    auto *layout = new QVBoxLayout(this);

    auto *bar = named(new QWidget(this), "Panel1");
    auto *barLayout = new QGridLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    m_SpeedButton5 = speedButton(bar, "SpeedButton5", QString(), QStringLiteral("Connecter"));
    m_SpeedButton5->setIcon(s->standardIcon(QStyle::SP_DriveNetIcon));
    m_DisconnectBtn = speedButton(bar, "DisconnectBtn", QString(), QStringLiteral("Deconnecter"));
    m_DisconnectBtn->setIcon(s->standardIcon(QStyle::SP_BrowserStop));
    m_SpeedButton6 = speedButton(bar, "SpeedButton6", QStringLiteral("Transfert"), QStringLiteral("Arret du transfert"));
    m_SpeedButton3 = speedButton(bar, "SpeedButton3", QStringLiteral("Auto"),
                                 QStringLiteral("Appel des parametres de connexionpréférés"));
    m_SpeedButton4 = speedButton(bar, "SpeedButton4", QStringLiteral("Sauve"),
                                 QStringLiteral("Sauve les parametres de connexion"));
    auto *counterPanel = named(new QWidget(bar), "Panel2");
    counterPanel->setAutoFillBackground(true);
    QPalette black = counterPanel->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, QColor(0, 255, 0));
    counterPanel->setPalette(black);
    auto *counterLayout = new QVBoxLayout(counterPanel);
    counterLayout->setContentsMargins(6, 2, 6, 2);
    m_ByteCounter = named(new QLabel(QStringLiteral("0000"), counterPanel), "ByteCounter");
    m_ByteCounter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ByteCounter->setMinimumWidth(90);
    counterLayout->addWidget(m_ByteCounter);

    int column = 0;
    for (QToolButton *b : {m_SpeedButton5, m_DisconnectBtn, m_SpeedButton6, m_SpeedButton3, m_SpeedButton4})
        barLayout->addWidget(b, 0, column++, 2, 1);
    barLayout->addWidget(counterPanel, 0, column++, 2, 1);
    const struct {
        const char *label;
        const char *edit;
        const char *caption;
        QLineEdit **field;
    } fields[] = {
        {"Label1", "Editserveur", "Serveur : ", &m_Editserveur},
        {"Label2", "Edituserid", "User ID : ", &m_Edituserid},
        {"Label3", "EditPassWord", "Mot de passe : ", &m_EditPassWord},
        {"Label4", "Editaccount", "Account : ", &m_Editaccount},
    };
    for (int i = 0; i < 4; ++i) {
        barLayout->addWidget(named(new QLabel(QString::fromUtf8(fields[i].caption), bar), fields[i].label), i / 2,
                             column + (i % 2) * 2);
        *fields[i].field = named(new QLineEdit(bar), fields[i].edit);
        barLayout->addWidget(*fields[i].field, i / 2, column + (i % 2) * 2 + 1);
    }
    m_EditPassWord->setEchoMode(QLineEdit::Password);
    m_EditPassWord->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    layout->addWidget(bar);

    m_Splitter1 = named(new QSplitter(Qt::Vertical, this), "Splitter1");
    auto *panes = named(new QWidget(m_Splitter1), "Panel3");
    auto *panesLayout = new QHBoxLayout(panes);
    panesLayout->setContentsMargins(0, 0, 0, 0);

    auto *local = named(new QWidget(panes), "Panel4");
    auto *localLayout = new QGridLayout(local);
    localLayout->setContentsMargins(0, 0, 0, 0);
    ui::FolderNavigator::Names names;
    names.drive = QStringLiteral("DriveComboBox1");
    names.root.clear();
    names.parent.clear();
    names.folders = QStringLiteral("DirectoryListBox1");
    names.files = QStringLiteral("FileListBox1");
    m_localPane = new ui::FolderNavigator(local, names);
    m_DirectoryListBox1 = m_localPane->folderList();
    m_FileListBox1 = m_localPane->fileList();
    m_FileListBox1->setMultiSelect(false);
    m_SpeedButton1 = speedButton(local, "SpeedButton1", QStringLiteral("Envoi  "), QString());
    m_SpeedButton1->setIcon(s->standardIcon(QStyle::SP_ArrowRight));
    m_SpeedButton1->setAutoRaise(false);
    localLayout->addWidget(m_localPane->driveBox(), 0, 0);
    localLayout->addWidget(m_SpeedButton1, 0, 1);
    localLayout->addWidget(m_DirectoryListBox1, 1, 0);
    localLayout->addWidget(m_FileListBox1, 1, 1);
    auto *localButtons = new QGridLayout;
    m_Button2 = button(local, "Button2", QStringLiteral("MkDir"));
    m_Button3 = button(local, "Button3", QStringLiteral("RmDir"));
    m_Button6 = button(local, "Button6", QStringLiteral("Voir"));
    m_Button7 = button(local, "Button7", QStringLiteral("Executer"));
    m_Button8 = button(local, "Button8", QStringLiteral("ReNommer"));
    m_Button9 = button(local, "Button9", QStringLiteral("Effacer"));
    m_Button14 = button(local, "Button14", QStringLiteral("Raffraichir"));
    localButtons->addWidget(m_Button2, 0, 0);
    localButtons->addWidget(m_Button3, 1, 0);
    localButtons->addWidget(m_Button6, 0, 1);
    localButtons->addWidget(m_Button7, 0, 2);
    localButtons->addWidget(m_Button8, 1, 1);
    localButtons->addWidget(m_Button9, 1, 2);
    localButtons->addWidget(m_Button14, 0, 3);
    localLayout->addLayout(localButtons, 2, 0, 1, 2);

    auto *remote = named(new QWidget(panes), "Panel5");
    auto *remoteLayout = new QGridLayout(remote);
    remoteLayout->setContentsMargins(0, 0, 0, 0);
    m_SpeedButton2 = speedButton(remote, "SpeedButton2", QStringLiteral("Reçoit"), QString());
    m_SpeedButton2->setIcon(s->standardIcon(QStyle::SP_ArrowLeft));
    m_SpeedButton2->setAutoRaise(false);
    m_ListBox1 = named(new QListWidget(remote), "ListBox1");
    m_ListBox2 = named(new QListWidget(remote), "ListBox2");
    remoteLayout->addWidget(m_SpeedButton2, 0, 0);
    remoteLayout->addWidget(m_ListBox1, 1, 0);
    remoteLayout->addWidget(m_ListBox2, 1, 1);
    auto *remoteButtons = new QGridLayout;
    m_MkDirFTPBtn = button(remote, "MkDirFTPBtn", QStringLiteral("MkDir"));
    m_RmDirFTPBtn = button(remote, "RmDirFTPBtn", QStringLiteral("RmDir"));
    m_Button12 = button(remote, "Button12", QStringLiteral("ReNommer"));
    m_Button13 = button(remote, "Button13", QStringLiteral("Effacer"));
    m_Button15 = button(remote, "Button15", QStringLiteral("Raffraichir"));
    remoteButtons->addWidget(m_MkDirFTPBtn, 0, 0);
    remoteButtons->addWidget(m_RmDirFTPBtn, 1, 0);
    remoteButtons->addWidget(m_Button12, 0, 1);
    remoteButtons->addWidget(m_Button13, 1, 1);
    remoteButtons->addWidget(m_Button15, 0, 2);
    remoteLayout->addLayout(remoteButtons, 2, 0, 1, 2);

    panesLayout->addWidget(local);
    panesLayout->addWidget(remote);

    m_Log = named(new QPlainTextEdit(m_Splitter1), "Log");
    m_Log->setReadOnly(true);
    m_Log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette logColours = m_Log->palette();
    logColours.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
    logColours.setColor(QPalette::Text, Qt::yellow);
    m_Log->setPalette(logColours);
    m_Splitter1->addWidget(panes);
    m_Splitter1->addWidget(m_Log);
    m_Splitter1->setStretchFactor(0, 3);
    m_Splitter1->setStretchFactor(1, 1);
    layout->addWidget(m_Splitter1, 1);

    for (QWidget *list : {static_cast<QWidget *>(m_FileListBox1), static_cast<QWidget *>(m_ListBox2)}) {
        auto *view = static_cast<QAbstractItemView *>(list);
        view->setAcceptDrops(true);
        view->viewport()->setAcceptDrops(true);
        view->viewport()->installEventFilter(this);
    }

    m_localPane->setFolder(QDir::homePath());
}

void TFtpsimple::setUpFtp()
{
    m_Ftp1 = new TStarFtp(this);
    m_Ftp1->setObjectName(QStringLiteral("Ftp1"));
    m_Ftp1->SetFtpPort(21);
    m_Ftp1->SetTransferMode(BinaryTransfer);
    m_Ftp1->SetServerType(ftpstDefault);
    m_Ftp1->SetTimeOutConnect(30);
    m_Ftp1->SetTimeOutArp(20);
    m_Ftp1->OnFtpInfo = [this](TStarFtp *, FtpInfo info, const QString &text) { Ftp1FtpInfo(info, text); };
    m_Ftp1->OnFtpNeedInfo = [this](TStarFtp *, TFtpInfoNeeded need, QString &value) { Ftp1FtpNeedInfo(need, value); };
    m_Ftp1->OnFtpError = [this](TStarFtp *, FtpError error, const QString &text) { Ftp1FtpError(error, text); };
    m_Ftp1->OnFtpReady = [this](TStarFtp *) { Ftp1FtpReady(); };
    m_Ftp1->OnFileReceived = [this](TStarFtp *) { Ftp1FileReceived(); };
    m_Ftp1->OnFileStored = [this](TStarFtp *) { Ftp1FileStored(); };
    m_Ftp1->OnListingDone = [this](TStarFtp *) { Ftp1ListingDone(); };
    m_Ftp1->OnFtpQuit = [this](TStarFtp *) { Ftp1FtpQuit(); };
    const TStarFtp::Notify listing = [this](TStarFtp *) { NeedNewFTPListing(); };
    m_Ftp1->OnLoggedIn = listing;
    m_Ftp1->OnDirectoryChanged = listing;
    m_Ftp1->OnDirectoryCreated = listing;
    m_Ftp1->OnDirectoryDeleted = listing;
    m_Ftp1->OnFileDeleted = listing;
    m_Ftp1->OnFileRenamed = listing;
}

void TFtpsimple::connectControls()
{
    connect(m_SpeedButton5, &QToolButton::clicked, this, &TFtpsimple::ConnectBtnClick);
    connect(m_DisconnectBtn, &QToolButton::clicked, this, &TFtpsimple::Button11Click);
    connect(m_SpeedButton6, &QToolButton::clicked, this, &TFtpsimple::Button4Click);
    connect(m_SpeedButton3, &QToolButton::clicked, this, &TFtpsimple::SpeedButton3Click);
    connect(m_SpeedButton4, &QToolButton::clicked, this, &TFtpsimple::HemisphereButton1Click);
    connect(m_ListBox1, &QListWidget::itemDoubleClicked, this, &TFtpsimple::ListBox1DblClick);
    connect(m_MkDirFTPBtn, &QPushButton::clicked, this, &TFtpsimple::MkDirFTPBtnClick);
    connect(m_RmDirFTPBtn, &QPushButton::clicked, this, &TFtpsimple::RmDirFTPBtnClick);
    connect(m_Button12, &QPushButton::clicked, this, &TFtpsimple::Button12Click);
    connect(m_Button13, &QPushButton::clicked, this, &TFtpsimple::Button13Click);
    connect(m_Button15, &QPushButton::clicked, this, &TFtpsimple::Button15Click);
    connect(m_SpeedButton2, &QToolButton::clicked, this, &TFtpsimple::SpeedButton2Click);
    connect(m_SpeedButton1, &QToolButton::clicked, this, &TFtpsimple::SpeedButton1Click);
    connect(m_Button6, &QPushButton::clicked, this, &TFtpsimple::Button6Click);
    connect(m_Button7, &QPushButton::clicked, this, &TFtpsimple::Button7Click);
    connect(m_Button8, &QPushButton::clicked, this, &TFtpsimple::Button8Click);
    connect(m_Button9, &QPushButton::clicked, this, &TFtpsimple::Button9Click);
    connect(m_Button2, &QPushButton::clicked, this, &TFtpsimple::Button2Click);
    connect(m_Button3, &QPushButton::clicked, this, &TFtpsimple::Button3Click);
    connect(m_Button14, &QPushButton::clicked, this, &TFtpsimple::Button14Click);
}

// --- Busy state and small helpers -------------------------------------------------------------

bool TFtpsimple::connectedAndIdle() const
{
    return m_Ftp1->LinkOpen() && !m_hourglass;
}

void TFtpsimple::setHourglass()
{
    if (m_hourglass)
        return;
    m_hourglass = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void TFtpsimple::setDefaultCursor()
{
    if (!m_hourglass)
        return;
    m_hourglass = false;
    QGuiApplication::restoreOverrideCursor();
}

bool TFtpsimple::inputQuery(const QString &title, const QString &prompt)
{
    QInputDialog query(this);
    query.setObjectName(QStringLiteral("InputQuery"));
    query.setWindowTitle(title);
    query.setLabelText(prompt);
    query.setTextValue(m_inputText);
    if (query.exec() != QDialog::Accepted)
        return false;
    m_inputText = query.textValue();
    return true;
}

bool TFtpsimple::confirm(const QString &text)
{
    return ui::askYesNo(this, QStringLiteral("Confirmation"), text);
}

void TFtpsimple::ioError(const QString &path)
{
    ui::showError(this, QStringLiteral("Erreur d'entrée/sortie : ") + path);
}

void TFtpsimple::appendLog(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    if (m_Log->document()->characterCount() + shown.size() > LogLimit)
        m_Log->clear();
    m_Log->appendPlainText(shown);
}

void TFtpsimple::refreshLocalFiles()
{
    m_FileListBox1->setMask(QString());
    m_FileListBox1->setMask(QStringLiteral("*.*"));
}

QByteArray TFtpsimple::selectedRemoteName(QListWidget *list) const
{
    const QListWidgetItem *item = list->currentItem();
    if (!item || !item->isSelected())
        return QByteArray();
    return item->data(Qt::UserRole).toByteArray();
}

// --- Connection -------------------------------------------------------------------------------

void TFtpsimple::ConnectBtnClick()
{
    if (m_Ftp1->LinkOpen() || m_hourglass)
        return;
    m_Ftp1->SetFtpServer(QString());
    m_Ftp1->SetUserName(QString());
    m_Ftp1->SetUserPassword(QString());
    m_Ftp1->SetUserAccount(QString());
    setHourglass();
    m_Ftp1->Open();
}

void TFtpsimple::SpeedButton3Click()
{
    using namespace settings;
    const settings::SettingsStore &store = m_store;
    const QString server = store.read(ftp::Server);
    const ServerAddress address = splitServerText(server);
    m_Ftp1->SetFtpServer(address.host);
    m_Ftp1->SetFtpPort(address.port);
    m_Ftp1->SetUserName(net::unscrambleFromStore(store.read(ftp::UserId)));
    m_Ftp1->SetUserPassword(net::unscrambleFromStore(store.read(ftp::Password)));
    m_Ftp1->SetUserAccount(store.read(ftp::Account));
    m_Editserveur->setText(server);
    m_Edituserid->setText(m_Ftp1->UserName());
    m_EditPassWord->setText(m_Ftp1->UserPassword());
    m_Editaccount->setText(m_Ftp1->UserAccount());
    setHourglass();
    m_Ftp1->Open();
}

// The values of the last connection, not the text of the fields.
void TFtpsimple::HemisphereButton1Click()
{
    using namespace settings;
    settings::SettingsBatch batch;
    batch.write(ftp::Server, joinServerText(m_Ftp1->FtpServer(), m_Ftp1->FtpPort()));
    batch.write(ftp::UserId, net::scrambleForStore(m_Ftp1->UserName()));
    batch.write(ftp::Password, net::scrambleForStore(m_Ftp1->UserPassword()));
    batch.write(ftp::Account, m_Ftp1->UserAccount());
    if (!m_store.apply(batch))
        ui::showError(this, m_store.errorString());
}

void TFtpsimple::Button11Click()
{
    if (!connectedAndIdle())
        return;
    setHourglass();
    m_Ftp1->Quit();
}

void TFtpsimple::Button4Click()
{
    m_Ftp1->Abort();
}

// The server field may name a port after the host ("127.0.0.1:2121"); the component gets them
// apart, the field keeps what was typed.
void TFtpsimple::Ftp1FtpNeedInfo(TFtpInfoNeeded need, QString &value)
{
    QLineEdit *const fields[] = {m_Editserveur, m_Edituserid, m_EditPassWord, m_Editaccount};
    QLineEdit *field = fields[need];
    m_inputText = field->text();
    if (!inputQuery(needInfoTitle(need), needInfoPrompt(need)))
        return;
    field->setText(m_inputText);
    value = m_inputText;
    if (need == needServer) {
        const ServerAddress address = splitServerText(m_inputText);
        value = address.host;
        m_Ftp1->SetFtpPort(address.port);
    }
}

// --- Remote side ------------------------------------------------------------------------------

void TFtpsimple::ListBox1DblClick()
{
    const QByteArray name = selectedRemoteName(m_ListBox1);
    if (!connectedAndIdle() || name.isEmpty())
        return;
    setHourglass();
    m_Ftp1->ChangeDirectory(name);
}

void TFtpsimple::MkDirFTPBtnClick()
{
    if (!connectedAndIdle())
        return;
    m_inputText.clear();
    if (!inputQuery(QStringLiteral("Creation de repertoire"), QStringLiteral("Entrer le nouveau nom de repertoire:")))
        return;
    setHourglass();
    m_Ftp1->MakeDirectory(m_inputText.toUtf8());
}

void TFtpsimple::RmDirFTPBtnClick()
{
    const QByteArray name = selectedRemoteName(m_ListBox1);
    if (!connectedAndIdle() || name.isEmpty())
        return;
    if (!confirm(QStringLiteral("Are you sure you want to remove ") + platform::decodeText(name) + QStringLiteral(" ?")))
        return;
    setHourglass();
    m_Ftp1->RemoveDirectory(name);
}

void TFtpsimple::Button12Click()
{
    const QByteArray name = selectedRemoteName(m_ListBox2);
    if (!connectedAndIdle() || name.isEmpty())
        return;
    m_inputText = platform::decodeText(name);
    if (!inputQuery(QStringLiteral("Renomer le fichier"), QStringLiteral("Entrer le nouveau nom de fichier:")))
        return;
    setHourglass();
    m_Ftp1->RenameFile(name, m_inputText.toUtf8());
}

void TFtpsimple::Button13Click()
{
    const QByteArray name = selectedRemoteName(m_ListBox2);
    if (!connectedAndIdle() || name.isEmpty())
        return;
    if (!confirm(QStringLiteral("Etes vous certain de vouloir suprimer ") + platform::decodeText(name)
                 + QStringLiteral(" ?")))
        return;
    setHourglass();
    m_Ftp1->DeleteFile(name);
}

void TFtpsimple::Button15Click()
{
    if (!connectedAndIdle())
        return;
    m_Ftp1->GetListing();
}

// A cancelled save dialog starts nothing: no file the user did not choose is ever written.
void TFtpsimple::SpeedButton2Click()
{
    const QByteArray name = selectedRemoteName(m_ListBox2);
    if (!connectedAndIdle() || name.isEmpty())
        return;
    m_Ftp1->SetRemoteFile(name);
    QFileDialog save(this);
    save.setObjectName(QStringLiteral("SaveDialog1"));
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    save.setDirectory(m_DirectoryListBox1->directory());
    save.selectFile(platform::decodeText(name));
    if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty())
        return;
    m_Ftp1->SetLocalFile(save.selectedFiles().first());
    setHourglass();
    m_Ftp1->GetFile();
}

void TFtpsimple::SpeedButton1Click()
{
    const QString path = m_FileListBox1->currentFilePath();
    const QListWidgetItem *item = m_FileListBox1->currentItem();
    if (!connectedAndIdle() || path.isEmpty() || !item || !item->isSelected())
        return;
    m_Ftp1->SetLocalFile(path);
    m_Ftp1->SetRemoteFile(platform::encodePath(m_FileListBox1->currentFileName()));
    setHourglass();
    m_Ftp1->PutFile();
}

// --- Local side -------------------------------------------------------------------------------

void TFtpsimple::Button6Click()
{
    const QString path = m_FileListBox1->currentFilePath();
    if (path.isEmpty())
        return;
    if (m_viewer)
        m_viewer(path);
    else
        platform::shellOpen(path);
}

void TFtpsimple::Button7Click()
{
    const QString path = m_FileListBox1->currentFilePath();
    if (!path.isEmpty())
        platform::shellExecute(path, m_FileListBox1->directory());
}

void TFtpsimple::Button8Click()
{
    const QString path = m_FileListBox1->currentFilePath();
    if (path.isEmpty())
        return;
    m_inputText = m_FileListBox1->currentFileName();
    if (!inputQuery(QStringLiteral("Renommer"), QStringLiteral("Entrer le nouveau nom:")))
        return;
    const QString target = m_FileListBox1->directory() + u'/' + QFileInfo(m_inputText).fileName();
    if (QFileInfo(m_inputText).fileName().isEmpty() || QFileInfo::exists(target) || !QFile::rename(path, target)) {
        ioError(path);
        return;
    }
    refreshLocalFiles();
}

void TFtpsimple::Button9Click()
{
    const QString path = m_FileListBox1->currentFilePath();
    if (path.isEmpty())
        return;
    if (!confirm(QStringLiteral("Etes vous certain de vouloir effacer ") + m_FileListBox1->currentFileName()
                 + QStringLiteral(" ?")))
        return;
    if (!QFile::remove(path)) {
        ioError(path);
        return;
    }
    refreshLocalFiles();
}

void TFtpsimple::Button2Click()
{
    if (m_DirectoryListBox1->currentRow() < 0)
        return;
    m_inputText.clear();
    if (!inputQuery(QStringLiteral("Creation de repertoire"), QStringLiteral("Entrer le nouveau nom de repertoire:")))
        return;
    const QString folder = m_DirectoryListBox1->directory() + u'/' + m_inputText;
    if (m_inputText.isEmpty() || !QDir().mkdir(folder)) {
        ioError(folder);
        return;
    }
    m_DirectoryListBox1->setDirectory(folder);
}

// The folder shown is removed (it must be empty) and the list moves to its parent.
void TFtpsimple::Button3Click()
{
    const QString folder = m_DirectoryListBox1->directory();
    if (!confirm(QStringLiteral("Etes vous certain de vouloir suprimer ") + folder + QStringLiteral(" ?")))
        return;
    const QString parent = folder.left(folder.lastIndexOf(u'/'));
    if (!QDir().rmdir(folder)) {
        ioError(folder);
        return;
    }
    m_DirectoryListBox1->setDirectory(parent.isEmpty() ? QStringLiteral("/") : parent);
}

void TFtpsimple::Button14Click()
{
    refreshLocalFiles();
}

// --- Events of the FTP component ----------------------------------------------------------------

void TFtpsimple::Ftp1FtpInfo(FtpInfo info, const QString &addinfo)
{
    if (info == infReceived || info == infSent)
        appendLog(addinfo);
    else if (info == infProgress)
        m_ByteCounter->setText(QString::number(m_Ftp1->BytesTransferred()));
}

// The box is shown from the event loop, once the component has finished reporting; the busy
// state ends when it is closed.
void TFtpsimple::Ftp1FtpError(FtpError error, const QString &addinfo)
{
    const QString message = ftpErrorMessage(error, addinfo);
    QTimer::singleShot(0, this, [this, message] {
        if (!message.isEmpty()) {
            QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), message,
                            QMessageBox::Ok, this);
            box.setObjectName(QStringLiteral("MessageBox"));
            box.exec();
        }
        setDefaultCursor();
    });
}

// A close asked for during an operation takes effect when the operation has ended.
void TFtpsimple::Ftp1FtpReady()
{
    if (m_CloseRequested && m_Ftp1->LinkOpen() && !m_Ftp1->Busy())
        m_Ftp1->Quit();
}

void TFtpsimple::NeedNewFTPListing()
{
    m_Ftp1->GetListing();
}

void TFtpsimple::Ftp1ListingDone()
{
    m_ListBox1->clear();
    m_ListBox2->clear();
    const auto add = [](QListWidget *list, const QByteArray &name) {
        auto *item = new QListWidgetItem(platform::decodeText(name), list);
        item->setData(Qt::UserRole, name);
    };
    if (!m_Ftp1->DirectoryNames().contains(QByteArray("..")))
        add(m_ListBox1, "..");
    for (const QByteArray &name : m_Ftp1->DirectoryNames())
        add(m_ListBox1, name);
    for (const QByteArray &name : m_Ftp1->FileNames())
        add(m_ListBox2, name);
    setDefaultCursor();
}

void TFtpsimple::Ftp1FileReceived()
{
    refreshLocalFiles();
    setDefaultCursor();
}

void TFtpsimple::Ftp1FileStored()
{
    if (m_Ftp1->ElapsedMs() != 0)
        appendLog(transferStatistics(m_Ftp1->BytesTransferred(), m_Ftp1->ElapsedMs()));
    m_ByteCounter->clear();
    refreshLocalFiles();
    NeedNewFTPListing();
}

// Closing the window while connected ends the connection first, then closes the window (and
// only the window: the rest of the program goes on).
void TFtpsimple::Ftp1FtpQuit()
{
    setDefaultCursor();
    if (m_CloseRequested)
        QTimer::singleShot(0, this, &QWidget::close);
}

void TFtpsimple::closeEvent(QCloseEvent *event)
{
    if (!m_Ftp1->LinkOpen()) {
        event->accept();
        return;
    }
    event->ignore();
    m_CloseRequested = true;
    setDefaultCursor();
    if (m_Ftp1->Busy())
        m_Ftp1->Abort();
    else
        m_Ftp1->Quit();
}

// --- Drag and drop between the two file lists -------------------------------------------------

bool TFtpsimple::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *localView = m_FileListBox1->viewport();
    QWidget *remoteView = m_ListBox2->viewport();
    if (watched != localView && watched != remoteView)
        return QWidget::eventFilter(watched, event);
    const char *accepted = watched == remoteView ? LocalDragFormat : RemoteDragFormat;

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_dragSource = nullptr;
        if (mouse->button() == Qt::LeftButton && connectedAndIdle()) {
            m_dragSource = static_cast<QWidget *>(watched);
            m_dragStart = mouse->position().toPoint();
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_dragSource == watched && (mouse->buttons() & Qt::LeftButton)
            && (mouse->position().toPoint() - m_dragStart).manhattanLength() >= QApplication::startDragDistance()) {
            startDrag(static_cast<QWidget *>(watched));
            return true;
        }
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (drag->mimeData()->hasFormat(QLatin1String(accepted)))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasFormat(QLatin1String(accepted))) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The transfer starts once the drag has finished.
        QTimer::singleShot(0, this, watched == remoteView ? &TFtpsimple::SpeedButton1Click
                                                          : &TFtpsimple::SpeedButton2Click);
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TFtpsimple::startDrag(QWidget *source)
{
    m_dragSource = nullptr;
    const bool local = source == m_FileListBox1->viewport();
    auto *mime = new QMimeData;
    mime->setData(QLatin1String(local ? LocalDragFormat : RemoteDragFormat),
                  local ? platform::encodePath(m_FileListBox1->currentFilePath()) : selectedRemoteName(m_ListBox2));
    auto *drag = new QDrag(source);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}

} // namespace net

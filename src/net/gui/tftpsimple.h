// The FTP client window "Client FTP simple": the local disk on the left (drive, folders, files),
// the remote folder on the right (folders, files), connection buttons and fields on top, and the
// conversation with the server below. Files move by buttons or by dragging from one file list to
// the other. The window drives one FTP component and reacts to its events; it is busy (hourglass)
// from each request to the event that ends it.
#pragma once

#include "net/core/ftptypes.h"
#include "settings/settingsstore.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QToolButton;

namespace ui {
class FileList;
class FolderList;
class FolderNavigator;
}

namespace net {

class TStarFtp;

class TFtpsimple : public QWidget {
    Q_OBJECT

public:
    /// What a drag from the local file list (the file's path) or from the remote one (the
    /// file's name) carries.
    static constexpr char LocalDragFormat[] = "application/x-vorlane-ftp-local";
    static constexpr char RemoteDragFormat[] = "application/x-vorlane-ftp-remote";

    /// A top-level window owned by \a owner, freed when closed, keeping its connection in \a store.
    explicit TFtpsimple(const settings::SettingsStore &store, QWidget *owner = nullptr);
    ~TFtpsimple() override;

    TStarFtp *ftp() const { return m_Ftp1; }
    /// True from a request to the server until the event that ends it.
    bool isBusy() const { return m_hourglass; }
    /// Where "Voir" shows a local file; without one, the desktop's application for it opens it.
    void setFileViewer(std::function<void(const QString &path)> viewer) { m_viewer = std::move(viewer); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void setUpFtp();

    // Connection.
    void ConnectBtnClick();
    void SpeedButton3Click();
    void HemisphereButton1Click();
    void Button11Click();
    void Button4Click();

    // Remote side.
    void ListBox1DblClick();
    void MkDirFTPBtnClick();
    void RmDirFTPBtnClick();
    void Button12Click();
    void Button13Click();
    void Button15Click();
    void SpeedButton2Click();
    void SpeedButton1Click();

    // Local side.
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button2Click();
    void Button3Click();
    void Button14Click();

    // Events of the FTP component.
    void Ftp1FtpInfo(FtpInfo info, const QString &addinfo);
    void Ftp1FtpNeedInfo(TFtpInfoNeeded need, QString &value);
    void Ftp1FtpError(FtpError error, const QString &addinfo);
    void Ftp1FtpReady();
    void NeedNewFTPListing();
    void Ftp1ListingDone();
    void Ftp1FileReceived();
    void Ftp1FileStored();
    void Ftp1FtpQuit();

    bool connectedAndIdle() const;
    void setHourglass();
    void setDefaultCursor();
    /// The platform's input query on the shared input text; true for OK.
    bool inputQuery(const QString &title, const QString &prompt);
    bool confirm(const QString &text);
    void ioError(const QString &path);
    void appendLog(const QString &text);
    void refreshLocalFiles();
    QByteArray selectedRemoteName(QListWidget *list) const;
    void startDrag(QWidget *source);

    QToolButton *m_SpeedButton5 = nullptr;
    QToolButton *m_DisconnectBtn = nullptr;
    QToolButton *m_SpeedButton6 = nullptr;
    QToolButton *m_SpeedButton3 = nullptr;
    QToolButton *m_SpeedButton4 = nullptr;
    QLabel *m_ByteCounter = nullptr;
    QLineEdit *m_Editserveur = nullptr;
    QLineEdit *m_Edituserid = nullptr;
    QLineEdit *m_EditPassWord = nullptr;
    QLineEdit *m_Editaccount = nullptr;
    // The local pane: "DriveComboBox1", "DirectoryListBox1" and "FileListBox1".
    ui::FolderNavigator *m_localPane = nullptr;
    ui::FolderList *m_DirectoryListBox1 = nullptr;
    ui::FileList *m_FileListBox1 = nullptr;
    QToolButton *m_SpeedButton1 = nullptr;
    QPushButton *m_Button2 = nullptr;
    QPushButton *m_Button3 = nullptr;
    QPushButton *m_Button6 = nullptr;
    QPushButton *m_Button7 = nullptr;
    QPushButton *m_Button8 = nullptr;
    QPushButton *m_Button9 = nullptr;
    QPushButton *m_Button14 = nullptr;
    QToolButton *m_SpeedButton2 = nullptr;
    QListWidget *m_ListBox1 = nullptr;
    QListWidget *m_ListBox2 = nullptr;
    QPushButton *m_MkDirFTPBtn = nullptr;
    QPushButton *m_RmDirFTPBtn = nullptr;
    QPushButton *m_Button12 = nullptr;
    QPushButton *m_Button13 = nullptr;
    QPushButton *m_Button15 = nullptr;
    QPlainTextEdit *m_Log = nullptr;
    QSplitter *m_Splitter1 = nullptr;
    TStarFtp *m_Ftp1 = nullptr;
    settings::SettingsStore m_store;

    bool m_CloseRequested = false;
    // The one text all the window's input prompts show and give back.
    QString m_inputText;
    bool m_hourglass = false;
    std::function<void(const QString &)> m_viewer;
    // A press that may become a drag: where, and on which file list.
    QPointer<QWidget> m_dragSource;
    QPoint m_dragStart;
};

} // namespace net

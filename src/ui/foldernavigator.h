// The drive/folder/file pane that the search dialog, the picture preview, the resource explorer,
// the FTP window and the other tool windows carry: a drive box linked to a folder list linked to
// a file list, with the root and parent buttons and the memory of the folder left on each drive.
// The navigator makes the controls with the window's own names and links them; the window places
// them where its layout wants them.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QToolButton;
class QWidget;

namespace ui {

class DriveBox;
class FileList;
class FolderList;

class FolderNavigator : public QObject {
    Q_OBJECT
public:
    /// The designer names of the controls; an empty name leaves that control out.
    struct Names {
        QString drive = QStringLiteral("lecteur");
        QString root = QStringLiteral("BtnRacine");
        QString parent = QStringLiteral("BtnPrecRep");
        QString folders = QStringLiteral("Repert_List");
        QString files = QStringLiteral("filtre_rep");
    };

    /// Makes the controls as children of \a owner, each of them absent when its name is empty.
    FolderNavigator(QWidget *owner, const Names &names);
    FolderNavigator(QWidget *owner) : FolderNavigator(owner, Names()) {}

    DriveBox *driveBox() const { return m_drive; }
    QToolButton *rootButton() const { return m_root; }
    QToolButton *parentButton() const { return m_parent; }
    FolderList *folderList() const { return m_folders; }
    /// Null when the pane has no file list.
    FileList *fileList() const { return m_files; }

    /// The folder the folder list shows.
    QString folder() const;
    /// Shows \a path, the drive box following it without a drive change of its own. False (and
    /// nothing changes) when it is not a readable folder.
    bool setFolder(const QString &path);
    /// Shows the process's current directory: what a window does when the folder it stored is
    /// gone.
    void fallBackToCurrentDirectory();
    /// Shows the stored \a drive and \a folder, without a drive change of its own; when either
    /// is gone, falls back silently to the process's current directory (and gives false).
    bool restore(const QString &drive, const QString &folder);
    /// Reads the drives, the folder list and the file list again from the disk; when the folder
    /// is gone (a removable disk taken out), falls back to the process's current directory.
    void refresh();
    /// Shows \a drive at its root, or its remembered folder when the memory is on. False when
    /// no mounted volume holds \a drive.
    bool setDrive(const QString &drive);

    /// When on, each drive remembers the folder shown when the user last entered the drive box,
    /// and choosing that drive again shows it (its root when that folder is gone).
    void setDriveMemory(bool on) { m_memoryOn = on; }
    bool driveMemory() const { return m_memoryOn; }
    /// The remembered folder of each drive, in drive-box order ("" where none).
    QStringList rememberedFolders() const;

    /// Goes to the root of the drive (the root button).
    void goToRoot();
    /// Goes to the parent folder through the process's current directory (the parent button):
    /// the listed folder becomes current, ".." is entered, and the result is shown.
    void goToParent();

signals:
    /// The folder list shows another folder.
    void folderChanged(const QString &path);
    /// Another drive was chosen, by the user or by setDrive().
    void driveChanged(const QString &root);
    /// The parent button could not change folder; \a message is ready to show.
    void failed(const QString &message);
    /// With the memory on, \a folder was remembered for the drive at \a driveIndex.
    void folderRemembered(int driveIndex, const QString &folder);

private:
    void driveBoxChanged(const QString &root);
    void rememberCurrentFolder();

    DriveBox *m_drive = nullptr;
    QToolButton *m_root = nullptr;
    QToolButton *m_parent = nullptr;
    FolderList *m_folders = nullptr;
    FileList *m_files = nullptr;
    bool m_memoryOn = false;
    QStringList m_remembered;
};

} // namespace ui

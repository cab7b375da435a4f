#include "ui/foldernavigator.h"

#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QToolButton>

namespace ui {

namespace {

template <typename Widget>
Widget *make(QWidget *owner, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    auto *widget = new Widget(owner);
    widget->setObjectName(name);
    return widget;
}

} // namespace

FolderNavigator::FolderNavigator(QWidget *owner, const Names &names) : QObject(owner)
{
    m_drive = make<DriveBox>(owner, names.drive);
    m_root = make<QToolButton>(owner, names.root);
    m_parent = make<QToolButton>(owner, names.parent);
    m_folders = new FolderList(owner);
    m_folders->setObjectName(names.folders.isEmpty() ? QStringLiteral("Repert_List") : names.folders);
    m_files = make<FileList>(owner, names.files);

    if (m_root) {
        m_root->setText(QStringLiteral("/"));
        connect(m_root, &QToolButton::clicked, this, &FolderNavigator::goToRoot);
    }
    if (m_parent) {
        m_parent->setText(QStringLiteral(".."));
        connect(m_parent, &QToolButton::clicked, this, &FolderNavigator::goToParent);
    }
    if (m_drive) {
        connect(m_drive, &DriveBox::driveChanged, this, &FolderNavigator::driveBoxChanged);
        connect(m_drive, &DriveBox::focusReceived, this, &FolderNavigator::rememberCurrentFolder);
    }
    connect(m_folders, &FolderList::directoryChanged, this, [this](const QString &path) {
        if (m_files)
            m_files->setDirectory(path);
        emit folderChanged(path);
    });
}

QString FolderNavigator::folder() const
{
    return m_folders->directory();
}

bool FolderNavigator::setFolder(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    if (m_drive) {
        const QSignalBlocker quiet(m_drive);
        if (!m_drive->setDrive(info.absoluteFilePath()))
            return false;
    }
    return m_folders->setDirectory(path);
}

void FolderNavigator::fallBackToCurrentDirectory()
{
    if (m_drive)
        m_drive->refresh();
    setFolder(QDir::currentPath());
}

bool FolderNavigator::restore(const QString &drive, const QString &folder)
{
    bool restored = false;
    if (m_drive) {
        const QSignalBlocker quiet(m_drive);
        restored = m_drive->setDrive(drive);
    } else {
        restored = true;
    }
    restored = restored && setFolder(folder);
    if (!restored)
        fallBackToCurrentDirectory();
    return restored;
}

void FolderNavigator::refresh()
{
    if (m_drive)
        m_drive->refresh();
    if (!m_folders->refresh() || !QFileInfo(folder()).isDir()) {
        fallBackToCurrentDirectory();
        m_folders->refresh();
    }
    if (m_files)
        m_files->refresh();
}

bool FolderNavigator::setDrive(const QString &drive)
{
    if (!m_drive)
        return setFolder(drive);
    const QString before = m_drive->drive();
    if (!m_drive->setDrive(drive))
        return false;
    // The box does not signal a selection it already had: show the drive all the same.
    if (m_drive->drive() == before)
        driveBoxChanged(before);
    return true;
}

QStringList FolderNavigator::rememberedFolders() const
{
    QStringList folders = m_remembered;
    const int drives = m_drive ? m_drive->count() : 0;
    while (folders.size() < drives)
        folders.append(QString());
    return folders.mid(0, drives);
}

void FolderNavigator::goToRoot()
{
    if (m_drive)
        m_folders->setDirectory(m_drive->drive());
    else
        m_folders->setDirectory(QDir::rootPath());
}

void FolderNavigator::goToParent()
{
    if (!QDir::setCurrent(folder()) || !QDir::setCurrent(QStringLiteral(".."))) {
        emit failed(QStringLiteral("Impossible de changer de répertoire : ") + folder());
        return;
    }
    m_folders->setDirectory(QDir::currentPath());
}

void FolderNavigator::driveBoxChanged(const QString &root)
{
    m_folders->setDirectory(root);
    if (m_memoryOn) {
        const int index = m_drive->currentIndex();
        const QString remembered = index >= 0 && index < m_remembered.size() ? m_remembered.at(index) : QString();
        if (!remembered.isEmpty() && !m_folders->setDirectory(remembered))
            m_folders->setDirectory(root);
    }
    emit driveChanged(root);
}

void FolderNavigator::rememberCurrentFolder()
{
    const int index = m_drive->currentIndex();
    if (!m_memoryOn || index < 0)
        return;
    while (m_remembered.size() <= index)
        m_remembered.append(QString());
    m_remembered[index] = folder();
    emit folderRemembered(index, folder());
}

} // namespace ui

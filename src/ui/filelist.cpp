// The file list box.
#include "ui/filelist.h"

#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>

#include <sys/stat.h>

namespace ui {

namespace {

bool isRegularFile(const QFileInfo &file)
{
    struct stat status {};
    return ::stat(QFile::encodeName(file.filePath()).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

FileList::FileList(QWidget *parent) : QListWidget(parent)
{
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &FileList::changed);
    connect(this, &QListWidget::currentRowChanged, this, &FileList::changed);
    setMask(QStringLiteral("*.*"));
}

void FileList::setDirectory(const QString &path)
{
    m_directory = QDir::cleanPath(path);
    refresh();
}

void FileList::setMask(const QString &mask)
{
    m_mask = mask;
    m_patterns.clear();
    m_all = false;
    for (QString part : mask.split(';', Qt::SkipEmptyParts)) {
        part = part.trimmed();
        if (part == QLatin1String("*.*") || part == QLatin1String("*")) {
            m_all = true;
            continue;
        }
        m_patterns.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(part),
                                             QRegularExpression::CaseInsensitiveOption));
    }
    if (!m_directory.isEmpty())
        refresh();
}

bool FileList::matchesMask(const QString &name) const
{
    if (m_all)
        return true;
    for (const QRegularExpression &pattern : m_patterns)
        if (pattern.match(name).hasMatch())
            return true;
    return false;
}

void FileList::setMultiSelect(bool multi)
{
    setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

bool FileList::multiSelect() const
{
    return selectionMode() != QAbstractItemView::SingleSelection;
}

void FileList::refresh()
{
    const QString keep = currentFileName();
    {
        const QSignalBlocker quiet(this);
        clear();
        static const QFileIconProvider icons;
        // Regular files only (a link counts as what it points to): FIFOs, sockets, devices and
        // broken links are not files the program can open.
        const QFileInfoList files = QDir(m_directory).entryInfoList(
            QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo &file : files) {
            if (!isRegularFile(file) || !matchesMask(file.fileName()))
                continue;
            auto *item = new QListWidgetItem(icons.icon(QFileIconProvider::File), file.fileName(), this);
            if (file.fileName() == keep)
                setCurrentItem(item, QItemSelectionModel::NoUpdate);
        }
    }
    emit changed();
}

QString FileList::currentFileName() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->text() : QString();
}

QString FileList::currentFilePath() const
{
    const QString name = currentFileName();
    return name.isEmpty() ? QString() : QDir(m_directory).filePath(name);
}

QStringList FileList::selectedFileNames() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            names.append(item(i)->text());
    return names;
}

int FileList::selectedCount() const
{
    return static_cast<int>(selectedItems().size());
}

void FileList::keyReleaseEvent(QKeyEvent *event)
{
    QListWidget::keyReleaseEvent(event);
    emit keyReleased();
}

void FileList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    emit mouseReleased();
}

} // namespace ui

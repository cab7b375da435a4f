#include "ui/folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

// The folder pictures live in this static library: register them before the first use.
static void initUiResources()
{
    Q_INIT_RESOURCE(ui);
}

namespace ui {

namespace {

constexpr int PathRole = Qt::UserRole;

// Hidden and read-only folders stand in for the folders that carry an attribute.
bool isMarkedFolder(const QFileInfo &info)
{
    return info.fileName().startsWith('.') || !info.isWritable();
}

} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    initUiResources();
    setIconSize(QSize(16, 16));
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openItem);
}

bool FolderList::setDirectory(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    const bool changed = clean != m_directory;
    m_directory = clean;
    fill();
    if (changed)
        emit directoryChanged(m_directory);
    return true;
}

bool FolderList::refresh()
{
    if (!QFileInfo(m_directory).isDir())
        return false;
    fill();
    return true;
}

void FolderList::fill()
{
    clear();
    const QIcon open(QStringLiteral(":/ui/OPENFOLDER"));
    const QIcon closed(QStringLiteral(":/ui/FOLDER"));
    const QIcon marked(QStringLiteral(":/ui/HIDEFOLDER"));

    // The chain of opened folders from the root down to the current one.
    QStringList chain;
    for (QString p = m_directory; ; p = QFileInfo(p).path()) {
        chain.prepend(p);
        if (p == QLatin1String("/") || QFileInfo(p).path() == p)
            break;
    }
    int depth = 0;
    for (const QString &p : chain) {
        const QString name = p == QLatin1String("/") ? p : QFileInfo(p).fileName();
        auto *item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, this);
        item->setData(PathRole, p);
        ++depth;
    }
    setCurrentRow(count() - 1);

    QDir dir(m_directory);
    const QFileInfoList children = dir.entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &child : children) {
        if (child.isSymLink() && !child.isDir())
            continue;
        auto *item = new QListWidgetItem(isMarkedFolder(child) ? marked : closed,
                                         QString(depth * 2, ' ') + child.fileName(), this);
        item->setData(PathRole, child.absoluteFilePath());
    }
}

void FolderList::openItem(QListWidgetItem *item)
{
    if (item)
        setDirectory(item->data(PathRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace ui

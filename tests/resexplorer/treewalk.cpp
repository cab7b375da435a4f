// Walks resource trees the way the explorer window does.
#include "treewalk.h"

#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/resourcetype.h"

#include <QBuffer>
#include <QImage>

#include <stdexcept>

namespace rxtests {

using namespace resexplorer;

QStringList names(TResourceList &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out.append(list.itemAt(i)->displayName());
    return out;
}

TResourceItem &child(TResourceList &list, const QString &name)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.itemAt(i)->displayName() == name)
            return *list.itemAt(i);
    }
    throw std::runtime_error(("no item " + name + " among " + names(list).join(", ")).toStdString());
}

TResourceItem &itemAt(TExeImage &image, const QString &path)
{
    const QStringList parts = path.split('/');
    TResourceItem *item = &child(image.resources(), parts.first());
    for (qsizetype i = 1; i < parts.size(); ++i)
        item = &child(item->subList(), parts[i]);
    return *item;
}

namespace {

int visitList(TResourceList &list)
{
    int visited = 0;
    for (int i = 0; i < list.count(); ++i) {
        TResourceItem *item = list.itemAt(i);
        ++visited;
        // Each question on its own: a damaged item may fail one and answer the next.
        const auto ask = [](auto &&question) {
            try {
                question();
            } catch (const EExeError &) {
            }
        };
        ask([&] { item->displayName(); });
        ask([&] { item->typeLabel(); });
        ask([&] { item->displayOffset(); });
        ask([&] { item->dataSize(); });
        bool hasList = false;
        ask([&] { hasList = item->hasSubList(); });
        if (hasList) {
            ask([&] { visited += visitList(item->subList()); });
            continue;
        }
        ask([&] {
            QImage picture;
            item->renderTo(picture);
        });
        ask([&] {
            QStringList lines;
            item->renderTo(lines);
        });
        ask([&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            item->writeData(buffer);
        });
    }
    return visited;
}

} // namespace

int visitAll(TExeImage &image)
{
    return visitList(image.resources());
}

} // namespace rxtests

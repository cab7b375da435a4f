// A temporary folder tree for tests: files written byte for byte, removed at the end.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

class TempTree {
public:
    TempTree() { m_dir.setAutoRemove(true); }
    /// A tree created inside \a parent instead of the temporary folder.
    explicit TempTree(const QString &parent) : m_dir(parent + QStringLiteral("/vorlane-tree-XXXXXX")) {}

    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.path() + '/' + relative; }

    /// Writes \a bytes to \a relative, creating its folders.
    QString write(const QString &relative, const QByteArray &bytes) const
    {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(full));
        return full;
    }

    QString mkdir(const QString &relative) const
    {
        QDir().mkpath(path(relative));
        return path(relative);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace testing_support

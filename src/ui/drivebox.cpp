#include "ui/drivebox.h"

#include <QDir>

namespace ui {

DriveBox::DriveBox(QWidget *parent) : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit driveChanged(m_volumes.value(index).root);
    });
}

QString DriveBox::drive() const
{
    const int index = currentIndex();
    return index >= 0 && index < m_volumes.size() ? m_volumes[index].root : QStringLiteral("/");
}

QString DriveBox::driveOf(const QString &path) const
{
    return platform::volumeRootOf(path, m_volumes);
}

bool DriveBox::setDrive(const QString &root)
{
    if (root.isEmpty() || !QDir(root).exists())
        return false;
    const QString volume = driveOf(QDir::cleanPath(root));
    for (int i = 0; i < m_volumes.size(); ++i) {
        if (m_volumes[i].root == volume) {
            setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void DriveBox::refresh()
{
    setVolumes(platform::mountedVolumes());
}

void DriveBox::setVolumes(const QList<platform::Volume> &volumes)
{
    const QString previous = m_volumes.isEmpty() ? QString() : drive();
    const QSignalBlocker quiet(this);
    m_volumes = volumes;
    clear();
    for (const platform::Volume &volume : m_volumes)
        addItem(volume.root);
    int index = 0;
    for (int i = 0; i < m_volumes.size(); ++i)
        if (m_volumes[i].root == previous)
            index = i;
    setCurrentIndex(index);
}

void DriveBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    emit focusReceived();
}

} // namespace ui

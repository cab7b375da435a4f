// The drive box: the mounted volumes, each standing for a drive, "/" first.
#pragma once

#include <QComboBox>

#include "platform/volumes.h"

namespace ui {

class DriveBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveBox(QWidget *parent = nullptr);

    /// Root path of the selected volume.
    QString drive() const;
    /// Selects the volume whose root is \a root, or the volume holding it. False if none does.
    bool setDrive(const QString &root);
    /// Reads the mount table again, keeping the selection where possible.
    void refresh();
    /// Offers \a volumes (until the next refresh), keeping the selection where possible.
    void setVolumes(const QList<platform::Volume> &volumes);
    /// Root of the volume that holds \a path.
    QString driveOf(const QString &path) const;

signals:
    /// The user or the program chose another volume.
    void driveChanged(const QString &root);
    void focusReceived();

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    QList<platform::Volume> m_volumes;
};

} // namespace ui

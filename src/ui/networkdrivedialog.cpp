#include "ui/networkdrivedialog.h"

#include "ui/messageboxes.h"

#include <QInputDialog>
#include <QProcess>
#include <QUrl>

namespace ui {

bool connectNetworkDrive(QWidget *owner)
{
    bool ok = false;
    const QString location = QInputDialog::getText(
        owner, QStringLiteral("Connecter un lecteur réseau"),
        QStringLiteral("Emplacement réseau (smb://, sftp://, ftp://) :"), QLineEdit::Normal, QString(), &ok);
    if (!ok || location.trimmed().isEmpty())
        return false;
    const QUrl url(location.trimmed());
    if (!url.isValid() || url.scheme().isEmpty()) {
        showError(owner, QStringLiteral("Emplacement réseau invalide : ") + location);
        return false;
    }
    if (!QProcess::startDetached(QStringLiteral("gio"), {QStringLiteral("mount"), url.toString()})) {
        showError(owner, QStringLiteral("Impossible de lancer gio pour monter ") + url.toString());
        return false;
    }
    return true;
}

} // namespace ui

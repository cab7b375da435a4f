// The save dialog of the picture export and conversion.
#include "images/gui/savedialog.h"

#include <QFileDialog>

namespace images {

namespace {

/// "description|pattern" as a Qt name filter, "description (pattern)".
QString qtFilter(const QString &filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
}

} // namespace

QString askSaveName(QWidget *parent, const SaveRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(request.dialogName);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.filter.isEmpty())
        dialog.setNameFilter(qtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace images

// The save dialog of the picture export and conversion.
#include "images/gui/savedialog.h"

#include "ui/windowsfilter.h"

#include <QFileDialog>

namespace images {

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
        ui::setWindowsFilter(dialog, request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace images

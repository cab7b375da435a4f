#include "ui/saveprintdialogs.h"

#include "ui/windowsfilter.h"

#include <QFileDialog>
#include <QPrintDialog>

namespace ui {

SavePrintDialogs::SavePrintDialogs(QWidget *frame)
    : QObject(frame), m_frame(frame), m_sauvefichier(new QFileDialog(frame))
{
    m_sauvefichier->setObjectName(QStringLiteral("sauvefichier"));
    m_sauvefichier->setAcceptMode(QFileDialog::AcceptSave);
    m_sauvefichier->setFileMode(QFileDialog::AnyFile);
    m_sauvefichier->setOption(QFileDialog::DontConfirmOverwrite, false);
}

void SavePrintDialogs::setSaveFilter(const QString &windowsFilter)
{
    setWindowsFilter(*m_sauvefichier, windowsFilter);
}

QString SavePrintDialogs::runSaveDialog()
{
    if (m_sauvefichier->exec() != QDialog::Accepted)
        return QString();
    return m_sauvefichier->selectedFiles().value(0);
}

SavePrintDialogs::PrintRange SavePrintDialogs::runPrintDialog(bool selection)
{
    m_printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&m_printer, m_frame);
    dialog.setObjectName(QStringLiteral("imprimdial"));
    QPrintDialog::PrintDialogOptions options = QPrintDialog::PrintToFile | QPrintDialog::PrintShowPageSize;
    if (selection)
        options |= QPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted)
        return PrintRange::Cancelled;
    return m_printer.printRange() == QPrinter::Selection ? PrintRange::Selection : PrintRange::All;
}

} // namespace ui

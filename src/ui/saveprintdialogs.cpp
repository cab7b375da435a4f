#include "ui/saveprintdialogs.h"

#include "ui/windowsfilter.h"

#include <QFileDialog>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

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

bool SavePrintDialogs::runPrinterSetupDialog()
{
    // The print dialog, because it chooses the printer, which the page set-up dialog cannot.
    QPrintDialog dialog(&m_printer, m_frame);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    dialog.setOptions(QPrintDialog::PrintToFile | QPrintDialog::PrintShowPageSize);
    // Confirming only keeps the choice: nothing is printed from here.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ui

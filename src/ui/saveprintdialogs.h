// The frame's save dialog "sauvefichier" (asks before overwriting; a title or filter one user
// sets stays for the next) and print dialog "imprimdial" over the program's one printer
// (printing to a PDF file is always offered, and the selection when there is one), shared by
// the results list and the editor windows, and the printer set-up dialog over the same printer.
#pragma once

#include <QObject>
#include <QPrinter>

class QFileDialog;
class QWidget;

namespace ui {

class SavePrintDialogs : public QObject {
    Q_OBJECT
public:
    /// The dialogs open over \a frame.
    explicit SavePrintDialogs(QWidget *frame);

    QFileDialog *sauvefichier() const { return m_sauvefichier; }
    /// Sets the save dialog's filter from "description|pattern" pairs; an empty text clears it.
    void setSaveFilter(const QString &windowsFilter);
    /// Shows the save dialog; the chosen file, or an empty string when it was cancelled.
    QString runSaveDialog();

    QPrinter &printer() { return m_printer; }
    enum class PrintRange { Cancelled, All, Selection };
    /// Shows the print dialog, offering the selection range when \a selection is true.
    PrintRange runPrintDialog(bool selection);
    /// Shows the printer set-up dialog "PrinterSetupDialog1": the printer (or a PDF file), its
    /// properties and the page are chosen for the next printing. True when confirmed.
    bool runPrinterSetupDialog();

private:
    QWidget *m_frame;
    QFileDialog *m_sauvefichier;
    QPrinter m_printer;
};

} // namespace ui

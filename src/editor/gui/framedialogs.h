// The frame's dialogs that its editor windows and the result-list actions share: the save
// dialog "sauvefichier" (asks before overwriting; a title or filter one user sets stays for the
// next), the print dialog "imprimdial" over the program's one printer (printing to a PDF file is
// always offered, and the selection when there is one), the printer set-up dialog over the same
// printer, and the font dialog "FontDialog1".
#pragma once

#include <QObject>
#include <QPrinter>

class QFileDialog;
class QWidget;

namespace editor {

class FontColourDialog;

class FrameDialogs : public QObject {
    Q_OBJECT
public:
    /// The dialogs open over \a frame.
    explicit FrameDialogs(QWidget *frame);

    QFileDialog *sauvefichier() const { return m_sauvefichier; }
    /// Sets the save dialog's filter from "label|pattern" pairs; an empty text clears it.
    void setSaveFilter(const QString &labelsAndPatterns);
    /// Shows the save dialog; the chosen file, or an empty string when it was cancelled.
    QString runSaveDialog();

    QPrinter &printer() { return m_printer; }
    enum class PrintRange { Cancelled, All, Selection };
    /// Shows the print dialog, offering the selection range when \a selection is true.
    PrintRange runPrintDialog(bool selection);
    /// Shows the printer set-up dialog "PrinterSetupDialog1": the printer (or a PDF file), its
    /// properties and the page are chosen for the next printing. True when confirmed.
    bool runPrinterSetupDialog();

    FontColourDialog *fontDialog() const { return m_FontDialog1; }

private:
    QWidget *m_frame;
    QFileDialog *m_sauvefichier;
    FontColourDialog *m_FontDialog1;
    QPrinter m_printer;
};

} // namespace editor

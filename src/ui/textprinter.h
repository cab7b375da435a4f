// The printer used as a text device: lines drawn one below the other in one font, a new page
// begun when a page is full. Lines too long for the page are cut at its right edge, as on
// the text device they stand for. The editor and the results list print through it.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;

namespace ui {

class TextPrinter {
public:
    explicit TextPrinter(QPrinter &printer) : m_printer(printer) {}

    /// Prints \a lines in \a font as one job. A line break inside a line starts a new line.
    /// False, with errorString(), when the printer could not be used.
    bool print(const QStringList &lines, const QFont &font);

    QString errorString() const { return m_error; }

private:
    QPrinter &m_printer;
    QString m_error;
};

} // namespace ui

#include "ui/windowsfilter.h"

#include <QFileDialog>

namespace ui {

QStringList qtNameFilters(const QString &windowsFilter)
{
    QStringList filters;
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        // Qt reads the patterns from the last parentheses; the dialog, told to hide them,
        // shows what comes before: the description as written.
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

int windowsFilterOptions()
{
    return QFileDialog::HideNameFilterDetails;
}

void setWindowsFilter(QFileDialog &dialog, const QString &windowsFilter)
{
    const QStringList filters = qtNameFilters(windowsFilter);
    // Without a filter the dialog shows "(*)": every file.
    dialog.setOption(QFileDialog::HideNameFilterDetails, !filters.isEmpty());
    dialog.setNameFilters(filters.isEmpty() ? QStringList{QStringLiteral("(*)")} : filters);
}

} // namespace ui

// The program's file filters are written "description|patterns|description|patterns..." with
// patterns separated by ';'. Qt's file dialogs take "description (patterns)" with blanks
// between patterns; here is the one conversion between the two.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

namespace ui {

/// Qt name filters for \a windowsFilter: each description followed by its patterns in
/// parentheses. "*.*" becomes "*", so "all files" also lists names without a dot.
QStringList qtNameFilters(const QString &windowsFilter);

/// Gives \a dialog the filters of \a windowsFilter, showing each description as it is written
/// (the patterns Qt needs stay out of sight). An empty filter lists every file.
void setWindowsFilter(QFileDialog &dialog, const QString &windowsFilter);

/// The options that make a file dialog show descriptions as written; for the static
/// QFileDialog functions, which take qtNameFilters() joined with ";;".
int windowsFilterOptions();

} // namespace ui

// File names and the filters of the file dialogs: the "label|pattern" pairs the program's
// dialogs are given, turned into Qt's name filters, and the names the editor derives from its caption.
#pragma once

#include <QString>
#include <QStringList>

namespace editor {

/// The extension of the last name in \a path with its dot ("" when there is none).
QString extensionOf(const QString &path);

/// "(*" + extension + ")|*" + extension, the extension taken from \a caption with its dot:
/// the save dialog's filter while an editor window closes.
QString closeSaveFilter(const QString &caption);

/// True when \a fileName ends in ".rtf" in any letter case: such a file is written as rich text.
bool isRichTextName(const QString &fileName);

/// Qt name filters for "label|pattern|label|pattern..." (patterns separated by ';'). A label
/// that already ends in its parenthesised patterns is kept as it is, otherwise the patterns are
/// added in parentheses. Matching is without regard to case.
QStringList qtNameFilters(const QString &labelsAndPatterns);

} // namespace editor

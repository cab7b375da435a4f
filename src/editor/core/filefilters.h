// The names the editor derives from a window's caption: its extension, the save filter offered
// while the window closes, and whether it is written as rich text.
#pragma once

#include <QString>

namespace editor {

/// The extension of the last name in \a path with its dot ("" when there is none).
QString extensionOf(const QString &path);

/// "(*" + extension + ")|*" + extension, the extension taken from \a caption with its dot:
/// the save dialog's filter while an editor window closes.
QString closeSaveFilter(const QString &caption);

/// True when \a fileName ends in ".rtf" in any letter case: such a file is written as rich text.
bool isRichTextName(const QString &fileName);

} // namespace editor

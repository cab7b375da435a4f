// One row of the window list: the owner's instance code, the program's file name, the window
// class and the title, each left-aligned and padded with blanks to its column's width.
#pragma once

#include "platform/desktopwindows.h"

#include <QString>

namespace tools {

struct WindowRow {
    QString code;        ///< "%-4s" of the instance code
    QString application; ///< "%-20s" of the program's file name
    QString className;   ///< "%-40s" of the class, at most 63 characters
    QString title;       ///< "%-64s" of the title, at most 63 characters, "*" when it has none
};

/// The low 16 bits of \a pid as 4 upper-case hexadecimal digits; "0000" when it is unknown (0).
QString instanceCode(qint64 pid);

WindowRow windowRow(const platform::DesktopWindow &window);

/// The count label: "N elements dans la liste".
QString countLabel(int rows);

} // namespace tools

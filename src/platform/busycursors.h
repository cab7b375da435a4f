// The ten busy cursors, loaded from the resources "CURSOR_1" to "CURSOR_10".
#pragma once

#include <QCursor>
#include <QList>

namespace platform {

class BusyCursors {
public:
    static constexpr int count = 10;

    BusyCursors();
    /// Cursor id \a index, 1 to 10; 0 is the default arrow.
    QCursor cursor(int index) const;

private:
    QList<QCursor> m_cursors;
};

/// Makes cursor id \a index (0 = the arrow) the cursor shown over the whole program.
void showScreenCursor(const BusyCursors &cursors, int index);

} // namespace platform

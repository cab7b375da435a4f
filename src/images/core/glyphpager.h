// The glyph viewer's grid of twenty buttons, four columns by five rows, and its paging: a page
// moves by 19 files, so the last button of a page is the first of the next.
#pragma once

#include <QRect>

namespace images {

class GlyphPager {
public:
    static constexpr int ButtonCount = 20;
    static constexpr int Columns = 4;
    static constexpr int Step = 19;

    /// Where button \a k goes in a client area \a clientWidth wide whose cancel button's top is
    /// at \a cancelTop.
    static QRect buttonRect(int k, int clientWidth, int cancelTop);
    /// The page start after "Page suivante" from \a start among \a fileCount files.
    static int next(int start, int fileCount);
    /// The page start after "Page précédente" from \a start.
    static int previous(int start);
};

} // namespace images

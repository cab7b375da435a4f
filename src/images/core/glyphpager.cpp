#include "images/core/glyphpager.h"

#include <algorithm>

namespace images {

namespace {

constexpr int Rows = GlyphPager::ButtonCount / GlyphPager::Columns;
constexpr int Margin = 4;

} // namespace

QRect GlyphPager::buttonRect(int k, int clientWidth, int cancelTop)
{
    const int width = (clientWidth - 2 * Margin) / Columns;
    const int height = (cancelTop - Margin) / Rows;
    return QRect((k % Columns) * width + Margin, (k / Columns) * height + Margin, width, height);
}

int GlyphPager::next(int start, int fileCount)
{
    if (fileCount >= start + Step)
        return start + Step;
    if (start >= fileCount)
        return start;
    return std::max(fileCount - Step, 0);
}

int GlyphPager::previous(int start)
{
    return std::max(start - Step, 0);
}

} // namespace images

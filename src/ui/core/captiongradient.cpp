#include "ui/core/captiongradient.h"

#include "ui/core/muldiv.h"

namespace ui {

std::vector<GradientBand> gradientBands(int left, int width, const QColor &begin, const QColor &end, int numColors)
{
    std::vector<GradientBand> bands;
    if (numColors < 1)
        return bands;
    bands.reserve(std::size_t(numColors));
    const auto step = [numColors](int from, int to, int i) {
        return numColors == 1 ? from : from + mulDiv(to - from, i, numColors - 1);
    };
    for (int i = 0; i < numColors; ++i) {
        GradientBand band;
        band.left = left + mulDiv(width, i, numColors);
        band.right = left + mulDiv(width, i + 1, numColors);
        band.color = QColor(step(begin.red(), end.red(), i), step(begin.green(), end.green(), i),
                            step(begin.blue(), end.blue(), i));
        bands.push_back(band);
    }
    return bands;
}

} // namespace ui

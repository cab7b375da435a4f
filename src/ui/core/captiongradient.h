// The caption's colour gradient as vertical bands: band i runs from left + W·i/N to
// left + W·(i+1)/N and takes begin + (end − begin)·i/(N − 1), every quotient rounded.
#pragma once

#include <QColor>

#include <vector>

namespace ui {

struct GradientBand {
    int left = 0;  ///< first column
    int right = 0; ///< one past the last column; equal to left for an empty band
    QColor color;
};

/// The \a numColors bands over \a width columns from \a left; none when \a numColors < 1, and
/// one band in \a begin when it is 1.
std::vector<GradientBand> gradientBands(int left, int width, const QColor &begin, const QColor &end, int numColors);

} // namespace ui

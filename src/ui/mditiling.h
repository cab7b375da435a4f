// Horizontal tiling of MDI children: one above the other, each the full width of the area.
#pragma once

class QMdiArea;

namespace ui {

/// Places the children of \a area that are shown and not minimised one above the other, in the
/// order they were created, each as wide as the area and sharing its height; a maximised child is
/// restored first.
void tileHorizontally(QMdiArea *area);

} // namespace ui

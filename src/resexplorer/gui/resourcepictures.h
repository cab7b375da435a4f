// The explorer's two image lists, small (16 x 16) and large (32 x 32): six pictures each, cut
// from the strips "SmallImages" and "LargeImages" in which olive stands for transparent.
#pragma once

#include "resexplorer/core/explorerrules.h"

#include <QIcon>
#include <QList>
#include <QPixmap>

namespace resexplorer {

class ResourcePictures {
public:
    ResourcePictures();

    QPixmap small(explorer::Picture picture) const { return m_small.value(picture); }
    QPixmap large(explorer::Picture picture) const { return m_large.value(picture); }
    /// Both sizes of \a picture; \a selected is drawn instead while the item is selected.
    QIcon icon(explorer::Picture picture, explorer::Picture selected) const;
    QIcon icon(explorer::Picture picture) const { return icon(picture, picture); }

private:
    QList<QPixmap> m_small;
    QList<QPixmap> m_large;
};

} // namespace resexplorer

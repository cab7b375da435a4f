// A bitmap (resource type 2): a DIB without its file header. Saved and drawn as a .bmp file
// made by putting that header back in front.
#pragma once

#include "resexplorer/core/resourceitem.h"

#include <QByteArray>

namespace resexplorer {

class TBitMapResource : public TResourceItem {
public:
    using TResourceItem::TResourceItem;
    using TResourceItem::renderTo;

    void writeData(QIODevice &out) override;
    void renderTo(QImage &picture) override;

    /// The 14-byte BITMAPFILEHEADER that goes in front of \a dib.
    static QByteArray fileHeader(const ByteSpan &dib);
    /// Where the pixels of \a dib start, counted from the start of the file.
    static std::uint32_t pixelOffset(const ByteSpan &dib);

private:
    QByteArray fileForm();
};

} // namespace resexplorer

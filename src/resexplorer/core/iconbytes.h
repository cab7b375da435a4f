// The resource reader's door to the program's icon decoder (images/core): icon and cursor images
// reached through a ByteSpan, the decoder's failures turned into EExeError.
#pragma once

#include "images/core/iconimage.h"
#include "resexplorer/core/bytespan.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>

namespace resexplorer::iconbytes {

/// The picture of one image; raises EExeError when it cannot be read.
QImage decode(const ByteSpan &image);

/// The directory entry an icon file would give \a image; raises EExeError.
images::IconDirEntry describe(const ByteSpan &image);

/// An icon (\a type 1) or cursor (\a type 2) file holding the one \a image.
QByteArray fileForm(std::uint16_t type, const images::IconDirEntry &entry, const ByteSpan &image);

} // namespace resexplorer::iconbytes

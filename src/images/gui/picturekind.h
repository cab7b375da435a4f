// The picture kinds of the search dialog's extension choice.
#pragma once

namespace images {

enum class PictureKind { None, Jpeg, Gif, Bmp };

} // namespace images

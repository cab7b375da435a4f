// The player's time texts: hours, minutes and seconds, each at least two digits.
#pragma once

#include <QString>

namespace media {

/// "01 h :02 m :05 s" with units, "01:02:05" without; negative counts show as zero.
QString FormatDuration(qint64 seconds, bool withUnits);

} // namespace media

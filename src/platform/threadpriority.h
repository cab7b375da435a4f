// The priority of the calling thread among the others of the system: the search's reading
// threads step back behind the window's thread, so that the window paints on time while they
// take every processor that is free.
#pragma once

namespace platform {

/// Makes the calling thread \a steps nicer (lower priority); nothing when the system refuses.
void lowerCurrentThreadPriority(int steps);

} // namespace platform

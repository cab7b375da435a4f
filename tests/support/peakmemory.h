// The most memory the test process has held resident so far.
#pragma once

#include <sys/resource.h>

namespace testing_support {

/// Peak resident memory of this process, in megabytes.
inline long peakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace testing_support

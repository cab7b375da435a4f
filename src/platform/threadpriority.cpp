#include "platform/threadpriority.h"

#include <cerrno>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

void lowerCurrentThreadPriority(int steps)
{
    // On Linux the nice value belongs to each thread, named by its thread id.
    const auto thread = static_cast<id_t>(syscall(SYS_gettid));
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, thread);
    if (errno == 0)
        setpriority(PRIO_PROCESS, thread, current + steps);
}

} // namespace platform

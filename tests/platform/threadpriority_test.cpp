// A thread made nicer steps back alone: the thread that asked gets the new nice value, the
// others of the process keep theirs.
#include "platform/threadpriority.h"

#include <gtest/gtest.h>

#include <thread>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

int niceOf(long thread)
{
    return getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
}

TEST(ThreadPriority, OnlyTheCallingThreadStepsBack)
{
    const long main = syscall(SYS_gettid);
    const int before = niceOf(main);
    int inThread = 0;
    long worker = 0;
    std::thread thread([&] {
        worker = syscall(SYS_gettid);
        platform::lowerCurrentThreadPriority(3);
        inThread = niceOf(worker);
    });
    thread.join();
    EXPECT_EQ(inThread, std::min(19, before + 3));
    EXPECT_EQ(niceOf(main), before);
}

} // namespace

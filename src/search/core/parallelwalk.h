// The search walk spread over threads. A walker thread lists the folders in walk order and
// queues the qualifying files; worker threads read and scan them ahead, each file's matching
// lines formatted where it is read; the caller's thread takes every result in walk order and
// tells the sink exactly what the walk on one thread would, only sooner. Nothing but the
// caller's thread ever talks to the sink.
//
// Memory is bounded whatever the tree: at most a window of files is queued ahead of the
// caller, and result lines waiting for it beyond a budget hold back every file but the one it
// is waiting for.
#pragma once

#include "platform/directory.h"
#include "search/core/matchformat.h"
#include "search/core/searcherror.h"
#include "search/core/searchsink.h"
#include "search/core/textbuffer.h"
#include "search/core/walkrules.h"

#include <QByteArray>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace search {

class ParallelWalk {
public:
    /// Limits of the work done ahead of the caller.
    struct Limits {
        std::size_t windowFiles = 4096;         ///< files queued and not yet taken by the caller
        std::size_t chunkBytes = 256 * 1024;    ///< a file's result lines are handed over in parts of this size
        std::size_t bufferBudget = 64u << 20;   ///< result bytes waiting before files ahead hold back
        int threadNiceness = 0;                 ///< added to the threads' nice value: the caller's thread comes first
    };

    ParallelWalk(SearchSink &sink, const SearchRequest &request, SearchProgress &progress, int workers,
                 Limits limits);
    ParallelWalk(SearchSink &sink, const SearchRequest &request, SearchProgress &progress, int workers)
        : ParallelWalk(sink, request, progress, workers, Limits{})
    {
    }
    /// Stops and joins the threads still running.
    ~ParallelWalk();
    ParallelWalk(const ParallelWalk &) = delete;
    ParallelWalk &operator=(const ParallelWalk &) = delete;

    /// Starts the threads. False when the system refuses them (nothing has been told the sink).
    bool start();
    /// Takes the results to the end (true) or until the sink says to stop (false). Raises
    /// FileReadError for a file that failed while being read.
    bool run();

private:
    /// Part of a file's results.
    struct Chunk {
        TextBuffer lines;           ///< result lines, each followed by '\n'
        std::size_t count = 0;      ///< lines in it
        std::int64_t linesRead = 0; ///< lines of the file read when it was cut
    };

    /// A file to read, and what its worker found (under the mutex).
    struct FileTask {
        explicit FileTask(QByteArray p) : path(std::move(p)) {}
        const QByteArray path;
        std::deque<Chunk> chunks;
        bool done = false;
        bool opened = false;
        bool failed = false;
        int error = 0;
        std::int64_t linesRead = 0;
        std::atomic<std::int64_t> linesSoFar{0}; ///< for the line panel while the caller waits
    };

    /// One step of the walk as the caller replays it.
    struct Step {
        enum Kind : std::uint8_t { File, Ticks, Leave, End };
        Kind kind = End;
        std::uint32_t ticks = 0;         ///< entries done (Ticks)
        std::unique_ptr<FileTask> task;  ///< File
    };

    class TaskScan;

    // The walker thread.
    void walkerMain();
    bool walk(const QByteArray &folder, const PathMask &mask, std::size_t depth);
    void addFile(QByteArray path);
    void addTick();
    void addStep(Step::Kind kind);
    /// Hands the steps gathered to the caller and the workers; waits for room in the window.
    void publish();

    // The worker threads.
    void workerMain();
    void scan(FileTask &task, FileScanner &scanner);
    /// Hands part of a file's lines over; waits while the budget is spent unless the caller
    /// is waiting for that file. False when the search stops.
    bool handOver(FileTask &task, Chunk &&chunk);
    /// A buffer for a chunk's lines: one the caller is done with when there is one, so that
    /// result memory is reused rather than faulted in anew for every chunk.
    TextBuffer takeBuffer();
    void recycle(TextBuffer &&buffer);

    // The caller's thread.
    bool takeStep(Step &step);
    bool takeFile(FileTask &task);
    /// Waits a little for the threads, asking the sink whether to go on meanwhile. The lock is
    /// held again when it returns.
    bool pause(std::unique_lock<std::mutex> &lock, const FileTask *awaited);
    void stopAll();

    SearchSink &m_sink;
    const SearchRequest m_request;
    WalkRules m_rules;
    const MatchFormat m_format;
    SearchProgress &m_progress;
    const int m_workerCount;
    const Limits m_limits;

    std::mutex m_mutex;
    std::condition_variable m_callerWake;
    std::condition_variable m_walkerWake;
    std::condition_variable m_workerWake;
    std::atomic<bool> m_stop{false};

    // Shared, under m_mutex.
    std::deque<Step> m_steps;          ///< published, not yet taken by the caller
    std::vector<TextBuffer> m_spareBuffers;
    std::deque<FileTask *> m_pending;  ///< files published, not yet taken by a worker
    std::size_t m_inFlight = 0;        ///< files published, not yet done with by the caller
    std::size_t m_buffered = 0;        ///< bytes of result lines waiting for the caller
    const FileTask *m_awaited = nullptr; ///< the file the caller takes the results of
    bool m_walkEnded = false;
    bool m_walkerWaiting = false;
    std::atomic<int> m_idleWorkers{0}; ///< read by the walker without the lock
    int m_budgetWaiters = 0;

    // The walker's own.
    std::vector<Step> m_batch;
    std::size_t m_batchFiles = 0;
    std::deque<std::vector<platform::DirEntry>> m_entryPool; ///< one list per folder depth
    std::optional<FileReadError> m_walkFailure; ///< the walker ran out of memory (read by the caller after End)

    std::unique_ptr<FileTask> m_current; ///< the file the caller is on, kept until the workers are joined
    std::thread m_walker;
    std::vector<std::thread> m_workers;
};

} // namespace search

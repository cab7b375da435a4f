#include "search/core/parallelwalk.h"

#include "platform/regularfile.h"
#include "platform/threadpriority.h"
#include "search/core/filescanner.h"

#include <cerrno>
#include <chrono>
#include <new>
#include <system_error>

namespace search {

namespace {

// The caller looks at the queue this often rather than being woken for every file: a wake-up
// per file would cost more than reading most files.
constexpr auto PollInterval = std::chrono::milliseconds(1);

// Steps the walker gathers before handing them over while every worker has work.
constexpr std::size_t StepBatch = 64;

} // namespace

// Formats a file's matching lines as they are found and hands them over a chunk at a time.
class ParallelWalk::TaskScan : public ScanListener {
public:
    TaskScan(ParallelWalk &walk, FileTask &task, const FileScanner &scanner)
        : m_walk(walk), m_task(task), m_scanner(scanner)
    {
    }

    void matchedLine(std::int64_t lineNumber, const char *text, std::size_t size) override
    {
        if (m_chunk.lines.capacity() == 0)
            m_chunk.lines = m_walk.takeBuffer();
        m_walk.m_format.append(m_chunk.lines, m_task.path, lineNumber, text, size, m_scanner);
        ++m_chunk.count;
    }

    bool checkpoint(std::int64_t linesRead) override
    {
        m_task.linesSoFar.store(linesRead, std::memory_order_relaxed);
        if (m_walk.m_stop.load(std::memory_order_relaxed))
            return false;
        if (m_chunk.lines.size() < m_walk.m_limits.chunkBytes)
            return true;
        m_chunk.linesRead = linesRead;
        const bool goOn = m_walk.handOver(m_task, std::move(m_chunk));
        m_chunk = Chunk{};
        return goOn;
    }

    Chunk &chunk() { return m_chunk; }

private:
    ParallelWalk &m_walk;
    FileTask &m_task;
    const FileScanner &m_scanner;
    Chunk m_chunk;
};

ParallelWalk::ParallelWalk(SearchSink &sink, const SearchRequest &request, SearchProgress &progress, int workers,
                           Limits limits)
    : m_sink(sink), m_request(request), m_rules(request), m_format(request), m_progress(progress),
      m_workerCount(std::max(1, workers)), m_limits(limits)
{
}

ParallelWalk::~ParallelWalk()
{
    stopAll();
}

bool ParallelWalk::start()
{
    try {
        m_workers.reserve(static_cast<std::size_t>(m_workerCount));
        for (int i = 0; i < m_workerCount; ++i)
            m_workers.emplace_back(&ParallelWalk::workerMain, this);
        m_walker = std::thread(&ParallelWalk::walkerMain, this);
    } catch (const std::system_error &) {
        stopAll();
        return false;
    }
    return true;
}

void ParallelWalk::stopAll()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_walkerWake.notify_all();
    m_workerWake.notify_all();
    if (m_walker.joinable())
        m_walker.join();
    for (std::thread &worker : m_workers)
        if (worker.joinable())
            worker.join();
    m_workers.clear();
}

// --- the walker --------------------------------------------------------------------------

void ParallelWalk::walkerMain()
{
    if (m_limits.threadNiceness > 0)
        platform::lowerCurrentThreadPriority(m_limits.threadNiceness);
    try {
        walk(m_rules.startFolder(), m_rules.startMask(), 0);
    } catch (const std::bad_alloc &) {
        m_walkFailure = FileReadError{m_rules.startFolder(), ENOMEM};
    }
    m_batch.emplace_back();
    publish();
}

bool ParallelWalk::walk(const QByteArray &folder, const PathMask &mask, std::size_t depth)
{
    if (m_entryPool.size() <= depth)
        m_entryPool.resize(depth + 1);
    std::vector<platform::DirEntry> &entries = m_entryPool[depth];
    if (WalkRules::list(folder, entries)) {
        for (const platform::DirEntry &entry : entries) {
            if (m_stop.load(std::memory_order_relaxed))
                return false;
            if (WalkRules::seen(entry, mask)) {
                if (entry.kind == platform::DirEntry::Directory) {
                    if (m_rules.entered(entry)
                        && !walk(WalkRules::join(folder, entry.name), m_rules.subfolderMask(mask), depth + 1))
                        return false;
                } else if (m_rules.qualifies(entry.name)) {
                    addFile(WalkRules::join(folder, entry.name));
                }
            }
            addTick();
        }
    }
    addStep(Step::Leave);
    return true;
}

void ParallelWalk::addFile(QByteArray path)
{
    Step step;
    step.kind = Step::File;
    step.task = std::make_unique<FileTask>(std::move(path));
    m_batch.push_back(std::move(step));
    ++m_batchFiles;
    // Idle workers get the file at once; busy ones find a batch when they are done.
    if (m_idleWorkers.load(std::memory_order_relaxed) > 0 || m_batch.size() >= StepBatch)
        publish();
}

void ParallelWalk::addTick()
{
    if (!m_batch.empty() && m_batch.back().kind == Step::Ticks) {
        ++m_batch.back().ticks;
        return;
    }
    Step step;
    step.kind = Step::Ticks;
    step.ticks = 1;
    m_batch.push_back(std::move(step));
    if (m_batch.size() >= StepBatch)
        publish();
}

void ParallelWalk::addStep(Step::Kind kind)
{
    Step step;
    step.kind = kind;
    m_batch.push_back(std::move(step));
    if (m_batch.size() >= StepBatch)
        publish();
}

void ParallelWalk::publish()
{
    const bool ended = !m_batch.empty() && m_batch.back().kind == Step::End;
    bool wakeWorkers = false;
    {
        std::unique_lock lock(m_mutex);
        // A full window is let drain to its half, so that the walker wakes once per many files.
        if (m_batchFiles > 0 && m_inFlight >= m_limits.windowFiles) {
            m_walkerWaiting = true;
            m_walkerWake.wait(lock, [this] { return m_stop || m_inFlight <= m_limits.windowFiles / 2; });
            m_walkerWaiting = false;
        }
        for (Step &step : m_batch) {
            if (step.kind == Step::File)
                m_pending.push_back(step.task.get());
            m_steps.push_back(std::move(step));
        }
        m_inFlight += m_batchFiles;
        wakeWorkers = m_idleWorkers > 0 && (m_batchFiles > 0 || ended);
        if (ended)
            m_walkEnded = true;
    }
    m_batch.clear();
    m_batchFiles = 0;
    if (wakeWorkers)
        m_workerWake.notify_all();
    if (ended)
        m_callerWake.notify_one();
}

// --- the workers -------------------------------------------------------------------------

void ParallelWalk::workerMain()
{
    if (m_limits.threadNiceness > 0)
        platform::lowerCurrentThreadPriority(m_limits.threadNiceness);
    FileScanner scanner(m_request.text.toUtf8(), m_request.caseSensitive, m_request.firstOccurrence);
    scanner.setUtf16(m_request.utf16);
    for (;;) {
        FileTask *task = nullptr;
        {
            std::unique_lock lock(m_mutex);
            ++m_idleWorkers;
            m_workerWake.wait(lock, [this] { return m_stop || !m_pending.empty() || m_walkEnded; });
            --m_idleWorkers;
            if (m_stop || m_pending.empty())
                return;
            task = m_pending.front();
            m_pending.pop_front();
        }
        scan(*task, scanner);
    }
}

void ParallelWalk::scan(FileTask &task, FileScanner &scanner)
{
    TaskScan listener(*this, task, scanner);
    bool opened = false;
    bool failed = false;
    int error = 0;
    std::int64_t linesRead = 0;
    try {
        platform::RegularFile file;
        if (file.open(task.path)) {
            opened = true;
            const FileScanner::Result result = scanner.scan(file, listener);
            error = errno;
            failed = result.outcome == FileScanner::Outcome::ReadError;
            linesRead = result.linesRead;
        }
    } catch (const std::bad_alloc &) {
        failed = true;
        error = ENOMEM;
    }
    bool last;
    {
        const std::lock_guard lock(m_mutex);
        if (opened) {
            Chunk &chunk = listener.chunk();
            chunk.linesRead = linesRead;
            m_buffered += chunk.lines.size();
            task.chunks.push_back(std::move(chunk));
        }
        task.opened = opened;
        task.failed = failed;
        task.error = error;
        task.linesRead = linesRead;
        task.done = true;
        last = m_walkEnded && m_pending.empty() && &task == m_awaited;
    }
    if (last)
        m_callerWake.notify_one();
}

TextBuffer ParallelWalk::takeBuffer()
{
    TextBuffer buffer;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_spareBuffers.empty()) {
            buffer = std::move(m_spareBuffers.back());
            m_spareBuffers.pop_back();
        }
    }
    buffer.clear();
    // A chunk is cut once past its size, by at most a block's lines.
    buffer.grow(m_limits.chunkBytes + m_limits.chunkBytes / 4);
    return buffer;
}

void ParallelWalk::recycle(TextBuffer &&buffer)
{
    if (buffer.capacity() == 0)
        return;
    const std::lock_guard lock(m_mutex);
    if (m_spareBuffers.size() < static_cast<std::size_t>(4 * m_workerCount + 4))
        m_spareBuffers.push_back(std::move(buffer));
}

bool ParallelWalk::handOver(FileTask &task, Chunk &&chunk)
{
    std::unique_lock lock(m_mutex);
    while (!m_stop && &task != m_awaited && m_buffered >= m_limits.bufferBudget) {
        ++m_budgetWaiters;
        m_workerWake.wait(lock);
        --m_budgetWaiters;
    }
    if (m_stop)
        return false;
    m_buffered += chunk.lines.size();
    task.chunks.push_back(std::move(chunk));
    return true;
}

// --- the caller --------------------------------------------------------------------------

bool ParallelWalk::run()
{
    for (;;) {
        Step step;
        if (!takeStep(step))
            return false;
        switch (step.kind) {
        case Step::Ticks:
            for (std::uint32_t i = 0; i < step.ticks; ++i)
                if (!m_sink.shouldContinue(m_progress))
                    return false;
            break;
        case Step::Leave:
            m_sink.folderLeft();
            break;
        case Step::File:
            m_current = std::move(step.task);
            if (!takeFile(*m_current))
                return false;
            m_current.reset();
            break;
        case Step::End:
            if (m_walkFailure)
                throw *m_walkFailure;
            return true;
        }
    }
}

bool ParallelWalk::pause(std::unique_lock<std::mutex> &lock, const FileTask *awaited)
{
    m_callerWake.wait_for(lock, PollInterval);
    lock.unlock();
    if (awaited)
        m_progress.lineInFile = awaited->linesSoFar.load(std::memory_order_relaxed);
    const bool goOn = m_sink.shouldContinue(m_progress);
    lock.lock();
    return goOn;
}

bool ParallelWalk::takeStep(Step &step)
{
    std::unique_lock lock(m_mutex);
    while (m_steps.empty())
        if (!pause(lock, nullptr))
            return false;
    step = std::move(m_steps.front());
    m_steps.pop_front();
    return true;
}

bool ParallelWalk::takeFile(FileTask &task)
{
    m_sink.fileEntered(task.path);
    m_progress.lineInFile = 0;
    bool examined = false;
    bool matched = false;
    std::int64_t delivered = 0; // lines of the file read as of the lines told
    {
        const std::lock_guard lock(m_mutex);
        m_awaited = &task;
        if (m_budgetWaiters > 0)
            m_workerWake.notify_all();
    }
    for (;;) {
        Chunk chunk;
        bool got = false;
        bool finished = false;
        {
            std::unique_lock lock(m_mutex);
            while (task.chunks.empty() && !task.done) {
                if (!pause(lock, &task)) {
                    m_progress.linesExamined += delivered;
                    return false;
                }
            }
            if (!task.chunks.empty()) {
                chunk = std::move(task.chunks.front());
                task.chunks.pop_front();
                m_buffered -= chunk.lines.size();
                got = true;
                if (m_budgetWaiters > 0)
                    m_workerWake.notify_all();
            }
            finished = task.done && task.chunks.empty();
        }
        if (got) {
            if (!examined) {
                examined = true;
                ++m_progress.filesExamined;
            }
            if (chunk.count > 0) {
                if (!matched) {
                    matched = true;
                    ++m_progress.filesFound;
                    m_sink.fileMatched(task.path);
                }
                m_sink.linesMatched({chunk.lines.data(), chunk.lines.size(), chunk.count});
            }
            delivered = chunk.linesRead;
            m_progress.lineInFile = delivered;
            recycle(std::move(chunk.lines));
            if (!finished && !m_sink.shouldContinue(m_progress)) {
                m_progress.linesExamined += delivered;
                return false;
            }
        }
        if (finished)
            break;
    }
    if (task.opened) {
        m_progress.linesExamined += task.linesRead;
        m_progress.lineInFile = task.linesRead;
    }
    bool wakeWalker;
    {
        const std::lock_guard lock(m_mutex);
        m_awaited = nullptr;
        --m_inFlight;
        wakeWalker = m_walkerWaiting && m_inFlight <= m_limits.windowFiles / 2;
    }
    if (wakeWalker)
        m_walkerWake.notify_one();
    if (task.failed)
        throw FileReadError{task.path, task.error};
    return true;
}

} // namespace search

#include "search/core/searchengine.h"

#include "platform/systemfacts.h"
#include "platform/textcodec.h"
#include "search/core/parallelwalk.h"
#include "search/core/sequentialwalk.h"

#include <algorithm>
#include <cstring>

namespace search {

namespace {

// Enough for the window's thread to be served first under load, not so much that the search
// crawls beside other programs.
constexpr int CallerFirstNiceness = 4;

} // namespace

SearchEngine::SearchEngine(SearchSink &sink, int workers) : m_sink(sink), m_workers(std::max(1, workers)) {}

int SearchEngine::defaultWorkers()
{
    return platform::usableProcessors();
}

QString SearchEngine::summaryText(const SearchTotals &totals)
{
    return QStringLiteral("Recherche terminée \r") + QString::number(totals.filesFound)
        + QStringLiteral(" fichier(s) trouvé(s)") + QStringLiteral("\r")
        + QString::number(totals.filesExamined) + QStringLiteral(" fichier(s) examiné(s)")
        + QStringLiteral("\r") + QString::number(totals.linesExamined)
        + QStringLiteral(" Ligne(s)   examinée(s)");
}

SearchTotals SearchEngine::run(const SearchRequest &request)
{
    SearchProgress progress;
    m_sink.searchStarted(request);
    // The threads are joined before the end is told.
    const auto walk = [&] {
        if (m_workers > 1) {
            ParallelWalk::Limits limits;
            if (m_callerFirst)
                limits.threadNiceness = CallerFirstNiceness;
            ParallelWalk parallel(m_sink, request, progress, m_workers, limits);
            if (parallel.start())
                return parallel.run();
        }
        SequentialWalk sequential(m_sink, request, progress);
        return sequential.run();
    };
    bool completed;
    try {
        completed = walk();
    } catch (const FileReadError &failure) {
        m_sink.searchEnded(progress, SearchEnd::Failed);
        throw SearchError(QStringLiteral("Erreur de lecture du fichier %1 : %2")
                              .arg(platform::decodePath(failure.path),
                                   QString::fromLocal8Bit(std::strerror(failure.error))));
    }
    m_sink.searchEnded(progress, completed ? SearchEnd::Completed : SearchEnd::Stopped);
    return {progress.filesFound, progress.filesExamined, progress.linesExamined};
}

} // namespace search

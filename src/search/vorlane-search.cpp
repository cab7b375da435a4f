// vorlane-search: the program's search engine without a window. Writes the lines the results
// list would hold (CR LF ended), or with --json one JSON object per line, to standard output
// and the summary to standard error.
#include "platform/textcodec.h"
#include "search/core/commandline.h"
#include "search/core/jsonlines.h"
#include "search/core/resultlist.h"
#include "search/core/searchengine.h"
#include "search/core/textbuffer.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// What both outputs share: lines go out through one large buffer written with write(), so
// millions of result lines cost a copy each and no call per line.
class OutputSink : public search::SearchSink {
public:
    ~OutputSink() override { flush(); }

    /// Writes what is buffered. False when standard output refused it.
    bool flush()
    {
        if (m_error != 0) {
            m_out.clear();
            return false;
        }
        const char *p = m_out.data();
        std::size_t left = m_out.size();
        while (left > 0) {
            const ssize_t n = ::write(STDOUT_FILENO, p, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_error = n < 0 ? errno : EIO;
                break;
            }
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        m_out.clear();
        return m_error == 0;
    }
    /// Why standard output refused the lines (0 while it takes them).
    int error() const { return m_error; }

    // Once the output is lost the rest of the search is of no use.
    bool shouldContinue(const search::SearchProgress &) override { return m_error == 0; }

protected:
    void flushIfFull()
    {
        if (m_out.size() >= BufferSize)
            flush();
    }

    search::TextBuffer m_out;

private:
    static constexpr std::size_t BufferSize = 1 << 20;

    int m_error = 0;
};

// Prints the header and the matching lines of each file found; nothing else of the walk.
class PrintingSink : public OutputSink {
public:
    void fileMatched(const QByteArray &path) override
    {
        const auto size = static_cast<std::size_t>(path.size());
        char *const start = m_out.grow(4 + platform::shownTextBound(size, size) + 2);
        char *o = start;
        std::memcpy(o, "  \r\n", 4);
        o += 4;
        o += platform::writeShownText(o, path.constData(), size, size);
        std::memcpy(o, "\r\n", 2);
        m_out.commit(static_cast<std::size_t>(o + 2 - start));
        flushIfFull();
    }
    void linesMatched(const search::MatchedLines &lines) override
    {
        // Each '\n' becomes CR LF.
        char *const start = m_out.grow(lines.size + lines.count);
        char *o = start;
        const char *p = lines.text;
        const char *const end = lines.text + lines.size;
        while (p < end) {
            const auto *nl = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            const auto n = static_cast<std::size_t>(nl - p);
            std::memcpy(o, p, n);
            o += n;
            *o++ = '\r';
            *o++ = '\n';
            p = nl + 1;
        }
        m_out.commit(static_cast<std::size_t>(o - start));
        flushIfFull();
    }
};

// Prints the JSON object of each file found; its matching lines come already as objects.
class JsonSink : public OutputSink {
public:
    void fileMatched(const QByteArray &path) override
    {
        search::appendJsonFile(m_out, path);
        flushIfFull();
    }
    void linesMatched(const search::MatchedLines &lines) override
    {
        m_out.append(lines.text, lines.size);
        flushIfFull();
    }
};

int fail(const QString &message)
{
    std::fprintf(stderr, "vorlane-search: %s\n", qPrintable(message));
    return search::ExitError;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const search::CommandLine line = search::CommandLine::parse(QCoreApplication::arguments().mid(1));
    switch (line.action) {
    case search::CommandLine::Action::Help:
        std::fputs(qPrintable(search::CommandLine::helpText()), stdout);
        return search::ExitFound;
    case search::CommandLine::Action::Version:
        std::fputs(qPrintable(search::CommandLine::versionText()), stdout);
        return search::ExitFound;
    case search::CommandLine::Action::Error:
        return fail(line.error);
    case search::CommandLine::Action::Search:
        break;
    }

    PrintingSink printing;
    JsonSink json;
    OutputSink &sink = line.request.lineFormat == search::LineFormat::JsonLines ? static_cast<OutputSink &>(json)
                                                                                : printing;
    search::SearchEngine engine(sink, line.workers > 0 ? line.workers : search::SearchEngine::defaultWorkers());
    try {
        const search::SearchTotals totals = engine.run(line.request);
        if (!sink.flush())
            return fail(QStringLiteral("écriture impossible sur la sortie standard : %1")
                            .arg(QString::fromLocal8Bit(std::strerror(sink.error()))));
        QString summary = search::SearchEngine::summaryText(totals);
        summary.replace('\r', '\n');
        std::fprintf(stderr, "%s\n", qPrintable(summary));
        return totals.filesFound > 0 ? search::ExitFound : search::ExitNothingFound;
    } catch (const search::SearchError &error) {
        sink.flush();
        return fail(error.message());
    }
}

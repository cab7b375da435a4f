// vorlane-search: the program's search engine without a window. Writes the lines the results
// list would hold (CR LF ended) to standard output and the summary to standard error.
#include "search/core/commandline.h"
#include "search/core/searchengine.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class PrintingSink : public search::SearchSink {
public:
    PrintingSink() { std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16); }
    void appendResult(const QString &line) override
    {
        const QByteArray bytes = line.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        std::fwrite("\r\n", 1, 2, stdout);
    }
    void setStatus(int, const QString &) override {}
    void setBusyCursor(int) override {}
    void service() override {}
    bool stopRequested() const override { return false; }
    int statusBarWidth() const override { return 640; }
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

    PrintingSink sink;
    search::SearchEngine engine(sink);
    try {
        const search::SearchTotals totals = engine.run(line.request);
        std::fflush(stdout);
        QString summary = search::SearchEngine::summaryText(totals);
        summary.replace('\r', '\n');
        std::fprintf(stderr, "%s\n", qPrintable(summary));
        return totals.filesFound > 0 ? search::ExitFound : search::ExitNothingFound;
    } catch (const search::SearchError &error) {
        std::fflush(stdout);
        return fail(error.message());
    }
}

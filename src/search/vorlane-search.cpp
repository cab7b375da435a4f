// vorlane-search: the program's search engine without a window. Writes the lines the results
// list would hold (CR LF ended) to standard output and the summary to standard error.
#include "platform/textcodec.h"
#include "search/core/asciicase.h"
#include "search/core/resultlist.h"
#include "search/core/searchengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

// Prints the header and the matching lines of each file found; nothing else of the walk.
class PrintingSink : public search::SearchSink {
public:
    PrintingSink() { std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16); }
    void fileMatched(const QByteArray &path) override
    {
        print(search::FileSeparatorLine);
        print(platform::decodePath(path));
    }
    void lineMatched(std::int64_t lineNumber, const QString &text) override
    {
        print(search::matchLine(lineNumber, text));
    }

private:
    static void print(const QString &line)
    {
        const QByteArray bytes = line.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        std::fwrite("\r\n", 1, 2, stdout);
    }
};

int usage(const char *problem)
{
    std::fprintf(stderr, "vorlane-search: %s\n"
                         "usage: vorlane-search [--case] [--all] [--subdirs] [--ext EXT] DIR STRING\n",
                 problem);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    search::SearchRequest request;
    request.extension = QStringLiteral("PAS");
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--case")) {
            request.caseSensitive = true;
        } else if (arg == QLatin1String("--all")) {
            request.firstOccurrence = false;
        } else if (arg == QLatin1String("--subdirs")) {
            request.walkMode = search::WalkMode::WithSubfolders;
        } else if (arg == QLatin1String("--ext")) {
            if (++i >= args.size())
                return usage("--ext needs an extension");
            const QString code = search::asciiUpper(args[i]).left(3);
            request.extension = code == QLatin1String("*") ? search::AllFilesCode : code;
            if (request.extension.isEmpty())
                return usage("the extension is empty");
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usage(qPrintable(QStringLiteral("unknown option ") + arg));
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 2)
        return usage("a folder and a string are needed");
    const QFileInfo folder(positional[0]);
    if (!folder.isDir())
        return usage(qPrintable(QStringLiteral("no such folder: ") + positional[0]));
    if (positional[1].isEmpty())
        return usage("the search string is empty");

    QString start = QDir::cleanPath(folder.absoluteFilePath());
    if (start == QLatin1String("/"))
        start.clear();
    request.folder = start;
    request.text = positional[1];

    PrintingSink sink;
    search::SearchEngine engine(sink);
    try {
        const search::SearchTotals totals = engine.run(request);
        std::fflush(stdout);
        QString summary = search::SearchEngine::summaryText(totals);
        summary.replace('\r', '\n');
        std::fprintf(stderr, "%s\n", qPrintable(summary));
    } catch (const search::SearchError &error) {
        std::fflush(stdout);
        std::fprintf(stderr, "vorlane-search: %s\n", error.what());
        return 1;
    }
    return 0;
}

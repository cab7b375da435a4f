// A search sink that records what the engine tells, for the engine tests: the lines the
// results list would hold, the events in order, and the progress last reported.
#pragma once

#include "platform/textcodec.h"
#include "search/core/resultlist.h"
#include "search/core/searchsink.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

class RecordingSink : public search::SearchSink {
public:
    void searchStarted(const search::SearchRequest &request) override { events.append("started " + request.text); }
    void fileEntered(const QByteArray &path) override { events.append("entered " + platform::decodePath(path)); }
    void fileMatched(const QByteArray &path) override
    {
        events.append("matched " + platform::decodePath(path));
        lines.append(search::FileSeparatorLine);
        lines.append(platform::decodePath(path));
    }
    void linesMatched(const search::MatchedLines &block) override
    {
        const QString text = QString::fromUtf8(block.text, static_cast<qsizetype>(block.size));
        QStringList split = text.split(u'\n');
        EXPECT_EQ(split.takeLast(), QString()) << "a block ends with its last line's end";
        EXPECT_EQ(static_cast<std::size_t>(split.size()), block.count);
        lines.append(split);
    }
    void folderLeft() override { events.append("left"); }
    bool shouldContinue(const search::SearchProgress &progress) override
    {
        ++asked;
        last = progress;
        if (stopWhen && stopWhen(*this))
            stop = true;
        return !stop;
    }
    void searchEnded(const search::SearchProgress &progress, search::SearchEnd how) override
    {
        last = progress;
        end = how;
        events.append("ended");
    }

    QStringList lines;
    QStringList events;
    search::SearchProgress last;
    search::SearchEnd end = search::SearchEnd::Failed;
    int asked = 0;
    bool stop = false;
    std::function<bool(const RecordingSink &)> stopWhen;
};

/// Files found, relative to \a root, in result order: the line after each separator line.
inline QStringList foundFiles(const RecordingSink &sink, const QString &root)
{
    QStringList files;
    for (int i = 0; i + 1 < sink.lines.size(); ++i)
        if (sink.lines[i] == search::FileSeparatorLine)
            files.append(sink.lines[i + 1].mid(root.size() + 1));
    return files;
}

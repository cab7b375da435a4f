// A search sink that records what the engine reports, for the engine tests.
#pragma once

#include "search/core/searchsink.h"

#include <QMap>
#include <QStringList>

#include <functional>

class RecordingSink : public search::SearchSink {
public:
    void appendResult(const QString &line) override { lines.append(line); }
    void setStatus(int panel, const QString &text) override { panels[panel] = text; }
    void setBusyCursor(int index) override { cursors.append(index); }
    void service() override
    {
        ++services;
        if (onService)
            onService(*this);
    }
    bool stopRequested() const override { return stop; }
    int statusBarWidth() const override { return width; }

    QStringList lines;
    QMap<int, QString> panels;
    QList<int> cursors;
    int services = 0;
    bool stop = false;
    int width = 640;
    std::function<void(RecordingSink &)> onService;
};

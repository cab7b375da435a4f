// A search host that runs no search: it records whether the results list was asked to show
// and which files were opened, for windows tested without the main frame.
#pragma once

#include "search/gui/searchhost.h"

#include <QStringList>

namespace testing_support {

class QuietSearchHost : public search::SearchHost {
public:
    void clearResults() override {}
    void setResultsVisible(bool visible) override { listShown = visible; }
    void swapResults() override { listShown = !listShown; }
    bool searchRunning() const override { return false; }
    bool runSearch(const search::SearchRequest &) override { return false; }
    void openChild(const QString &path) override { opened.append(path); }

    bool listShown = false;
    QStringList opened;
};

} // namespace testing_support

// The search presenter driven by a scripted walk: what the results list and the status panels
// show after each step, when painting happens, the busy-cursor steps, and the stop request.
#include "platform/busycursors.h"
#include "search/gui/resultsview.h"
#include "search/gui/searchpresenter.h"
#include "support/qtestmain.h"
#include "support/qtprinters.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cstring>
#include <memory>

using search::SearchPresenter;
using search::SearchProgress;

namespace {

// A search of "X" in the PAS files of /start alone.
search::SearchRequest startRequest()
{
    search::SearchRequest request;
    request.text = QStringLiteral("X");
    request.extension = QStringLiteral("PAS");
    request.folder = QStringLiteral("/start");
    return request;
}

class Presenter : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(640, 400);
        auto *column = new QVBoxLayout(&window);
        display.window = &window;
        display.results = new search::ResultsView(&window);
        display.statusBar = new QStatusBar(&window);
        display.stopCommand = new QAction(&window);
        column->addWidget(display.results);
        column->addWidget(display.statusBar);
        for (std::size_t i = 0; i < display.panels.size(); ++i) {
            // Captions in the even panels, the search's texts in the odd ones.
            display.panels[i] = new QLabel(i % 2 == 0 ? QStringLiteral("caption %1").arg(i) : QString(),
                                           display.statusBar);
            display.statusBar->addWidget(display.panels[i]);
        }
        window.show();
        presenter = std::make_unique<SearchPresenter>(display);
        presenter->setServiceInterval(0);
    }
    void TearDown() override { platform::showScreenCursor(cursors, 0); }

    QString panel(int index) const { return display.panels[static_cast<std::size_t>(index)]->text(); }
    QStringList results() const { return display.results->toPlainText().split('\n'); }
    bool cursorIs(int step) const
    {
        const QCursor *shown = QGuiApplication::overrideCursor();
        return shown && shown->pixmap().toImage() == cursors.cursor(step).pixmap().toImage();
    }
    /// Tells the presenter one matching line, as the engine hands lines over.
    void lineMatched(std::int64_t number, const char *text)
    {
        search::TextBuffer block;
        search::appendMatchLine(block, number, text, std::strlen(text), false);
        presenter->linesMatched({block.data(), block.size(), 1});
    }
    static SearchProgress progress(std::int64_t examined, std::int64_t found, std::int64_t line)
    {
        SearchProgress p;
        p.filesExamined = examined;
        p.filesFound = found;
        p.lineInFile = line;
        return p;
    }

    QWidget window;
    search::SearchDisplay display;
    platform::BusyCursors cursors;
    std::unique_ptr<SearchPresenter> presenter;
};

TEST_F(Presenter, ScriptedWalkShowsWhatTheWindowShows)
{
    search::SearchRequest request;
    request.text = "HELLO";
    request.folder = "";
    presenter->searchStarted(request);
    // Painted at once, before the walk: the string and the start folder (the root as "/").
    EXPECT_EQ(panel(search::PanelText), "HELLO");
    EXPECT_EQ(panel(search::PanelFile), "/");
    EXPECT_EQ(panel(0), "caption 0");

    const QByteArray first = "/data/projects/alpha/first.pas";
    presenter->fileEntered(first);
    presenter->fileMatched(first);
    lineMatched(2, "HELLO WORLD");
    // Lines go to the list at once; the panels wait until the engine asks whether to go on.
    EXPECT_EQ(results(), QStringList({"  ", QString::fromLatin1(first), "2 : HELLO WORLD"}));
    EXPECT_EQ(panel(search::PanelExamined), "");
    EXPECT_TRUE(presenter->shouldContinue(progress(1, 1, 7)));
    EXPECT_EQ(panel(search::PanelExamined), "1");
    EXPECT_EQ(panel(search::PanelFound), "1");
    EXPECT_EQ(panel(search::PanelLine), "7");
    const int limit = SearchPresenter::displayLimit(display.statusBar->width());
    EXPECT_EQ(panel(search::PanelFile), SearchPresenter::shortenForDisplay(QString::fromLatin1(first), limit));
    EXPECT_TRUE(cursorIs(2));

    // A folder left once something was found shows the count until the next file is entered.
    presenter->folderLeft();
    presenter->shouldContinue(progress(1, 1, 3));
    EXPECT_EQ(panel(search::PanelFile), "  1 Fichiers trouvés !  ");
    EXPECT_TRUE(cursorIs(3));
    presenter->fileEntered("/data/b.pas");
    presenter->shouldContinue(progress(2, 1, 0));
    EXPECT_EQ(panel(search::PanelFile), SearchPresenter::shortenForDisplay("/data/b.pas", limit));
    EXPECT_EQ(panel(search::PanelExamined), "2");

    // The ten busy cursors follow one another, one step per question.
    for (int i = 0; i < 7; ++i)
        presenter->shouldContinue(progress(2, 1, 0));
    EXPECT_TRUE(cursorIs(1));

    presenter->stop();
    EXPECT_FALSE(presenter->shouldContinue(progress(2, 1, 0)));
    EXPECT_EQ(results().size(), 3);
}

TEST_F(Presenter, FolderLeftBeforeAnyFindKeepsTheFile)
{
    presenter->searchStarted(startRequest());
    EXPECT_EQ(panel(search::PanelFile), "/start");
    presenter->fileEntered("/start/a.pas");
    presenter->folderLeft();
    presenter->shouldContinue(progress(1, 0, 4));
    EXPECT_EQ(panel(search::PanelFile), SearchPresenter::shortenForDisplay("/start/a.pas",
        SearchPresenter::displayLimit(display.statusBar->width())));
    EXPECT_EQ(panel(search::PanelFound), "0");
}

TEST_F(Presenter, PaintsAtMostOncePerServiceInterval)
{
    presenter->setServiceInterval(3600 * 1000);
    presenter->searchStarted(startRequest());
    presenter->fileEntered("/start/a.pas");
    presenter->fileMatched("/start/a.pas");
    lineMatched(1, "X");
    EXPECT_TRUE(presenter->shouldContinue(progress(1, 1, 1)));
    EXPECT_EQ(panel(search::PanelExamined), "");
    // The end of the walk is painted by the run, not by the event itself.
    presenter->searchEnded(progress(1, 1, 1), search::SearchEnd::Completed);
    EXPECT_EQ(panel(search::PanelExamined), "");
}

TEST_F(Presenter, ClearingEmptiesTheList)
{
    presenter->searchStarted(startRequest());
    presenter->fileEntered("/start/a.pas");
    presenter->fileMatched("/start/a.pas");
    lineMatched(1, "X");
    presenter->clearResults();
    presenter->shouldContinue(progress(1, 1, 1));
    EXPECT_EQ(display.results->toPlainText(), "");
    EXPECT_EQ(panel(search::PanelFound), "1");
}

TEST(PresenterDisplay, PathShortening)
{
    EXPECT_EQ(SearchPresenter::displayLimit(640), 28);
    EXPECT_EQ(SearchPresenter::displayLimit(300), -14);
    struct Case {
        QString text;
        int limit;
        QString shown;
    };
    const Case cases[] = {
        {"short", 28, "short"},
        {"0123456789", 10, "0123456789"},
        // N = 12, L = 8, X = 4: first 4 characters, "~~", then from position 8.
        {"abcdefghijkl", 8, "abcd~~hijkl"},
        {"abcdefghijkl", -14, "~~"}, // a status bar narrower than 400 pixels shows only the mark
    };
    for (const Case &c : cases)
        EXPECT_EQ(SearchPresenter::shortenForDisplay(c.text, c.limit), c.shown) << qPrintable(c.text);
    EXPECT_EQ(SearchPresenter::foundText(12), "  12 Fichiers trouvés !  ");
}

} // namespace

VORLANE_GTEST_QT_MAIN

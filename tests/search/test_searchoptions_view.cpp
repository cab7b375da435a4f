// The search window's options on real widgets: the matches highlighted in the results list
// (and nothing else changed, nor anything drawn when the option is off), the context pane
// following the caret over real files, and the external editor run on a match line.
#include "search/gui/contextpane.h"
#include "search/gui/externaleditoraction.h"
#include "search/gui/resultsview.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/temptree.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <atomic>
#include <memory>
#include <semaphore>

#include <sys/stat.h>

using search::ContextPane;
using search::ResultsView;
using testing_support::TempTree;

namespace {

int pixelsOf(const QImage &image, const QRect &area, QRgb colour)
{
    int n = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

class Options : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(640, 400);
        auto *column = new QVBoxLayout(&window);
        list = new ResultsView(&window);
        QPalette grey = list->palette();
        grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
        list->setPalette(grey);
        column->addWidget(list);
    }
    void showWindow()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    /// A search's list: separator, header, match lines, for \a file.
    void listOf(const QString &file, const QStringList &matches, const search::MatchPattern &pattern)
    {
        list->clear();
        list->appendLine(QStringLiteral("  "));
        list->appendLine(file);
        for (const QString &line : matches)
            list->appendLine(line);
        list->setMatchPattern(pattern);
        QCoreApplication::processEvents();
    }
    QImage shown() const { return list->viewport()->grab().toImage(); }
    int yellowIn(std::size_t line) const { return pixelsOf(shown(), list->lineRect(line), ResultsView::matchBackground().rgb()); }

    TempTree tree;
    QWidget window;
    ResultsView *list = nullptr;
};

TEST_F(Options, MatchesAreHighlightedOnlyWhenAskedAndNothingElseChanges)
{
    showWindow();
    const QString header = tree.path("FOO/a.pas");
    listOf(header, {"2 : FOO BAR FOO", "7 : NOTHING HERE", "9 : X FOO"}, {"FOO", false});
    const QString text = list->toPlainText();
    // Off (the view's default): no highlight is drawn.
    EXPECT_FALSE(list->highlightMatches());
    for (std::size_t line = 0; line < 5; ++line)
        EXPECT_EQ(yellowIn(line), 0) << line;

    list->setHighlightMatches(true);
    QCoreApplication::processEvents();
    const int twice = yellowIn(2);
    const int once = yellowIn(4);
    EXPECT_GT(once, 20);
    EXPECT_GT(twice, once + once / 2); // two occurrences, about twice the area
    EXPECT_EQ(yellowIn(1), 0);         // the header holds FOO but is no match line
    EXPECT_EQ(yellowIn(3), 0);
    // The text, positions, selection and copy are those of the plain list.
    EXPECT_EQ(list->toPlainText(), text);
    list->setCaret({2, 0});
    list->setCaret({2, 9}, true);
    EXPECT_EQ(list->selectedText(), QStringLiteral("2 : FOO B"));
    QCoreApplication::processEvents();
    EXPECT_LT(yellowIn(2), twice); // the selection is drawn over the first match

    // A case-sensitive search highlights only the exact text; a loaded list has no pattern.
    listOf(header, {"2 : foo FOO"}, {"foo", true});
    const int exact = yellowIn(2);
    listOf(header, {"2 : foo FOO"}, {"foo", false});
    EXPECT_GT(yellowIn(2), exact + exact / 2);
    search::ResultLines loaded;
    loaded.append(std::string_view("1 : foo"));
    list->setLines(std::move(loaded));
    EXPECT_TRUE(list->matchPattern().empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(yellowIn(0), 0);
}

TEST_F(Options, ContextPaneShowsTheLinesAroundTheCaretsMatchLine)
{
    QByteArray lines;
    for (int i = 1; i <= 12; ++i)
        lines += "line " + QByteArray::number(i) + (i == 6 ? " has foo" : "") + "\r\n";
    const QString file = tree.write("src/a.txt", lines);
    auto *pane = new ContextPane(list, &window);
    window.layout()->addWidget(pane);
    showWindow();
    QSignalSpy shownSpy(pane, &ContextPane::contextShown);
    listOf(file, {"6 : LINE 6 HAS FOO", "12 : LINE 12"}, {"FOO", false});

    list->setCaret({2, 3});
    ASSERT_TRUE(shownSpy.wait(5000));
    EXPECT_EQ(pane->caption(), file + ", ligne 6");
    EXPECT_EQ(pane->text(), "3  line 3\n4  line 4\n5  line 5\n6  line 6 has foo\n7  line 7\n8  line 8\n9  line 9");
    // The match line is marked, the string highlighted in it as the search found it.
    auto *text = pane->findChild<QPlainTextEdit *>(QStringLiteral("ApercuTexte"));
    ASSERT_NE(text, nullptr);
    QStringList highlighted;
    for (const auto &mark : text->extraSelections())
        if (mark.format.background().color() == ResultsView::matchBackground())
            highlighted.append(mark.cursor.selectedText());
    EXPECT_EQ(highlighted, QStringList({"foo"}));

    // Near the end of the file, only the lines that exist.
    list->setCaret({3, 0});
    ASSERT_TRUE(shownSpy.wait(5000));
    EXPECT_EQ(pane->text(), QString(QChar(0x2007)) + "9  line 9\n10  line 10\n11  line 11\n12  line 12");
    // A line that is no match line empties the pane.
    list->setCaret({1, 0});
    EXPECT_TRUE(pane->text().isEmpty());
    EXPECT_TRUE(pane->caption().isEmpty());

    // A file gone, a file that is not a regular one, a file now too short: said in the pane.
    const QString fifo = tree.path("fifo.txt");
    ASSERT_EQ(mkfifo(fifo.toUtf8().constData(), 0644), 0);
    const struct {
        QString header;
        QString line;
        QString message;
    } failures[] = {
        {tree.path("gone.txt"), "1 : X", "Le fichier " + tree.path("gone.txt") + " n'existe plus."},
        {fifo, "1 : X", "Impossible de lire le fichier " + fifo + "."},
        {file, "40 : X", "La ligne 40 n'est plus dans le fichier " + file + "."},
    };
    for (const auto &failure : failures) {
        listOf(failure.header, {failure.line}, {"X", false});
        list->setCaret({2, 0});
        ASSERT_TRUE(shownSpy.wait(5000));
        EXPECT_EQ(pane->text(), failure.message);
    }
}

TEST_F(Options, HiddenPaneReadsNothingAndASlowFileNeverHoldsTheWindow)
{
    struct Reads {
        std::binary_semaphore release{0};
        std::atomic<int> count{0};
    };
    auto reads = std::make_shared<Reads>();
    auto *pane = new ContextPane(list, [reads](const QString &header, qint64 line) {
        ++reads->count;
        reads->release.acquire();
        search::FileContext context;
        context.file = header;
        context.line = context.firstLine = line;
        context.lines = {QStringLiteral("late")};
        return context;
    }, &window);
    window.layout()->addWidget(pane);
    pane->hide();
    showWindow();
    listOf(QStringLiteral("/nowhere/a.txt"), {"1 : A", "2 : A"}, {"A", false});
    list->setCaret({2, 0});
    list->setCaret({3, 0});
    QTest::qWait(50);
    EXPECT_EQ(reads->count.load(), 0);

    // Shown, it reads the caret's line; while the read hangs the window goes on.
    pane->show();
    QTRY_COMPARE_WITH_TIMEOUT(pane->text(), QStringLiteral("Lecture du fichier en cours..."), 5000);
    EXPECT_EQ(reads->count.load(), 1);
    list->setCaret({2, 0});
    QTRY_COMPARE_WITH_TIMEOUT(reads->count.load(), 2, 5000);
    reads->release.release();
    reads->release.release();
    QTRY_COMPARE_WITH_TIMEOUT(pane->text(), QStringLiteral("1  late"), 5000);
}

TEST_F(Options, ExternalEditorOpensTheFileAtTheMatchLine)
{
    const QString file = tree.write("src/b.c", "a\nb\nfoo\n");
    const QString record = tree.path("args.txt");
    // A stand-in named gedit: it writes down the arguments it was given.
    const QString gedit = tree.write("bin/gedit", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + record.toUtf8() + ".part\"\n"
                                                  "mv \"" + record.toUtf8() + ".part\" \"" + record.toUtf8() + "\"\n");
    QFile::setPermissions(gedit, QFile::permissions(gedit) | QFileDevice::ExeUser);
    QString command = gedit;
    search::ExternalEditorAction action(list, [&command] { return command; });
    showWindow();
    listOf(file, {"3 : FOO"}, {"FOO", false});

    list->setCaret({0, 0});
    EXPECT_FALSE(action.target().has_value());
    list->setCaret({2, 1});
    ASSERT_TRUE(action.target().has_value());
    EXPECT_EQ(action.target()->line, 3);
    action.EditeurExterne1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 10000));
    QFile args(record);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), "+3\n" + file.toUtf8() + "\n");
    args.remove();

    // On the header line the file opens with no line.
    list->setCaret({1, 0});
    action.EditeurExterne1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 10000));
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), file.toUtf8() + "\n");

    // An editor that cannot be started is said in a box.
    testing_support::MessageBoxWatcher boxes;
    command = tree.path("bin/no-such-editor");
    action.EditeurExterne1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() == 1; }, 5000));
    EXPECT_EQ(boxes.texts[0], "Impossible de lancer l'éditeur externe " + command + ".");
}

} // namespace

VORLANE_GTEST_QT_MAIN

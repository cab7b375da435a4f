// The road from a search to the file, on a real X server: a search from the dialog, a
// double-click (through the X server) on a match line opens that file's editor window, and
// F4 there selects the first occurrence of the search string.
#include "editor/gui/editarea.h"
#include "editor/gui/teditform.h"
#include "settings/settingsstore.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tframeform.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/qtprinters.h"
#include "support/temptree.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include "search/gui/resultsview.h"
#include <QProcess>
#include <QTest>

using testing_support::MessageBoxWatcher;
using testing_support::TempTree;

namespace {

bool xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(20000) && process.exitCode() == 0;
}

TEST(SearchToEditor, DoubleClickOpensTheFileAndF4FindsTheString)
{
    TempTree tree;
    const settings::SettingsStore store(tree.path("settings/user.reg"));
    tree.write("a.pas", "x\r\nfoo bar\r\n");
    const QString wanted = tree.write("c.pas", "y\r\nzz foo\r\nfoo twice\r\n");
    tree.write("b.pas", "nothing\r\n");

    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    ASSERT_TRUE(choix->setFolder(tree.root()));

    MessageBoxWatcher boxes;
    auto *search = choix->findChild<QComboBox *>(QStringLiteral("histo_comm"));
    ASSERT_NE(search, nullptr);
    search->setEditText(QStringLiteral("foo"));
    choix->OKBtnClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() == 1; }, 10000));

    // The first match line of c.pas, two lines below its header.
    search::ResultsView *list = frame.resultsList();
    const QString listed = list->toPlainText();
    const qsizetype header = listed.split(u'\n').indexOf(wanted);
    ASSERT_GE(header, 0) << listed.toStdString();
    const auto match = static_cast<std::size_t>(header + 1);
    ASSERT_TRUE(list->lineText(match).startsWith(QStringLiteral("2 : "))) << list->lineText(match).toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 5000));
    const QPoint at = list->viewport()->mapToGlobal(QPoint(40, list->lineRect(match).center().y()));

    ASSERT_TRUE(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(frame.winId())}));
    ASSERT_TRUE(xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                         QString::number(at.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                         QStringLiteral("2"), QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.mdiArea()->subWindowList().size() == 1; }, 10000));
    QMdiSubWindow *window = frame.mdiArea()->subWindowList().first();
    auto *child = qobject_cast<editor::TEditForm *>(window->widget());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->windowTitle(), wanted);
    EXPECT_FALSE(list->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return child->editArea()->hasFocus(); }, 10000));
    EXPECT_EQ(child->editArea()->position(), 0);

    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("F4")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return child->editArea()->hasSelection(); }, 10000));
    EXPECT_EQ(child->editArea()->selectionStart(), 5);
    EXPECT_EQ(child->editArea()->selectedText(), QStringLiteral("foo"));
    // F3 then goes on to the next one.
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("F3")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return child->editArea()->selectionStart() == 9; }, 10000));
}

} // namespace

VORLANE_GTEST_QT_MAIN

// The frame's options: the "&Options" menu, the context pane toggled from it and remembered,
// the preferences dialog (highlighting, the external editor item and its command) applied at
// once and remembered, each in its own settings section; and a search from the dialog gives
// the list its pattern, highlighted and previewed.
#include "editor/modaldialogs.h"
#include "search/gui/contextpane.h"
#include "search/gui/resultsview.h"
#include "search/gui/tchoix.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/temptree.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using testing_support::answerNextModal;
using testing_support::MessageBoxWatcher;
using testing_support::TempTree;

namespace {

class FrameOptions : public ::testing::Test {
protected:
    void SetUp() override { start(); }
    void start()
    {
        frame.reset();
        frame = std::make_unique<shell::Tframeform>(store);
        choix = new search::Tchoix(*frame, store, frame.get());
        frame->setSearchDialog(choix);
        frame->show();
        QCoreApplication::processEvents();
    }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction *item : frame->menuBar()->actions())
            titles.append(item->text());
        return titles;
    }
    /// Runs "Préférences..." and sets its boxes as a user would.
    void setPreferences(bool highlight, bool editorItem, const QString &command)
    {
        answerNextModal([=](QWidget *dialog) {
            dialog->findChild<QCheckBox *>(QStringLiteral("Surlignage"))->setChecked(highlight);
            dialog->findChild<QCheckBox *>(QStringLiteral("EditeurExterne"))->setChecked(editorItem);
            dialog->findChild<QLineEdit *>(QStringLiteral("CommandeEditeur"))->setText(command);
            qobject_cast<QDialog *>(dialog)->accept();
        });
        frame->action(QStringLiteral("Preferences1"))->trigger();
    }

    TempTree settingsFolder;
    settings::SettingsStore store{settingsFolder.path("user.reg")};
    std::unique_ptr<shell::Tframeform> frame;
    search::Tchoix *choix = nullptr;
};

TEST_F(FrameOptions, DefaultsLeaveTheWindowAsItWas)
{
    EXPECT_EQ(menuTitles(), QStringList({"Fic&hier", "&Fenêtre", "&Options", "&Aide", "Info"}));
    EXPECT_FALSE(frame->action(QStringLiteral("ApercuContexte1"))->isChecked());
    EXPECT_FALSE(frame->contextPane()->isVisible());
    EXPECT_FALSE(frame->action(QStringLiteral("EditeurExterne1"))->isVisible());
    // Highlighting is the one option on by default: it changes only how matches are drawn.
    EXPECT_TRUE(frame->resultsList()->highlightMatches());
    // Nothing is written until an option is changed.
    EXPECT_TRUE(store.readSection(settings::section::ContextPreview).isEmpty());
    EXPECT_TRUE(store.readSection(settings::section::ExternalEditor).isEmpty());
    EXPECT_TRUE(store.readSection(settings::section::Highlight).isEmpty());
}

TEST_F(FrameOptions, ContextPaneIsToggledFromTheMenuAndRemembered)
{
    QAction *toggle = frame->action(QStringLiteral("ApercuContexte1"));
    toggle->trigger();
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(frame->contextPane()->isVisible());
    EXPECT_TRUE(store.read(settings::apercucontexte::Visible));
    // The pane goes with the list when the editor windows are shown.
    frame->toolButton(QStringLiteral("ToolBtnSwap"))->click();
    EXPECT_FALSE(frame->contextPane()->isVisible());
    frame->toolButton(QStringLiteral("ToolBtnSwap"))->click();
    EXPECT_TRUE(frame->contextPane()->isVisible());

    start();
    EXPECT_TRUE(frame->action(QStringLiteral("ApercuContexte1"))->isChecked());
    EXPECT_TRUE(frame->contextPane()->isVisible());
    frame->action(QStringLiteral("ApercuContexte1"))->trigger();
    EXPECT_FALSE(frame->contextPane()->isVisible());
    start();
    EXPECT_FALSE(frame->contextPane()->isVisible());
}

TEST_F(FrameOptions, PreferencesApplyAtOnceAndComeBack)
{
    setPreferences(false, true, QStringLiteral("kate"));
    EXPECT_FALSE(frame->resultsList()->highlightMatches());
    EXPECT_TRUE(frame->action(QStringLiteral("EditeurExterne1"))->isVisible());
    EXPECT_FALSE(store.read(settings::surlignage::Active));
    EXPECT_EQ(store.read(settings::editeurexterne::Command), QStringLiteral("kate"));

    start();
    EXPECT_FALSE(frame->resultsList()->highlightMatches());
    EXPECT_TRUE(frame->action(QStringLiteral("EditeurExterne1"))->isVisible());
    // The dialog shows what is stored; cancelling it changes nothing.
    QString shownCommand;
    answerNextModal([&](QWidget *dialog) {
        shownCommand = dialog->findChild<QLineEdit *>(QStringLiteral("CommandeEditeur"))->text();
        dialog->findChild<QCheckBox *>(QStringLiteral("Surlignage"))->setChecked(true);
        qobject_cast<QDialog *>(dialog)->reject();
    });
    frame->action(QStringLiteral("Preferences1"))->trigger();
    EXPECT_EQ(shownCommand, QStringLiteral("kate"));
    EXPECT_FALSE(frame->resultsList()->highlightMatches());
    setPreferences(true, false, QString());
    EXPECT_TRUE(frame->resultsList()->highlightMatches());
    EXPECT_FALSE(frame->action(QStringLiteral("EditeurExterne1"))->isVisible());
}

TEST_F(FrameOptions, SearchGivesTheListItsPatternAndThePanePreviewsTheCaretLine)
{
    TempTree tree;
    const QString file = tree.write("a.pas", "one\r\ntwo foo\r\nthree\r\n");
    ASSERT_TRUE(choix->setFolder(tree.root()));
    frame->action(QStringLiteral("ApercuContexte1"))->trigger();
    setPreferences(true, true, QString());
    MessageBoxWatcher boxes;
    choix->findChild<QComboBox *>(QStringLiteral("histo_comm"))->setEditText(QStringLiteral("foo"));
    choix->OKBtnClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts.size() == 1; }, 5000));
    search::ResultsView *list = frame->resultsList();
    ASSERT_EQ(list->toPlainText(), "  \n" + file + "\n2 : TWO FOO");
    EXPECT_EQ(list->matchPattern().text, QStringLiteral("FOO"));
    EXPECT_FALSE(list->matchPattern().caseSensitive);

    QSignalSpy shown(frame->contextPane(), &search::ContextPane::contextShown);
    list->setCaret({2, 0});
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(frame->contextPane()->text(), "1  one\n2  two foo\n3  three");
    // The editor item is usable on the file's lines only.
    frame->findChild<QMenu *>(QStringLiteral("PopupMenu1"))->aboutToShow();
    EXPECT_TRUE(frame->action(QStringLiteral("EditeurExterne1"))->isEnabled());
    list->setCaret({0, 0});
    frame->findChild<QMenu *>(QStringLiteral("PopupMenu1"))->aboutToShow();
    EXPECT_FALSE(frame->action(QStringLiteral("EditeurExterne1"))->isEnabled());
}

} // namespace

VORLANE_GTEST_QT_MAIN

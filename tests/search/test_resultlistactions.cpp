// The actions on the results list with their dialogs, offscreen: viewing (popup and
// double-click), running, saving and loading a list, printing it whole or its selection.
#include "ui/saveprintdialogs.h"
#include "editor/modaldialogs.h"
#include "search/core/resultlist.h"
#include "search/gui/resultlistactions.h"
#include "support/quietsearchhost.h"
#include "support/shownfilters.h"
#include "support/messageboxwatcher.h"
#include "support/qtestmain.h"
#include "support/qtprinters.h"
#include "support/temptree.h"

#include <QFileDialog>
#include "search/gui/resultsview.h"
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

using testing_support::answerNextModal;
using testing_support::chooseFile;
using testing_support::TempTree;

namespace {

class ListActions : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(600, 400);
        memo = new search::ResultsView(&window);
        memo->resize(600, 400);
        dialogs = new ui::SavePrintDialogs(&window);
        actions = new search::ResultListActions(memo, host, *dialogs, tree.root(), [this] { return searchText; }, &window);
        first = tree.write("a/first.pas", "x");
        second = tree.write("a/second.pas", "x");
        third = tree.write("b/third.pas", "x");
        lines = {"  ", first, "1 : x", "  ", second, "1 : x", "  ", third, "1 : x", "2 : x"};
        memo->setPlainText(lines.join('\n'));
        window.show();
        QCoreApplication::processEvents();
    }

    void caretOnLine(int line) { memo->setCaret({static_cast<std::size_t>(line), 0}); }
    QStringList listed() const { return memo->toPlainText().split(u'\n'); }

    QString pdfText(const QString &pdf) const
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    TempTree tree;
    QWidget window;
    search::ResultsView *memo = nullptr;
    ui::SavePrintDialogs *dialogs = nullptr;
    search::ResultListActions *actions = nullptr;
    testing_support::QuietSearchHost host;
    QString searchText;
    QString first, second, third;
    QStringList lines;
};

TEST_F(ListActions, ViewOpensTheFileOfTheCaretLine)
{
    caretOnLine(9);
    actions->ouvre_fichierClick();
    caretOnLine(6);
    actions->ouvre_fichierClick();
    caretOnLine(0);
    actions->ouvre_fichierClick();
    EXPECT_EQ(host.opened, (QStringList{third, second}));

    // A selection counts from the line where it begins.
    memo->setCaret({2, 0});
    memo->setCaret({8, 0}, true);
    EXPECT_EQ(actions->memoselectfile().value_or("none"), first);
}

TEST_F(ListActions, DeletedFileIsNamedAndNothingOpens)
{
    ASSERT_TRUE(QFile::remove(third));
    testing_support::MessageBoxWatcher boxes;
    caretOnLine(9);
    actions->ouvre_fichierClick();
    EXPECT_TRUE(host.opened.isEmpty());
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], QStringLiteral("Le fichier %1 n'existe plus.").arg(third));
}

TEST_F(ListActions, DoubleClickViewsTheFile)
{
    const QRect place = memo->lineRect(5);
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, place.center().y()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !host.opened.isEmpty(); }, 5000));
    EXPECT_EQ(host.opened, QStringList{second});
}

TEST_F(ListActions, ExecuteRunsOnlyRunnableFiles)
{
    const QString marker = tree.path("ran");
    const QString script = tree.write("c/run.sh", ("#!/bin/sh\npwd > '" + marker + "'\n").toUtf8());
    QFile(script).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    memo->setPlainText(QStringList{"  ", script, "1 : pwd"}.join('\n'));
    caretOnLine(2);
    actions->Executecefichier1Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(marker).size() > 0; }, 10000));
    QFile ran(marker);
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(ran.readAll().trimmed(), tree.path("c").toUtf8());
}

TEST_F(ListActions, SaveProposesTheNameAndWritesTheList)
{
    searchText = QStringLiteral("hello world");
    QString title, proposed, folder;
    QStringList filters;
    const QString target = tree.path("saved.LST");
    answerNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        title = dialog->windowTitle();
        filters = testing_support::shownFilters(dialog);
        proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        folder = dialog->directory().absolutePath();
        chooseFile(dialog, target);
    });
    actions->ToolBtnSaveClick();
    EXPECT_TRUE(host.listShown);
    EXPECT_EQ(title, "~Vorlane~ sauve la liste rsesultat de recherche");
    EXPECT_EQ(filters, QStringList{"Fichiers Liste (*.LST)"});
    EXPECT_EQ(proposed, "hello wo.LST");
    EXPECT_EQ(folder, tree.root());
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QByteArray expected;
    for (const QString &line : lines)
        expected += line.toUtf8() + "\r\n";
    EXPECT_EQ(saved.readAll(), expected);

    // Loading it back shows the same lines.
    memo->clear();
    host.listShown = false;
    QString loadTitle;
    answerNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        loadTitle = dialog->windowTitle();
        chooseFile(dialog, target);
    });
    actions->ToolBtnOpenClick();
    EXPECT_TRUE(host.listShown);
    EXPECT_EQ(loadTitle, "~Vorlane~ Ouvre liste recherche");
    EXPECT_EQ(listed(), lines);
    EXPECT_EQ(memo->caret(), search::ResultsView::Position{});
}

TEST_F(ListActions, EmptyListIsNeitherSavedNorPrinted)
{
    memo->clear();
    bool asked = false;
    QPointer<QTimer> watcher = answerNextModal([&asked](QWidget *modal) { asked = true; modal->close(); });
    actions->ToolBtnSaveClick();
    actions->ToolBtnPrintClick();
    EXPECT_FALSE(asked);
    EXPECT_FALSE(host.listShown);
    delete watcher;
}

TEST_F(ListActions, LoadsLongLinesAndInvalidUtf8)
{
    const QByteArray bytes = QByteArray(300000, 'x') + "\r\ncaf\xE9 \xC3\xA9t\xC3\xA9\r\n";
    const QString file = tree.write("odd.LST", bytes);
    answerNextModal([&](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            chooseFile(dialog, file);
        else
            modal->close();
    });
    actions->ToolBtnOpenClick();
    EXPECT_EQ(listed(), (QStringList{QString(300000, 'x'), QStringLiteral("caf\u00E9 \u00E9t\u00E9")}));
}

TEST_F(ListActions, PrintsEveryLineOrTheSelection)
{
    const QString pdf = tree.path("list.pdf");
    dialogs->printer().setOutputFormat(QPrinter::PdfFormat);
    dialogs->printer().setOutputFileName(pdf);
    answerNextModal([](QWidget *modal) { QMetaObject::invokeMethod(modal, "accept"); });
    actions->ToolBtnPrintClick();
    // Compared without blanks and typographic ligatures, which the PDF text extraction varies.
    const auto bare = [](const QString &line) {
        return line.normalized(QString::NormalizationForm_KC).remove(' ');
    };
    QStringList printed;
    for (const QString &line : pdfText(pdf).split('\n', Qt::SkipEmptyParts)) {
        if (!line.trimmed().isEmpty())
            printed.append(bare(line));
    }
    QStringList expected;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            expected.append(bare(line));
    }
    EXPECT_EQ(printed, expected);

    memo->setCaret({7, 0});
    memo->setCaret({7, static_cast<int>(third.size())}, true);
    const QString part = tree.path("selection.pdf");
    dialogs->printer().setOutputFileName(part);
    answerNextModal([](QWidget *modal) {
        if (auto *range = modal->findChild<QRadioButton *>(QStringLiteral("printSelection")))
            range->setChecked(true);
        QMetaObject::invokeMethod(modal, "accept");
    });
    actions->ToolBtnPrintClick();
    EXPECT_EQ(bare(pdfText(part).trimmed()), bare(third));
}

} // namespace

VORLANE_GTEST_QT_MAIN

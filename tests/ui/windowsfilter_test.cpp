// The file filters of the program's dialogs: the conversion to Qt's filters, and a real file
// dialog that shows each description as written and lists what its patterns match.
#include "support/qtestmain.h"
#include "support/shownfilters.h"
#include "support/temptree.h"
#include "ui/windowsfilter.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTest>

using testing_support::TempTree;

namespace {

TEST(WindowsFilter, Conversion)
{
    struct Case {
        QString windows;
        QStringList qt;
    };
    const Case cases[] = {
        {"Fichiers Liste (*.LST)|*.LST", {"Fichiers Liste (*.LST) (*.LST)"}},
        {"Textes|*.txt;*.asc|(*.pas)|*.pas", {"Textes (*.txt *.asc)", "(*.pas) (*.pas)"}},
        {"Fichiers Executable  (*.EXE;*.DLL)|*.EXE;*.DLL|Tous les Fichiers (*.*)|*.*",
         {"Fichiers Executable  (*.EXE;*.DLL) (*.EXE *.DLL)", "Tous les Fichiers (*.*) (*)"}},
        {"jpeg|*.jpg", {"jpeg (*.jpg)"}},
        {"", {}},
        {"description without patterns", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ui::qtNameFilters(c.windows), c.qt) << qPrintable(c.windows);
}

// The names a dialog lists in \a folder under its current filter.
QStringList listedNames(QFileDialog &dialog, const QString &folder)
{
    auto *model = dialog.findChild<QFileSystemModel *>();
    const QModelIndex parent = model->index(folder);
    QStringList names;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !model->canFetchMore(parent) && model->rowCount(parent) > 0; }, 5000));
    QTest::qWait(100);
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        // Names the filter rejects stay in the model but are hidden from the views.
        if (model->flags(index) & Qt::ItemIsEnabled)
            names.append(model->fileName(index));
    }
    names.sort();
    return names;
}

TEST(WindowsFilter, DialogShowsDescriptionsAndAllFilesListsNamesWithoutDot)
{
    TempTree tree;
    tree.write("Makefile", "all:\n");
    tree.write("unit.pas", "begin end.\n");
    tree.write("notes.TXT", "x\n");
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(tree.root());
    ui::setWindowsFilter(dialog, "Fichiers pascal (*.pas)|*.PAS|Fichiers texte (*.txt)|*.TXT|"
                                 "Tout les fichiers (*.*) |*.*");
    dialog.show();
    EXPECT_EQ(testing_support::shownFilters(&dialog), QStringList({"Fichiers pascal (*.pas)", "Fichiers texte (*.txt)", "Tout les fichiers (*.*)"}));

    EXPECT_EQ(listedNames(dialog, tree.root()), QStringList({"unit.pas"}));
    dialog.selectNameFilter(dialog.nameFilters().value(1));
    EXPECT_EQ(listedNames(dialog, tree.root()), QStringList({"notes.TXT"}));
    dialog.selectNameFilter(dialog.nameFilters().value(2));
    EXPECT_EQ(listedNames(dialog, tree.root()), QStringList({"Makefile", "notes.TXT", "unit.pas"}));

    ui::setWindowsFilter(dialog, QString());
    EXPECT_EQ(testing_support::shownFilters(&dialog), QStringList({"(*)"}));
    EXPECT_EQ(listedNames(dialog, tree.root()), QStringList({"Makefile", "notes.TXT", "unit.pas"}));
}

} // namespace

VORLANE_GTEST_QT_MAIN

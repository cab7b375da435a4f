// The search dialog's options beyond the original, offscreen: "Dossiers exclus" and its list
// edited in the small dialog, "Texte UTF-16", what a search started then asks for, and both
// kept in their own sections of the settings store.
#include "search/core/excludedfolders.h"
#include "search/core/searchrequest.h"
#include "search/gui/tchoix.h"
#include "search/gui/tdossiersexclus.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "support/qtestmain.h"
#include "support/qtprinters.h"
#include "support/quietsearchhost.h"
#include "support/temptree.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using search::TDossiersExclus;
using search::Tchoix;
using testing_support::TempTree;

namespace {

const QStringList DefaultNames = {".git", ".svn", ".hg", "node_modules", "__pycache__", "build"};

template <typename T>
T *control(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Types \a name in the box and presses "Ajouter" if it lets it; whether it did.
bool add(TDossiersExclus &dialog, const QString &name)
{
    control<QLineEdit>(&dialog, "EditDossier")->setText(name);
    auto *button = control<QPushButton>(&dialog, "BtnAjouter");
    if (!button->isEnabled())
        return false;
    button->click();
    return true;
}

TEST(ExcludedFolders, NamesAndTheirStoredText)
{
    EXPECT_TRUE(search::isFolderName("node_modules"));
    EXPECT_TRUE(search::isFolderName(".git"));
    for (const char *bad : {"", ".", "..", "a/b", "/"})
        EXPECT_FALSE(search::isFolderName(bad)) << bad;
    EXPECT_EQ(search::excludedFoldersFromText(".git//build/./.git/x y"), QStringList({".git", "build", "x y"}));
    EXPECT_EQ(search::excludedFoldersFromText(search::excludedFoldersText(DefaultNames)), DefaultNames);
    EXPECT_TRUE(search::excludedFoldersFromText("").isEmpty());
}

TEST(TDossiersExclus, AddsAndRemovesNames)
{
    TDossiersExclus dialog({"build", ".git"});
    EXPECT_EQ(dialog.windowTitle(), "Dossiers exclus");
    EXPECT_FALSE(add(dialog, ""));
    EXPECT_FALSE(add(dialog, "a/b"));
    EXPECT_FALSE(add(dialog, ".."));
    EXPECT_FALSE(add(dialog, "build")); // already there
    EXPECT_TRUE(add(dialog, "  target "));
    EXPECT_TRUE(control<QLineEdit>(&dialog, "EditDossier")->text().isEmpty());
    auto *list = control<QListWidget>(&dialog, "ListeDossiers");
    auto *remove = control<QPushButton>(&dialog, "BtnRetirer");
    EXPECT_FALSE(remove->isEnabled());
    list->item(0)->setSelected(true);
    ASSERT_TRUE(remove->isEnabled());
    remove->click();
    EXPECT_EQ(dialog.names(), QStringList({".git", "target"}));
    EXPECT_FALSE(remove->isEnabled());
    // A removed name can be added again.
    EXPECT_TRUE(add(dialog, "build"));
    EXPECT_EQ(dialog.names(), QStringList({".git", "target", "build"}));
}

class DialogOptions : public ::testing::Test {
protected:
    std::unique_ptr<Tchoix> makeDialog() { return std::make_unique<Tchoix>(host, store); }

    // Presses "Liste..." and lets \a edit work in the dialog it opens, then presses \a button.
    void editList(Tchoix &choix, const std::function<void(TDossiersExclus &)> &edit, const char *button)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<TDossiersExclus *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            edit(*dialog);
            control<QPushButton>(dialog, button)->click();
        });
        control<QPushButton>(&choix, "BtnExclus")->click();
        EXPECT_TRUE(seen);
    }

    TempTree settingsFolder;
    settings::SettingsStore store{settingsFolder.path("user.reg")};
    testing_support::QuietSearchHost host;
};

TEST_F(DialogOptions, OffAtFirstTheSearchAsksForNoOption)
{
    const auto choix = makeDialog();
    EXPECT_FALSE(control<QCheckBox>(choix.get(), "optionExclus")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(choix.get(), "optionUtf16")->isChecked());
    const search::SearchRequest request = choix->currentRequest();
    EXPECT_TRUE(request.excludedFolders.isEmpty());
    EXPECT_FALSE(request.utf16);
    EXPECT_EQ(request.lineFormat, search::LineFormat::ResultList);
    // The default list is there, to be used once the box is ticked.
    control<QCheckBox>(choix.get(), "optionExclus")->setChecked(true);
    EXPECT_EQ(choix->currentRequest().excludedFolders, DefaultNames);
}

TEST_F(DialogOptions, EditedListAndOptionsAreUsedAndRemembered)
{
    {
        const auto choix = makeDialog();
        editList(*choix, [](TDossiersExclus &dialog) { add(dialog, "nothing kept"); }, "CancelBtn");
        editList(*choix,
                 [](TDossiersExclus &dialog) {
                     control<QListWidget>(&dialog, "ListeDossiers")->item(2)->setSelected(true);
                     control<QPushButton>(&dialog, "BtnRetirer")->click();
                     add(dialog, "target");
                 },
                 "OKBtn");
        // Not ticked: the list is kept but the search leaves nothing out.
        EXPECT_TRUE(choix->currentRequest().excludedFolders.isEmpty());
        control<QCheckBox>(choix.get(), "optionExclus")->setChecked(true);
        control<QCheckBox>(choix.get(), "optionUtf16")->setChecked(true);
        const search::SearchRequest request = choix->currentRequest();
        EXPECT_EQ(request.excludedFolders, QStringList({".git", ".svn", "node_modules", "__pycache__", "build", "target"}));
        EXPECT_TRUE(request.utf16);
    }
    EXPECT_TRUE(store.read(settings::exclusions::Enabled));
    EXPECT_EQ(store.read(settings::exclusions::Names), ".git/.svn/node_modules/__pycache__/build/target");
    EXPECT_TRUE(store.read(settings::utf16::Enabled));
    {
        const auto choix = makeDialog();
        EXPECT_TRUE(control<QCheckBox>(choix.get(), "optionUtf16")->isChecked());
        EXPECT_EQ(choix->currentRequest().excludedFolders, QStringList({".git", ".svn", "node_modules", "__pycache__", "build", "target"}));
        // An emptied list stays empty.
        editList(*choix,
                 [](TDossiersExclus &dialog) {
                     control<QListWidget>(&dialog, "ListeDossiers")->selectAll();
                     control<QPushButton>(&dialog, "BtnRetirer")->click();
                 },
                 "OKBtn");
        control<QCheckBox>(choix.get(), "optionUtf16")->setChecked(false);
    }
    EXPECT_FALSE(store.read(settings::utf16::Enabled));
    EXPECT_TRUE(makeDialog()->currentRequest().excludedFolders.isEmpty());
}

} // namespace

VORLANE_GTEST_QT_MAIN

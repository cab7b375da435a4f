// vorlane-search's command line: options, "--", errors, and the exit statuses of the real
// program on a real folder.
#include "search/core/commandline.h"
#include "support/temptree.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

using search::CommandLine;
using testing_support::TempTree;

namespace {

TEST(CommandLine, OptionsAndWords)
{
    TempTree tree;
    const QString dir = tree.mkdir(QStringLiteral("src"));
    const struct {
        QStringList args;
        CommandLine::Action action;
        QString text;
        QString extension;
        bool caseSensitive;
        bool firstOccurrence;
        bool subfolders;
    } cases[] = {
        {{dir, QStringLiteral("foo")}, CommandLine::Action::Search, QStringLiteral("foo"), QStringLiteral("PAS"), false, true, false},
        {{QStringLiteral("--case"), QStringLiteral("--all"), QStringLiteral("--subdirs"), QStringLiteral("--ext"), QStringLiteral("cpp"), dir, QStringLiteral("x")},
         CommandLine::Action::Search, QStringLiteral("x"), QStringLiteral("CPP"), true, false, true},
        {{QStringLiteral("--ext=*"), dir, QStringLiteral("x")}, CommandLine::Action::Search, QStringLiteral("x"), search::AllFilesCode, false, true, false},
        {{QStringLiteral("--ext"), QStringLiteral("html"), dir, QStringLiteral("x")}, CommandLine::Action::Search, QStringLiteral("x"), QStringLiteral("HTM"), false, true, false},
        // After "--" a string beginning with "-" is searched, not taken as an option.
        {{QStringLiteral("--"), dir, QStringLiteral("--verbose")}, CommandLine::Action::Search, QStringLiteral("--verbose"), QStringLiteral("PAS"), false, true, false},
        {{QStringLiteral("--all"), QStringLiteral("--"), dir, QStringLiteral("-")}, CommandLine::Action::Search, QStringLiteral("-"), QStringLiteral("PAS"), false, false, false},
        {{dir, QStringLiteral("-")}, CommandLine::Action::Search, QStringLiteral("-"), QStringLiteral("PAS"), false, true, false},
        {{QStringLiteral("--help"), QStringLiteral("--bogus")}, CommandLine::Action::Help, {}, {}, false, true, false},
        {{QStringLiteral("--version")}, CommandLine::Action::Version, {}, {}, false, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CommandLine line = CommandLine::parse(c.args);
        ASSERT_EQ(line.action, c.action) << line.error.toStdString();
        if (c.action != CommandLine::Action::Search)
            continue;
        EXPECT_EQ(line.request.text, c.text);
        EXPECT_EQ(line.request.extension, c.extension);
        EXPECT_EQ(line.request.caseSensitive, c.caseSensitive);
        EXPECT_EQ(line.request.firstOccurrence, c.firstOccurrence);
        EXPECT_EQ(line.request.walkMode == search::WalkMode::WithSubfolders, c.subfolders);
        EXPECT_EQ(line.request.folder, dir);
    }
}

TEST(CommandLine, Errors)
{
    TempTree tree;
    const QString dir = tree.mkdir(QStringLiteral("src"));
    const struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {{}, "il faut un dossier et une chaîne"},
        {{dir}, "il faut un dossier et une chaîne"},
        {{dir, QStringLiteral("a"), QStringLiteral("b")}, "il faut un dossier et une chaîne"},
        {{dir, QStringLiteral("--verbose")}, "option inconnue : --verbose"},
        {{QStringLiteral("-i"), dir, QStringLiteral("x")}, "option inconnue : -i"},
        {{QStringLiteral("--ext")}, "l'option --ext demande une extension"},
        {{QStringLiteral("--ext="), dir, QStringLiteral("x")}, "l'extension est vide"},
        {{tree.path(QStringLiteral("missing")), QStringLiteral("x")}, "dossier introuvable"},
        {{dir, QString()}, "la chaîne cherchée est vide"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CommandLine line = CommandLine::parse(c.args);
        EXPECT_EQ(line.action, CommandLine::Action::Error);
        EXPECT_TRUE(line.error.startsWith(QString::fromUtf8(c.message))) << line.error.toStdString();
    }
}

struct ProgramRun {
    int status;
    QByteArray out;
    QByteArray err;
};

ProgramRun runSearch(const QStringList &args)
{
    QProcess process;
    process.start(qEnvironmentVariable("VORLANE_BUILD_DIR") + QStringLiteral("/src/search/vorlane-search"), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(CommandLine, ExitStatusesLikeGrep)
{
    TempTree tree;
    tree.write(QStringLiteral("a.txt"), "alpha\n--verbose flag\n");
    tree.write(QStringLiteral("b.txt"), "beta\n");

    const ProgramRun found = runSearch({QStringLiteral("--ext"), QStringLiteral("txt"), tree.root(), QStringLiteral("ALPHA")});
    EXPECT_EQ(found.status, 0);
    EXPECT_TRUE(found.out.contains("1 : ALPHA")) << found.out.toStdString();

    const ProgramRun none = runSearch({QStringLiteral("--ext"), QStringLiteral("txt"), tree.root(), QStringLiteral("gamma")});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.isEmpty());

    const ProgramRun dashed = runSearch({QStringLiteral("--ext"), QStringLiteral("txt"), QStringLiteral("--"), tree.root(), QStringLiteral("--verbose")});
    EXPECT_EQ(dashed.status, 0);
    EXPECT_TRUE(dashed.out.contains("2 : --VERBOSE FLAG")) << dashed.out.toStdString();

    const ProgramRun bad = runSearch({QStringLiteral("--nope"), tree.root(), QStringLiteral("x")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    // One line, naming the program.
    EXPECT_TRUE(bad.err.startsWith("vorlane-search: option inconnue : --nope"));
    EXPECT_EQ(bad.err.count('\n'), 1);

    const ProgramRun missing = runSearch({tree.path(QStringLiteral("nowhere")), QStringLiteral("x")});
    EXPECT_EQ(missing.status, 2);

    const ProgramRun help = runSearch({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("usage : vorlane-search"));
    const ProgramRun version = runSearch({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vorlane-search 2.02\n");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

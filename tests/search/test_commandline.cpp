// vorlane-search's command line: options, "--", errors, and the exit statuses of the real
// program on a real folder.
#include "search/core/commandline.h"
#include "support/temptree.h"

#include <QCoreApplication>
#include <QFile>
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

// --exclude, --utf16 and --json: read into the request, refused when malformed, and the real
// program's output on a real tree, the JSON checked by Python's own parser.
TEST(CommandLine, SearchOptions)
{
    TempTree tree;
    const QString dir = tree.mkdir(QStringLiteral("src"));
    const CommandLine plain = CommandLine::parse({dir, QStringLiteral("x")});
    EXPECT_TRUE(plain.request.excludedFolders.isEmpty());
    EXPECT_FALSE(plain.request.utf16);
    EXPECT_EQ(plain.request.lineFormat, search::LineFormat::ResultList);
    const CommandLine all = CommandLine::parse({QStringLiteral("--exclude"), QStringLiteral("build"), QStringLiteral("--utf16"),
                                                QStringLiteral("--exclude=.git"), QStringLiteral("--json"), dir, QStringLiteral("x")});
    ASSERT_EQ(all.action, CommandLine::Action::Search) << all.error.toStdString();
    EXPECT_EQ(all.request.excludedFolders, QStringList({QStringLiteral("build"), QStringLiteral(".git")}));
    EXPECT_TRUE(all.request.utf16);
    EXPECT_EQ(all.request.lineFormat, search::LineFormat::JsonLines);

    const struct {
        QStringList args;
        const char *message;
    } errors[] = {
        {{QStringLiteral("--exclude")}, "l'option --exclude demande un nom de dossier"},
        {{QStringLiteral("--exclude="), dir, QStringLiteral("x")}, "l'option --exclude demande un nom de dossier"},
        {{QStringLiteral("--exclude"), QStringLiteral("a/b"), dir, QStringLiteral("x")}, "--exclude prend un nom de dossier, sans « / » : a/b"},
    };
    for (const auto &c : errors) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CommandLine line = CommandLine::parse(c.args);
        EXPECT_EQ(line.action, CommandLine::Action::Error);
        EXPECT_EQ(line.error, QString::fromUtf8(c.message));
    }
}

TEST(CommandLine, ProgramWithSearchOptions)
{
    TempTree tree;
    tree.write(QStringLiteral("a.txt"), "the \"needle\"\tand\\ more\r\nNeedle again\r\n");
    tree.write(QStringLiteral("node_modules/m.txt"), "needle\n");
    tree.write(QStringLiteral("sub/build/b.txt"), "needle\n");
    tree.write(QStringLiteral("sub/c.txt"), "x\n\xe9 needle\n");
    QByteArray wide("\xfe\xff", 2);
    for (const char c : QByteArray("one\nwide needle\n"))
        wide += QByteArray(1, '\0') + c;
    tree.write(QStringLiteral("sub/wide.txt"), wide);
    const QStringList common = {QStringLiteral("--ext"), QStringLiteral("txt"), QStringLiteral("--subdirs"), QStringLiteral("--all")};

    const ProgramRun off = runSearch(common + QStringList{tree.root(), QStringLiteral("needle")});
    EXPECT_EQ(off.status, 0);
    EXPECT_EQ(off.out.count("  \r\n"), 4) << off.out.toStdString();
    EXPECT_FALSE(off.out.contains("wide.txt"));

    const ProgramRun on = runSearch(common + QStringList{QStringLiteral("--exclude"), QStringLiteral("node_modules"), QStringLiteral("--exclude"),
                                                         QStringLiteral("build"), QStringLiteral("--utf16"), tree.root(), QStringLiteral("needle")});
    EXPECT_EQ(on.status, 0);
    EXPECT_FALSE(on.out.contains("node_modules")) << on.out.toStdString();
    EXPECT_FALSE(on.out.contains("build"));
    EXPECT_TRUE(on.out.contains("/sub/wide.txt\r\n2 : WIDE NEEDLE\r\n")) << on.out.toStdString();

    const ProgramRun json = runSearch(common + QStringList{QStringLiteral("--json"), QStringLiteral("--utf16"), tree.root(), QStringLiteral("needle")});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.count('\n'), 5 + 6);
    // Python's parser reads every line back, each as one object.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-m"), QStringLiteral("json.tool"), QStringLiteral("--json-lines"),
                                                      QStringLiteral("--compact"), QStringLiteral("--sort-keys")});
    ASSERT_TRUE(python.waitForStarted());
    python.write(json.out);
    python.closeWriteChannel();
    ASSERT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QList<QByteArray> objects = python.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(objects.size(), 11);
    const QByteArray root = QFile::encodeName(tree.root());
    EXPECT_EQ(objects[0], "{\"path\":\"" + root + "/a.txt\",\"type\":\"file\"}");
    EXPECT_EQ(objects[1], "{\"line\":1,\"offset\":5,\"path\":\"" + root + "/a.txt\",\"text\":\"the \\\"needle\\\"\\tand\\\\ more\",\"type\":\"match\"}");
    EXPECT_EQ(objects[2], "{\"line\":2,\"offset\":24,\"path\":\"" + root + "/a.txt\",\"text\":\"Needle again\",\"type\":\"match\"}");
    EXPECT_EQ(objects[8], "{\"line\":2,\"offset\":4,\"path\":\"" + root + "/sub/c.txt\",\"text\":{\"bytes\":\"6SBuZWVkbGU=\"},\"type\":\"match\"}");
    EXPECT_EQ(objects[10], "{\"line\":2,\"offset\":20,\"path\":\"" + root + "/sub/wide.txt\",\"text\":\"wide needle\",\"type\":\"match\"}");
    // The summary still goes to standard error.
    EXPECT_TRUE(json.err.contains("5 fichier(s) trouvé(s)")) << json.err.toStdString();

    const ProgramRun none = runSearch(common + QStringList{QStringLiteral("--json"), tree.root(), QStringLiteral("absent")});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.isEmpty());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

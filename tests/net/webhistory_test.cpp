// The HTML viewer's history rules without a window: positions, the Previous (two back) and Next
// targets, and the addresses of local pages.
#include "net/core/webhistory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

TEST(WebHistory, PositionsAndTargets)
{
    net::WebHistory history;
    EXPECT_EQ(history.record("a"), 0);
    EXPECT_EQ(history.record("b"), 1);
    EXPECT_EQ(history.record("c"), 2);
    EXPECT_EQ(history.record("b"), 1); // no duplicate
    EXPECT_EQ(history.addresses(), (QStringList{"a", "b", "c"}));

    const struct {
        const char *text;
        int position;
        bool back;
        bool forward;
        const char *previous;
        const char *next;
    } cases[] = {
        {"a", 0, false, true, "", "b"},
        {"b", 1, true, true, "", "c"},   // two back from the second position: none
        {"c", 2, true, false, "a", ""},  // two back, as the button's hint shows
        {"z", -1, false, true, "", "a"}, // not in the history: Next goes to the first
        {"A", -1, false, true, "", "a"}, // addresses are told apart by case
    };
    for (const auto &c : cases) {
        const int position = history.position(c.text);
        EXPECT_EQ(position, c.position) << c.text;
        EXPECT_EQ(history.canGoBack(position), c.back) << c.text;
        EXPECT_EQ(history.canGoForward(position), c.forward) << c.text;
        EXPECT_EQ(history.previousAddress(c.text), QString::fromLatin1(c.previous)) << c.text;
        EXPECT_EQ(history.nextAddress(c.text), QString::fromLatin1(c.next)) << c.text;
    }
}

TEST(WebHistory, LocalPageAddressesNameTheirFileWhenLoadedBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"index.htm", "une page.htm", "n#1?x=2.htm", "été 100%.htm"}) {
        const QString path = QDir(dir.path()).filePath(QString::fromUtf8(name));
        const QString address = net::localPageAddress(path);
        EXPECT_TRUE(address.startsWith(QLatin1String("file:///"))) << address.toStdString();
        EXPECT_EQ(QUrl::fromUserInput(address).toLocalFile(), path) << address.toStdString();
    }
    // A relative path is taken from the current folder.
    EXPECT_EQ(QUrl(net::localPageAddress(QStringLiteral("x.htm"))).toLocalFile(), QDir::current().filePath("x.htm"));
}

} // namespace

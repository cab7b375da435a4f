// The search over a text piece by piece finds what the search over its whole text finds, from
// every position, in every mode, whatever the size of the pieces and of the text's blocks.
#include "editor/core/documentsearch.h"
#include "editor/core/textsearch.h"

#include <gtest/gtest.h>


namespace {

TEST(DocumentSearch, FindsWhatTheWholeTextSearchFinds)
{
    const QStringList texts = {
        QStringLiteral("alpha beta\n\nAlphabet  alpha\nbeta alpha"),
        QStringLiteral("a\na\naa a\n\n a\n"),
        QStringLiteral("été alpha-beta\n  Beta\tbetabeta\nalpha"),
    };
    const QStringList patterns = {QStringLiteral("alpha"), QStringLiteral("a"), QStringLiteral("beta"),
                                  QStringLiteral("ph"), QStringLiteral("a b"), QStringLiteral("été")};
    for (const QString &text : texts) {
        editor::TextBuffer buffer(5);
        buffer.insert(0, text);
        const QString whole = buffer.toString();
        ASSERT_EQ(whole, text);
        for (const qsizetype pieceLength : {qsizetype(1), qsizetype(7), qsizetype(1) << 20}) {
            const editor::DocumentSearch search(buffer, pieceLength);
            for (int mode = 0; mode < 8; ++mode) {
                const editor::FindOptions options{(mode & 1) != 0, (mode & 2) != 0, (mode & 4) != 0};
                for (const QString &pattern : patterns) {
                    for (qsizetype start = 0; start <= whole.size(); ++start) {
                        for (const qsizetype selected : {qsizetype(0), qsizetype(2)}) {
                            if (start + selected > whole.size())
                                continue;
                            const auto where = [&] {
                                return testing::Message() << "text " << texts.indexOf(text) << ", piece "
                                                          << pieceLength << ", mode " << mode << ", pattern "
                                                          << pattern.toStdString() << ", selection " << start
                                                          << "+" << selected;
                            };
                            EXPECT_EQ(search.find(start, selected, pattern, options),
                                      editor::findText(whole, start, selected, pattern, options))
                                << where();
                            EXPECT_EQ(search.findSuccessive(start, selected, pattern, options),
                                      editor::findSuccessive(whole, start, selected, pattern, options))
                                << where();
                        }
                    }
                }
            }
        }
    }
}

} // namespace

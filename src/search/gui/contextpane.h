// The context preview under the results list: the lines around the match line the caret is
// on (three before, three after), read from the file when the caret gets there, the match line
// marked and the search string highlighted in it. The file is read off the window's thread; a
// slow file shows a waiting message, an unreadable one says so. Hidden, the pane does nothing.
#pragma once

#include "search/core/contextfetcher.h"
#include "search/core/matchspans.h"

#include <QFrame>

class QLabel;
class QPlainTextEdit;

namespace search {

class ResultsView;

class ContextPane : public QFrame {
    Q_OBJECT
public:
    /// A pane following the caret of \a list.
    explicit ContextPane(ResultsView *list, QWidget *parent = nullptr);
    /// The same, reading files with \a reader.
    ContextPane(ResultsView *list, ContextFetcher::Reader reader, QWidget *parent = nullptr);

    /// The file and line shown, or empty.
    QString caption() const;
    /// The lines shown, or the message shown instead.
    QString text() const;

    /// Background of the match line.
    static QColor matchLineBackground() { return QColor(0xE8, 0xE8, 0xE8); }

signals:
    /// The pane now shows the answer to the last question (lines or a message).
    void contextShown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    /// Asks for the context of the caret's line, or empties the pane when it is no match line.
    void followCaret();
    void showContext(const FileContext &context);
    void showMessage(const QString &message);
    void fitHeight();

    ResultsView *m_list;
    ContextFetcher *m_fetcher;
    QLabel *m_caption;
    QPlainTextEdit *m_text;
    MatchPattern m_pattern; ///< what the lines asked for were found with
};

} // namespace search

// Reads the context of a result line off the user-interface thread and hands back only the
// answer to the last question: a caret moved quickly over many lines costs a few reads, a
// file slow to read never holds the window, and a late answer to an older question is
// dropped. A read that takes too long is left to finish on its own while the next question
// gets a thread of its own, so one hung file does not stop the preview of the others.
#pragma once

#include "search/core/filecontext.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace search {

class ContextFetcher : public QObject {
    Q_OBJECT
public:
    /// Reads the context of line \a line in the file of the header \a header; called on a
    /// thread of its own, it must share nothing unguarded.
    using Reader = std::function<FileContext(const QString &header, qint64 line)>;

    /// Lines read around the asked line, before and after it.
    static constexpr int Around = 3;
    /// After this long without an answer, waiting() is told and the read is let go.
    static constexpr int SlowMilliseconds = 250;

    explicit ContextFetcher(QObject *parent = nullptr);
    explicit ContextFetcher(Reader reader, QObject *parent = nullptr);
    ~ContextFetcher() override;

    /// Asks for the context of line \a line of the file \a header names; ready() answers,
    /// unless another question comes first.
    void fetch(const QString &header, qint64 line);
    /// Forgets the question asked: no answer comes for it.
    void cancel();

signals:
    void ready(const search::FileContext &context);
    /// The answer to the last question is late.
    void waiting();

private:
    struct Mailbox;
    struct Question {
        QString header;
        qint64 line = 0;
        quint64 id = 0;
    };

    void start(const Question &question);
    void answered(quint64 id, const FileContext &context);

    Reader m_reader;
    std::shared_ptr<Mailbox> m_mailbox;
    QTimer m_slow;
    QElapsedTimer m_sinceStart; ///< since the read in flight started
    quint64 m_lastId = 0;       ///< the question whose answer is wanted
    quint64 m_inFlight = 0;     ///< the read running, 0 when none
    bool m_pending = false;     ///< m_next waits for the read in flight
    Question m_next;
};

} // namespace search

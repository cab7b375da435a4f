#include "search/core/contextfetcher.h"

#include <mutex>
#include <thread>

namespace search {

// What a reading thread reaches the fetcher through: the fetcher is gone once its destructor
// has cleared the owner under the lock, so a thread never posts to a destroyed object.
struct ContextFetcher::Mailbox {
    std::mutex lock;
    ContextFetcher *owner = nullptr;
};

ContextFetcher::ContextFetcher(QObject *parent)
    : ContextFetcher([](const QString &header, qint64 line) { return readHeaderContext(header, line, Around); },
                     parent)
{
}

ContextFetcher::ContextFetcher(Reader reader, QObject *parent)
    : QObject(parent), m_reader(std::move(reader)), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->owner = this;
    m_slow.setSingleShot(true);
    m_slow.setInterval(SlowMilliseconds);
    connect(&m_slow, &QTimer::timeout, this, [this] {
        // The read in flight is let go: the question waiting for it gets a thread now.
        if (m_pending)
            start(m_next);
        emit waiting();
    });
}

ContextFetcher::~ContextFetcher()
{
    const std::lock_guard guard(m_mailbox->lock);
    m_mailbox->owner = nullptr;
}

void ContextFetcher::fetch(const QString &header, qint64 line)
{
    const Question question{header, line, ++m_lastId};
    m_slow.start();
    if (m_inFlight != 0 && m_sinceStart.elapsed() < SlowMilliseconds) {
        m_next = question;
        m_pending = true;
        return;
    }
    start(question);
}

void ContextFetcher::cancel()
{
    ++m_lastId;
    m_pending = false;
    m_slow.stop();
}

void ContextFetcher::start(const Question &question)
{
    m_pending = false;
    m_inFlight = question.id;
    m_sinceStart.start();
    std::thread([reader = m_reader, mailbox = m_mailbox, question] {
        FileContext context = reader(question.header, question.line);
        const std::lock_guard guard(mailbox->lock);
        if (ContextFetcher *owner = mailbox->owner) {
            QMetaObject::invokeMethod(
                owner, [owner, id = question.id, context = std::move(context)] { owner->answered(id, context); },
                Qt::QueuedConnection);
        }
    }).detach();
}

void ContextFetcher::answered(quint64 id, const FileContext &context)
{
    if (id == m_inFlight)
        m_inFlight = 0;
    if (id == m_lastId) {
        m_slow.stop();
        emit ready(context);
    }
    if (m_pending && m_inFlight == 0)
        start(m_next);
}

} // namespace search

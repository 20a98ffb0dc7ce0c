#include "bandwise/finder/search_worker.h"

#include <QMetaObject>

namespace bandwise {

SearchWorker::SearchWorker(QObject* receiver)
    : m_receiver(receiver)
    , m_thread([this](std::stop_token stop) { run(std::move(stop)); })
{ }

SearchWorker::~SearchWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_current.request_stop();
    }
    m_thread.request_stop();
    m_thread.join();
}

void SearchWorker::start(Search search)
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::pair(++m_generation, std::move(search));
        m_current.request_stop();
    }
    m_wake.notify_one();
    if (!m_busy) {
        m_busy = true;
        if (onBusyChanged)
            onBusyChanged(true);
    }
}

void SearchWorker::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_generation;
        m_pending.reset();
        m_current.request_stop();
    }
    if (m_busy) {
        m_busy = false;
        if (onBusyChanged)
            onBusyChanged(false);
    }
}

void SearchWorker::run(std::stop_token workerStop)
{
    for (;;) {
        std::pair<unsigned, Search> next;
        std::stop_token stop;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, workerStop, [this] { return m_pending.has_value(); }))
                return;
            next = std::move(*m_pending);
            m_pending.reset();
            m_current = std::stop_source();
            stop = m_current.get_token();
        }
        std::function<void()> result = next.second(stop);
        if (stop.stop_requested())
            continue;
        QMetaObject::invokeMethod(
            m_receiver, [this, generation = next.first, result] { deliver(generation, result); }, Qt::QueuedConnection);
    }
}

void SearchWorker::deliver(unsigned generation, const std::function<void()>& result)
{
    // A result that a newer search overtook on its way is dropped: the newer one follows.
    if (generation != m_generation)
        return;
    m_busy = false;
    if (onBusyChanged)
        onBusyChanged(false);
    result();
}

}  // namespace bandwise

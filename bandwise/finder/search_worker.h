#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace bandwise {

// Runs one search at a time on a thread of its own, so that a long search never freezes the
// window. A new search stops the one in progress through its stop token instead of waiting for
// it; only the newest search's result reaches the window, on the window's thread.
class SearchWorker {
public:
    // A search runs on the worker's thread and returns what the window's thread then does with
    // its result.
    using Search = std::function<std::function<void()>(std::stop_token)>;

    // Results are delivered through the receiver's event loop; the receiver owns the worker, so
    // that its end waits for the search in progress before its pending events are dropped.
    explicit SearchWorker(QObject* receiver);
    ~SearchWorker();

    void start(Search search);
    // Stops the search in progress, whose result then never arrives.
    void stop();
    bool busy() const { return m_busy; }
    // Called on the window's thread whenever a search starts or its result arrives.
    std::function<void(bool busy)> onBusyChanged;

private:
    void run(std::stop_token workerStop);
    void deliver(unsigned generation, const std::function<void()>& result);

    QObject* m_receiver;
    unsigned m_generation = 0;  // the window thread's count of searches started
    bool m_busy = false;

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<std::pair<unsigned, Search>> m_pending;
    std::stop_source m_current;  // of the search in progress
    std::jthread m_thread;  // last, so that it ends before the members it uses
};

}  // namespace bandwise

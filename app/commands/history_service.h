#pragma once

// The training history for the window: one connection on a thread of its
// own, so that keeping the largest log or reading ten thousand workouts
// never holds the window still. Every call returns at once; what it finds
// comes back on the window's thread, in the order asked.
//
// The history is opened on first use, not at start-up: the window opens as
// fast as it did before there was a history.

#include "history/history_store.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace trevalo::app {

class HistoryService : public QObject {
    Q_OBJECT
public:
    explicit HistoryService(std::string path, QObject* parent = nullptr);
    // Finishes what was asked (a keep is never cut short), then stops.
    ~HistoryService() override;

    // "Keep every workout opened", remembered in the settings.
    bool keeping() const;
    void set_keeping(bool on);

    // Keeps the new workouts of a file that was loaded.
    void keep(std::shared_ptr<const records::RecordStore> store, std::vector<std::string> date_lines,
              const QString& file_name);

    // Runs `work` on the history (none when it cannot be opened, with the
    // reason) and hands its outcome to `done` on the window's thread, unless
    // `receiver` is gone by then.
    template <class T>
    void ask(QObject* receiver, std::function<T(history::HistoryStore*, const std::string& why)> work,
             std::function<void(T)> done)
    {
        post([this, receiver = QPointer<QObject>(receiver), work = std::move(work), done = std::move(done)](
                 history::HistoryStore* store, const std::string& why) {
            auto outcome = std::make_shared<T>(work(store, why));
            QMetaObject::invokeMethod(
                this,
                [receiver, done, outcome] {
                    if (receiver)
                        done(std::move(*outcome));
                },
                Qt::QueuedConnection);
        });
    }

signals:
    // Workouts were kept or forgotten.
    void changed();
    // Something the user should know, said once a run: the history was moved
    // aside, is only shown, or cannot be kept, and why.
    void told(const QString& text, bool refusal);

private:
    using Work = std::function<void(history::HistoryStore*, const std::string&)>;
    void post(Work work);
    void run();
    // On the history's thread.
    history::HistoryStore* opened(std::string& why);
    void tell(const std::string& text, bool refusal, bool& once);

    std::string path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Work> queue_;
    bool stopping_ = false;
    // The history's thread's own.
    std::unique_ptr<history::HistoryStore> store_;
    bool told_failure_ = false;
    bool told_notice_ = false;
    std::thread thread_;
};

}  // namespace trevalo::app

#include "app/commands/history_service.h"
#include "folders/settings_place.h"

#include <QDateTime>
#include <QSettings>

namespace trevalo::app {

namespace {

QSettings settings()
{
    return QSettings(folders::settings_format(), QSettings::UserScope, QStringLiteral("trevalo"),
                     QStringLiteral("trevalo"));
}

const QString kKeepKey = QStringLiteral("history/keep");

std::int64_t now_utc() { return QDateTime::currentSecsSinceEpoch(); }

}  // namespace

HistoryService::HistoryService(std::string path, QObject* parent)
    : QObject(parent), path_(std::move(path)), thread_([this] { run(); })
{
}

HistoryService::~HistoryService()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

bool HistoryService::keeping() const { return settings().value(kKeepKey, true).toBool(); }

void HistoryService::set_keeping(bool on) { settings().setValue(kKeepKey, on); }

void HistoryService::keep(std::shared_ptr<const records::RecordStore> store, std::vector<std::string> date_lines,
                          const QString& file_name)
{
    if (date_lines.empty())
        return;
    post([this, store = std::move(store), date_lines = std::move(date_lines), name = file_name.toStdString()](
             history::HistoryStore* history, const std::string& why) {
        if (!history)
            return tell(why, true, told_failure_);
        // A history from a later version was said to be only shown.
        if (history->read_only())
            return;
        const Result<history::KeepReport> kept = history->keep(*store, date_lines, name, now_utc());
        if (!kept)
            tell(kept.error(), true, told_failure_);
        else if (kept->added > 0)
            QMetaObject::invokeMethod(this, &HistoryService::changed, Qt::QueuedConnection);
    });
}

void HistoryService::post(Work work)
{
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
    }
    wake_.notify_one();
}

void HistoryService::run()
{
    for (;;) {
        Work work;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty())
                break;
            work = std::move(queue_.front());
            queue_.pop_front();
        }
        std::string why;
        history::HistoryStore* store = opened(why);
        work(store, why);
    }
    store_.reset();
}

history::HistoryStore* HistoryService::opened(std::string& why)
{
    // A history that could not be opened is tried again at each use: the
    // disk may have room again, the folder may have become writable.
    if (!store_) {
        Result<history::HistoryStore> opening = history::HistoryStore::open(path_, now_utc());
        if (!opening) {
            why = opening.error();
            return nullptr;
        }
        store_ = std::make_unique<history::HistoryStore>(std::move(opening).value());
        if (!store_->notice().empty())
            tell(store_->notice(), !store_->read_only(), told_notice_);
    }
    return store_.get();
}

void HistoryService::tell(const std::string& text, bool refusal, bool& once)
{
    // Each once a run: a history that cannot be kept would otherwise say so
    // at every file opened.
    if (std::exchange(once, true))
        return;
    QMetaObject::invokeMethod(
        this, [this, text = QString::fromStdString(text), refusal] { emit told(text, refusal); },
        Qt::QueuedConnection);
}

}  // namespace trevalo::app

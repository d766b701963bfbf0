#include "app/widgets/load_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>

namespace trevalo::app {

namespace {

constexpr int kSteps = 1000;
// Often enough that the window never looks frozen.
constexpr qint64 kRepaintEveryMs = 50;

}  // namespace

LoadProgress::LoadProgress(QWidget* window, QString label, std::uint64_t total, int delay_ms)
    : window_(window), label_(std::move(label)), total_(total), delay_ms_(delay_ms)
{
    started_.start();
}

LoadProgress::~LoadProgress() = default;

bool LoadProgress::advance(std::uint64_t done)
{
    const qint64 elapsed = started_.elapsed();
    if (!dialog_) {
        if (elapsed < delay_ms_) {
            if (elapsed - last_repaint_ms_ >= kRepaintEveryMs) {
                last_repaint_ms_ = elapsed;
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
            return true;
        }
        dialog_ = std::make_unique<QProgressDialog>(label_, QCoreApplication::translate("LoadProgress", "Cancel"), 0, kSteps, window_);
        dialog_->setObjectName(QStringLiteral("LoadProgress"));
        dialog_->setWindowTitle(QStringLiteral("TREVALO USB AP"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        dialog_->show();
    }
    // A file that grew since it was opened stays at the end of the bar.
    const auto step = total_ == 0 ? kSteps : static_cast<int>(std::min<std::uint64_t>(done, total_) * kSteps / total_);
    dialog_->setValue(step);
    // While the dialog is shown, only it takes the user's input.
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

}  // namespace trevalo::app

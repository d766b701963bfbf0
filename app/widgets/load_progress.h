#pragma once

// How far a long load has come, with a Cancel button. A load that ends
// within the delay shows nothing; until then the window is still repainted
// now and then, without taking the user's input in the middle of a load.

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <memory>

class QProgressDialog;
class QWidget;

namespace trevalo::app {

class LoadProgress {
public:
    LoadProgress(QWidget* window, QString label, std::uint64_t total, int delay_ms);
    ~LoadProgress();

    // `done` of `total` bytes read. Returns false once the user has cancelled.
    bool advance(std::uint64_t done);

private:
    QWidget* window_;
    QString label_;
    std::uint64_t total_;
    int delay_ms_;
    QElapsedTimer started_;
    qint64 last_repaint_ms_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace trevalo::app

#include "app/commands/threshold_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace trevalo::app {

namespace {

const QString kKey = QStringLiteral("import/threshold_seconds_per_km");
constexpr double kDefaultSecondsPerKm = 300;  // 5:00 a kilometre

QSpinBox* spin(QWidget* parent, const char* name, int from, int to, const QString& suffix)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(from, to);
    box->setSuffix(suffix);
    return box;
}

}  // namespace

std::optional<double> ask_threshold_pace(QWidget* parent, program::Unit unit)
{
    const bool miles = unit == program::Unit::MPH;
    const double metres = miles ? program::kMetresPerMile : 1000.0;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("trevalo"),
                       QStringLiteral("trevalo"));
    const double remembered = settings.value(kKey, kDefaultSecondsPerKm).toDouble();
    const long shown = std::lround(remembered * metres / 1000.0);

    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ThresholdDialog"));
    dialog.setWindowTitle(QStringLiteral("Threshold pace"));
    auto* text = new QLabel(QStringLiteral("The workout's speeds are parts of your threshold pace: the pace you "
                                           "can hold for about an hour.\n\nYour threshold pace, per %1:")
                                .arg(miles ? QStringLiteral("mile") : QStringLiteral("kilometre")),
                            &dialog);
    text->setWordWrap(true);
    QSpinBox* minutes = spin(&dialog, "Spin_threshold_min", 2, 30, QStringLiteral(" min"));
    QSpinBox* seconds = spin(&dialog, "Spin_threshold_sec", 0, 59, QStringLiteral(" s"));
    minutes->setValue(static_cast<int>(shown / 60));
    seconds->setValue(static_cast<int>(shown % 60));
    minutes->setAccessibleName(QStringLiteral("Minutes"));
    seconds->setAccessibleName(QStringLiteral("Seconds"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* pace = new QHBoxLayout;
    pace->addWidget(minutes);
    pace->addWidget(seconds);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addLayout(pace);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const double per_km = (minutes->value() * 60 + seconds->value()) * 1000.0 / metres;
    settings.setValue(kKey, per_km);
    return per_km;
}

}  // namespace trevalo::app

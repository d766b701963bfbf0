#include "app/commands/threshold_dialog.h"
#include "folders/settings_place.h"

#include <QCoreApplication>
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

struct PaceQuestion {
    const char* dialog_name;
    const char* minutes_name;
    const char* seconds_name;
    QString key;
    double default_s_per_km;
    QString title;
    QString text;  // %1: "mile" or "kilometre"
};

QSpinBox* spin(QWidget* parent, const char* name, int from, int to, const QString& suffix)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(from, to);
    box->setSuffix(suffix);
    return box;
}

std::optional<double> ask_pace(QWidget* parent, program::Unit unit, const PaceQuestion& question)
{
    const bool miles = unit == program::Unit::MPH;
    const double metres = miles ? program::kMetresPerMile : 1000.0;
    QSettings settings(folders::settings_format(), QSettings::UserScope, QStringLiteral("trevalo"),
                       QStringLiteral("trevalo"));
    const double remembered = settings.value(question.key, question.default_s_per_km).toDouble();
    const long shown = std::lround(remembered * metres / 1000.0);

    QDialog dialog(parent);
    dialog.setObjectName(QLatin1String(question.dialog_name));
    dialog.setWindowTitle(question.title);
    auto* text = new QLabel(question.text.arg(miles ? QCoreApplication::translate("PaceDialog", "mile") : QCoreApplication::translate("PaceDialog", "kilometre")), &dialog);
    text->setWordWrap(true);
    QSpinBox* minutes = spin(&dialog, question.minutes_name, 2, 30, QCoreApplication::translate("PaceDialog", " min"));
    QSpinBox* seconds = spin(&dialog, question.seconds_name, 0, 59, QCoreApplication::translate("PaceDialog", " s"));
    minutes->setValue(static_cast<int>(shown / 60));
    seconds->setValue(static_cast<int>(shown % 60));
    minutes->setAccessibleName(QCoreApplication::translate("PaceDialog", "Minutes"));
    seconds->setAccessibleName(QCoreApplication::translate("PaceDialog", "Seconds"));
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
    settings.setValue(question.key, per_km);
    return per_km;
}

}  // namespace

std::optional<double> ask_threshold_pace(QWidget* parent, program::Unit unit)
{
    return ask_pace(parent, unit,
                    {"ThresholdDialog", "Spin_threshold_min", "Spin_threshold_sec",
                     QStringLiteral("import/threshold_seconds_per_km"), 300,  // 5:00 a kilometre
                     QCoreApplication::translate("PaceDialog", "Threshold pace"),
                     QCoreApplication::translate("PaceDialog", "The workout's speeds are parts of your threshold pace: the pace you can hold for about an "
                        "hour.\n\nYour threshold pace, per %1:")});
}

std::optional<double> ask_steady_pace(QWidget* parent, program::Unit unit)
{
    return ask_pace(parent, unit,
                    {"SteadyPaceDialog", "Spin_pace_min", "Spin_pace_sec",
                     QStringLiteral("import/steady_seconds_per_km"), 400,  // 6:40 a kilometre: 9 km/h
                     QCoreApplication::translate("PaceDialog", "Steady pace"),
                     QCoreApplication::translate("PaceDialog", "The workout is a hill session: it gives the slopes, and you choose one pace to run them "
                        "all at.\n\nYour pace, per %1:")});
}

}  // namespace trevalo::app

#pragma once

// "Export…": writes the workout shown on the Record tab as a FIT, TCX or CSV
// file for fitness tools, whole or not at all.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace trevalo::records {
class RecordView;
}

namespace trevalo::app {

class ExportCommand : public QObject {
    Q_OBJECT
public:
    // `loaded_file` gives the record file shown, whose time of change stands
    // in for a start time that the workout's date line does not give.
    ExportCommand(QWidget* window, const records::RecordView& view, std::function<QString()> loaded_file);

    void Command_export_Click();

private:
    // Seconds since 1970 UTC; none when the user cancels.
    std::optional<qint64> start_utc(const std::string& header);

    QWidget* window_;
    const records::RecordView& view_;
    std::function<QString()> loaded_file_;
};

}  // namespace trevalo::app

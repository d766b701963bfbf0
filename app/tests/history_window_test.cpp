// The training history in the window: what opening a log keeps, the History
// window's tables, its buttons, and what a history that fails says.

#include "window_helpers.h"

#include "app/window/history_window.h"
#include "folders/settings_place.h"

#include <QCheckBox>
#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>

#include <sqlite3.h>

#include <memory>

namespace trevalo::app::testing {
namespace {

// A steady run: a sample a minute, its distance as the treadmill counts it.
void add_run(records::testing::RecordFile& file, const std::string& date, const char* unit, double speed, int minutes)
{
    file.header(date).weight("160", unit);
    for (int k = 0; k <= minutes; ++k) {
        char minute[16], distance[16], shown[16];
        std::snprintf(minute, sizeof minute, "%02d", k);
        std::snprintf(distance, sizeof distance, "%4.2f", speed * k / 60);
        std::snprintf(shown, sizeof shown, "%4.1f", speed);
        file.sample({minute, "00", "010", "120", "00", distance, shown});
    }
}

// Monday and Sunday of ISO week 2026-W49; a 6 MPH run and an 8 km/h one.
std::string first_log()
{
    records::testing::RecordFile file;
    add_run(file, "2026/11/30 18:00", "LBS", 6, 40);
    add_run(file, "2026/12/06 18:00", "KG", 8, 31);
    return file.text();
}

std::string second_log()
{
    records::testing::RecordFile file;
    add_run(file, "2026/12/02 07:00", "KG", 9, 20);
    return first_log() + file.text();
}

class History : public ::testing::Test {
public:
    void SetUp() override
    {
        // An empty path would name the working folder, which a row empties.
        ASSERT_TRUE(data.isValid() && folder.isValid());
        start();
    }
    void TearDown() override
    {
        window.reset();
        QSettings(folders::settings_format(), QSettings::UserScope, "trevalo", "trevalo").remove("history");
    }

    void start(const QString& data_home = {})
    {
        const QByteArray home = (data_home.isEmpty() ? data.path() : data_home).toLocal8Bit();
        qputenv("XDG_DATA_HOME", home);  // where Linux keeps the history
        qputenv("LOCALAPPDATA", home);   // and Windows
        window = std::make_unique<Form1>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QString history_path() const { return data.filePath("trevalo/history.sqlite"); }

    QString write(const QString& name, const std::string& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }

    // Opens the log as the command line does; returns the history's message,
    // which comes a moment after the workouts are shown, if one does.
    QString open(const QString& path, bool message_expected = false)
    {
        QString message;
        answering(
            [&] {
                window->open_path(path);
                if (message_expected) {
                    EXPECT_TRUE(QTest::qWaitFor([&] { return !message.isEmpty(); }, 10000));
                }
            },
            {read_message(&message)});
        return message;
    }

    // The History window, its tables read from the history as it now is.
    HistoryWindow* history()
    {
        if (!window->findChild<HistoryWindow*>())
            click(*window, "Command_history");  // shown, it reads the history
        else
            window->findChild<HistoryWindow*>()->refresh();
        auto* shown = window->findChild<HistoryWindow*>();
        if (shown) {
            EXPECT_TRUE(QSignalSpy(shown, &HistoryWindow::refreshed).wait(10000));
        }
        return shown;
    }

    QStringList column(QWidget* w, const char* table, int c)
    {
        QStringList cells;
        auto* view = control<QTableView>(*w, table);
        for (int r = 0; r < view->model()->rowCount(); ++r)
            cells.append(view->model()->index(r, c).data().toString());
        return cells;
    }

    QTemporaryDir data, folder;
    std::unique_ptr<Form1> window;
};

TEST_F(History, KeepsEachWorkoutOnceAndShowsTablesBestsAndTotals)
{
    EXPECT_EQ(open(write("first.cus", first_log())), QString());
    HistoryWindow* w = history();
    ASSERT_TRUE(w);
    // The latest workout was recorded in km: the whole window reads km.
    EXPECT_EQ(text(*w, "Combo_history_unit"), "KM");
    EXPECT_EQ(column(w, "Table_history", 0), QStringList({"2026/12/06 18:00", "2026/11/30 18:00"}));
    EXPECT_EQ(column(w, "Table_history", 2), QStringList({"4.13", "6.44"}));
    EXPECT_EQ(column(w, "Table_history", 8), QStringList({"first.cus", "first.cus"}));
    EXPECT_EQ(column(w, "Table_history_periods", 0), QStringList({"2026-W49"}));
    EXPECT_EQ(column(w, "Table_history_periods", 1), QStringList({"2"}));
    EXPECT_EQ(text(*w, "Label_history_totals"), "2 workouts, 10.57 km, 1:11:00, 0 m climbed");
    EXPECT_EQ(column(w, "Table_bests", 1),
              QStringList({"6.44 km", "40:00", "\u2013", "6:13", "10:00", "31:04", "\u2013", "\u2013"}));
    EXPECT_EQ(column(w, "Table_bests", 2)[5], "2026/11/30 18:00");

    control<QComboBox>(*w, "Combo_history_period")->setCurrentIndex(1);
    emit control<QComboBox>(*w, "Combo_history_period")->activated(1);
    ASSERT_TRUE(QSignalSpy(w, &HistoryWindow::refreshed).wait(10000));
    EXPECT_EQ(column(w, "Table_history_periods", 0), QStringList({"2026-12", "2026-11"}));

    // The same log again adds nothing; a later one with a new workout, that one.
    open(write("again.cus", first_log()));
    EXPECT_EQ(history()->findChild<QTableView*>("Table_history")->model()->rowCount(), 2);
    open(write("second.cus", second_log()));
    EXPECT_EQ(column(history(), "Table_history", 0),
              QStringList({"2026/12/06 18:00", "2026/12/02 07:00", "2026/11/30 18:00"}));
}

TEST_F(History, ABestChoosesItsWorkoutWhichMakesTheProgramTheRecordTabMakes)
{
    open(write("first.cus", first_log()));
    HistoryWindow* w = history();
    QSignalSpy shown(w, &HistoryWindow::workoutShown);
    auto* bests = control<QTableWidget>(*w, "Table_bests");
    bests->scrollToItem(bests->item(5, 0));
    QTest::mouseClick(bests->viewport(), Qt::LeftButton, {}, bests->visualItemRect(bests->item(5, 0)).center());
    ASSERT_TRUE(shown.wait(10000));
    EXPECT_EQ(control<QTableView>(*w, "Table_history")->currentIndex().siblingAtColumn(0).data().toString(),
              "2026/11/30 18:00");

    const auto program = [this] {
        const editor::EditState& s = window->edit_model().state();
        return std::tuple(s.set_min, s.seg_no, s.seg_s, s.seg_i, s.set_weight);
    };
    const auto before = program();
    QString note;
    answering(clicking(*w, "Command_history_make"), {read_message(&note)});
    const auto from_history = program();
    EXPECT_NE(from_history, before);
    // The same workout on the Record tab, made a program there.
    control<QComboBox>(*window, "Combo_date")->setCurrentIndex(0);
    emit control<QComboBox>(*window, "Combo_date")->activated(0);
    answering(clicking(*window, "Command_make"), {read_message(&note)});
    EXPECT_EQ(program(), from_history);
}

TEST_F(History, ForgottenStaysForgottenAndTheSwitchKeepsNothing)
{
    open(write("first.cus", first_log()));
    HistoryWindow* w = history();
    auto* table = control<QTableView>(*w, "Table_history");
    table->selectRow(0);
    QString question;
    answering(clicking(*w, "Command_history_forget"), {[&](QWidget* box) {
                  question = qobject_cast<QMessageBox*>(box)->text();
                  press(QMessageBox::Yes)(box);
              }});
    EXPECT_TRUE(question.startsWith("Forget 1 workout")) << question.toStdString();
    ASSERT_TRUE(QSignalSpy(w, &HistoryWindow::refreshed).wait(10000));
    EXPECT_EQ(column(w, "Table_history", 0), QStringList({"2026/11/30 18:00"}));
    open(write("again.cus", first_log()));
    EXPECT_EQ(column(history(), "Table_history", 0), QStringList({"2026/11/30 18:00"}));

    // Off: nothing new is kept, and the history is still shown.
    click(*w, "Check_keep_history");
    EXPECT_FALSE(control<QCheckBox>(*w, "Check_keep_history")->isChecked());
    open(write("second.cus", second_log()));
    EXPECT_EQ(column(history(), "Table_history", 0), QStringList({"2026/11/30 18:00"}));

    // Export All: the whole history, one row per workout.
    const QString csv = folder.filePath("history.csv");
    QString message;
    answering(
        [&] {
            click(*w, "Command_history_csv");
            EXPECT_TRUE(QTest::qWaitFor([&] { return !message.isEmpty(); }, 10000));
        },
        {choose(csv), read_message(&message)});
    EXPECT_TRUE(message.contains("Success")) << message.toStdString();
    EXPECT_EQ(contents(csv).count('\n'), 2);
}

void set_version(const QString& path, int version)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toLocal8Bit().constData(), &db), SQLITE_OK);
    const std::string sql = "CREATE TABLE t(x); PRAGMA user_version = " + std::to_string(version);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// Whatever the history's fault, the log opens and shows, and one message says
// what became of the history.
TEST_F(History, AFailingHistoryNeverKeepsALogFromShowing)
{
    const struct {
        const char* name;
        std::function<QString(History&)> prepare;  // the data folder to start with
        const char* said;
        int rows_then;  // in the History window afterwards; -1: it cannot be read
    } rows[] = {
        {"not SQLite",
         [](History& t) {
             QDir().mkpath(t.data.filePath("trevalo"));
             QFile file(t.history_path());
             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("this is no database, only some text that was here before\n");
             return t.data.path();
         },
         "could not be read", 2},
        {"a folder that cannot be made",
         [](History& t) { return t.write("plain_file", "a file where a folder should be"); },
         "cannot be kept", -1},
        {"written by a later version",
         [](History& t) {
             QDir().mkpath(t.data.filePath("trevalo"));
             set_version(t.history_path(), 99);
             return t.data.path();
         },
         "later version", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window.reset();
        ASSERT_FALSE(data.path().isEmpty());
        QDir(data.path()).removeRecursively();
        QDir().mkpath(data.path());
        start(row.prepare(*this));
        const QByteArray before = contents(history_path());

        const QString said = open(write("first.cus", first_log()), true);
        EXPECT_TRUE(said.contains(row.said)) << said.toStdString();
        EXPECT_EQ(control<QComboBox>(*window, "Combo_date")->count(), 2);
        HistoryWindow* w = history();
        ASSERT_TRUE(w);
        const int rows_shown = control<QTableView>(*w, "Table_history")->model()->rowCount();
        EXPECT_EQ(rows_shown, std::max(row.rows_then, 0));
        if (row.rows_then < 0) {
            EXPECT_TRUE(text(*w, "Label_history_totals").contains("cannot be kept"));
        }
        if (std::string(row.name) == "not SQLite") {
            EXPECT_EQ(QDir(data.filePath("trevalo")).entryList({"history.sqlite.broken-*"}).size(), 1);
        }
        if (std::string(row.name) == "written by a later version") {
            EXPECT_EQ(contents(history_path()), before);
            control<QTableView>(*w, "Table_history")->selectAll();
            EXPECT_FALSE(control(*w, "Command_history_forget")->isEnabled());
        }
    }
}

}  // namespace
}  // namespace trevalo::app::testing

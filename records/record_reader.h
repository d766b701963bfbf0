#pragma once

// Reads a workout record file into the record store. The file is text of
// single-byte characters; a line's length alone says what it is:
//   16  a header: opens a new record, its text is the workout's date and time
//    6  the record's weight (3) and unit marker (3)
//   26  one sample: minutes, seconds, calories, pulse, incline, distance, speed
// Other lines are skipped. Lines end at CR LF, LF or a lone CR.
//
// The reader is fed the file in chunks of any size, so that a large file is
// never held whole in memory.

#include "base/result.h"
#include "records/record_store.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::records {

// The longest line that is not skipped: a sample line.
inline constexpr std::size_t kLongestLine = 26;

class RecordReader {
public:
    // Fills a new store, which starts zeroed; `names` receives one header
    // text per record.
    RecordReader(RecordStore& store, std::vector<std::string>& names);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Reads the next part of the file. Once the load has failed, says why,
    // where: "Line 12, speed: not a number."; later chunks are then ignored.
    Result<void> feed(std::string_view chunk);
    // Reads what is left after the last chunk and closes the last record.
    Result<void> finish();

    // How the load went so far: the failure that ended it, if any.
    const Result<void>& outcome() const { return outcome_; }
    int records() const { return r_; }

private:
    void keep_partial(const char* begin, const char* end);
    void take_partial();
    void take_line(std::string_view line);
    void header_line(std::string_view line);
    void weight_line(std::string_view line);
    void sample_line(std::string_view line);
    template <int width, typename FromTable, typename Formula>
    bool read_level(std::string_view line, std::size_t position, const char* name, std::int16_t& level,
                    FromTable from_table, Formula formula);
    void finish_record(int q);
    // Closes the record being read.
    void settle();
    struct Running {
        double calories, distance, time;
    };
    static Running running(std::string_view sample_line);
    // Ends the load at the line being read, for `reason`, in `field` if one.
    // Both texts marked for translation in the "records" context.
    void fail(const char* reason, const char* field = nullptr);
    // Ends the load, saying why.
    void give_up(std::string message);

    RecordStore& store_;
    std::vector<std::string>& names_;
    const class LevelTables& tables_;
    Result<void> outcome_;

    // The start of a line that a chunk cut off: never more of it than tells
    // the line's kind, so that a file without line ends costs no memory.
    std::array<char, kLongestLine + 1> partial_{};
    std::size_t partial_length_ = 0;  // the whole length, also past what is kept
    bool after_cr_ = false;   // the last chunk ended in CR: a leading LF belongs to it
    bool any_input_ = false;
    bool settled_ = false;
    int line_no_ = 0;

    bool imperial_ = false;  // the current record's marker is "LBS"
    int r_ = 0;  // records begun
    int n_ = 0;  // samples of the current record
    // The running readings of the current record's first and latest sample
    // when they were of another shape; the usual ones are read back from the
    // store when the record closes, which spares a million conversions.
    Running first_{}, last_{};
    bool first_kept_ = false, last_kept_ = false;  // whether first_ and last_ hold them
};

// Reads a whole file held in memory.
Result<void> read_records(std::string_view file, RecordStore& store, std::vector<std::string>& names);

}  // namespace trevalo::records

#include "imports/import_formats.h"
#include "imports/outside_file.h"
#include "imports/workout_import.h"
#include "imports/xml_root.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trevalo::imports {
namespace {

// The bytes tell first, whatever the name; a name tells only when the bytes
// do not, so that its reader can say what is wrong with the file.
TEST(ImportFormats, TheBytesTellTheFormatElseTheSuffix)
{
    const std::string fit_header("\x0E\x10\x00\x00\x00\x00\x00\x00.FIT\x00\x00", 14);
    const char* none = "";
    for (const auto& [bytes, name, suffix] : {
             std::tuple{fit_header, "run.zwo", "fit"},
             {"\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- Zwift -->\n<workout_file>", "a.txt", "zwo"},
             {"<!DOCTYPE x><?pi?>\r\n\t<z:workout_file xmlns:z=\"u\"/>", "b", "zwo"},
             {"<html/>", "c.zwo", "zwo"},
             {"<?xml version=\"1.0\"?><TrainingCenterDatabase xmlns=\"x\">", "run.zwo", "tcx"},
             {"<gpx/>", "run.TCX", "tcx"},
             {"no FIT file at all", "text.FIT", "fit"},
             {"<workout_filex/>", "d.xml", none},
             {"<!-- never closed <workout_file>", "e", none},
             {"", "f", none},
         }) {
        const ImportFormat* format = import_format_for(bytes, name);
        EXPECT_EQ(format ? format->suffix : none, std::string_view(suffix)) << name;
    }
}

TEST(ImportFormats, AFileNoRowTellsIsRefusedNamingTheFormats)
{
    const auto read = read_workout_file("hello", "notes.txt");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), "This is not a workout file this tool can import: it is none of FIT files, TCX files or "
                            "Zwift workouts.");
}

// A file from the command line or a drop goes where its bytes say, the
// suffix telling only a damaged workout file from a log.
TEST(OutsideFile, GoesWhereItsBytesSay)
{
    using enum OutsideFile;
    const std::string fit("\x0E\x10\x00\x00\x10\x00\x00\x00.FIT\x00\x00", 14);
    std::string program(65, '\x01');
    program.back() = '\0';
    const std::string log = "[2026/03/01 07:30]\nWeight,160,LBS\n";
    for (const auto& [head, size, name, kind] : {
             std::tuple{fit, std::uint64_t{4000}, "run.fit", Workout},
             {"<workout_file><sportType>run</sportType>", 40, "plan.xml", Workout},
             {program, 65, "hills.cus", Program},
             {program, 65, "hills.fit", Program},  // a program's shape beats a suffix
             {program.substr(0, 64) + "\x01", 65, "hills.cus", Records},  // not ending in 0
             {program, 66, "hills.cus", Records},  // the head of a longer file
             {"no FIT file at all", 18, "broken.FIT", Workout},  // IMPORT says what is wrong with it
             {"", 0, "plan.zwo", Workout},  // could not be read: IMPORT says why
             {log, log.size(), "QM20_REC.cus", Records},
         }) {
        EXPECT_EQ(outside_file_kind(head, size, name), kind) << name << " " << head.size();
    }
}

}  // namespace
}  // namespace trevalo::imports

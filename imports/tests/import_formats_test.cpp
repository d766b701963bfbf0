#include "imports/import_formats.h"
#include "imports/workout_import.h"
#include "imports/xml_root.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trevalo::imports {
namespace {

TEST(ImportFormats, TheDialogsFiltersComeFromTheRows)
{
    const std::vector<std::string> expected{"Workouts (*.fit *.tcx *.zwo)", "FIT files (*.fit)", "TCX files (*.tcx)",
                                          "Zwift workouts (*.zwo)"};
    EXPECT_EQ(import_filters(), expected);
}

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
    EXPECT_EQ(read.error(), "This is not a workout file this tool can import: it is none of FIT files, TCX files or Zwift workouts.");
}

}  // namespace
}  // namespace trevalo::imports

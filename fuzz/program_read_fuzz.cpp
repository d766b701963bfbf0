// Any bytes given as a program file, read under every model, unit and mode:
// refused with words, or read into a program of offered values; and a
// program read once, chosen in the editor and saved, reads back the same.

#include "editor/edit_model.h"
#include "editor/edit_program.h"
#include "fuzz/fuzz_check.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"

#include <cstddef>
#include <cstdint>

using namespace trevalo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    for (const program::Settings& s : program::kAllSettings) {
        const Result<program::Program> read = program_file::read_program(bytes, s);
        check(read.ok() == read.error().empty());
        if (!read)
            continue;
        check(program_file::has_program_shape(bytes));
        check(program::is_offered(*read));
        editor::EditModel m;
        m.Form_Load();
        editor::restore(m, *read);
        check(editor::program_of(m) == *read);
        const auto again = program_file::read_program(program_file::program_bytes(editor::program_of(m)), s);
        check(again && *again == *read);
    }
    return 0;
}

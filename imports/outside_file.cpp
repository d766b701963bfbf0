#include "imports/outside_file.h"

#include "imports/import_formats.h"
#include "program_file/program_file.h"
#include "program_file/program_reader.h"

#include <span>

namespace trevalo::imports {

OutsideFile outside_file_kind(std::string_view head, std::uint64_t size, std::string_view file_name)
{
    for (const ImportFormat& format : import_formats())
        if (format.recognises(head))
            return OutsideFile::Workout;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(head.data());
    if (size == program_file::kFileSize && head.size() == size &&
        program_file::has_program_shape(std::span(bytes, head.size())))
        return OutsideFile::Program;
    if (import_format_for({}, file_name))
        return OutsideFile::Workout;
    return OutsideFile::Records;
}

}  // namespace trevalo::imports

#pragma once

// A file name's suffix as the dialogs and formats compare it: what follows
// the last dot of the last path component, in lower case ("Run.FIT" gives
// "fit"); empty when there is none.

#include <string>
#include <string_view>

namespace trevalo {

inline std::string file_suffix(std::string_view file_name)
{
    const auto slash = file_name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        file_name.remove_prefix(slash + 1);
    const auto dot = file_name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    std::string suffix;
    for (char c : file_name.substr(dot + 1))
        suffix += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return suffix;
}

}  // namespace trevalo

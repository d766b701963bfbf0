#include "history/history_store.h"
#include "history/places.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace trevalo::history {

std::string default_history_path()
{
    return default_history_path(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

bool may_create_in(const std::string& folder, std::string& why)
{
    if (::access(folder.c_str(), W_OK) == 0)
        return true;
    why = std::strerror(errno);
    return false;
}

}  // namespace trevalo::history

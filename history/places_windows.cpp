#include "history/history_store.h"
#include "history/places.h"

#include <windows.h>

#include <string>

namespace trevalo::history {

namespace {

std::string utf8(const wchar_t* text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace

// The local, not the roaming, application data: a history grows with every
// workout and belongs to the machine its sticks are read on.
std::string default_history_path()
{
    const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
    const std::string base = local && *local ? utf8(local) : std::string(".");
    return base + "\\trevalo\\history.sqlite";
}

// Windows keeps who may write a folder in its access lists, which no cheap
// call reads; SQLite's own failure then says the rest.
bool may_create_in(const std::string&, std::string&) { return true; }

}  // namespace trevalo::history

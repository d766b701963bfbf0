#include "imports/xml_root.h"

#include <cctype>

namespace trevalo::imports {

namespace {

// A root element further in than this is no file these formats write.
constexpr std::size_t kLookAhead = 64 << 10;

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string xml_root_name(std::string_view bytes)
{
    bytes = bytes.substr(0, kLookAhead);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    for (;;) {
        while (!bytes.empty() && is_space(bytes.front()))
            bytes.remove_prefix(1);
        if (!bytes.starts_with('<'))
            return {};
        std::string_view close;
        if (bytes.starts_with("<?"))
            close = "?>";
        else if (bytes.starts_with("<!--"))
            close = "-->";
        else if (bytes.starts_with("<!"))
            close = ">";  // a document type declaration without an internal subset
        else
            break;
        const auto end = bytes.find(close);
        if (end == std::string_view::npos)
            return {};
        bytes.remove_prefix(end + close.size());
    }
    bytes.remove_prefix(1);
    std::string name;
    for (char c : bytes) {
        if (is_space(c) || c == '>' || c == '/')
            break;
        if (c == ':')
            name.clear();  // the prefix names a namespace, not the element
        else
            name += c;
    }
    return name;
}

}  // namespace trevalo::imports

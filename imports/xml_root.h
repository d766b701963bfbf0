#pragma once

// The name of an XML document's first element, read from its first bytes
// without parsing the rest: enough to tell a TCX file from a ZWO file before
// either reader runs.

#include <string>
#include <string_view>

namespace trevalo::imports {

// "TrainingCenterDatabase", "workout_file"; a namespace prefix is dropped.
// Empty when the bytes do not start as XML does (after a byte order mark,
// white space, the declaration, comments, processing instructions and a
// document type declaration) within their first 64 KiB.
std::string xml_root_name(std::string_view bytes);

}  // namespace trevalo::imports

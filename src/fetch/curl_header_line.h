// A request header in the form libcurl's header list takes.
//
// Contract: `curlHeaderLine` gives "Name: value", or "Name;" for an empty value (the form
// that makes libcurl send the header with nothing after its colon). It gives nothing for a
// name that is empty and for a name or value holding a CR or LF, which would otherwise
// smuggle further header lines into the request. Thread safety: a pure function.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvqi {

std::optional<std::string> curlHeaderLine(std::string_view name, std::string_view value);

}  // namespace zorvqi

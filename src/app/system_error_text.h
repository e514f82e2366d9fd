#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::app {

// The system's message for an error number (an errno value), on one line;
// none for a number the system has no message for.
std::optional<std::string> systemErrorText(int errorCode);

// The text with every carriage return and line feed removed (not replaced).
std::string withoutLineBreaks(std::string_view text);

}  // namespace velmora::app

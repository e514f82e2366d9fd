#pragma once

#include <optional>
#include <string>

namespace velmora::platform {

// The system's text for an errno value (in the user's language where the C
// library has one); none for a value the system does not know.
std::optional<std::string> errorText(int errorNumber);

}  // namespace velmora::platform

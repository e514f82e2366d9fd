#include "platform/system_error.h"

#include <array>
#include <cstring>

namespace velmora::platform {

std::optional<std::string> errorText(int errorNumber) {
    // strerrordesc_np tells known numbers from unknown ones (for which the
    // text would be a made-up "Unknown error N"); strerror_r gives the text
    // in the user's language.
    if (strerrordesc_np(errorNumber) == nullptr) {
        return std::nullopt;
    }
    std::array<char, 512> buffer{};
    return std::string(strerror_r(errorNumber, buffer.data(), buffer.size()));
}

}  // namespace velmora::platform

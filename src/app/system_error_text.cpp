#include "app/system_error_text.h"

#include <algorithm>

#include "platform/system_error.h"

namespace velmora::app {

std::optional<std::string> systemErrorText(int errorCode) {
    const std::optional<std::string> text = platform::errorText(errorCode);
    if (!text) {
        return std::nullopt;
    }
    return withoutLineBreaks(*text);
}

std::string withoutLineBreaks(std::string_view text) {
    std::string line;
    std::copy_if(text.begin(), text.end(), std::back_inserter(line),
                 [](char c) { return c != '\r' && c != '\n'; });
    return line;
}

}  // namespace velmora::app

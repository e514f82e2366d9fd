#include "catalogue/output_format.h"

#include <algorithm>
#include <cctype>

namespace velmora::catalogue {

void resetFormat(OutputFormat& format) {
    format = OutputFormat{};
}

std::string formatLabel(const OutputFormat& format) {
    const std::string extension = format.extension != nullptr ? format.extension : "";
    if (format.description != nullptr) {
        return std::string(format.description) + " (*." + extension + ")";
    }
    std::string upper = extension;
    std::ranges::transform(upper, upper.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

bool usesTheoraTool(const OutputFormat& format) {
    constexpr int kTheoraToolIds[] = {135, 145, 155};
    return std::ranges::find(kTheoraToolIds, format.id) != std::end(kTheoraToolIds);
}

}  // namespace velmora::catalogue

#include "app/tool_paths.h"

#include <climits>

#include "platform/files.h"

namespace velmora::app {

namespace {

std::string toolPath(std::string_view programFolder, std::string_view toolName) {
    return std::string(programFolder) + std::string(toolName);
}

}  // namespace

std::optional<std::string> moduleFolder(std::size_t resultLength) {
    const std::optional<std::string> executable = platform::executablePath();
    if (!executable || resultLength == 0) {
        return std::nullopt;
    }
    const std::size_t slash = executable->rfind('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    return executable->substr(0, std::min(slash + 1, resultLength - 1));
}

std::string programFolder() {
    return moduleFolder(PATH_MAX).value_or("");
}

std::string converterToolPath(std::string_view programFolder) {
    return toolPath(programFolder, kConverterToolName);
}

std::string theoraToolPath(std::string_view programFolder) {
    return toolPath(programFolder, kTheoraToolName);
}

}  // namespace velmora::app

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::app {

inline constexpr std::string_view kConverterToolName = "quvex";
inline constexpr std::string_view kTheoraToolName = "thcvt";

// The folder of the running executable, ending with '/', cut to at most
// resultLength - 1 bytes; none when the executable's path cannot be read or
// holds no '/'.
std::optional<std::string> moduleFolder(std::size_t resultLength);

// The folder every tool runs in: moduleFolder, or "" when it cannot be found.
std::string programFolder();

// The tools beside the executable; just their names when the folder is "".
std::string converterToolPath(std::string_view programFolder);
std::string theoraToolPath(std::string_view programFolder);

}  // namespace velmora::app

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::app {

// Path splitting (at '/') and file tests shared by the whole program.

// The text after the last '/', or the whole path when it holds none.
std::string fileNamePart(std::string_view path);

// The last '.' of the file-name part and what follows; none without a '.'.
std::optional<std::string> extensionPart(std::string_view path);

// The path up to and including its last '/'; none when it holds no '/'.
// Only the first PATH_MAX - 1 bytes of the path are looked at.
std::optional<std::string> folderPart(std::string_view path);

// The size of what is at the path (symbolic links followed); none when its
// attributes cannot be read.
std::optional<std::uint64_t> fileSize64(std::string_view path);
// The low 32 bits of that size.
std::optional<std::uint32_t> fileSizeLow(std::string_view path);

bool pathExists(std::string_view path);        // a file or a folder
bool isExistingFile(std::string_view path);    // exists and is not a folder
bool isExistingFolder(std::string_view path);  // exists and is a folder

// True for an existing folder; otherwise createFolderChain when create is set.
bool ensureFolder(std::string_view path, bool create);

// Creates every missing folder of the path, from the root down. Each step that
// exists must be a folder. A path ending with '/' ends at its last folder;
// otherwise its last part is a folder too.
bool createFolderChain(std::string_view path);

}  // namespace velmora::app

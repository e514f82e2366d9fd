#include "app/path_helpers.h"

#include <climits>

#include "platform/files.h"

namespace velmora::app {

std::string fileNamePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::optional<std::string> extensionPart(std::string_view path) {
    const std::string name = fileNamePart(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return std::nullopt;
    }
    return name.substr(dot);
}

std::optional<std::string> folderPart(std::string_view path) {
    const std::string_view looked = path.substr(0, PATH_MAX - 1);
    const std::size_t slash = looked.rfind('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(looked.substr(0, slash + 1));
}

std::optional<std::uint64_t> fileSize64(std::string_view path) {
    const auto attributes = platform::fileAttributes(path);
    if (!attributes) {
        return std::nullopt;
    }
    return attributes->size;
}

std::optional<std::uint32_t> fileSizeLow(std::string_view path) {
    const auto size = fileSize64(path);
    if (!size) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*size);
}

bool pathExists(std::string_view path) {
    return platform::fileAttributes(path).has_value();
}

bool isExistingFile(std::string_view path) {
    const auto attributes = platform::fileAttributes(path);
    return attributes && !attributes->isFolder;
}

bool isExistingFolder(std::string_view path) {
    const auto attributes = platform::fileAttributes(path);
    return attributes && attributes->isFolder;
}

bool ensureFolder(std::string_view path, bool create) {
    return isExistingFolder(path) || (create && createFolderChain(path));
}

bool createFolderChain(std::string_view path) {
    return platform::createFolderChain(path);
}

}  // namespace velmora::app

#include "platform/files.h"

#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <fcntl.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace velmora::platform {

namespace {

std::string terminated(std::string_view path) {
    return std::string(path);
}

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<std::string> homeFolder() {
    if (auto home = environmentValue("HOME")) {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    if (entry == nullptr || entry->pw_dir == nullptr || *entry->pw_dir == '\0') {
        return std::nullopt;
    }
    return std::string(entry->pw_dir);
}

// The value of XDG_DOCUMENTS_DIR in a user-dirs.dirs file: a line
// XDG_DOCUMENTS_DIR="$HOME/…" or XDG_DOCUMENTS_DIR="/absolute/…".
std::optional<std::string> documentsEntry(const std::string& userDirsFile,
                                          const std::string& home) {
    std::ifstream file(userDirsFile);
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    constexpr std::string_view kHome = "$HOME";
    for (std::string line; std::getline(file, line);) {
        if (!line.starts_with(kKey)) {
            continue;
        }
        std::string_view value(line);
        value.remove_prefix(kKey.size());
        const std::size_t end = value.find('"');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        value = value.substr(0, end);
        if (value.starts_with(kHome)) {
            return home + std::string(value.substr(kHome.size()));
        }
        if (value.starts_with('/')) {
            return std::string(value);
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileAttributes> fileAttributes(std::string_view path) {
    struct stat info {};
    if (stat(terminated(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileAttributes{S_ISDIR(info.st_mode), static_cast<std::uint64_t>(info.st_size),
                          info.st_mtim};
}

bool entryExists(std::string_view path) {
    struct stat info {};
    return lstat(terminated(path).c_str(), &info) == 0;
}

std::optional<std::string> executablePath() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool createFolder(std::string_view path) {
    return mkdir(terminated(path).c_str(), 0777) == 0;
}

bool createFolderChain(std::string_view path) {
    for (std::size_t slash = path.find('/'); slash != std::string_view::npos;
         slash = path.find('/', slash + 1)) {
        // The empty step before a leading '/' is the root, which exists.
        const std::string_view step = slash == 0 ? std::string_view("/") : path.substr(0, slash);
        if (auto attributes = fileAttributes(step)) {
            if (!attributes->isFolder) {
                return false;
            }
        } else if (!createFolder(step)) {
            return false;
        }
    }
    if (path.empty() || path.ends_with('/')) {
        return !path.empty();
    }
    if (auto attributes = fileAttributes(path)) {
        return attributes->isFolder;
    }
    return createFolder(path);
}

bool deleteFile(std::string_view path) {
    return unlink(terminated(path).c_str()) == 0;
}

std::string temporaryFolder() {
    std::string folder = environmentValue("TMPDIR").value_or("/tmp");
    if (!folder.ends_with('/')) {
        folder.push_back('/');
    }
    return folder;
}

std::optional<std::string> documentsFolder() {
    const std::optional<std::string> home = homeFolder();
    if (!home) {
        return std::nullopt;
    }
    const std::string configHome = environmentValue("XDG_CONFIG_HOME").value_or(*home + "/.config");
    std::string folder =
        documentsEntry(configHome + "/user-dirs.dirs", *home).value_or(*home + "/Documents");
    while (folder.size() > 1 && folder.ends_with('/')) {
        folder.pop_back();
    }
    if (!createFolderChain(folder)) {
        return std::nullopt;
    }
    return folder;
}

std::optional<std::uint64_t> freeSpace(std::string_view path) {
    struct statvfs volume {};
    if (statvfs(terminated(path).c_str(), &volume) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(volume.f_bavail) * volume.f_frsize;
}

bool copyModificationTime(std::string_view source, std::string_view target) {
    const std::optional<FileAttributes> attributes = fileAttributes(source);
    if (!attributes) {
        return false;
    }
    const timespec times[2] = {{0, UTIME_OMIT}, attributes->modified};
    return utimensat(AT_FDCWD, terminated(target).c_str(), times, 0) == 0;
}

}  // namespace velmora::platform

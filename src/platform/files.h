#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// What the file system tells about a path (symbolic links followed).
struct FileAttributes {
    bool isFolder = false;
    std::uint64_t size = 0;
    timespec modified{};
};

std::optional<FileAttributes> fileAttributes(std::string_view path);

// Whether anything, a dangling symbolic link included, has this name.
bool entryExists(std::string_view path);

// The full path of the running executable; none when it cannot be read.
std::optional<std::string> executablePath();

// Creates one folder (mode 0777 before the umask); false when that fails,
// an existing folder included.
bool createFolder(std::string_view path);

// Creates every missing folder of the path from the root down; each part that
// exists must be a folder. A path ending with '/' ends at its last folder,
// otherwise its last part is a folder too. A path starting with '/' starts at
// the root; an empty path fails.
bool createFolderChain(std::string_view path);

// Removes a file (not a folder); false when nothing was removed.
bool deleteFile(std::string_view path);

// The system's temporary folder: $TMPDIR, else /tmp, ending with '/'.
std::string temporaryFolder();

// The user's documents folder: XDG_DOCUMENTS_DIR of the user's user-dirs.dirs,
// else $HOME/Documents; created when missing. Ends with no '/'. None when no
// home folder is known or the folder cannot be made.
std::optional<std::string> documentsFolder();

// Bytes free to the user on the volume that holds the path.
std::optional<std::uint64_t> freeSpace(std::string_view path);

// Gives target the modification time of source. Linux has no call that sets
// a creation time, so that one is left as it is.
bool copyModificationTime(std::string_view source, std::string_view target);

}  // namespace velmora::platform

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::app {

// One entry of an Open/Save dialog's type list: its text and its patterns
// separated by ';' (e.g. "Video files", "*.mp4;*.avi").
struct FileFilter {
    std::string description;
    std::string patterns;
    bool operator==(const FileFilter&) const = default;
};

// Reads the "text|patterns|text|patterns||" form into entries.
std::vector<FileFilter> fileFiltersFromBarText(std::string_view text);

// Dialog flags; the values are the common dialog's so lists of them carry over.
enum FileDialogFlag : unsigned {
    kReadOnlyCheck = 0x1,
    kOverwritePrompt = 0x2,
    kHideReadOnly = 0x4,
    kNoChangeDir = 0x8,
    kAllowMultiSelect = 0x200,
    kPathMustExist = 0x800,
    kFileMustExist = 0x1000,
    kExplorer = 0x80000,
};

struct FileDialogRequest {
    std::vector<FileFilter> filters;  // the first one is selected
    unsigned flags = 0;
    std::string fileName;  // initial file name, may be empty
    std::string initialFolder;
    std::string defaultExtension;  // appended when the user types a name without one
    bool open = true;              // Open dialog, else Save dialog
};

struct FileDialogResult {
    enum class Outcome { Chosen, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    std::vector<std::string> files;  // full paths when Chosen
};

// The common Open and Save dialogs, implemented by the front end.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual FileDialogResult showFileDialog(const FileDialogRequest& request) = 0;
};

// Shows the dialog; when it fails with an initial file name, shows it once more
// with an empty name. The chosen paths, empty when nothing was chosen.
std::vector<std::string> chooseFiles(FileDialogs& dialogs, FileDialogRequest request);

// The folder browser, implemented by the front end: the chosen folder's path,
// none when cancelled.
class FolderBrowser {
  public:
    virtual ~FolderBrowser() = default;
    virtual std::optional<std::string> showFolderBrowser(std::string_view title,
                                                         std::string_view initialFolder) = 0;
};

// The chosen folder ending with '/'; none when cancelled, when the path is
// empty, or when it is not shorter than resultLength bytes.
std::optional<std::string> browseForFolder(FolderBrowser& browser, std::string_view title,
                                           std::string_view initialFolder,
                                           std::size_t resultLength);

}  // namespace velmora::app

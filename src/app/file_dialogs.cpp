#include "app/file_dialogs.h"

namespace velmora::app {

std::vector<FileFilter> fileFiltersFromBarText(std::string_view text) {
    std::vector<FileFilter> filters;
    auto nextField = [&text]() {
        const std::size_t bar = text.find('|');
        const std::string_view field = text.substr(0, bar);
        text.remove_prefix(bar == std::string_view::npos ? text.size() : bar + 1);
        return std::string(field);
    };
    while (!text.empty()) {
        std::string description = nextField();
        if (description.empty()) {
            break;
        }
        filters.push_back({std::move(description), nextField()});
    }
    return filters;
}

std::vector<std::string> chooseFiles(FileDialogs& dialogs, FileDialogRequest request) {
    FileDialogResult result = dialogs.showFileDialog(request);
    if (result.outcome == FileDialogResult::Outcome::Failed && !request.fileName.empty()) {
        // The dialog refused the initial name; offer it once more without one.
        request.fileName.clear();
        result = dialogs.showFileDialog(request);
    }
    if (result.outcome != FileDialogResult::Outcome::Chosen) {
        return {};
    }
    return std::move(result.files);
}

std::optional<std::string> browseForFolder(FolderBrowser& browser, std::string_view title,
                                           std::string_view initialFolder,
                                           std::size_t resultLength) {
    std::optional<std::string> folder = browser.showFolderBrowser(title, initialFolder);
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    if (!folder->ends_with('/')) {
        folder->push_back('/');
    }
    if (folder->size() >= resultLength) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace velmora::app

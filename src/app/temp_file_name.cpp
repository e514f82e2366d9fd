#include "app/temp_file_name.h"

#include "app/random.h"
#include "platform/files.h"
#include "platform/process_info.h"

namespace velmora::app {

std::string makeTempFileName(std::string_view folder, std::string_view prefix,
                             std::string_view suffix) {
    std::string base = folder.empty() ? platform::temporaryFolder() : std::string(folder);
    if (!base.ends_with('/')) {
        base.push_back('/');
    }
    base.append(prefix);
    base += std::to_string(platform::processId()) + std::to_string(platform::threadId()) +
            std::to_string(platform::tickCount()) + std::to_string(nextRandom());
    for (unsigned counter = 1;; ++counter) {
        std::string name = base + std::to_string(counter) + std::string(suffix);
        // A dangling symbolic link counts as taken: writing the file would follow it.
        if (!platform::entryExists(name)) {
            return name;
        }
    }
}

}  // namespace velmora::app

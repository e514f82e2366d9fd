#pragma once

#include <string>
#include <string_view>

namespace velmora::app {

// A path at which nothing exists yet, for a temporary file the program makes
// for itself: folder (or the system's temporary folder when empty), prefix,
// process id, thread id, tick count, a random number, a counter from 1 and the
// suffix (such as ".wav"). The name is not reserved: the caller creates it.
std::string makeTempFileName(std::string_view folder = {}, std::string_view prefix = {},
                             std::string_view suffix = {});

}  // namespace velmora::app

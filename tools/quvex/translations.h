#pragma once

#include <string>
#include <vector>

namespace velmora::quvex {

using Arguments = std::vector<std::string>;

// Rewrites an FFmpeg-syntax argument list (without the program name) into one
// the installed ffmpeg accepts: options it no longer knows become their
// present-day equivalents, inputs get the options they now need.
Arguments translateArguments(Arguments arguments);

}  // namespace velmora::quvex

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "translations.h"

namespace velmora::quvex {

// Runs ffmpeg as our child, in our process group, so that whoever ends the
// group ends both. Its standard output and input are ours; its error output
// (where ffmpeg writes its reports and progress lines) comes through a pipe
// and is handed to onOutput block by block as it arrives. Signals that ask us
// to stop are passed on to ffmpeg, which then finishes its file and ends.
// Returns ffmpeg's exit status, or none when it could not be started.
std::optional<int> runFfmpeg(const std::string& ffmpegPath, const Arguments& arguments,
                             const std::function<void(std::string_view)>& onOutput);

}  // namespace velmora::quvex

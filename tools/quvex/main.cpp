// quvex: the converter tool. Takes an FFmpeg-syntax command line, translates
// what the installed ffmpeg no longer accepts, runs ffmpeg and passes its
// output on unchanged as it comes, and exits with ffmpeg's status.
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "ffmpeg_run.h"
#include "platform/helper_process.h"
#include "translations.h"

namespace {

constexpr int kNotFoundStatus = 127;
constexpr int kNotStartedStatus = 126;

// Writes everything unless the reader has gone; what cannot be written is dropped.
void writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velmora;
    const std::optional<std::string> ffmpeg = platform::findOnPath("ffmpeg");
    if (!ffmpeg) {
        std::fputs("quvex: ffmpeg was not found on PATH\n", stderr);
        return kNotFoundStatus;
    }
    const quvex::Arguments arguments =
        quvex::translateArguments(quvex::Arguments(argv + 1, argv + argc));
    const std::optional<int> status = quvex::runFfmpeg(
        *ffmpeg, arguments, [](std::string_view bytes) { writeAll(STDERR_FILENO, bytes); });
    if (!status) {
        std::fputs("quvex: ffmpeg could not be started\n", stderr);
        return kNotStartedStatus;
    }
    return *status;
}

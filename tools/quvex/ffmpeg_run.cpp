#include "ffmpeg_run.h"

#include <signal.h>

#include <array>
#include <atomic>

#include "platform/helper_process.h"

namespace velmora::quvex {

namespace {

constexpr std::array kStopSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

std::atomic<pid_t> runningChild{0};

void passOnToChild(int signal) {
    const pid_t child = runningChild.load();
    if (child > 0) {
        kill(child, signal);
    }
}

sigset_t stopSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kStopSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

// Stop signals are held back while the child starts, so that none arrives
// before we know whom to pass it on to. A reader gone from our error output
// must not end us while ffmpeg still writes.
void installSignalForwarding() {
    struct sigaction action {};
    action.sa_handler = passOnToChild;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kStopSignals) {
        sigaction(signal, &action, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);
}

}  // namespace

std::optional<int> runFfmpeg(const std::string& ffmpegPath, const Arguments& arguments,
                             const std::function<void(std::string_view)>& onOutput) {
    Arguments argv{ffmpegPath};
    argv.insert(argv.end(), arguments.begin(), arguments.end());

    const sigset_t stopSignals = stopSignalSet();
    sigset_t previousMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &previousMask);
    installSignalForwarding();
    std::optional<platform::HelperProcess> ffmpeg = platform::HelperProcess::start(
        argv, platform::HelperOptions{platform::Capture::ErrorOnly, true, false});
    if (ffmpeg) {
        runningChild.store(ffmpeg->pid());
    }
    sigprocmask(SIG_SETMASK, &previousMask, nullptr);
    if (!ffmpeg) {
        return std::nullopt;
    }

    std::array<char, 4096> block;
    for (long count; (count = ffmpeg->read(block.data(), block.size())) > 0;) {
        onOutput(std::string_view(block.data(), static_cast<std::size_t>(count)));
    }
    const int status = ffmpeg->wait();
    runningChild.store(0);
    return status;
}

}  // namespace velmora::quvex

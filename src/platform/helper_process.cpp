#include "platform/helper_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <utility>

extern char** environ;

namespace velmora::platform {

namespace {

// Signals the child starts with at their default action even where we
// ignore or handle them (an ignored SIGPIPE would otherwise be inherited).
constexpr std::array kDefaultSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

class SpawnSetup {
  public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    void streams(const HelperOptions& options, int pipeWriteEnd) {
        if (!options.inheritInput) {
            posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        }
        switch (options.capture) {
            case Capture::None:
                posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
                posix_spawn_file_actions_adddup2(&actions_, 1, 2);
                break;
            case Capture::ErrorOnly:
                posix_spawn_file_actions_adddup2(&actions_, pipeWriteEnd, 2);
                break;
            case Capture::OutputAndError:
                posix_spawn_file_actions_adddup2(&actions_, pipeWriteEnd, 1);
                posix_spawn_file_actions_adddup2(&actions_, pipeWriteEnd, 2);
                break;
        }
        posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    }

    void signals(bool newSession) {
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int signal : kDefaultSignals) {
            sigaddset(&defaults, signal);
        }
        sigset_t noneBlocked;
        sigemptyset(&noneBlocked);
        posix_spawnattr_setsigdefault(&attributes_, &defaults);
        posix_spawnattr_setsigmask(&attributes_, &noneBlocked);
        short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
        if (newSession) {
            flags |= POSIX_SPAWN_SETSID;
        }
        posix_spawnattr_setflags(&attributes_, flags);
    }

    std::optional<pid_t> spawn(const std::vector<std::string>& argv) {
        std::vector<char*> pointers;
        for (const std::string& argument : argv) {
            pointers.push_back(const_cast<char*>(argument.c_str()));
        }
        pointers.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawn(&pid, argv[0].c_str(), &actions_, &attributes_, pointers.data(), environ) !=
            0) {
            return std::nullopt;
        }
        return pid;
    }

  private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

int statusOf(int waitStatus) {
    if (WIFSIGNALED(waitStatus)) {
        return 128 + WTERMSIG(waitStatus);
    }
    return WEXITSTATUS(waitStatus);
}

}  // namespace

std::optional<HelperProcess> HelperProcess::start(const std::vector<std::string>& argv,
                                                  const HelperOptions& options) {
    if (argv.empty()) {
        return std::nullopt;
    }
    std::array<int, 2> pipeEnds{-1, -1};
    const bool piped = options.capture != Capture::None;
    if (piped && pipe2(pipeEnds.data(), O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    SpawnSetup setup;
    setup.streams(options, pipeEnds[1]);
    setup.signals(options.newSession);
    std::optional<pid_t> pid = setup.spawn(argv);
    if (piped) {
        close(pipeEnds[1]);
    }
    if (!pid) {
        if (piped) {
            close(pipeEnds[0]);
        }
        return std::nullopt;
    }
    return HelperProcess(*pid, pipeEnds[0]);
}

HelperProcess::HelperProcess(HelperProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), pipe_(std::exchange(other.pipe_, -1)) {}

HelperProcess::~HelperProcess() {
    if (pipe_ >= 0) {
        close(pipe_);
    }
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        wait();
    }
}

long HelperProcess::read(char* buffer, std::size_t size) {
    if (pipe_ < 0) {
        return 0;
    }
    for (;;) {
        const ssize_t count = ::read(pipe_, buffer, size);
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

int HelperProcess::wait() {
    int waitStatus = 0;
    pid_t result = -1;
    do {
        result = waitpid(pid_, &waitStatus, 0);
    } while (result < 0 && errno == EINTR);
    pid_ = -1;
    return result < 0 ? -1 : statusOf(waitStatus);
}

std::optional<HelperResult> runHelper(const std::vector<std::string>& argv) {
    std::optional<HelperProcess> helper = HelperProcess::start(argv, HelperOptions{});
    if (!helper) {
        return std::nullopt;
    }
    HelperResult result;
    std::array<char, 4096> block;
    for (long count; (count = helper->read(block.data(), block.size())) > 0;) {
        result.output.append(block.data(), static_cast<std::size_t>(count));
    }
    result.status = helper->wait();
    return result;
}

std::optional<std::string> findOnPath(std::string_view name) {
    auto isExecutable = [](const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
               access(path.c_str(), X_OK) == 0;
    };
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.find('/') != std::string_view::npos) {
        std::string path(name);
        return isExecutable(path) ? std::optional(path) : std::nullopt;
    }
    const char* searchPath = std::getenv("PATH");
    std::string_view folders = searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = folders.find(':');
        std::string folder(folders.substr(0, colon));
        std::string candidate = (folder.empty() ? std::string(".") : folder) + "/";
        candidate.append(name);
        if (isExecutable(candidate)) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        folders.remove_prefix(colon + 1);
    }
}

}  // namespace velmora::platform

#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// Which of a helper's output streams come back through its pipe; the others
// are discarded (or, for ErrorOnly, the standard output is shared with ours).
enum class Capture { None, ErrorOnly, OutputAndError };

struct HelperOptions {
    Capture capture = Capture::OutputAndError;
    bool inheritInput = false;  // else standard input is /dev/null
    bool newSession = false;    // detach from our session and process group
};

// A short-lived program this process runs itself (desktop tools, the
// converter's ffmpeg), started from an argument vector without a shell, with
// default signal handling and no descriptors but 0, 1 and 2. The object owns
// the child: if it was not waited for, destruction kills and reaps it.
class HelperProcess {
  public:
    // argv[0] is the program's path (no PATH search; see findOnPath).
    static std::optional<HelperProcess> start(const std::vector<std::string>& argv,
                                              const HelperOptions& options);

    HelperProcess(HelperProcess&& other) noexcept;
    HelperProcess& operator=(HelperProcess&&) = delete;
    HelperProcess(const HelperProcess&) = delete;
    ~HelperProcess();

    pid_t pid() const { return pid_; }

    // Reads what the child wrote to the pipe: the byte count, 0 at its end
    // (or without a pipe), -1 on a read error.
    long read(char* buffer, std::size_t size);

    // Waits for the child to end: its exit code, or 128 + the signal that ended it.
    int wait();

  private:
    HelperProcess(pid_t pid, int pipe) : pid_(pid), pipe_(pipe) {}
    pid_t pid_ = -1;
    int pipe_ = -1;
};

struct HelperResult {
    int status = 0;
    std::string output;
};

// Runs a helper to its end and collects what it wrote; none if it did not start.
std::optional<HelperResult> runHelper(const std::vector<std::string>& argv);

// The full path of an executable found in $PATH (a name holding '/' is taken
// as a path); none when there is no such program.
std::optional<std::string> findOnPath(std::string_view name);

}  // namespace velmora::platform

#include "platform/process_info.h"

#include <unistd.h>

#include <ctime>

namespace velmora::platform {

std::uint32_t processId() {
    return static_cast<std::uint32_t>(getpid());
}

std::uint32_t threadId() {
    return static_cast<std::uint32_t>(gettid());
}

std::uint32_t tickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}

}  // namespace velmora::platform

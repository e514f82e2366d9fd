#pragma once

#include <cstdint>

namespace velmora::platform {

// Numbers that tell this process, thread and moment apart (file names, seeds).
std::uint32_t processId();
std::uint32_t threadId();
// Milliseconds of the monotonic clock, 32-bit, wrapping.
std::uint32_t tickCount();

}  // namespace velmora::platform

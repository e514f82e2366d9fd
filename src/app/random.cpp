#include "app/random.h"

#include <atomic>
#include <ctime>

#include "platform/process_info.h"

namespace velmora::app {

namespace {

// The C run-time's classic linear congruential generator: 15-bit results.
constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;

std::atomic<std::uint32_t> state{1};

}  // namespace

void seedRandom(std::uint32_t seed) {
    state.store(seed, std::memory_order_relaxed);
}

int nextRandom() {
    std::uint32_t current = state.load(std::memory_order_relaxed);
    std::uint32_t next = 0;
    do {
        next = current * kMultiplier + kIncrement;
    } while (!state.compare_exchange_weak(current, next, std::memory_order_relaxed));
    return static_cast<int>((next >> 16) & 0x7FFF);
}

std::uint32_t startupRandomSeed() {
    return static_cast<std::uint32_t>(std::time(nullptr)) * platform::tickCount();
}

}  // namespace velmora::app

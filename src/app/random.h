#pragma once

#include <cstdint>

namespace velmora::app {

// The program's pseudo-random numbers (0 … 32767), used in temporary and job
// file names so that names made in the same millisecond still differ.
void seedRandom(std::uint32_t seed);
int nextRandom();

// The start-up seed: calendar time in seconds times the tick count, 32-bit.
std::uint32_t startupRandomSeed();

}  // namespace velmora::app

#pragma once

#include <span>

namespace velmora::catalogue {

// Ascending integers a codec accepts: sample rates in Hz, bit rates in bits per
// second or compression levels. An empty list stands for "no list".
using ValueList = std::span<const int>;

struct FrameSize {
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const FrameSize&, const FrameSize&) = default;
};

// The pair a fixed-size list begins with; it is not itself a size.
inline constexpr FrameSize kFixedSizeMarker{-1, -1};

// Frame sizes offered for a codec. A list that begins with kFixedSizeMarker is a
// fixed-size list: the codec can only produce the sizes listed after the marker.
using SizeList = std::span<const FrameSize>;

// Frame rates offered for a codec, stored as the tables write them: the list ends
// at the first value that is not greater than 0. Read it through offeredFrameRates.
using FrameRateList = std::span<const double>;

// The member of the list nearest to the value; on equal distances the lower one.
// Values below the list give its first member, values above it its last. An
// empty list returns the value unchanged.
int snapToList(int value, ValueList list);

bool isFixedSizeList(SizeList sizes);

// The sizes a user may choose: the list without its fixed-size marker.
SizeList offeredSizes(SizeList sizes);

// The frame rates before the first value that is not greater than 0.
FrameRateList offeredFrameRates(FrameRateList rates);

}  // namespace velmora::catalogue

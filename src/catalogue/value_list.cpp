#include "catalogue/value_list.h"

#include <algorithm>

namespace velmora::catalogue {

int snapToList(int value, ValueList list) {
    if (list.empty()) {
        return value;
    }
    const auto above = std::ranges::find_if(list, [value](int member) { return member >= value; });
    if (above == list.end()) {
        return list.back();
    }
    if (*above == value || above == list.begin()) {
        return *above;
    }
    const int below = *(above - 1);
    // Widened so that distances between extreme members cannot overflow.
    const long long distanceAbove = static_cast<long long>(*above) - value;
    const long long distanceBelow = static_cast<long long>(value) - below;
    return distanceBelow <= distanceAbove ? below : *above;
}

bool isFixedSizeList(SizeList sizes) {
    return !sizes.empty() && sizes.front() == kFixedSizeMarker;
}

SizeList offeredSizes(SizeList sizes) {
    return isFixedSizeList(sizes) ? sizes.subspan(1) : sizes;
}

FrameRateList offeredFrameRates(FrameRateList rates) {
    const auto end = std::ranges::find_if(rates, [](double rate) { return !(rate > 0.0); });
    return rates.first(static_cast<std::size_t>(end - rates.begin()));
}

}  // namespace velmora::catalogue

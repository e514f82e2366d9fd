#pragma once

#include <string_view>

namespace velmora::catalogue {

// The common name of a frame size, such as "VGA 4:3" for 640x480; empty for
// a size without one.
std::string_view sizePresetName(int width, int height);

}  // namespace velmora::catalogue

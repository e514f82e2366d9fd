#include "catalogue/size_presets.h"

#include <algorithm>

#include "catalogue/value_list.h"

namespace velmora::catalogue {

namespace {

struct SizePreset {
    FrameSize size;
    std::string_view name;
};

// The names of the general size list, in its order.
constexpr SizePreset kSizePresets[] = {
    {{128, 96}, "SQCIF 4:3"},         {{176, 144}, "QCIF 11:9"},
    {{240, 160}, "HQVGA 3:2"},        {{320, 240}, "QVGA 240p 4:3"},
    {{352, 288}, "CIF 11:9"},         {{480, 320}, "HVGA 3:2"},
    {{640, 360}, "nHD 360p 16:9"},    {{640, 480}, "VGA 4:3"},
    {{704, 576}, "4CIF 11:9"},        {{720, 480}, "WVGA 480p 3:2"},
    {{720, 576}, "DVD PAL 5:4"},      {{800, 480}, "WGA 5:3"},
    {{800, 600}, "SVGA 4:3"},         {{960, 540}, "qHD 540p 16:9"},
    {{1024, 576}, "WSVGA 16:9"},      {{1024, 768}, "XGA 4:3"},
    {{1280, 720}, "HD 720p 16:9"},    {{1280, 1024}, "SXGA 5:4"},
    {{1366, 768}, "WXGA 16:9"},       {{1408, 1152}, "16CIF 11:9"},
    {{1440, 900}, "WSXGA 16:10"},     {{1600, 900}, "HD+ 16:9"},
    {{1600, 1200}, "UXGA 4:3"},       {{1920, 1080}, "FHD 1080p 16:9"},
    {{1920, 1200}, "WUXGA 16:10"},    {{2048, 1152}, "2K 16:9"},
    {{2560, 1440}, "QHD 1440p 16:9"}, {{3200, 1800}, "WQXGA+ 16:9"},
    {{3840, 2160}, "UHD 2160p 16:9"}, {{4096, 2304}, "4K 16:9"},
};

}  // namespace

std::string_view sizePresetName(int width, int height) {
    const FrameSize size{width, height};
    const auto preset = std::ranges::find(kSizePresets, size, &SizePreset::size);
    return preset != std::end(kSizePresets) ? preset->name : std::string_view{};
}

}  // namespace velmora::catalogue

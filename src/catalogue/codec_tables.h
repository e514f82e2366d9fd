#pragma once

#include "catalogue/audio_codec_rows.h"
#include "catalogue/video_codec_rows.h"

// The codec tables the catalogue's formats point at, each in the order of the
// codec combo box: video tables kVT1 ... kVT38, audio tables kAT1 ... kAT37.
namespace velmora::catalogue {

inline constexpr const VideoCodecRow* kVT1[] = {&kV04, &kV10, &kV11, &kV12, &kV25};
inline constexpr const VideoCodecRow* kVT2[] = {&kV54};
inline constexpr const VideoCodecRow* kVT3[] = {&kV29, &kV28, &kV35, &kV36};
inline constexpr const VideoCodecRow* kVT4[] = {
    &kV01, &kV03, &kV04, &kV05, &kV10, &kV11, &kV12, &kV09, &kV06, &kV34, &kV17, &kV18,
    &kV20, &kV25, &kV29, &kV28, &kV30, &kV31, &kV32, &kV33, &kV16, &kV35, &kV36, &kV37};
inline constexpr const VideoCodecRow* kVT5[] = {&kV25};
inline constexpr const VideoCodecRow* kVT6[] = {&kV01};
inline constexpr const VideoCodecRow* kVT7[] = {&kV23};
inline constexpr const VideoCodecRow* kVT8[] = {&kV02, &kV10, &kV11, &kV12};
inline constexpr const VideoCodecRow* kVT9[] = {&kV53};
inline constexpr const VideoCodecRow* kVT10[] = {&kV10, &kV11, &kV12};
inline constexpr const VideoCodecRow* kVT11[] = {&kV09};
inline constexpr const VideoCodecRow* kVT12[] = {&kV10, &kV11, &kV12, &kV09, &kV25};
inline constexpr const VideoCodecRow* kVT13[] = {&kV21, &kV10, &kV11, &kV12, &kV09, &kV06,
                                                 &kV17, &kV18, &kV20, &kV25, &kV22, &kV07,
                                                 &kV38, &kV39, &kV16, &kV37};
inline constexpr const VideoCodecRow* kVT14[] = {&kV24, &kV21, &kV01, &kV03, &kV04, &kV05,
                                                 &kV10, &kV11, &kV12, &kV09, &kV06, &kV17,
                                                 &kV20, &kV25, &kV33, &kV37};
inline constexpr const VideoCodecRow* kVT15[] = {&kV18};
inline constexpr const VideoCodecRow* kVT16[] = {&kV20};
inline constexpr const VideoCodecRow* kVT17[] = {&kV07};
inline constexpr const VideoCodecRow* kVT18[] = {&kV08};
inline constexpr const VideoCodecRow* kVT19[] = {&kV21, &kV10, &kV09, &kV20, &kV25};
inline constexpr const VideoCodecRow* kVT20[] = {&kV19};
inline constexpr const VideoCodecRow* kVT21[] = {&kV38, &kV39};
inline constexpr const VideoCodecRow* kVT22[] = {&kV16};
inline constexpr const VideoCodecRow* kVT23[] = {&kV13, &kV14, &kV15, &kV26};
inline constexpr const VideoCodecRow* kVT24[] = {&kV13, &kV14, &kV15, &kV27};
inline constexpr const VideoCodecRow* kVT25[] = {&kV14, &kV15, &kV27};
inline constexpr const VideoCodecRow* kVT26[] = {&kV42};
inline constexpr const VideoCodecRow* kVT27[] = {&kV43};
inline constexpr const VideoCodecRow* kVT28[] = {&kV44};
inline constexpr const VideoCodecRow* kVT29[] = {&kV45};
inline constexpr const VideoCodecRow* kVT30[] = {&kV51};
inline constexpr const VideoCodecRow* kVT31[] = {&kV40};
inline constexpr const VideoCodecRow* kVT32[] = {&kV46};
inline constexpr const VideoCodecRow* kVT33[] = {&kV50};
inline constexpr const VideoCodecRow* kVT34[] = {&kV47};
inline constexpr const VideoCodecRow* kVT35[] = {&kV48};
inline constexpr const VideoCodecRow* kVT36[] = {&kV41};
inline constexpr const VideoCodecRow* kVT37[] = {&kV52};
inline constexpr const VideoCodecRow* kVT38[] = {&kV49};

inline constexpr const AudioCodecRow* kAT1[] = {&kA07, &kA01, &kA02};
inline constexpr const AudioCodecRow* kAT2[] = {&kA28, &kA27, &kA43, &kA44};
inline constexpr const AudioCodecRow* kAT3[] = {&kA04, &kA23, &kA25, &kA28, &kA27,
                                                &kA10, &kA11, &kA16, &kA17, &kA19,
                                                &kA20, &kA21, &kA22, &kA43, &kA44};
inline constexpr const AudioCodecRow* kAT4[] = {&kA04, &kA06, &kA10, &kA11, &kA17};
inline constexpr const AudioCodecRow* kAT5[] = {&kA17};
inline constexpr const AudioCodecRow* kAT6[] = {&kA04, &kA06, &kA10};
inline constexpr const AudioCodecRow* kAT7[] = {&kA12, &kA09};
inline constexpr const AudioCodecRow* kAT8[] = {&kA07};
inline constexpr const AudioCodecRow* kAT9[] = {&kA07, &kA04, &kA03, &kA06, &kA05, &kA15,
                                                &kA10, &kA11, &kA46, &kA16, &kA17, &kA19,
                                                &kA20, &kA21, &kA22, &kA47, &kA13, &kA45};
inline constexpr const AudioCodecRow* kAT10[] = {&kA07, &kA04, &kA03, &kA01, &kA02, &kA06,
                                                 &kA05, &kA40, &kA27, &kA10, &kA11, &kA34,
                                                 &kA35, &kA36, &kA37, &kA38, &kA39};
inline constexpr const AudioCodecRow* kAT11[] = {&kA10, &kA11};
inline constexpr const AudioCodecRow* kAT12[] = {&kA18};
inline constexpr const AudioCodecRow* kAT13[] = {&kA15, &kA46, &kA14, &kA13};
inline constexpr const AudioCodecRow* kAT14[] = {&kA13};
inline constexpr const AudioCodecRow* kAT15[] = {&kA04, &kA06, &kA10, &kA11};
inline constexpr const AudioCodecRow* kAT16[] = {&kA10};
inline constexpr const AudioCodecRow* kAT17[] = {&kA46, &kA13};
inline constexpr const AudioCodecRow* kAT18[] = {&kA08, &kA03};
inline constexpr const AudioCodecRow* kAT19[] = {&kA04, &kA05};
inline constexpr const AudioCodecRow* kAT20[] = {&kA23, &kA25, &kA30, &kA42, &kA40, &kA34,
                                                 &kA35, &kA36, &kA37, &kA38, &kA39};
inline constexpr const AudioCodecRow* kAT21[] = {&kA03};
inline constexpr const AudioCodecRow* kAT22[] = {&kA24};
inline constexpr const AudioCodecRow* kAT23[] = {&kA01, &kA02};
inline constexpr const AudioCodecRow* kAT24[] = {&kA23, &kA25, &kA30, &kA34, &kA35,
                                                 &kA36, &kA37, &kA38, &kA39};
inline constexpr const AudioCodecRow* kAT25[] = {&kA03, &kA23, &kA25, &kA42, &kA40, &kA27, &kA10,
                                                 &kA11, &kA34, &kA35, &kA36, &kA37, &kA38, &kA39};
inline constexpr const AudioCodecRow* kAT26[] = {&kA06};
inline constexpr const AudioCodecRow* kAT27[] = {&kA15};
inline constexpr const AudioCodecRow* kAT28[] = {&kA07, &kA03};
inline constexpr const AudioCodecRow* kAT29[] = {&kA33};
inline constexpr const AudioCodecRow* kAT30[] = {&kA11};
inline constexpr const AudioCodecRow* kAT31[] = {&kA26};
inline constexpr const AudioCodecRow* kAT32[] = {&kA46};
inline constexpr const AudioCodecRow* kAT33[] = {&kA14};
inline constexpr const AudioCodecRow* kAT34[] = {&kA23, &kA25, &kA16, &kA17};
inline constexpr const AudioCodecRow* kAT35[] = {&kA07, &kA04, &kA01, &kA02, &kA23, &kA25, &kA06,
                                                 &kA05, &kA15, &kA30, &kA31, &kA29, &kA28, &kA27,
                                                 &kA41, &kA10, &kA11, &kA16, &kA17, &kA19, &kA20,
                                                 &kA21, &kA22, &kA14, &kA13, &kA43, &kA44, &kA32};
inline constexpr const AudioCodecRow* kAT36[] = {&kA43, &kA44};
inline constexpr const AudioCodecRow* kAT37[] = {&kA45};
}  // namespace velmora::catalogue

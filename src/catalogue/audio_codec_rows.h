#pragma once

#include "catalogue/codec_lists.h"
#include "catalogue/codec_row.h"

// Every audio codec choice a format can offer. Several rows share a name and
// differ in their lists; a format's codec table decides which one applies.
namespace velmora::catalogue {

// Fields: name, displayName, rateModes, sampleRates, rateValues, qualityBest,
// qualityWorst, channelMask. {} = no list.
// clang-format off
inline constexpr AudioCodecRow kA01{"libopencore_amrnb", "AMR-NB (Adaptive Multi-Rate Narrow-Band)", ByBitRate,             kSR1,  kAV1,  -1, -1, 0x01};
inline constexpr AudioCodecRow kA02{"libvo_amrwbenc",    "AMR-WB (Adaptive Multi-Rate Wide-Band)",   ByBitRate,             kSR2,  kAV2,  -1, -1, 0x01};
inline constexpr AudioCodecRow kA03{"alac",              "ALAC (Apple Lossless Audio Codec)",        ByCompressionLevel,    kSR3,  kAV3,  -1, -1, 0x02};
inline constexpr AudioCodecRow kA04{"ac3",               "AC-3 (Dolby Digital)",                     ByBitRate,             kSR4,  kAV4,  -1, -1, 0x3F};
inline constexpr AudioCodecRow kA05{"eac3",              "Enhanced AC-3 (Dolby Digital Plus)",       ByBitRate,             kSR4,  kAV4,  -1, -1, 0x3F};
inline constexpr AudioCodecRow kA06{"dca",               "DTS Coherent Acoustics",                   0,                     kSR5,  {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA07{"aac",               "AAC (Advanced Audio Codec)",               ByBitRate,             kSR6,  kAV5,  -1, -1, 0x3F};
inline constexpr AudioCodecRow kA08{"aac",               "AAC (Advanced Audio Codec)",               ByBitRate,             kSR6,  kAV5,  -1, -1, 0x03};
inline constexpr AudioCodecRow kA09{"aac",               "AAC (Advanced Audio Codec)",               ByBitRate,             kSR7,  kAV6,  -1, -1, 0x02};
inline constexpr AudioCodecRow kA10{"mp2",               "MP2 (MPEG audio layer 2)",                 ByBitRate,             kSR8,  kAV7,  -1, -1, 0x03};
inline constexpr AudioCodecRow kA11{"libmp3lame",        "MP3 (MPEG audio layer 3)",                 ByBitRate | ByQuality, kSR5,  kAV7,  0,  10, 0x03};
inline constexpr AudioCodecRow kA12{"libmp3lame",        "MP3 (MPEG audio layer 3)",                 ByBitRate | ByQuality, kSR9,  kAV7,  0,  10, 0x03};
inline constexpr AudioCodecRow kA13{"libvorbis",         "Vorbis",                                   ByBitRate | ByQuality, kSR6,  kAV8,  0,  10, 0xFF};
inline constexpr AudioCodecRow kA14{"libspeex",          "Speex",                                    ByBitRate,             kSR10, kAV9,  -1, -1, 0x03};
inline constexpr AudioCodecRow kA15{"flac",              "FLAC (Free Lossless Audio Codec)",         ByCompressionLevel,    kSR11, kAV10, -1, -1, 0xFF};
inline constexpr AudioCodecRow kA16{"pcm_u8",            "PCM 8-bit",                                0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA17{"pcm_s16le",         "PCM 16-bit",                               0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA18{"pcm_s16le",         "PCM 16-bit",                               0,                     kSR13, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA19{"pcm_s24le",         "PCM 24-bit",                               0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA20{"pcm_s32le",         "PCM 32-bit",                               0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA21{"pcm_f32le",         "PCM 32-bit Float",                         0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA22{"pcm_f64le",         "PCM 64-bit Float",                         0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA23{"pcm_alaw",          "CCITT A-Law (8-bit)",                      0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA24{"pcm_alaw",          "CCITT A-Law (8-bit)",                      0,                     kSR1,  {},    -1, -1, 0x01};
inline constexpr AudioCodecRow kA25{"pcm_mulaw",         "CCITT mu-Law (8-bit)",                     0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA26{"pcm_mulaw",         "CCITT mu-Law (8-bit)",                     0,                     kSR1,  {},    -1, -1, 0x01};
inline constexpr AudioCodecRow kA27{"adpcm_ms",          "Microsoft ADPCM (4-bit)",                  0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA28{"adpcm_ima_wav",     "IMA ADPCM (4-bit)",                        0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA29{"g726",              "G.726 ADPCM",                              ByBitRate,             kSR1,  kAV11, -1, -1, 0x01};
inline constexpr AudioCodecRow kA30{"g722",              "G.722 ADPCM",                              0,                     kSR14, {},    -1, -1, 0x01};
inline constexpr AudioCodecRow kA31{"g723_1",            "G.723.1",                                  ByBitRate,             kSR1,  kAV12, -1, -1, 0x01};
inline constexpr AudioCodecRow kA32{"adpcm_yamaha",      "Yamaha ADPCM (4-bit)",                     0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA33{"adpcm_yamaha",      "Yamaha ADPCM (4-bit)",                     0,                     kSR15, {},    -1, -1, 0x01};
inline constexpr AudioCodecRow kA34{"pcm_s8",            "PCM 8-bit",                                0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA35{"pcm_s16be",         "PCM 16-bit",                               0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA36{"pcm_s24be",         "PCM 24-bit",                               0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA37{"pcm_s32be",         "PCM 32-bit",                               0,                     kSR12, {},    -1, -1, 0xFF};
inline constexpr AudioCodecRow kA38{"pcm_f32be",         "PCM 32-bit Float",                         0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA39{"pcm_f64be",         "PCM 64-bit Float",                         0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA40{"adpcm_ima_qt",      "IMA ADPCM (4-bit)",                        0,                     kSR12, {},    -1, -1, 0x03};
inline constexpr AudioCodecRow kA41{"libgsm_ms",         "Microsoft GSM",                            ByBitRate,             kSR1,  kAV13, -1, -1, 0x01};
inline constexpr AudioCodecRow kA42{"libgsm",            "GSM",                                      ByBitRate,             kSR1,  kAV13, -1, -1, 0x01};
inline constexpr AudioCodecRow kA43{"wmav1",             "Windows Media Audio 1",                    ByBitRate,             kSR16, kAV14, -1, -1, 0x03};
inline constexpr AudioCodecRow kA44{"wmav2",             "Windows Media Audio 2",                    ByBitRate,             kSR16, kAV14, -1, -1, 0x03};
inline constexpr AudioCodecRow kA45{"wavpack",           "WavPack Lossless",                         ByCompressionLevel,    kSR12, kAV15, -1, -1, 0xFF};
inline constexpr AudioCodecRow kA46{"libopus",           "Opus",                                     ByBitRate,             kSR17, kAV16, -1, -1, 0xFF};
inline constexpr AudioCodecRow kA47{"tta",               "TTA (True Audio Lossless)",                0,                     kSR11, {},    -1, -1, 0x3F};
// clang-format on

inline constexpr const AudioCodecRow* kAudioCodecRows[] = {
    &kA01, &kA02, &kA03, &kA04, &kA05, &kA06, &kA07, &kA08, &kA09, &kA10, &kA11, &kA12,
    &kA13, &kA14, &kA15, &kA16, &kA17, &kA18, &kA19, &kA20, &kA21, &kA22, &kA23, &kA24,
    &kA25, &kA26, &kA27, &kA28, &kA29, &kA30, &kA31, &kA32, &kA33, &kA34, &kA35, &kA36,
    &kA37, &kA38, &kA39, &kA40, &kA41, &kA42, &kA43, &kA44, &kA45, &kA46, &kA47};

}  // namespace velmora::catalogue

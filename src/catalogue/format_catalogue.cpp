#include "catalogue/format_catalogue.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "catalogue/codec_tables.h"

namespace velmora::catalogue {

namespace {

// What a format is and which codecs it starts with. A codec name "" means none;
// an empty table means the format has no settings of that kind.
struct FormatEntry {
    int id;
    const char* description;
    const char* extension;
    const char* muxer;
    const char* registryName;
    const char* videoCodec;
    const char* audioCodec;
    VideoCodecTable videoCodecTable;
    AudioCodecTable audioCodecTable;
};

// Encoding parameters to give a record; a field without a value leaves the
// record's value as it is. The fields stand in the order of OutputFormat.
struct ParameterValues {
    std::optional<int> videoEnable{};
    std::optional<int> videoWidth{};
    std::optional<int> videoHeight{};
    std::optional<int> videoKeepAspect{};
    std::optional<int> addPadding{};
    std::optional<int> videoBitRate{};
    std::optional<int> videoVbrQuality{};
    std::optional<int> videoVbrEnabled{};
    std::optional<double> videoFrameRate{};
    std::optional<int> audioEnable{};
    std::optional<int> audioBitRate{};
    std::optional<int> audioVbrQuality{};
    std::optional<int> audioVbrEnabled{};
    std::optional<int> audioCompressionLevel{};
    std::optional<int> audioSampleRate{};
    std::optional<int> audioChannels{};
    std::optional<int> fastStart{};
};

// Fields: id, description, extension, muxer, registryName, videoCodec, audioCodec,
// videoCodecTable, audioCodecTable.
// clang-format off
constexpr FormatEntry kVideoFormats[] = {
    {10,   nullptr,                               "3g2",  nullptr,                 nullptr,           "h263",       "libopencore_amrnb", kVT1,  kAT1},
    {20,   nullptr,                               "3gp",  nullptr,                 nullptr,           "h263",       "libopencore_amrnb", kVT1,  kAT1},
    {25,   "APNG (Animation PNG)",                "apng", nullptr,                 nullptr,           "apng",       "",                  kVT2,  {}},
    {30,   nullptr,                               "asf",  nullptr,                 nullptr,           "msmpeg4",    "wmav2",             kVT3,  kAT2},
    {40,   nullptr,                               "avi",  nullptr,                 nullptr,           "msmpeg4v2",  "libmp3lame",        kVT4,  kAT3},
    {50,   "DivX",                                "avi",  nullptr,                 "divx",            "mpeg4",      "libmp3lame",        kVT5,  kAT4},
    {60,   nullptr,                               "dv",   nullptr,                 nullptr,           "dvvideo",    "pcm_s16le",         kVT6,  kAT5},
    {65,   "DVD Video",                           "vob",  "dvd",                   "DVDVOB",          "mpeg2video", "mp2",               kVT7,  kAT6},
    {70,   nullptr,                               "flv",  nullptr,                 nullptr,           "flv",        "libmp3lame",        kVT8,  kAT7},
    {75,   "GIF Animation",                       "gif",  nullptr,                 nullptr,           "gif",        "",                  kVT9,  {}},
    {80,   "H.264 AVC",                           "mp4",  nullptr,                 "h264",            "libx264",    "aac",               kVT10, kAT8},
    {82,   "H.265 HEVC",                          "mp4",  nullptr,                 "h265",            "libx265",    "aac",               kVT11, kAT8},
    {85,   nullptr,                               "m4v",  "ipod",                  nullptr,           "libx264",    "aac",               kVT12, kAT8},
    {90,   nullptr,                               "mkv",  nullptr,                 nullptr,           "libx264",    "libvorbis",         kVT13, kAT9},
    {100,  nullptr,                               "mov",  nullptr,                 nullptr,           "libx264",    "aac",               kVT14, kAT10},
    {110,  nullptr,                               "mp4",  nullptr,                 nullptr,           "mpeg4",      "aac",               kVT12, kAT8},
    {120,  "MPG / MPEG",                          "mpg",  "mpeg",                  nullptr,           "mpeg1video", "mp2",               kVT15, kAT11},
    {125,  nullptr,                               "mxf",  nullptr,                 nullptr,           "mpeg2video", "pcm_s16le",         kVT16, kAT12},
    {130,  nullptr,                               "ogg",  nullptr,                 nullptr,           "libtheora",  "libvorbis",         kVT17, kAT13},
    {135,  "OGG (optimized)",                     "ogg",  nullptr,                 "OGGTHEORA",       "libtheora",  "libvorbis",         kVT18, kAT14},
    {140,  nullptr,                               "ogm",  "ogg",                   nullptr,           "libtheora",  "libvorbis",         kVT17, kAT13},
    {145,  "OGM (optimized)",                     "ogm",  nullptr,                 "OGMTHEORA",       "libtheora",  "libvorbis",         kVT18, kAT14},
    {150,  nullptr,                               "ogv",  "ogg",                   nullptr,           "libtheora",  "libvorbis",         kVT17, kAT13},
    {155,  "OGV (optimized)",                     "ogv",  nullptr,                 "OGVTHEORA",       "libtheora",  "libvorbis",         kVT18, kAT14},
    {160,  nullptr,                               "swf",  nullptr,                 nullptr,           "flv",        "libmp3lame",        kVT8,  kAT7},
    {170,  nullptr,                               "ts",   nullptr,                 nullptr,           "mpeg2video", "mp2",               kVT19, kAT15},
    {180,  "VCD",                                 "mpg",  "vcd",                   "vcd",             "mpeg1video", "mp2",               kVT20, kAT16},
    {190,  nullptr,                               "vob",  nullptr,                 nullptr,           "mpeg2video", "mp2",               kVT16, kAT6},
    {195,  "WebM (VP8/VP9)",                      "webm", "webm",                  nullptr,           "libvpx",     "libvorbis",         kVT21, kAT17},
    {200,  nullptr,                               "wmv",  nullptr,                 nullptr,           "wmv2",       "wmav2",             kVT3,  kAT2},
    {210,  "Xvid",                                "avi",  nullptr,                 "xvid",            "libxvid",    "libmp3lame",        kVT22, kAT4},
};

constexpr FormatEntry kDevicePresets[] = {
    {516,  "Android Phone",                       "mp4",  nullptr,                 "AndroidMP4",      "h264bp",     "aac",               kVT23, kAT18},
    {517,  "Android Tablet",                      "mp4",  nullptr,                 "AndroidTablet",   "h264bp",     "aac",               kVT23, kAT18},
    {535,  "Common Device",                       "mp4",  nullptr,                 "CommonDeviceMP4", "h264bp",     "aac",               kVT23, kAT18},
    {545,  "iPad",                                "m4v",  "ipod",                  "ipad",            "h264mp",     "aac",               kVT24, kAT18},
    {550,  "iPhone",                              "m4v",  "ipod",                  "iphone",          "h264bp",     "aac",               kVT24, kAT18},
    {570,  "iPod touch",                          "m4v",  "ipod",                  "touch",           "h264bp",     "aac",               kVT25, kAT18},
    {615,  "Windows Phone",                       "mp4",  nullptr,                 "WindowsPhoneMP4", "h264bp",     "aac",               kVT23, kAT18},
};

constexpr FormatEntry kImageSequences[] = {
    {700,  "BMP (image sequence)",                "bmp",  "image2",                nullptr,           "bmp",        "",                  kVT26, {}},
    {705,  "GIF (image sequence)",                "gif",  "image2",                "GIFImages",       "gif",        "",                  kVT9,  {}},
    {710,  "JPG (image sequence)",                "jpg",  "image2",                nullptr,           "mjpeg",      "",                  kVT27, {}},
    {740,  "PCX (image sequence)",                "pcx",  "image2",                nullptr,           "pcx",        "",                  kVT28, {}},
    {750,  "PGM (image sequence)",                "pgm",  "image2",                nullptr,           "pgm",        "",                  kVT29, {}},
    {752,  "PIX (image sequence)",                "pix",  "image2",                nullptr,           "alias_pix",  "",                  kVT30, {}},
    {755,  "PNG (image sequence)",                "png",  "image2",                nullptr,           "png",        "",                  kVT31, {}},
    {760,  "PPM (image sequence)",                "ppm",  "image2",                nullptr,           "ppm",        "",                  kVT32, {}},
    {765,  "RAS (image sequence)",                "ras",  "image2",                nullptr,           "sunrast",    "",                  kVT33, {}},
    {770,  "SGI (image sequence)",                "sgi",  "image2",                nullptr,           "sgi",        "",                  kVT34, {}},
    {780,  "TGA (image sequence)",                "tga",  "image2",                nullptr,           "targa",      "",                  kVT35, {}},
    {790,  "TIFF (image sequence)",               "tiff", "image2 -pix_fmt rgb24", nullptr,           "tiff",       "",                  kVT36, {}},
    {792,  "WebP (image sequence)",               "webp", "image2",                nullptr,           "libwebp",    "",                  kVT37, {}},
    {795,  "XBM (image sequence)",                "xbm",  "image2",                nullptr,           "xbm",        "",                  kVT38, {}},
};

constexpr FormatEntry kAudioFormats[] = {
    {1010, "AAC",                                 "aac",  "adts",                  nullptr,           "",           "aac",               {},    kAT8},
    {1020, "AAC for iPod/iPhone/iPad/iTunes/DSi", "m4a",  "ipod",                  "AACDevice",       "",           "aac",               {},    kAT8},
    {1030, nullptr,                               "ac3",  nullptr,                 nullptr,           "",           "ac3",               {},    kAT19},
    {1040, nullptr,                               "aiff", nullptr,                 nullptr,           "",           "pcm_s16be",         {},    kAT20},
    {1050, "ALAC (Apple Lossless)",               "m4a",  "ipod",                  "alac",            "",           "alac",              {},    kAT21},
    {1055, "A-Law",                               "alw",  "alaw",                  nullptr,           "",           "pcm_alaw",          {},    kAT22},
    {1060, nullptr,                               "amr",  nullptr,                 nullptr,           "",           "libopencore_amrnb", {},    kAT23},
    {1070, nullptr,                               "au",   nullptr,                 nullptr,           "",           "pcm_s16be",         {},    kAT24},
    {1082, "CAF (Core Audio Format)",             "caf",  nullptr,                 nullptr,           "",           "pcm_s16be",         {},    kAT25},
    {1085, nullptr,                               "dts",  nullptr,                 nullptr,           "",           "dca",               {},    kAT26},
    {1090, nullptr,                               "flac", nullptr,                 nullptr,           "",           "flac",              {},    kAT27},
    {1100, "M4A (MPEG-4 audio)",                  "m4a",  "ipod",                  nullptr,           "",           "aac",               {},    kAT28},
    {1110, "M4B (MPEG-4 audiobook)",              "m4b",  "ipod",                  nullptr,           "",           "aac",               {},    kAT28},
    {1120, "M4R (iPhone ringtone)",               "m4r",  "ipod",                  nullptr,           "",           "aac",               {},    kAT28},
    {1130, nullptr,                               "mka",  "matroska",              nullptr,           "",           "libvorbis",         {},    kAT9},
    {1140, nullptr,                               "mmf",  nullptr,                 nullptr,           "",           "adpcm_yamaha",      {},    kAT29},
    {1150, nullptr,                               "mp2",  nullptr,                 nullptr,           "",           "mp2",               {},    kAT16},
    {1160, nullptr,                               "mp3",  nullptr,                 nullptr,           "",           "libmp3lame",        {},    kAT30},
    {1170, nullptr,                               "mpa",  "mpeg",                  nullptr,           "",           "mp2",               {},    kAT11},
    {1175, "mu-Law",                              "ulw",  "mulaw",                 nullptr,           "",           "pcm_mulaw",         {},    kAT31},
    {1180, "OGG (OGG Audio)",                     "ogg",  nullptr,                 nullptr,           "",           "libvorbis",         {},    kAT13},
    {1182, "Opus",                                "opus", nullptr,                 nullptr,           "",           "libopus",           {},    kAT32},
    {1185, "SPX (Speex)",                         "spx",  nullptr,                 nullptr,           "",           "libspeex",          {},    kAT33},
    {1190, nullptr,                               "voc",  nullptr,                 nullptr,           "",           "pcm_u8",            {},    kAT34},
    {1200, nullptr,                               "wav",  nullptr,                 nullptr,           "",           "pcm_s16le",         {},    kAT35},
    {1210, nullptr,                               "wma",  nullptr,                 nullptr,           "",           "wmav2",             {},    kAT36},
    {1220, "WV (WavPack Lossless)",               "wv",   nullptr,                 nullptr,           "",           "wavpack",           {},    kAT37},
};
// clang-format on

struct FormatBlock {
    FormatCategory category;
    std::span<const FormatEntry> formats;
    ParameterValues defaults;  // every field set
};

// The blocks in catalogue order, each with the defaults of its category. The
// defaults stand in the order of ParameterValues: videoEnable, videoWidth,
// videoHeight, videoKeepAspect, addPadding, videoBitRate, videoVbrQuality,
// videoVbrEnabled, videoFrameRate, audioEnable, audioBitRate, audioVbrQuality,
// audioVbrEnabled, audioCompressionLevel, audioSampleRate, audioChannels, fastStart.
// clang-format off
const FormatBlock kBlocks[] = {
    {FormatCategory::VideoFormat,   kVideoFormats,   {1, 0,   0,   1, 0, 0,      5,  1, -1.0,  1, 0, -1, 0, -1, 0, 0, 0}},
    {FormatCategory::DevicePreset,  kDevicePresets,  {1, 640, 480, 1, 0, 768000, 26, 1, 23.97, 1, 0, -1, 0, 2,  0, 0, 1}},
    {FormatCategory::ImageSequence, kImageSequences, {1, 0,   0,   1, 0, 0,      -1, 0, -1.0,  0, 0, -1, 0, -1, 0, 0, 0}},
    {FormatCategory::AudioFormat,   kAudioFormats,   {0, 0,   0,   0, 0, 0,      -1, 0, -1.0,  1, 0, -1, 0, -1, 0, 0, 0}},
};
// clang-format on

// Values in which single formats differ from the defaults of their category,
// applied in this order after them.
struct ParameterDifference {
    std::array<int, 10> ids;  // unused places hold 0, which no format carries
    ParameterValues values;
};

const ParameterDifference kDifferences[] = {
    {{10, 20},
     {.videoWidth = 352,
      .videoHeight = 288,
      .addPadding = 1,
      .videoBitRate = 448000,
      .videoFrameRate = 15.0,
      .audioBitRate = 12200,
      .audioSampleRate = 8000,
      .audioChannels = 1,
      .fastStart = 1}},
    {{25, 75}, {.videoVbrQuality = -1, .videoVbrEnabled = 0, .audioEnable = 0}},
    {{40, 50, 70, 120, 135, 145, 155, 160, 170, 210}, {.audioVbrQuality = 5}},
    {{120}, {.videoFrameRate = 25.0}},
    {{135, 145, 155, 210}, {.videoVbrQuality = 6}},
    {{60},
     {.videoWidth = 720,
      .videoHeight = 480,
      .addPadding = 1,
      .videoVbrQuality = -1,
      .videoVbrEnabled = 0,
      .videoFrameRate = 29.97,
      .audioSampleRate = 48000,
      .audioChannels = 2}},
    {{65},
     {.videoWidth = 720,
      .videoHeight = 480,
      .addPadding = 1,
      .videoBitRate = 5000000,
      .videoVbrEnabled = 0,
      .videoFrameRate = 29.97}},
    {{80, 82, 85}, {.videoVbrQuality = 26, .fastStart = 1}},
    {{90}, {.videoVbrQuality = 26, .audioVbrQuality = 5, .audioCompressionLevel = 5}},
    {{100},
     {.videoVbrQuality = 26, .audioVbrQuality = 5, .audioCompressionLevel = 2, .fastStart = 1}},
    {{110}, {.fastStart = 1}},
    {{130, 140, 150}, {.videoVbrQuality = 6, .audioVbrQuality = 5, .audioCompressionLevel = 5}},
    {{180},
     {.videoWidth = 352,
      .videoHeight = 240,
      .addPadding = 1,
      .videoBitRate = 1150000,
      .videoVbrQuality = -1,
      .videoVbrEnabled = 0,
      .videoFrameRate = 29.97,
      .audioBitRate = 224000,
      .audioSampleRate = 44100,
      .audioChannels = 2}},
    {{195}, {.videoVbrQuality = 30, .videoVbrEnabled = 0, .audioVbrQuality = 5}},
    {{516, 535, 615}, {.videoWidth = 480, .videoHeight = 320, .videoBitRate = 512000}},
    {{545, 550}, {.videoVbrQuality = 24, .videoFrameRate = 29.97}},
    {{570}, {.videoFrameRate = 29.97}},
    {{710}, {.videoVbrQuality = 2, .videoVbrEnabled = 1}},
    {{792}, {.videoVbrQuality = 80, .videoVbrEnabled = 1}},
    {{1020}, {.fastStart = 1}},
    {{1050, 1100, 1110, 1120}, {.audioCompressionLevel = 2, .fastStart = 1}},
    {{1055, 1175}, {.audioSampleRate = 8000, .audioChannels = 1}},
    {{1060}, {.audioBitRate = 10200, .audioSampleRate = 8000, .audioChannels = 1}},
    {{1082}, {.audioVbrQuality = 5, .audioCompressionLevel = 2}},
    {{1090}, {.audioCompressionLevel = 5}},
    {{1130, 1180, 1200}, {.audioVbrQuality = 5, .audioCompressionLevel = 5}},
    {{1160, 1170}, {.audioVbrQuality = 5}},
    {{1185}, {.audioBitRate = 14000, .audioSampleRate = 16000, .audioChannels = 1}},
    {{1220}, {.audioCompressionLevel = 0}},
};

template <typename T>
void assignIfSet(T& field, const std::optional<T>& value) {
    if (value) {
        field = *value;
    }
}

void applyValues(const ParameterValues& values, OutputFormat& format) {
    assignIfSet(format.videoEnable, values.videoEnable);
    assignIfSet(format.videoWidth, values.videoWidth);
    assignIfSet(format.videoHeight, values.videoHeight);
    assignIfSet(format.videoKeepAspect, values.videoKeepAspect);
    assignIfSet(format.addPadding, values.addPadding);
    assignIfSet(format.videoBitRate, values.videoBitRate);
    assignIfSet(format.videoVbrQuality, values.videoVbrQuality);
    assignIfSet(format.videoVbrEnabled, values.videoVbrEnabled);
    assignIfSet(format.videoFrameRate, values.videoFrameRate);
    assignIfSet(format.audioEnable, values.audioEnable);
    assignIfSet(format.audioBitRate, values.audioBitRate);
    assignIfSet(format.audioVbrQuality, values.audioVbrQuality);
    assignIfSet(format.audioVbrEnabled, values.audioVbrEnabled);
    assignIfSet(format.audioCompressionLevel, values.audioCompressionLevel);
    assignIfSet(format.audioSampleRate, values.audioSampleRate);
    assignIfSet(format.audioChannels, values.audioChannels);
    assignIfSet(format.fastStart, values.fastStart);
}

std::unique_ptr<OutputFormat> makeFormat(const FormatEntry& entry, const FormatBlock& block) {
    auto format = std::make_unique<OutputFormat>();
    format->id = entry.id;
    format->category = block.category;
    format->videoCodec = entry.videoCodec;
    format->audioCodec = entry.audioCodec;
    format->extension = entry.extension;
    format->description = entry.description;
    format->muxer = entry.muxer;
    format->registryName = entry.registryName;
    format->videoCodecTable = entry.videoCodecTable;
    format->audioCodecTable = entry.audioCodecTable;
    applyValues(block.defaults, *format);
    for (const ParameterDifference& difference : kDifferences) {
        if (std::ranges::find(difference.ids, entry.id) != difference.ids.end()) {
            applyValues(difference.values, *format);
        }
    }
    return format;
}

}  // namespace

void buildCatalogue(FormatCatalogue& catalogue) {
    for (const FormatBlock& block : kBlocks) {
        for (const FormatEntry& entry : block.formats) {
            catalogue.push_back(makeFormat(entry, block));
        }
    }
}

void destroyCatalogue(FormatCatalogue& catalogue) {
    catalogue.clear();
}

OutputFormat* findFormat(const FormatCatalogue& catalogue, int id) {
    const auto found =
        std::ranges::find(catalogue, id, [](const auto& format) { return format->id; });
    return found != catalogue.end() ? found->get() : nullptr;
}

}  // namespace velmora::catalogue

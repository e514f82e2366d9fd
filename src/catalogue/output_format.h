#pragma once

#include <string>

#include "catalogue/codec_row.h"

namespace velmora::settings {
struct CustomFormatGroup;
}

namespace velmora::catalogue {

enum class FormatCategory : int {
    None = -1,  // a blank record (resetFormat)
    AudioFormat = 0,
    VideoFormat = 1,
    DevicePreset = 2,
    ImageSequence = 3,
    CustomGroup = 4,  // pseudo-entries of custom format groups only
};

// Ids of the main window's pseudo-entries, which no catalogue record carries.
inline constexpr int kCustomizeFormatsId = 20000;
inline constexpr int kFirstCustomGroupId = 21001;

// One output format: what it is (identity, texts, offered codecs) and its
// current encoding parameters. The member initialisers give the blank record.
// Flags are ints holding 0 or 1 as they are persisted.
struct OutputFormat {
    int id = -1;
    FormatCategory category = FormatCategory::None;
    settings::CustomFormatGroup* group = nullptr;  // null in every catalogue record

    int videoEnable = 0;
    std::string videoCodec;   // name of a row of videoCodecTable; empty = none
    std::string videoAspect;  // "16:9" or a decimal number; empty = Auto
    int videoWidth = 0;       // 0 together with videoHeight 0 = the source's size
    int videoHeight = 0;
    int videoKeepAspect = 0;
    int addPadding = 0;
    int videoBitRate = 0;          // bits per second; 0 = Auto
    int videoVbrQuality = -1;      // on the codec's own scale; -1 = none
    int videoVbrEnabled = 0;       // 1 = quality-driven, 0 = bit-rate-driven
    double videoFrameRate = -1.0;  // 0 or less = the source's rate

    int audioEnable = 1;
    std::string audioCodec;  // name of a row of audioCodecTable; empty = none
    int audioBitRate = 0;    // bits per second; 0 = Auto
    int audioVbrQuality = -1;
    int audioVbrEnabled = 0;
    int audioCompressionLevel = -1;
    int audioSampleRate = 0;  // Hz; 0 = the source's rate
    int audioChannels = 0;    // 1 ... 8; 0 = the source's count
    int audioVolume = 100;    // percent

    // Constant texts the record does not own.
    const char* extension = "";          // without the dot
    const char* description = "";        // null: the format is shown by its extension
    const char* muxer = "";              // after "-f "; null: the tool chooses by extension
    const char* registryName = nullptr;  // null: the extension forms the value prefix
    int fastStart = 0;                   // add "-movflags faststart "

    AudioCodecTable audioCodecTable;  // empty: the format has no audio settings
    VideoCodecTable videoCodecTable;  // empty: the format has no video settings
};

// Puts a record that lives outside the catalogue (a pseudo-entry of the format
// combo box) into the blank state. The caller then sets id (and, for groups,
// category and group).
void resetFormat(OutputFormat& format);

// description + " (*." + extension + ")", or the extension in upper case for a
// format without a description.
std::string formatLabel(const OutputFormat& format);

// True for the optimized Ogg formats, whose jobs run the Theora tool.
bool usesTheoraTool(const OutputFormat& format);

}  // namespace velmora::catalogue

#pragma once

#include <span>
#include <string_view>

#include "catalogue/value_list.h"

namespace velmora::catalogue {

// Bits of AudioCodecRow::rateModes. 0 = nothing to choose (fixed-rate codecs).
enum AudioRateMode : int {
    ByBitRate = 1,           // takes a bit rate from rateValues
    ByQuality = 2,           // takes a quality between qualityWorst and qualityBest
    ByCompressionLevel = 4,  // rateValues holds compression levels instead of bit rates
};

// One audio codec choice.
struct AudioCodecRow {
    std::string_view name;         // after "-c:a "; also the value stored in audioCodec
    std::string_view displayName;  // text of the codec combo box
    int rateModes = 0;             // AudioRateMode bits
    ValueList sampleRates;         // Hz, ascending
    ValueList rateValues;          // bit rates or compression levels; empty = neither applies
    int qualityBest = -1;          // -1 = no quality scale
    int qualityWorst = -1;         // -1 = no quality scale
    int channelMask = 0;           // bit n-1 set = n channels allowed
};

// One video codec choice.
struct VideoCodecRow {
    std::string_view name;         // the value stored in videoCodec
    std::string_view displayName;  // text of the codec combo box
    SizeList sizes;
    ValueList bitRates;     // bits per second; empty = the codec takes no bit rate
    int qualityBest = -1;   // -1 = no quality scale
    int qualityWorst = -1;  // -1 = no quality scale
    FrameRateList frameRates;
};

// The codec rows a format offers, in the order of its codec combo box. No table
// holds two rows with the same name, so a name identifies a row within a table.
template <typename Row>
using CodecTable = std::span<const Row* const>;
using AudioCodecTable = CodecTable<AudioCodecRow>;
using VideoCodecTable = CodecTable<VideoCodecRow>;

// The first row of the table whose name equals the given one (exact and
// case-sensitive); null when the name is empty or no row carries it.
template <typename Row>
const Row* findCodecRow(CodecTable<Row> table, std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    for (const Row* row : table) {
        if (row->name == name) {
            return row;
        }
    }
    return nullptr;
}

}  // namespace velmora::catalogue

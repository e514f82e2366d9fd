#include "catalogue/format_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/codec_tables.h"

namespace velmora::catalogue {
namespace {

class FormatCatalogueTest : public testing::Test {
  protected:
    void SetUp() override { buildCatalogue(catalogue); }

    const OutputFormat& format(int id) const {
        const OutputFormat* found = findFormat(catalogue, id);
        EXPECT_NE(found, nullptr) << id;
        return *found;
    }

    FormatCatalogue catalogue;
};

struct Block {
    FormatCategory category;
    std::size_t count;
    int firstId;
    int lastId;
};

TEST_F(FormatCatalogueTest, HoldsFourBlocksWithRisingUniqueIds) {
    const Block blocks[] = {{FormatCategory::VideoFormat, 31, 10, 210},
                            {FormatCategory::DevicePreset, 7, 516, 615},
                            {FormatCategory::ImageSequence, 14, 700, 795},
                            {FormatCategory::AudioFormat, 27, 1010, 1220}};
    ASSERT_EQ(catalogue.size(), 79u);
    auto record = catalogue.begin();
    for (const Block& block : blocks) {
        EXPECT_EQ((*record)->id, block.firstId);
        int previousId = 0;
        for (std::size_t i = 0; i < block.count; ++i, ++record) {
            EXPECT_EQ((*record)->category, block.category) << (*record)->id;
            EXPECT_GT((*record)->id, previousId);
            previousId = (*record)->id;
        }
        EXPECT_EQ(previousId, block.lastId);
    }
    std::set<int> ids;
    for (const auto& entry : catalogue) {
        EXPECT_TRUE(ids.insert(entry->id).second) << entry->id;
    }
}

struct FormatTables {
    int id;
    VideoCodecTable video;
    AudioCodecTable audio;
};

// Which codec tables each format offers, in catalogue order.
constexpr FormatTables kExpectedTables[] = {
    {10, kVT1, kAT1},    {20, kVT1, kAT1},    {25, kVT2, {}},      {30, kVT3, kAT2},
    {40, kVT4, kAT3},    {50, kVT5, kAT4},    {60, kVT6, kAT5},    {65, kVT7, kAT6},
    {70, kVT8, kAT7},    {75, kVT9, {}},      {80, kVT10, kAT8},   {82, kVT11, kAT8},
    {85, kVT12, kAT8},   {90, kVT13, kAT9},   {100, kVT14, kAT10}, {110, kVT12, kAT8},
    {120, kVT15, kAT11}, {125, kVT16, kAT12}, {130, kVT17, kAT13}, {135, kVT18, kAT14},
    {140, kVT17, kAT13}, {145, kVT18, kAT14}, {150, kVT17, kAT13}, {155, kVT18, kAT14},
    {160, kVT8, kAT7},   {170, kVT19, kAT15}, {180, kVT20, kAT16}, {190, kVT16, kAT6},
    {195, kVT21, kAT17}, {200, kVT3, kAT2},   {210, kVT22, kAT4},  {516, kVT23, kAT18},
    {517, kVT23, kAT18}, {535, kVT23, kAT18}, {545, kVT24, kAT18}, {550, kVT24, kAT18},
    {570, kVT25, kAT18}, {615, kVT23, kAT18}, {700, kVT26, {}},    {705, kVT9, {}},
    {710, kVT27, {}},    {740, kVT28, {}},    {750, kVT29, {}},    {752, kVT30, {}},
    {755, kVT31, {}},    {760, kVT32, {}},    {765, kVT33, {}},    {770, kVT34, {}},
    {780, kVT35, {}},    {790, kVT36, {}},    {792, kVT37, {}},    {795, kVT38, {}},
    {1010, {}, kAT8},    {1020, {}, kAT8},    {1030, {}, kAT19},   {1040, {}, kAT20},
    {1050, {}, kAT21},   {1055, {}, kAT22},   {1060, {}, kAT23},   {1070, {}, kAT24},
    {1082, {}, kAT25},   {1085, {}, kAT26},   {1090, {}, kAT27},   {1100, {}, kAT28},
    {1110, {}, kAT28},   {1120, {}, kAT28},   {1130, {}, kAT9},    {1140, {}, kAT29},
    {1150, {}, kAT16},   {1160, {}, kAT30},   {1170, {}, kAT11},   {1175, {}, kAT31},
    {1180, {}, kAT13},   {1182, {}, kAT32},   {1185, {}, kAT33},   {1190, {}, kAT34},
    {1200, {}, kAT35},   {1210, {}, kAT36},   {1220, {}, kAT37},
};

TEST_F(FormatCatalogueTest, EveryFormatOffersItsCodecTables) {
    ASSERT_EQ(std::size(kExpectedTables), catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const OutputFormat& record = *catalogue[i];
        const FormatTables& expected = kExpectedTables[i];
        SCOPED_TRACE(record.id);
        EXPECT_EQ(record.id, expected.id);
        EXPECT_EQ(record.videoCodecTable.data(), expected.video.data());
        EXPECT_EQ(record.videoCodecTable.size(), expected.video.size());
        EXPECT_EQ(record.audioCodecTable.data(), expected.audio.data());
        EXPECT_EQ(record.audioCodecTable.size(), expected.audio.size());
    }
}

TEST_F(FormatCatalogueTest, EveryDefaultCodecNamesARowOfItsOwnTable) {
    for (const auto& record : catalogue) {
        SCOPED_TRACE(record->id);
        EXPECT_EQ(record->videoCodec.empty(), record->videoCodecTable.empty());
        EXPECT_EQ(record->audioCodec.empty(), record->audioCodecTable.empty());
        if (!record->videoCodecTable.empty()) {
            EXPECT_NE(findCodecRow(record->videoCodecTable, record->videoCodec), nullptr)
                << record->videoCodec;
        }
        if (!record->audioCodecTable.empty()) {
            EXPECT_NE(findCodecRow(record->audioCodecTable, record->audioCodec), nullptr)
                << record->audioCodec;
        }
    }
}

TEST_F(FormatCatalogueTest, BlocksOfferTheSettingsOfTheirKind) {
    for (const auto& record : catalogue) {
        SCOPED_TRACE(record->id);
        if (record->category == FormatCategory::ImageSequence) {
            EXPECT_TRUE(record->audioCodecTable.empty());
            EXPECT_EQ(record->audioEnable, 0);
            EXPECT_EQ(std::string_view(record->muxer).substr(0, 6), "image2");
        }
        if (record->category == FormatCategory::AudioFormat) {
            EXPECT_TRUE(record->videoCodecTable.empty());
            EXPECT_EQ(record->videoEnable, 0);
        }
        EXPECT_EQ(record->group, nullptr);
        EXPECT_EQ(record->videoAspect, "");
        EXPECT_EQ(record->audioVolume, 100);
        EXPECT_NE(record->extension, nullptr);
    }
}

// Every encoding parameter of a format, in the order of the defaults tables.
struct Parameters {
    int id;
    int videoEnable, videoWidth, videoHeight, videoKeepAspect, addPadding, videoBitRate,
        videoVbrQuality, videoVbrEnabled;
    double videoFrameRate;
    int audioEnable, audioBitRate, audioVbrQuality, audioVbrEnabled, audioCompressionLevel,
        audioSampleRate, audioChannels, fastStart;
};

// clang-format off
constexpr Parameters kExpectedParameters[] = {
    {10, 1, 352, 288, 1, 1, 448000, 5, 1, 15.0, 1, 12200, -1, 0, -1, 8000, 1, 1},
    {25, 1, 0, 0, 1, 0, 0, -1, 0, -1.0, 0, 0, -1, 0, -1, 0, 0, 0},
    {30, 1, 0, 0, 1, 0, 0, 5, 1, -1.0, 1, 0, -1, 0, -1, 0, 0, 0},
    {60, 1, 720, 480, 1, 1, 0, -1, 0, 29.97, 1, 0, -1, 0, -1, 48000, 2, 0},
    {65, 1, 720, 480, 1, 1, 5000000, 5, 0, 29.97, 1, 0, -1, 0, -1, 0, 0, 0},
    {120, 1, 0, 0, 1, 0, 0, 5, 1, 25.0, 1, 0, 5, 0, -1, 0, 0, 0},
    {135, 1, 0, 0, 1, 0, 0, 6, 1, -1.0, 1, 0, 5, 0, -1, 0, 0, 0},
    {180, 1, 352, 240, 1, 1, 1150000, -1, 0, 29.97, 1, 224000, -1, 0, -1, 44100, 2, 0},
    {195, 1, 0, 0, 1, 0, 0, 30, 0, -1.0, 1, 0, 5, 0, -1, 0, 0, 0},
    {210, 1, 0, 0, 1, 0, 0, 6, 1, -1.0, 1, 0, 5, 0, -1, 0, 0, 0},
    {516, 1, 480, 320, 1, 0, 512000, 26, 1, 23.97, 1, 0, -1, 0, 2, 0, 0, 1},
    {517, 1, 640, 480, 1, 0, 768000, 26, 1, 23.97, 1, 0, -1, 0, 2, 0, 0, 1},
    {545, 1, 640, 480, 1, 0, 768000, 24, 1, 29.97, 1, 0, -1, 0, 2, 0, 0, 1},
    {570, 1, 640, 480, 1, 0, 768000, 26, 1, 29.97, 1, 0, -1, 0, 2, 0, 0, 1},
    {700, 1, 0, 0, 1, 0, 0, -1, 0, -1.0, 0, 0, -1, 0, -1, 0, 0, 0},
    {710, 1, 0, 0, 1, 0, 0, 2, 1, -1.0, 0, 0, -1, 0, -1, 0, 0, 0},
    {792, 1, 0, 0, 1, 0, 0, 80, 1, -1.0, 0, 0, -1, 0, -1, 0, 0, 0},
    {1010, 0, 0, 0, 0, 0, 0, -1, 0, -1.0, 1, 0, -1, 0, -1, 0, 0, 0},
    {1060, 0, 0, 0, 0, 0, 0, -1, 0, -1.0, 1, 10200, -1, 0, -1, 8000, 1, 0},
    {1082, 0, 0, 0, 0, 0, 0, -1, 0, -1.0, 1, 0, 5, 0, 2, 0, 0, 0},
    {1185, 0, 0, 0, 0, 0, 0, -1, 0, -1.0, 1, 14000, -1, 0, -1, 16000, 1, 0},
    {1220, 0, 0, 0, 0, 0, 0, -1, 0, -1.0, 1, 0, -1, 0, 0, 0, 0, 0},
};
// clang-format on

TEST_F(FormatCatalogueTest, FormatsStartWithTheirCategoryDefaultsAndDifferences) {
    for (const Parameters& expected : kExpectedParameters) {
        const OutputFormat& record = format(expected.id);
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(record.videoEnable, expected.videoEnable);
        EXPECT_EQ(record.videoWidth, expected.videoWidth);
        EXPECT_EQ(record.videoHeight, expected.videoHeight);
        EXPECT_EQ(record.videoKeepAspect, expected.videoKeepAspect);
        EXPECT_EQ(record.addPadding, expected.addPadding);
        EXPECT_EQ(record.videoBitRate, expected.videoBitRate);
        EXPECT_EQ(record.videoVbrQuality, expected.videoVbrQuality);
        EXPECT_EQ(record.videoVbrEnabled, expected.videoVbrEnabled);
        EXPECT_EQ(record.videoFrameRate, expected.videoFrameRate);
        EXPECT_EQ(record.audioEnable, expected.audioEnable);
        EXPECT_EQ(record.audioBitRate, expected.audioBitRate);
        EXPECT_EQ(record.audioVbrQuality, expected.audioVbrQuality);
        EXPECT_EQ(record.audioVbrEnabled, expected.audioVbrEnabled);
        EXPECT_EQ(record.audioCompressionLevel, expected.audioCompressionLevel);
        EXPECT_EQ(record.audioSampleRate, expected.audioSampleRate);
        EXPECT_EQ(record.audioChannels, expected.audioChannels);
        EXPECT_EQ(record.fastStart, expected.fastStart);
    }
}

TEST_F(FormatCatalogueTest, FrameRatesAreTheExactDecimalDoubles) {
    EXPECT_EQ(format(60).videoFrameRate, 29.97);
    EXPECT_NE(format(60).videoFrameRate, 30000.0 / 1001.0);
    EXPECT_EQ(format(535).videoFrameRate, 23.97);
    EXPECT_NE(format(535).videoFrameRate, 24000.0 / 1001.0);
}

TEST_F(FormatCatalogueTest, RecordsCarryTheirTexts) {
    const OutputFormat& dvd = format(65);
    EXPECT_STREQ(dvd.description, "DVD Video");
    EXPECT_STREQ(dvd.extension, "vob");
    EXPECT_STREQ(dvd.muxer, "dvd");
    EXPECT_STREQ(dvd.registryName, "DVDVOB");
    EXPECT_EQ(dvd.videoCodec, "mpeg2video");
    EXPECT_EQ(dvd.audioCodec, "mp2");

    const OutputFormat& avi = format(40);
    EXPECT_EQ(avi.description, nullptr);
    EXPECT_EQ(avi.muxer, nullptr);
    EXPECT_EQ(avi.registryName, nullptr);

    EXPECT_STREQ(format(790).muxer, "image2 -pix_fmt rgb24");
    EXPECT_STREQ(format(1020).description, "AAC for iPod/iPhone/iPad/iTunes/DSi");
    EXPECT_STREQ(format(1020).registryName, "AACDevice");
    EXPECT_EQ(format(752).videoCodec, "alias_pix");
    EXPECT_EQ(format(545).videoCodec, "h264mp");
    EXPECT_EQ(format(1140).audioCodec, "adpcm_yamaha");
}

TEST_F(FormatCatalogueTest, FormatsSharingAnExtensionHaveDistinctLabels) {
    std::set<std::string> labels;
    for (const auto& record : catalogue) {
        EXPECT_TRUE(labels.insert(formatLabel(*record)).second) << formatLabel(*record);
    }
    EXPECT_EQ(formatLabel(format(40)), "AVI");
    EXPECT_EQ(formatLabel(format(50)), "DivX (*.avi)");
    EXPECT_EQ(formatLabel(format(210)), "Xvid (*.avi)");
    EXPECT_EQ(formatLabel(format(130)), "OGG");
    EXPECT_EQ(formatLabel(format(135)), "OGG (optimized) (*.ogg)");
    EXPECT_EQ(formatLabel(format(1180)), "OGG (OGG Audio) (*.ogg)");
    EXPECT_EQ(formatLabel(format(75)), "GIF Animation (*.gif)");
    EXPECT_EQ(formatLabel(format(705)), "GIF (image sequence) (*.gif)");
    EXPECT_EQ(formatLabel(format(10)), "3G2");
}

std::string upperCase(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The name the settings are stored under: the registry name, else the extension.
TEST_F(FormatCatalogueTest, OnlyTheTwoPlainOggFormatsShareAStorageName) {
    std::map<std::string, std::vector<int>> idsByName;
    for (const auto& record : catalogue) {
        const char* name =
            record->registryName != nullptr ? record->registryName : record->extension;
        idsByName[upperCase(name)].push_back(record->id);
    }
    for (const auto& [name, ids] : idsByName) {
        if (name == "OGG") {
            EXPECT_EQ(ids, (std::vector<int>{130, 1180}));
        } else {
            EXPECT_EQ(ids.size(), 1u) << name;
        }
    }
}

TEST_F(FormatCatalogueTest, FindFormatKnowsOnlyCatalogueIds) {
    for (const auto& record : catalogue) {
        EXPECT_EQ(findFormat(catalogue, record->id), record.get());
    }
    for (int id :
         {kCustomizeFormatsId, kFirstCustomGroupId, kFirstCustomGroupId + 7, -1, 0, 11, 1221}) {
        EXPECT_EQ(findFormat(catalogue, id), nullptr) << id;
    }
    EXPECT_EQ(findFormat(FormatCatalogue{}, 10), nullptr);
}

TEST_F(FormatCatalogueTest, OnlyTheOptimizedOggFormatsUseTheTheoraTool) {
    std::set<int> theoraIds;
    for (const auto& record : catalogue) {
        if (usesTheoraTool(*record)) {
            theoraIds.insert(record->id);
            EXPECT_EQ(record->videoCodecTable.data(), kVT18);
            EXPECT_EQ(record->audioCodecTable.data(), kAT14);
        }
    }
    EXPECT_EQ(theoraIds, (std::set<int>{135, 145, 155}));
}

TEST_F(FormatCatalogueTest, EditsStayInTheRecordThatOtherPartsPointAt) {
    OutputFormat* mp3 = findFormat(catalogue, 1160);
    mp3->audioBitRate = 192000;
    mp3->audioCodec = "something else";
    EXPECT_EQ(findFormat(catalogue, 1160)->audioBitRate, 192000);
    FormatCatalogue moved = std::move(catalogue);
    EXPECT_EQ(findFormat(moved, 1160), mp3);
}

TEST_F(FormatCatalogueTest, DestroyingEmptiesTheCatalogue) {
    destroyCatalogue(catalogue);
    EXPECT_TRUE(catalogue.empty());
    buildCatalogue(catalogue);
    EXPECT_EQ(catalogue.size(), 79u);
    EXPECT_EQ(format(1220).audioCompressionLevel, 0);
}

TEST(ResetFormat, GivesTheBlankRecord) {
    FormatCatalogue catalogue;
    buildCatalogue(catalogue);
    OutputFormat record = *findFormat(catalogue, 516);
    record.videoAspect = "16:9";
    record.audioVolume = 150;
    resetFormat(record);
    EXPECT_EQ(record.id, -1);
    EXPECT_EQ(static_cast<int>(record.category), -1);
    EXPECT_EQ(record.group, nullptr);
    EXPECT_EQ(record.videoEnable, 0);
    EXPECT_EQ(record.videoCodec, "");
    EXPECT_EQ(record.videoAspect, "");
    EXPECT_EQ(record.videoWidth, 0);
    EXPECT_EQ(record.videoHeight, 0);
    EXPECT_EQ(record.videoKeepAspect, 0);
    EXPECT_EQ(record.addPadding, 0);
    EXPECT_EQ(record.videoBitRate, 0);
    EXPECT_EQ(record.videoVbrQuality, -1);
    EXPECT_EQ(record.videoVbrEnabled, 0);
    EXPECT_EQ(record.videoFrameRate, -1.0);
    EXPECT_EQ(record.audioEnable, 1);
    EXPECT_EQ(record.audioCodec, "");
    EXPECT_EQ(record.audioBitRate, 0);
    EXPECT_EQ(record.audioVbrQuality, -1);
    EXPECT_EQ(record.audioVbrEnabled, 0);
    EXPECT_EQ(record.audioCompressionLevel, -1);
    EXPECT_EQ(record.audioSampleRate, 0);
    EXPECT_EQ(record.audioChannels, 0);
    EXPECT_EQ(record.audioVolume, 100);
    ASSERT_NE(record.extension, nullptr);
    ASSERT_NE(record.description, nullptr);
    ASSERT_NE(record.muxer, nullptr);
    EXPECT_STREQ(record.extension, "");
    EXPECT_STREQ(record.description, "");
    EXPECT_STREQ(record.muxer, "");
    EXPECT_EQ(record.registryName, nullptr);
    EXPECT_EQ(record.fastStart, 0);
    EXPECT_TRUE(record.audioCodecTable.empty());
    EXPECT_TRUE(record.videoCodecTable.empty());
}

TEST(FormatLabel, UpperCasesTheExtensionOfAFormatWithoutDescription) {
    OutputFormat record;
    record.extension = "mka";
    record.description = nullptr;
    EXPECT_EQ(formatLabel(record), "MKA");
    record.description = "Matroska";
    EXPECT_EQ(formatLabel(record), "Matroska (*.mka)");
}

}  // namespace
}  // namespace velmora::catalogue

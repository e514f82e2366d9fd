#include "catalogue/codec_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/size_presets.h"

namespace velmora::catalogue {
namespace {

template <typename T>
std::vector<T> values(std::span<const T> list) {
    return {list.begin(), list.end()};
}

std::vector<FrameSize> sizes(SizeList list) {
    return values(offeredSizes(list));
}

std::vector<double> rates(FrameRateList list) {
    return values(offeredFrameRates(list));
}

template <typename Row>
void expectUniqueNames(CodecTable<Row> table, const char* label) {
    std::set<std::string_view> names;
    for (const Row* row : table) {
        EXPECT_TRUE(names.insert(row->name).second) << label << " holds " << row->name << " twice";
    }
}

TEST(CodecRows, AllRowsAreListedInTheirOrder) {
    EXPECT_EQ(std::size(kAudioCodecRows), 47u);
    EXPECT_EQ(std::size(kVideoCodecRows), 54u);
    EXPECT_EQ(kAudioCodecRows[0], &kA01);
    EXPECT_EQ(kAudioCodecRows[46], &kA47);
    EXPECT_EQ(kVideoCodecRows[0], &kV01);
    EXPECT_EQ(kVideoCodecRows[53], &kV54);
}

TEST(CodecRows, AudioRowsAreWellFormed) {
    for (const AudioCodecRow* row : kAudioCodecRows) {
        SCOPED_TRACE(std::string(row->name));
        EXPECT_FALSE(row->sampleRates.empty());
        EXPECT_TRUE(std::ranges::is_sorted(row->sampleRates));
        EXPECT_TRUE(std::ranges::is_sorted(row->rateValues));
        const bool takesValues = (row->rateModes & (ByBitRate | ByCompressionLevel)) != 0;
        EXPECT_EQ(takesValues, !row->rateValues.empty());
        const bool hasScale = row->qualityBest != -1 && row->qualityWorst != -1;
        EXPECT_EQ(hasScale, (row->rateModes & ByQuality) != 0);
        EXPECT_NE(row->channelMask & 0xFF, 0);
        EXPECT_EQ(row->channelMask & ~0xFF, 0);
    }
}

TEST(CodecRows, VideoRowsAreWellFormed) {
    for (const VideoCodecRow* row : kVideoCodecRows) {
        SCOPED_TRACE(std::string(row->name));
        EXPECT_FALSE(offeredSizes(row->sizes).empty());
        EXPECT_TRUE(std::ranges::is_sorted(row->bitRates));
        const FrameRateList frameRates = offeredFrameRates(row->frameRates);
        EXPECT_FALSE(frameRates.empty());
        EXPECT_TRUE(std::ranges::is_sorted(frameRates));
        EXPECT_EQ(row->qualityBest == -1, row->qualityWorst == -1);
    }
}

TEST(CodecLists, ValueListsAscendStrictly) {
    const ValueList lists[] = {kSR1,  kSR2,  kSR3,  kSR4,  kSR5,  kSR6,  kSR7,  kSR8,  kSR9,
                               kSR10, kSR11, kSR12, kSR13, kSR14, kSR15, kSR16, kSR17, kAV1,
                               kAV2,  kAV3,  kAV4,  kAV5,  kAV6,  kAV7,  kAV8,  kAV9,  kAV10,
                               kAV11, kAV12, kAV13, kAV14, kAV15, kAV16, kVB1,  kVB2};
    for (ValueList list : lists) {
        EXPECT_FALSE(list.empty());
        EXPECT_EQ(std::ranges::adjacent_find(list, std::greater_equal<>()), list.end())
            << "list starting " << list.front();
    }
}

TEST(CodecLists, FrameRateListsAscendStrictly) {
    const FrameRateList lists[] = {kFR1, kFR2, kFR3, kFR4, kFR5};
    for (FrameRateList list : lists) {
        const FrameRateList offered = offeredFrameRates(list);
        EXPECT_EQ(std::ranges::adjacent_find(offered, std::greater_equal<>()), offered.end());
    }
}

TEST(CodecTables, NoTableHoldsTwoRowsWithOneName) {
    const VideoCodecTable videoTables[] = {
        kVT1,  kVT2,  kVT3,  kVT4,  kVT5,  kVT6,  kVT7,  kVT8,  kVT9,  kVT10, kVT11, kVT12, kVT13,
        kVT14, kVT15, kVT16, kVT17, kVT18, kVT19, kVT20, kVT21, kVT22, kVT23, kVT24, kVT25, kVT26,
        kVT27, kVT28, kVT29, kVT30, kVT31, kVT32, kVT33, kVT34, kVT35, kVT36, kVT37, kVT38};
    const AudioCodecTable audioTables[] = {
        kAT1,  kAT2,  kAT3,  kAT4,  kAT5,  kAT6,  kAT7,  kAT8,  kAT9,  kAT10, kAT11, kAT12, kAT13,
        kAT14, kAT15, kAT16, kAT17, kAT18, kAT19, kAT20, kAT21, kAT22, kAT23, kAT24, kAT25, kAT26,
        kAT27, kAT28, kAT29, kAT30, kAT31, kAT32, kAT33, kAT34, kAT35, kAT36, kAT37};
    for (std::size_t i = 0; i < std::size(videoTables); ++i) {
        EXPECT_FALSE(videoTables[i].empty());
        expectUniqueNames(videoTables[i], ("VT" + std::to_string(i + 1)).c_str());
    }
    for (std::size_t i = 0; i < std::size(audioTables); ++i) {
        EXPECT_FALSE(audioTables[i].empty());
        expectUniqueNames(audioTables[i], ("AT" + std::to_string(i + 1)).c_str());
    }
}

TEST(CodecRows, SpotChecksOfAudioRows) {
    EXPECT_EQ(kA11.name, "libmp3lame");
    EXPECT_EQ(kA11.displayName, "MP3 (MPEG audio layer 3)");
    EXPECT_EQ(kA11.rateModes, ByBitRate | ByQuality);
    EXPECT_EQ(values(kA11.sampleRates),
              (std::vector<int>{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}));
    EXPECT_EQ(values(kA11.rateValues),
              (std::vector<int>{8000, 16000, 24000, 32000, 40000, 48000, 56000, 64000, 80000, 96000,
                                112000, 128000, 144000, 160000, 192000, 224000, 256000, 320000}));
    EXPECT_EQ(kA11.qualityBest, 0);
    EXPECT_EQ(kA11.qualityWorst, 10);
    EXPECT_EQ(kA11.channelMask, 0x03);

    EXPECT_EQ(kA29.name, "g726");
    EXPECT_EQ(kA29.displayName, "G.726 ADPCM");
    EXPECT_EQ(kA29.rateModes, ByBitRate);
    EXPECT_EQ(values(kA29.sampleRates), (std::vector<int>{8000}));
    EXPECT_EQ(values(kA29.rateValues), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(kA29.qualityBest, -1);
    EXPECT_EQ(kA29.qualityWorst, -1);
    EXPECT_EQ(kA29.channelMask, 0x01);

    EXPECT_EQ(kA06.rateModes, 0);
    EXPECT_TRUE(kA06.rateValues.empty());
    EXPECT_EQ(kA03.rateModes, ByCompressionLevel);
    EXPECT_EQ(values(kA03.rateValues), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(values(kA46.rateValues).front(), 6000);
    EXPECT_EQ(kA40.name, "adpcm_ima_qt");
}

TEST(CodecRows, SpotChecksOfVideoRows) {
    EXPECT_EQ(kV19.name, "mpeg1video");
    EXPECT_EQ(kV19.displayName, "MPEG-1");
    EXPECT_TRUE(isFixedSizeList(kV19.sizes));
    EXPECT_EQ(sizes(kV19.sizes), (std::vector<FrameSize>{{352, 240}, {352, 288}}));
    EXPECT_EQ(values(kV19.bitRates), (std::vector<int>{1150000}));
    EXPECT_EQ(kV19.qualityBest, -1);
    EXPECT_EQ(kV19.qualityWorst, -1);
    EXPECT_EQ(rates(kV19.frameRates), (std::vector<double>{23.97, 25, 29.97}));

    EXPECT_EQ(kV52.name, "libwebp");
    EXPECT_EQ(kV52.displayName, "WebP Image");
    EXPECT_EQ(kV52.sizes.data(), kSZ2);
    EXPECT_TRUE(kV52.bitRates.empty());
    EXPECT_EQ(kV52.qualityBest, 100);
    EXPECT_EQ(kV52.qualityWorst, 2);
    EXPECT_EQ(kV52.frameRates.data(), kFR5);

    EXPECT_EQ(kV08.qualityBest, 10);
    EXPECT_EQ(kV08.qualityWorst, 1);
    EXPECT_TRUE(kV08.bitRates.empty());
    EXPECT_EQ(kV21.qualityBest, 31);
    EXPECT_EQ(kV21.qualityWorst, 2);
    EXPECT_EQ(kV24.qualityWorst, 64);
    EXPECT_EQ(kV15.sizes.data(), kSZ5);
    EXPECT_EQ(kV27.sizes.data(), kSZ7);
}

TEST(CodecLists, SpotChecksOfLists) {
    EXPECT_EQ(sizes(kSZ5),
              (std::vector<FrameSize>{
                  {128, 96},    {176, 144},  {240, 160},  {320, 240},   {352, 288},   {480, 320},
                  {640, 360},   {640, 480},  {704, 576},  {720, 480},   {800, 480},   {800, 600},
                  {960, 540},   {1024, 576}, {1024, 768}, {1280, 720},  {1280, 1024}, {1366, 768},
                  {1408, 1152}, {1440, 900}, {1600, 900}, {1600, 1200}, {1920, 1080}}));
    EXPECT_EQ(values<int>(kAV16),
              (std::vector<int>{6000,   8000,   12000,  16000,  24000,  32000,  40000,  48000,
                                56000,  64000,  80000,  96000,  112000, 128000, 144000, 160000,
                                192000, 224000, 256000, 320000, 384000, 448000, 512000}));
    EXPECT_EQ(rates(kFR5),
              (std::vector<double>{0.1, 0.2, 0.3, 0.4, 0.5,   0.8, 1,  2,     3,  4,  5, 8,
                                   10,  12,  15,  20,  23.97, 24,  25, 29.97, 30, 50, 60}));
    EXPECT_EQ(values<int>(kSR15), (std::vector<int>{4000, 8000, 11025, 22050, 44100}));
    EXPECT_EQ(values<int>(kAV14).back(), 440000);
    EXPECT_EQ(std::size(kVB1), 34u);
    EXPECT_EQ(kVB1[0], 96000);
    EXPECT_EQ(kVB1[33], 20000000);
    EXPECT_EQ(sizes(kSZ2).size(), 30u);
    EXPECT_EQ(sizes(kSZ2).back(), (FrameSize{4096, 2304}));
    EXPECT_EQ(sizes(kSZ4), (std::vector<FrameSize>{
                               {128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}}));
}

TEST(CodecTables, SpotChecksOfTables) {
    EXPECT_EQ(values<const VideoCodecRow*>(kVT13),
              (std::vector<const VideoCodecRow*>{&kV21, &kV10, &kV11, &kV12, &kV09, &kV06, &kV17,
                                                 &kV18, &kV20, &kV25, &kV22, &kV07, &kV38, &kV39,
                                                 &kV16, &kV37}));
    EXPECT_EQ(values<const AudioCodecRow*>(kAT35),
              (std::vector<const AudioCodecRow*>{&kA07, &kA04, &kA01, &kA02, &kA23, &kA25, &kA06,
                                                 &kA05, &kA15, &kA30, &kA31, &kA29, &kA28, &kA27,
                                                 &kA41, &kA10, &kA11, &kA16, &kA17, &kA19, &kA20,
                                                 &kA21, &kA22, &kA14, &kA13, &kA43, &kA44, &kA32}));
    EXPECT_EQ(values<const VideoCodecRow*>(kVT24),
              (std::vector<const VideoCodecRow*>{&kV13, &kV14, &kV15, &kV27}));
    EXPECT_EQ(values<const AudioCodecRow*>(kAT18),
              (std::vector<const AudioCodecRow*>{&kA08, &kA03}));
    EXPECT_EQ(values<const AudioCodecRow*>(kAT7),
              (std::vector<const AudioCodecRow*>{&kA12, &kA09}));
}

TEST(FindCodecRow, TheTableSearchedDecidesBetweenRowsOfOneName) {
    const AudioCodecRow* mp4Aac = findCodecRow<AudioCodecRow>(kAT8, "aac");
    const AudioCodecRow* deviceAac = findCodecRow<AudioCodecRow>(kAT18, "aac");
    ASSERT_EQ(mp4Aac, &kA07);
    ASSERT_EQ(deviceAac, &kA08);
    EXPECT_EQ(mp4Aac->channelMask, 0x3F);
    EXPECT_EQ(deviceAac->channelMask, 0x03);
    EXPECT_EQ(findCodecRow<AudioCodecRow>(kAT7, "aac"), &kA09);
    EXPECT_EQ(findCodecRow<VideoCodecRow>(kVT23, "mpeg4"), &kV26);
    EXPECT_EQ(findCodecRow<VideoCodecRow>(kVT24, "mpeg4"), &kV27);
}

TEST(FindCodecRow, EmptyUnknownOrDifferentlyCasedNamesFindNothing) {
    EXPECT_EQ(findCodecRow<AudioCodecRow>(kAT35, ""), nullptr);
    EXPECT_EQ(findCodecRow<AudioCodecRow>(kAT35, "AAC"), nullptr);
    EXPECT_EQ(findCodecRow<AudioCodecRow>(kAT35, "aac "), nullptr);
    EXPECT_EQ(findCodecRow<AudioCodecRow>(kAT8, "libmp3lame"), nullptr);
    EXPECT_EQ(findCodecRow<VideoCodecRow>(kVT4, "libx26"), nullptr);
    EXPECT_EQ(findCodecRow<VideoCodecRow>(VideoCodecTable{}, "libx264"), nullptr);
}

TEST(SizePresetName, NamesEverySizeOfTheGeneralLists) {
    const SizeList lists[] = {kSZ2, kSZ5, kSZ7};
    for (SizeList list : lists) {
        for (FrameSize size : list) {
            EXPECT_FALSE(sizePresetName(size.width, size.height).empty())
                << size.width << "x" << size.height;
        }
    }
    EXPECT_EQ(sizePresetName(128, 96), "SQCIF 4:3");
    EXPECT_EQ(sizePresetName(640, 480), "VGA 4:3");
    EXPECT_EQ(sizePresetName(720, 576), "DVD PAL 5:4");
    EXPECT_EQ(sizePresetName(960, 540), "qHD 540p 16:9");
    EXPECT_EQ(sizePresetName(1366, 768), "WXGA 16:9");
    EXPECT_EQ(sizePresetName(3200, 1800), "WQXGA+ 16:9");
    EXPECT_EQ(sizePresetName(4096, 2304), "4K 16:9");
}

TEST(SizePresetName, OtherSizesHaveNoName) {
    EXPECT_EQ(sizePresetName(352, 240), "");
    EXPECT_EQ(sizePresetName(480, 640), "");
    EXPECT_EQ(sizePresetName(0, 0), "");
    EXPECT_EQ(sizePresetName(-1, -1), "");
}

}  // namespace
}  // namespace velmora::catalogue

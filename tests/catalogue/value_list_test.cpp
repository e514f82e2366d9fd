#include "catalogue/value_list.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "catalogue/codec_lists.h"

namespace velmora::catalogue {
namespace {

struct SnapCase {
    int value;
    int expected;
};

class SnapToSampleRates : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapToSampleRates, GivesTheNearestMemberAndTheLowerOnATie) {
    EXPECT_EQ(snapToList(GetParam().value, kSR4), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SR4, SnapToSampleRates,
                         testing::Values(SnapCase{44100, 44100}, SnapCase{45000, 44100},
                                         SnapCase{46050, 44100}, SnapCase{46051, 48000},
                                         SnapCase{100000, 48000}, SnapCase{0, 32000},
                                         SnapCase{-5, 32000}, SnapCase{38050, 32000},
                                         SnapCase{38051, 44100}, SnapCase{32000, 32000},
                                         SnapCase{48000, 48000}));

TEST(SnapToList, MidpointRoundsDown) {
    constexpr int list[] = {16000, 24000};
    EXPECT_EQ(snapToList(22050, list), 24000);
    EXPECT_EQ(snapToList(20000, list), 16000);
}

TEST(SnapToList, OneMemberListAlwaysGivesThatMember) {
    for (int rate : {0, 7999, 8000, 8001, 44100, INT_MAX, INT_MIN}) {
        EXPECT_EQ(snapToList(rate, kSR1), 8000) << rate;
    }
}

TEST(SnapToList, NoListKeepsTheValue) {
    EXPECT_EQ(snapToList(12345, ValueList{}), 12345);
    EXPECT_EQ(snapToList(-1, ValueList{}), -1);
}

TEST(SnapToList, DistancesBetweenExtremeMembersDoNotOverflow) {
    constexpr int list[] = {INT_MIN + 1, INT_MAX};
    EXPECT_EQ(snapToList(0, list), INT_MIN + 1);  // both 2147483647 away
    EXPECT_EQ(snapToList(1, list), INT_MAX);
    EXPECT_EQ(snapToList(INT_MAX - 1, list), INT_MAX);
    EXPECT_EQ(snapToList(INT_MIN, list), INT_MIN + 1);
}

TEST(SizeLists, FixedListsNeverOfferTheirMarker) {
    const SizeList fixedLists[] = {kSZ1, kSZ3, kSZ4, kSZ6};
    for (SizeList list : fixedLists) {
        EXPECT_TRUE(isFixedSizeList(list));
        const SizeList offered = offeredSizes(list);
        EXPECT_EQ(offered.size(), list.size() - 1);
        for (FrameSize size : offered) {
            EXPECT_GT(size.width, 0);
            EXPECT_GT(size.height, 0);
        }
    }
    const SizeList sz6 = offeredSizes(kSZ6);
    EXPECT_EQ(std::vector<FrameSize>(sz6.begin(), sz6.end()),
              (std::vector<FrameSize>{{352, 240}, {352, 288}}));
}

TEST(SizeLists, FreeListsOfferEverySize) {
    const SizeList freeLists[] = {kSZ2, kSZ5, kSZ7};
    for (SizeList list : freeLists) {
        EXPECT_FALSE(isFixedSizeList(list));
        EXPECT_EQ(offeredSizes(list).data(), list.data());
        EXPECT_EQ(offeredSizes(list).size(), list.size());
    }
    EXPECT_FALSE(isFixedSizeList(SizeList{}));
    EXPECT_TRUE(offeredSizes(SizeList{}).empty());
}

TEST(FrameRateLists, EndAtTheFirstValueNotGreaterThanZero) {
    constexpr double endedByZero[] = {5, 10, 0.0, 25, -1.0};
    constexpr double endedByNegative[] = {5, -0.5, 8, -1.0};
    constexpr double endedAtOnce[] = {-1.0, 25};
    const FrameRateList zero = offeredFrameRates(endedByZero);
    EXPECT_EQ(std::vector<double>(zero.begin(), zero.end()), (std::vector<double>{5, 10}));
    const FrameRateList negative = offeredFrameRates(endedByNegative);
    EXPECT_EQ(std::vector<double>(negative.begin(), negative.end()), (std::vector<double>{5}));
    EXPECT_TRUE(offeredFrameRates(endedAtOnce).empty());
}

TEST(FrameRateLists, StoredListsKeepTheirEnd) {
    const FrameRateList lists[] = {kFR1, kFR2, kFR3, kFR4, kFR5};
    for (FrameRateList list : lists) {
        EXPECT_EQ(list.back(), -1.0);
        EXPECT_EQ(offeredFrameRates(list).size(), list.size() - 1);
    }
}

}  // namespace
}  // namespace velmora::catalogue

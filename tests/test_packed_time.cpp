#include "errors.h"
#include "packed_time.h"

#include <gtest/gtest.h>

using namespace skelvora;

struct PackCase {
    Moment moment;
    uint32_t packed;
};

TEST(PackedTime, PackingTable)
{
    const PackCase cases[] = {
        {{2003, 3, 15, 9, 41, 30}, 0x2E6F4D2Fu},
        {{1980, 1, 1, 0, 0, 0}, 0x00210000u},
        {{1979, 12, 31, 23, 59, 59}, 0u},
        {{2099, 12, 31, 23, 59, 59}, 0xEF9FBF7Du},
        {{2100, 1, 1, 0, 0, 0}, 0u},
        {{2044, 1, 1, 0, 0, 0}, 0x80210000u},
        {{2004, 1, 1, 10, 0, 0}, 0x30215000u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uint32_t(PackMoment(c.moment)), c.packed) << c.moment.Year;
    EXPECT_EQ(PackMoment({2003, 3, 15, 9, 41, 30}), 779046191);
    EXPECT_EQ(PackMoment({2044, 1, 1, 0, 0, 0}), -2145320960);
}

TEST(PackedTime, UnpackReversesPackingToEvenSeconds)
{
    EXPECT_EQ(UnpackMoment(int32_t(0xEF9FBF7Du)), (Moment{2099, 12, 31, 23, 59, 58}));
    EXPECT_EQ(UnpackMoment(-2145320960), (Moment{2044, 1, 1, 0, 0, 0}));
    EXPECT_EQ(UnpackMoment(779046191), (Moment{2003, 3, 15, 9, 41, 30}));
}

TEST(PackedTime, InvalidFieldsAreAnError)
{
    const int32_t bad[] = {
        0,                                  // day 0, month 0
        int32_t((1u << 5 | 0u) << 16),      // month 1, day 0
        int32_t((13u << 5 | 1u) << 16),     // month 13
        int32_t(((2u << 5) | 30u) << 16),   // 30 February 1980
        int32_t(((1u << 5 | 1u) << 16) | (24u << 11)),  // hour 24
        int32_t(((1u << 5 | 1u) << 16) | (60u << 5)),   // minute 60
        int32_t(((1u << 5 | 1u) << 16) | 30u),          // second 60
    };
    for (int32_t v : bad)
        EXPECT_THROW(UnpackMoment(v), InvalidMoment) << std::hex << uint32_t(v);
    // 29 February exists in leap years only.
    EXPECT_NO_THROW(UnpackMoment(PackMoment({2004, 2, 29, 0, 0, 0})));
    EXPECT_THROW(UnpackMoment(int32_t(((3u << 9 | 2u << 5 | 29u) << 16))), InvalidMoment);  // 1983
}

TEST(PackedTime, RentTimeTextAndPatterns)
{
    EXPECT_EQ(RentTimeText(0), "");
    EXPECT_EQ(RentTimeText(779046191), "Saturday, 15. March 2003, 9:41:30");
    EXPECT_EQ(FormatMoment({2026, 12, 11, 14, 5, 7}, kShortMomentPattern), "11. December 2026, 14:05:07");
    EXPECT_EQ(FormatMoment({2026, 12, 1, 0, 0, 0}, "d.mmmm.yyyy"), "1.December.2026");
    EXPECT_EQ(FormatMoment({2044, 1, 1, 0, 0, 0}, kLongMomentPattern), "Friday, 1. January 2044, 0:00:00");
    EXPECT_THROW(RentTimeText(1), InvalidMoment);

    LocaleNames german = LocaleNames::English();
    german.Weekdays[6] = "Samstag";
    german.Months[2] = "M\xE4rz";
    EXPECT_EQ(RentTimeText(779046191, german), "Samstag, 15. M\xE4rz 2003, 9:41:30");
}

TEST(PackedTime, DamagedDateShowsAsNothingWhereAGridNeedsIt)
{
    EXPECT_EQ(RentTimeTextOrEmpty(1), "");
    EXPECT_EQ(RentTimeTextOrEmpty(779046191), "Saturday, 15. March 2003, 9:41:30");
}

#include "support/DosDateTime.h"

#include <gtest/gtest.h>

namespace {

TLocalDateTime At(int year, int month, int day, int hour, int minute, int second)
{
    return TLocalDateTime{year, month, day, hour, minute, second};
}

}  // namespace

TEST(EncodeDosDateTime, PacksTheFieldsAndRoundsOddSecondsDown)
{
    const std::optional<TDosDateTime> dos = EncodeDosDateTime(At(2024, 3, 15, 9, 0, 1));
    ASSERT_TRUE(dos);
    EXPECT_EQ(dos->Date, ((2024 - 1980) << 9) | (3 << 5) | 15);
    EXPECT_EQ(dos->Time, 9 << 11);
    EXPECT_EQ(DecodeDosDateTime(*dos), At(2024, 3, 15, 9, 0, 0));
}

TEST(EncodeDosDateTime, RoundTripsEveryFieldAtItsLimits)
{
    const TLocalDateTime cases[] = {
        At(1980, 1, 1, 0, 0, 0),
        At(2107, 12, 31, 23, 59, 58),
        At(2000, 2, 29, 12, 30, 44),
        At(1999, 12, 31, 23, 59, 0),
    };
    for (const TLocalDateTime& local : cases) {
        SCOPED_TRACE(local.Year);
        const std::optional<TDosDateTime> dos = EncodeDosDateTime(local);
        ASSERT_TRUE(dos);
        EXPECT_EQ(DecodeDosDateTime(*dos), local);
        EXPECT_EQ(DecodeDosDateTime(UnpackDosDateTime(PackDosDateTime(*dos))), local);
    }
}

TEST(EncodeDosDateTime, RefusesWhatTheFormCannotHold)
{
    struct Case {
        const char* what;
        TLocalDateTime local;
    };
    const Case cases[] = {
        {"1979", At(1979, 12, 31, 23, 59, 59)},
        {"1975", At(1975, 6, 1, 12, 0, 0)},
        {"2108", At(2108, 1, 1, 0, 0, 0)},
        {"month 0", At(2000, 0, 1, 0, 0, 0)},
        {"month 13", At(2000, 13, 1, 0, 0, 0)},
        {"day 0", At(2000, 1, 0, 0, 0, 0)},
        {"31 April", At(2000, 4, 31, 0, 0, 0)},
        {"29 February 2100, not a leap year", At(2100, 2, 29, 0, 0, 0)},
        {"29 February 2001", At(2001, 2, 29, 0, 0, 0)},
        {"hour 24", At(2000, 1, 1, 24, 0, 0)},
        {"minute 60", At(2000, 1, 1, 0, 60, 0)},
        {"second 60", At(2000, 1, 1, 0, 0, 60)},
        {"negative second", At(2000, 1, 1, 0, 0, -1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(EncodeDosDateTime(c.local));
    }
}

TEST(PackDosDateTime, PutsTheDateInTheHighHalf)
{
    EXPECT_EQ(PackDosDateTime({0x5863, 0x4800}), 0x58634800u);
    const TDosDateTime back = UnpackDosDateTime(0x58634800u);
    EXPECT_EQ(back.Date, 0x5863);
    EXPECT_EQ(back.Time, 0x4800);
}

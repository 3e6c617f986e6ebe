// A local calendar date and time of day, as the file property dialogs edit it.
#pragma once

struct TLocalDateTime {
    int Year = 1980;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;

    friend bool operator==(const TLocalDateTime& a, const TLocalDateTime& b)
    {
        return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.Hour == b.Hour &&
               a.Minute == b.Minute && a.Second == b.Second;
    }
    friend bool operator!=(const TLocalDateTime& a, const TLocalDateTime& b) { return !(a == b); }
};

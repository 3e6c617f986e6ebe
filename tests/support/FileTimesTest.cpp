#include "support/FileTimes.h"

#include <gtest/gtest.h>

#include "support/DosDateTime.h"
#include "tests/support/WinTestSupport.h"

using wintest::TempFolder;

namespace {

TLocalDateTime At(int year, int month, int day, int hour, int minute, int second)
{
    return TLocalDateTime{year, month, day, hour, minute, second};
}

struct Stamps {
    FILETIME Created;
    FILETIME Accessed;
    FILETIME Written;
};

Stamps ReadStamps(const std::string& path)
{
    Stamps stamps{};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    GetFileTime(file, &stamps.Created, &stamps.Accessed, &stamps.Written);
    CloseHandle(file);
    return stamps;
}

bool SameTime(const FILETIME& a, const FILETIME& b)
{
    return CompareFileTime(&a, &b) == 0;
}

// The UTC file time as a local date and time, by the system's own conversion.
TLocalDateTime LocalOf(const FILETIME& utc)
{
    FILETIME local;
    SYSTEMTIME fields;
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &fields);
    return At(fields.wYear, fields.wMonth, fields.wDay, fields.wHour, fields.wMinute, fields.wSecond);
}

void SetWriteTimeUtc(const std::string& path, int year, int month, int day)
{
    SYSTEMTIME fields{};
    fields.wYear = static_cast<WORD>(year);
    fields.wMonth = static_cast<WORD>(month);
    fields.wDay = static_cast<WORD>(day);
    fields.wHour = 12;
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&fields, &time));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
    CloseHandle(file);
}

class FileTimesTest : public ::testing::Test {
protected:
    void SetUp() override { folder_.MakeFile("file.txt"); }
    std::string File() const { return folder_ / "file.txt"; }

    TempFolder folder_;
};

}  // namespace

TEST_F(FileTimesTest, AnOddSecondReadsBackAsTheEvenSecondBefore)
{
    ASSERT_TRUE(SetFileTimes(File(), std::nullopt, std::nullopt, At(2024, 3, 15, 9, 0, 1)));
    const std::int32_t dos = GetFileDosTime(File());
    ASSERT_NE(dos, -1);
    EXPECT_EQ(DecodeDosDateTime(UnpackDosDateTime(static_cast<std::uint32_t>(dos))), At(2024, 3, 15, 9, 0, 0));
    EXPECT_EQ(LocalOf(ReadStamps(File()).Written), At(2024, 3, 15, 9, 0, 0));
}

// The creation stamp is passed on as well, but Wine keeps none that can be set
// on a Linux file system, so these tests watch the access and write stamps.
TEST_F(FileTimesTest, SetsEachGivenStampAndOnlyThose)
{
    ASSERT_TRUE(SetFileTimes(File(), std::nullopt, At(2002, 12, 24, 18, 30, 58), std::nullopt));
    Stamps after = ReadStamps(File());
    EXPECT_EQ(LocalOf(after.Accessed), At(2002, 12, 24, 18, 30, 58));
    const FILETIME written = after.Written;

    ASSERT_TRUE(SetFileTimes(File(), std::nullopt, std::nullopt, At(2003, 7, 1, 23, 59, 59)));
    after = ReadStamps(File());
    EXPECT_EQ(LocalOf(after.Written), At(2003, 7, 1, 23, 59, 58));
    EXPECT_EQ(LocalOf(after.Accessed), At(2002, 12, 24, 18, 30, 58));
    EXPECT_FALSE(SameTime(after.Written, written));

    ASSERT_TRUE(SetFileTimes(File(), At(2001, 2, 3, 4, 5, 6), At(2004, 1, 2, 3, 4, 6), At(2005, 6, 7, 8, 9, 10)));
    after = ReadStamps(File());
    EXPECT_EQ(LocalOf(after.Accessed), At(2004, 1, 2, 3, 4, 6));
    EXPECT_EQ(LocalOf(after.Written), At(2005, 6, 7, 8, 9, 10));
}

TEST_F(FileTimesTest, AStampBefore1980IsLeftAsItWasAndTheCallStillSucceeds)
{
    ASSERT_TRUE(SetFileTimes(File(), std::nullopt, At(1999, 1, 1, 0, 0, 0), At(1999, 1, 1, 0, 0, 0)));
    const Stamps before = ReadStamps(File());
    EXPECT_TRUE(SetFileTimes(File(), At(1975, 6, 1, 12, 0, 0), At(2010, 5, 5, 5, 5, 4), At(1975, 6, 1, 12, 0, 0)));
    const Stamps after = ReadStamps(File());
    EXPECT_TRUE(SameTime(after.Written, before.Written));
    EXPECT_EQ(LocalOf(after.Accessed), At(2010, 5, 5, 5, 5, 4));

    EXPECT_TRUE(SetFileTimes(File(), std::nullopt, At(2108, 1, 1, 0, 0, 0), std::nullopt));
    EXPECT_EQ(LocalOf(ReadStamps(File()).Accessed), At(2010, 5, 5, 5, 5, 4));
}

TEST_F(FileTimesTest, NoStampGivenChangesNothingAndSucceeds)
{
    const Stamps before = ReadStamps(File());
    EXPECT_TRUE(SetFileTimes(File(), std::nullopt, std::nullopt, std::nullopt));
    const Stamps after = ReadStamps(File());
    EXPECT_TRUE(SameTime(after.Created, before.Created));
    EXPECT_TRUE(SameTime(after.Written, before.Written));
}

TEST_F(FileTimesTest, AFolderIsOpenedToo)
{
    folder_.MakeFolder("sub");
    ASSERT_TRUE(SetFileTimes(folder_ / "sub", std::nullopt, std::nullopt, At(2005, 8, 9, 10, 11, 12)));
    EXPECT_EQ(LocalOf(ReadStamps(folder_ / "sub").Written), At(2005, 8, 9, 10, 11, 12));
    const std::int32_t dos = GetFileDosTime(folder_ / "sub");
    EXPECT_EQ(DecodeDosDateTime(UnpackDosDateTime(static_cast<std::uint32_t>(dos))), At(2005, 8, 9, 10, 11, 12));
}

TEST_F(FileTimesTest, AReadOnlyFileFails)
{
    ASSERT_TRUE(SetFileAttributesA(File().c_str(), FILE_ATTRIBUTE_READONLY));
    const Stamps before = ReadStamps(File());
    EXPECT_FALSE(SetFileTimes(File(), std::nullopt, std::nullopt, At(2010, 1, 1, 0, 0, 0)));
    EXPECT_TRUE(SameTime(ReadStamps(File()).Written, before.Written));
}

TEST_F(FileTimesTest, AFileInUseWithoutWriteSharingFails)
{
    HANDLE holder = CreateFileA(File().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SetFileTimes(File(), std::nullopt, std::nullopt, At(2010, 1, 1, 0, 0, 0)));
    CloseHandle(holder);
    EXPECT_TRUE(SetFileTimes(File(), std::nullopt, std::nullopt, At(2010, 1, 1, 0, 0, 0)));
}

TEST_F(FileTimesTest, AMissingItemFails)
{
    EXPECT_FALSE(SetFileTimes(folder_ / "missing.txt", std::nullopt, std::nullopt, At(2010, 1, 1, 0, 0, 0)));
    EXPECT_EQ(GetFileDosTime(folder_ / "missing.txt"), -1);
}

TEST_F(FileTimesTest, ATimeOutsideTheDosRangeReadsAsMinusOne)
{
    SetWriteTimeUtc(File(), 1979, 6, 1);
    EXPECT_EQ(GetFileDosTime(File()), -1);
    SetWriteTimeUtc(File(), 2110, 6, 1);
    EXPECT_EQ(GetFileDosTime(File()), -1);
    SetWriteTimeUtc(File(), 1990, 6, 1);
    EXPECT_NE(GetFileDosTime(File()), -1);
}

TEST_F(FileTimesTest, ADriveRootHasNoDosTime)
{
    EXPECT_EQ(GetFileDosTime("C:\\"), -1);
}

TEST(DateTimeToUtcFileTime, ConvertsThroughTheDosForm)
{
    const std::optional<FILETIME> utc = DateTimeToUtcFileTime(At(2020, 2, 29, 13, 14, 15));
    ASSERT_TRUE(utc);
    EXPECT_EQ(LocalOf(*utc), At(2020, 2, 29, 13, 14, 14));

    EXPECT_FALSE(DateTimeToUtcFileTime(At(1979, 12, 31, 23, 59, 59)));
    EXPECT_FALSE(DateTimeToUtcFileTime(At(2108, 1, 1, 0, 0, 0)));
    EXPECT_FALSE(DateTimeToUtcFileTime(At(2021, 2, 29, 0, 0, 0)));
}

#include "support/Streams.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "support/Errors.h"
#include "tests/common/ErrorMessage.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(TStream& stream)
{
    std::string text(static_cast<std::size_t>(stream.GetSize()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(text.data(), static_cast<std::int32_t>(text.size()));
    return text;
}

// A stream that transfers at most `limit` bytes per call and has no seek.
class TShortStream : public TStream {
public:
    explicit TShortStream(std::int32_t limit) : limit_(limit) {}
    std::int32_t Read(void* buffer, std::int32_t count) override
    {
        const std::int32_t n = count < limit_ ? count : limit_;
        std::memset(buffer, 'x', static_cast<std::size_t>(n > 0 ? n : 0));
        return n;
    }
    std::int32_t Write(const void*, std::int32_t count) override { return count < limit_ ? count : limit_; }
    std::string ClassName() const override { return "TShortStream"; }

private:
    std::int32_t limit_;
};

}  // namespace

TEST(MemoryStream, WriteReadAndSeekFromEachOrigin)
{
    TMemoryStream stream;
    stream.WriteBuffer("hello world", 11);
    EXPECT_EQ(stream.GetPosition(), 11);
    EXPECT_EQ(stream.GetSize(), 11);

    struct Case {
        std::int32_t offset;
        std::uint16_t origin;
        std::int32_t expected;
    };
    stream.SetPosition(4);
    for (const Case& c : {Case{2, soFromBeginning, 2}, Case{3, soFromCurrent, 5}, Case{-5, soFromEnd, 6},
                          Case{0, soFromEnd, 11}, Case{-6, soFromCurrent, 5}}) {
        SCOPED_TRACE(testing::Message() << c.offset << " from " << c.origin);
        EXPECT_EQ(stream.Seek(c.offset, c.origin), c.expected);
        EXPECT_EQ(stream.GetPosition(), c.expected);
    }
    char word[5];
    stream.SetPosition(6);
    stream.ReadBuffer(word, 5);
    EXPECT_EQ(std::string(word, 5), "world");
}

TEST(MemoryStream, ReadStopsAtTheEndAndNeverBeforeTheStart)
{
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    char buffer[16] = {};
    stream.SetPosition(4);
    EXPECT_EQ(stream.Read(buffer, 16), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(stream.GetPosition(), 6);
    EXPECT_EQ(stream.Read(buffer, 16), 0);

    stream.SetPosition(100);
    EXPECT_EQ(stream.Read(buffer, 4), 0);
    stream.SetPosition(-3);
    EXPECT_EQ(stream.Read(buffer, 4), 0);
    EXPECT_EQ(stream.Write("zz", 2), 0);
    EXPECT_EQ(stream.GetSize(), 6);
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros)
{
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    stream.SetPosition(5);
    stream.WriteBuffer("c", 1);
    EXPECT_EQ(stream.GetSize(), 6);
    EXPECT_EQ(ReadAll(stream), std::string("ab\0\0\0c", 6));
}

TEST(MemoryStream, GrowsAcrossManyWritesAndKeepsTheContents)
{
    TMemoryStream stream;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string piece = std::to_string(i) + ";";
        stream.WriteBuffer(piece.data(), static_cast<std::int32_t>(piece.size()));
        expected += piece;
    }
    EXPECT_GE(stream.Capacity(), stream.Size());
    EXPECT_EQ(ReadAll(stream), expected);
    EXPECT_EQ(std::memcmp(stream.Memory(), expected.data(), expected.size()), 0);
}

TEST(MemoryStream, SetSizeTruncatesAndPullsThePositionBack)
{
    TMemoryStream stream;
    stream.WriteBuffer("0123456789", 10);
    stream.SetSize(4);
    EXPECT_EQ(stream.GetSize(), 4);
    EXPECT_EQ(stream.GetPosition(), 4);
    EXPECT_EQ(ReadAll(stream), "0123");

    stream.SetSize(8);
    EXPECT_EQ(stream.GetSize(), 8);
    EXPECT_EQ(ReadAll(stream).substr(0, 4), "0123");

    stream.Clear();
    EXPECT_EQ(stream.GetSize(), 0);
    EXPECT_EQ(stream.GetPosition(), 0);
    EXPECT_EQ(stream.Capacity(), 0);
    EXPECT_EQ(stream.Memory(), nullptr);
}

TEST(MemoryStream, ANegativeSizeIsRefusedWithTheMemoryError)
{
    TMemoryStream stream;
    stream.WriteBuffer("abc", 3);
    EXPECT_EQ(MessageOf<EStreamError>([&] { stream.SetSize(-1); }),
              "Out of memory while expanding memory stream");
    EXPECT_EQ(ReadAll(stream), "abc");
}

TEST(MemoryStream, AWriteBeyondTheLargestSizeIsRefusedWithTheMemoryError)
{
    TMemoryStream stream;
    stream.SetPosition(0x7FFFFFFE);
    EXPECT_EQ(MessageOf<EStreamError>([&] { stream.Write("abc", 3); }),
              "Out of memory while expanding memory stream");
    EXPECT_EQ(stream.GetSize(), 0);
}

TEST(Stream, ShortTransfersRaiseTheFilerErrors)
{
    TShortStream stream(3);
    char buffer[8];
    EXPECT_EQ(MessageOf<EReadError>([&] { stream.ReadBuffer(buffer, 8); }), "Stream read error");
    EXPECT_EQ(MessageOf<EWriteError>([&] { stream.WriteBuffer(buffer, 8); }), "Stream write error");
    // Whole transfers and empty ones are fine.
    EXPECT_NO_THROW(stream.ReadBuffer(buffer, 3));
    EXPECT_NO_THROW(stream.WriteBuffer(buffer, 3));
    TShortStream nothing(0);
    EXPECT_NO_THROW(nothing.ReadBuffer(buffer, 0));
    EXPECT_NO_THROW(nothing.WriteBuffer(buffer, 0));
}

TEST(Stream, ErrorClassesFollowTheirHierarchy)
{
    TShortStream stream(0);
    char buffer[1];
    EXPECT_THROW(stream.ReadBuffer(buffer, 1), EFilerError);
    EXPECT_THROW(stream.WriteBuffer(buffer, 1), EStreamError);
    EXPECT_THROW(stream.ReadBuffer(buffer, 1), Exception);
    EXPECT_THROW(stream.WriteBuffer(buffer, 1), std::runtime_error);
}

TEST(Stream, AStreamWithoutItsOwnSeekNamesItsClass)
{
    TShortStream stream(1);
    EXPECT_EQ(MessageOf<EStreamError>([&] { stream.GetPosition(); }), "TShortStream.Seek not implemented");
    EXPECT_EQ(MessageOf<EStreamError>([&] { stream.Seek(0, soFromEnd); }), "TShortStream.Seek not implemented");
}

class FileStreamTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = fs::temp_directory_path() / ("ks-streams-" + std::to_string(stamp));
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    void MakeFile(const std::string& name, const std::string& contents) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << contents;
    }
    std::string FileContents(const std::string& name) const
    {
        std::ifstream in(PathOf(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
};

TEST_F(FileStreamTest, CreateWritesAFileThatReopensWithItsContents)
{
    const std::string name = PathOf("out.bin");
    {
        TFileStream stream(name, fmCreate);
        stream.WriteBuffer("first line\r\nsecond", 18);
        EXPECT_EQ(stream.GetSize(), 18);
        EXPECT_EQ(stream.GetPosition(), 18);
    }
    EXPECT_EQ(FileContents("out.bin"), "first line\r\nsecond");

    TFileStream stream(name, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(stream.GetSize(), 18);
    EXPECT_EQ(stream.Seek(-6, soFromEnd), 12);
    char tail[6];
    stream.ReadBuffer(tail, 6);
    EXPECT_EQ(std::string(tail, 6), "second");
    EXPECT_EQ(stream.Read(tail, 6), 0);
    EXPECT_THROW(stream.ReadBuffer(tail, 1), EReadError);
}

TEST_F(FileStreamTest, CreateTruncatesAnExistingFile)
{
    MakeFile("old.txt", "a long old text");
    {
        TFileStream stream(PathOf("old.txt"), fmCreate);
        stream.WriteBuffer("new", 3);
    }
    EXPECT_EQ(FileContents("old.txt"), "new");
}

TEST_F(FileStreamTest, FailedOpensAndCreatesNameTheFile)
{
    const std::string missing = PathOf("missing.txt");
    const std::string inMissingFolder = PathOf("no-such-folder/new.txt");
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream(missing, fmOpenRead); }), "Cannot open file " + missing);
    EXPECT_EQ(MessageOf<EFCreateError>([&] { TFileStream(inMissingFolder, fmCreate); }),
              "Cannot create file " + inMissingFolder);
    EXPECT_THROW(TFileStream(missing, fmOpenRead), EStreamError);
}

TEST_F(FileStreamTest, AFolderOrAnUnknownModeDoesNotOpen)
{
    MakeFile("data.txt", "abc");
    EXPECT_THROW(TFileStream(folder_.string(), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(PathOf("data.txt"), 0x0003), EFOpenError);
    EXPECT_THROW(TFileStream(PathOf("data.txt"), 0x0050), EFOpenError);
}

TEST_F(FileStreamTest, ReadingAWriteOnlyHandleGivesNoBytes)
{
    MakeFile("data.txt", "abc");
    TFileStream stream(PathOf("data.txt"), fmOpenWrite | fmShareDenyNone);
    char buffer[3];
    EXPECT_EQ(stream.Read(buffer, 3), 0);
    EXPECT_THROW(stream.ReadBuffer(buffer, 3), EReadError);
    stream.WriteBuffer("xy", 2);
}

TEST_F(FileStreamTest, LoadFromFileReadsTheWholeFile)
{
    std::string contents;
    for (int i = 0; i < 3000; ++i) contents += "line " + std::to_string(i) + "\r\n";
    MakeFile("big.pas", contents);

    TMemoryStream stream;
    stream.WriteBuffer("stale", 5);
    stream.LoadFromFile(PathOf("big.pas"));
    EXPECT_EQ(stream.GetSize(), static_cast<std::int32_t>(contents.size()));
    EXPECT_EQ(stream.GetPosition(), 0);
    EXPECT_EQ(std::string(static_cast<const char*>(stream.Memory()), contents.size()), contents);
}

TEST_F(FileStreamTest, AnEmptyFileLoadsAsAnEmptyStream)
{
    MakeFile("empty.pas", "");
    TMemoryStream stream;
    stream.LoadFromFile(PathOf("empty.pas"));
    EXPECT_EQ(stream.GetSize(), 0);
    char buffer[4];
    EXPECT_EQ(stream.Read(buffer, 4), 0);
}

TEST_F(FileStreamTest, LoadingAMissingFileRaisesTheOpenError)
{
    TMemoryStream stream;
    const std::string missing = PathOf("gone.pas");
    EXPECT_EQ(MessageOf<EFOpenError>([&] { stream.LoadFromFile(missing); }), "Cannot open file " + missing);
}

TEST_F(FileStreamTest, SaveToFileWritesTheMemoryBlock)
{
    TMemoryStream stream;
    stream.WriteBuffer("saved\0bytes", 11);
    stream.SaveToFile(PathOf("saved.bin"));
    EXPECT_EQ(FileContents("saved.bin"), std::string("saved\0bytes", 11));
}

#ifdef _WIN32
// Sharing modes only mean something where the system enforces them.
TEST_F(FileStreamTest, LoadFromFileDeniesWritersAndIsDeniedByThem)
{
    MakeFile("shared.pas", "unit a;");
    {
        TFileStream writer(PathOf("shared.pas"), fmOpenReadWrite | fmShareDenyNone);
        TMemoryStream stream;
        EXPECT_THROW(stream.LoadFromFile(PathOf("shared.pas")), EFOpenError);
    }
    TFileStream reader(PathOf("shared.pas"), fmOpenRead | fmShareDenyWrite);
    EXPECT_THROW(TFileStream(PathOf("shared.pas"), fmOpenWrite | fmShareDenyNone), EFOpenError);
    TMemoryStream stream;
    stream.LoadFromFile(PathOf("shared.pas"));
    EXPECT_EQ(stream.GetSize(), 7);
}
#endif

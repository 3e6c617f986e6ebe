#include "support/IconBitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr COLORREF kInk = RGB(255, 0, 0);

// A 16 x 16 icon, transparent everywhere but the square [4, 12) x [4, 12).
UniqueIcon MakeIcon()
{
    constexpr int kSize = 16;
    // Monochrome mask, rows padded to 16 bits: 1 is transparent.
    std::vector<WORD> mask(kSize, 0xFFFF);
    for (int y = 4; y < 12; ++y) mask[y] = static_cast<WORD>(~0x0FF0 & 0xFFFF);
    // The mask's bytes are most significant bit first.
    for (WORD& row : mask) row = static_cast<WORD>((row >> 8) | (row << 8));
    UniqueBitmap maskBitmap(CreateBitmap(kSize, kSize, 1, 1, mask.data()));

    std::vector<DWORD> colour(kSize * kSize, 0);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) colour[y * kSize + x] = 0x00FF0000;  // red in BGRA order
    UniqueBitmap colourBitmap(CreateBitmap(kSize, kSize, 1, 32, colour.data()));

    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = maskBitmap.Get();
    info.hbmColor = colourBitmap.Get();
    return UniqueIcon(CreateIconIndirect(&info));
}

std::vector<COLORREF> Pixels(HBITMAP bitmap, int width, int height)
{
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ old = SelectObject(dc.Get(), bitmap);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc.Get(), x, y));
    SelectObject(dc.Get(), old);
    return pixels;
}

}  // namespace

TEST(IconToBitmap, TransparentPixelsShowTheBackgroundToTheLastRowAndColumn)
{
    UniqueIcon icon = MakeIcon();
    ASSERT_TRUE(icon);
    constexpr int kSide = 14;
    UniqueBitmap bitmap = IconToBitmap(icon.Get(), kSide, kSide, kBackground, nullptr);
    ASSERT_TRUE(bitmap);

    BITMAP info{};
    ASSERT_NE(GetObjectA(bitmap.Get(), sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, kSide);
    EXPECT_EQ(info.bmHeight, kSide);

    const std::vector<COLORREF> pixels = Pixels(bitmap.Get(), kSide, kSide);
    auto at = [&](int x, int y) { return pixels[y * kSide + x]; };
    for (int i = 0; i < kSide; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(at(i, 0), kBackground);
        EXPECT_EQ(at(0, i), kBackground);
        EXPECT_EQ(at(i, kSide - 1), kBackground);
        EXPECT_EQ(at(kSide - 1, i), kBackground);
    }
    // The opaque square, scaled to 14 x 14, covers the middle.
    EXPECT_EQ(at(7, 7), kInk);
    EXPECT_EQ(at(6, 8), kInk);
}

TEST(IconToBitmap, UsesTheWindowsDeviceContext)
{
    UniqueIcon icon = MakeIcon();
    HWND window = CreateWindowExA(0, "STATIC", "icon", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UniqueBitmap bitmap = IconToBitmap(icon.Get(), 16, 16, RGB(0, 128, 0), window);
    DestroyWindow(window);
    ASSERT_TRUE(bitmap);
    const std::vector<COLORREF> pixels = Pixels(bitmap.Get(), 16, 16);
    EXPECT_EQ(pixels[0], RGB(0, 128, 0));
    EXPECT_EQ(pixels[15 * 16 + 15], RGB(0, 128, 0));
    EXPECT_EQ(pixels[8 * 16 + 8], kInk);
}

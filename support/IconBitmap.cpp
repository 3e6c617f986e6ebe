#include "support/IconBitmap.h"

namespace {

// Selects an object into a DC for a scope and puts the old one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

UniqueBitmap IconToBitmap(HICON Icon, int Width, int Height, COLORREF Colour, HWND Window)
{
    WindowDc windowDc(Window);
    if (!windowDc) return {};
    UniqueBitmap bitmap(CreateCompatibleBitmap(windowDc.Get(), Width, Height));
    UniqueMemoryDc memoryDc(CreateCompatibleDC(windowDc.Get()));
    UniqueBrush brush(CreateSolidBrush(Colour));
    if (!bitmap || !memoryDc || !brush) return {};
    {
        SelectedObject selected(memoryDc.Get(), bitmap.Get());
        const RECT whole = {0, 0, Width, Height};
        FillRect(memoryDc.Get(), &whole, brush.Get());
        DrawIconEx(memoryDc.Get(), 0, 0, Icon, Width, Height, 0, nullptr, DI_NORMAL);
    }
    return bitmap;
}

#include "support/WindowPlacementWin.h"

#include "support/WindowPlacement.h"

namespace {

TPlacementRect ToPlacementRect(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

RECT WorkArea()
{
    RECT area;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return area;
}

}  // namespace

bool PlaceOverOwner(HWND Window, int Divisor)
{
    const HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(Window, GWLP_HWNDPARENT));
    RECT window;
    RECT ownerRect;
    if (!GetWindowRect(Window, &window) || !owner || !GetWindowRect(owner, &ownerRect)) return false;

    const TPlacementPoint p =
        PlaceOverOwnerPosition(ToPlacementRect(window), ToPlacementRect(ownerRect), ToPlacementRect(WorkArea()), Divisor);
    return SetWindowPos(Window, nullptr, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

#include "support/WindowPlacement.h"

namespace {

// Pulls a span [start, start + size) back inside [low, high): first past the
// low edge, otherwise past the high edge.
int KeepInside(int start, int size, int low, int high)
{
    if (start < low) return low;
    if (start + size > high) return high - size;
    return start;
}

}  // namespace

TPlacementPoint PlaceOverOwnerPosition(const TPlacementRect& window, const TPlacementRect& owner,
                                       const TPlacementRect& workArea, int divisor)
{
    // A divisor of -1 would divide by zero; below 0 makes no placement sense.
    const int parts = (divisor < 0 ? 0 : divisor) + 1;
    const int w = window.Width();
    const int h = window.Height();

    TPlacementPoint p;
    p.X = KeepInside(owner.Left + (owner.Width() - w) / 2, w, workArea.Left, workArea.Right);
    p.Y = KeepInside(owner.Top + (owner.Height() - h) / parts, h, workArea.Top, workArea.Bottom);
    return p;
}

// Where a window goes when it is placed over its owner: centred across, a
// share of the free height below the owner's top, kept inside the work area.
#pragma once

struct TPlacementRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

struct TPlacementPoint {
    int X = 0;
    int Y = 0;

    friend bool operator==(TPlacementPoint a, TPlacementPoint b) { return a.X == b.X && a.Y == b.Y; }
};

// The window's new top-left corner. The vertical offset is the free height
// divided by Divisor + 1; a negative Divisor counts as 0.
TPlacementPoint PlaceOverOwnerPosition(const TPlacementRect& window, const TPlacementRect& owner,
                                       const TPlacementRect& workArea, int divisor);

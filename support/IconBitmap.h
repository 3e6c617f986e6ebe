// Turning an icon into a bitmap for a menu item.
#pragma once
#include <windows.h>

#include "support/WinHandle.h"

// A Width x Height bitmap compatible with the window's device context (the
// screen's when Window is null), filled with Colour, with Icon drawn over it
// at that size; transparent pixels show Colour. Empty when it cannot be made.
UniqueBitmap IconToBitmap(HICON Icon, int Width, int Height, COLORREF Colour, HWND Window);

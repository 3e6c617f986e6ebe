// Placing a window over its owner on screen.
#pragma once
#include <windows.h>

// Moves Window, keeping its size, z-order and activation, over its owner: see
// PlaceOverOwnerPosition. False when the window or its owner has no rectangle.
bool PlaceOverOwner(HWND Window, int Divisor);

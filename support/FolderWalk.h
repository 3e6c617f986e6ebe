// The depth-first walk over the process's current folder.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

// One entry as the walk finds it: Name is relative to the current folder (a
// plain name, or "." for the folder itself), Attr its attribute word.
struct WalkItem {
    std::string Name;
    std::uint32_t Attr = 0;
};

// Returns whether the walk should go on.
using WalkCallback = std::function<bool(const WalkItem&)>;

// Hands every entry of the current folder that matches Mask ("." included,
// ".." never) to Callback, and then, with Recurse, walks each subfolder in
// turn from inside it; all entries of a folder come before its subfolders.
// Stops as soon as Callback returns false and returns that result.
bool WalkFolder(const std::string& Mask, bool Recurse, const WalkCallback& Callback);

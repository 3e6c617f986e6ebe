// Putting text on the clipboard.
#pragma once
#include <string>

// Replaces the clipboard's contents with Text in the clipboard format Format
// (CF_TEXT for ANSI text). False when the clipboard cannot be opened (nothing
// changes) or the text cannot be handed over (the clipboard is then empty).
bool CopyTextToClipboard(const std::string& Text, unsigned Format);

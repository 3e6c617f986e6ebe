// Which files the analysis takes: the rule on a file name's extension.
// Portable: no platform headers.
#pragma once
#include <string>

// The text from the last point of the name on, point included, in lower case;
// empty when the name has no point.
std::string LowerCaseExtension(const std::string& fileName);

// True when the name's extension is not empty and occurs somewhere in the
// extension list. The list is used as stored: neither lower-cased nor split
// at its commas, so ".dpr,.pas" also takes ".p", ".pa", ".d" and ".dp".
bool IsPascalSourceName(const std::string& fileName, const std::string& extensions);

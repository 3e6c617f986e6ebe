// Where the option store lives and the names of its values.
#pragma once

namespace StoreNames {
// Under HKEY_CURRENT_USER.
inline constexpr char ProductKey[] = "Software\\Kestrix Software\\KestrixShell";

inline constexpr char OptionCount[] = "OptionCount";
inline constexpr char OptionPrefix[] = "Option";  // followed by the 1-based position
inline constexpr char PascalExtensions[] = "PascalExtensions";
inline constexpr char FileNameSep[] = "FileNameSep";
inline constexpr char Indicators[] = "Indicators";

inline constexpr char DefaultPascalExtensions[] = ".dpr,.pas";
inline constexpr char DefaultFileNameSep[] = " ";
}  // namespace StoreNames

// Registry reading with defaults, writing, and deleting key trees and values.
// Names and values are 8-bit texts; every key opened here is closed again.
#pragma once
#include <windows.h>

#include <string>

#include "support/WinHandle.h"

// windows.h maps this name to its ANSI or wide function; here it is ours.
#undef RegDeleteValue

// Opens Key under Root for reading, asking for less access each time it is
// refused; 0 on success, else the error code of the last attempt.
LONG RegOpenKeyForRead(HKEY Root, const std::string& Key, UniqueKey& Result);

// The REG_SZ or REG_EXPAND_SZ text (taken literally) of the value; Default
// when the key or value is missing, the text is longer than 260 characters or
// the value has another type.
std::string RegReadString(HKEY Root, const std::string& Key, const std::string& Name, const std::string& Default);

// The value's text as a decimal integer; Default when it is empty, not a
// number or cannot be read.
int RegReadInt(HKEY Root, const std::string& Key, const std::string& Name, int Default);

// Writes Value as REG_SZ, creating the key and its missing parents.
bool RegWriteString(HKEY Root, const std::string& Key, const std::string& Name, const std::string& Value);

// Deletes Key; with Recursive its subkeys first. A key that keeps a subkey is
// not deleted, so a subkey that cannot go keeps all its ancestors.
bool RegDeleteKeyTree(HKEY Root, const std::string& Key, bool Recursive);

bool RegDeleteValue(HKEY Root, const std::string& Key, const std::string& Name);

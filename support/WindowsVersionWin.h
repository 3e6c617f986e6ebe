// The running Windows as the system reports it, classified by WindowsVersion.h.
#pragma once
#include <windows.h>

#include <string>

#include "support/WindowsVersion.h"

// GetVersionExA's record; after a failed call its platform matches none.
OSVERSIONINFOA GetOsVersionInfo();

// Computed once per process (again while it is still wvUnknown); safe to call
// from several threads.
TWindowsVersion GetWindowsVersion();

// "Windows XP", or with details "Windows XP (Build 2600, Service Pack 2)".
std::string GetWindowsVersionName(bool withDetails);

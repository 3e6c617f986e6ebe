// Prints what this process learns about the running Windows: the
// classification on the first line, the detailed name on the second. The
// Windows version tests run copies of it under Wine's per-program settings.
#include <cstdio>

#include "support/WindowsVersionWin.h"

int main()
{
    std::printf("%d\n%s\n", static_cast<int>(GetWindowsVersion()), GetWindowsVersionName(true).c_str());
    return 0;
}

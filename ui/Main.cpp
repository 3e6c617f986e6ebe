// Entry point of the configuration program. Its forms arrive with the
// configuration program itself; until then it starts and ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}

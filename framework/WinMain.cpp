#include "framework/WinApp.h"

// The program's entry point: runs the application object the program defines.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    return AfxWinMain(hInstance);
}

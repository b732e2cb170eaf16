// Entry point of the Windows test executables: the framework's start-up as
// the program's entry point runs it, then the tests.

#include "framework/WinApp.h"

#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    AfxWinInit(GetModuleHandleW(nullptr));
    const int result = RUN_ALL_TESTS();
    AfxWinTerm();
    return result;
}

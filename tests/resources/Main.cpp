// Entry point of the resource tests; names the executable under test first.

#include "tests/resources/ResourceModule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    try {
        std::printf("Resources of %ls\n", Program().Path().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return RUN_ALL_TESTS();
}

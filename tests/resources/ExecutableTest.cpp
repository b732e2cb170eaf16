// The program's file: a Windows GUI image for the processor of the build,
// which for the product is 32-bit i386. (An x86-64 build of the same sources
// serves only to run the tests where Wine cannot run 32-bit code.)

#include "tests/resources/ResourceModule.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

#ifdef _WIN64
using OptionalHeader = IMAGE_OPTIONAL_HEADER64;
constexpr WORD kMachine = IMAGE_FILE_MACHINE_AMD64;
constexpr WORD kMagic = IMAGE_NT_OPTIONAL_HDR64_MAGIC;
constexpr WORD kWordSizeFlag = 0;
#else
using OptionalHeader = IMAGE_OPTIONAL_HEADER32;
constexpr WORD kMachine = IMAGE_FILE_MACHINE_I386;
constexpr WORD kMagic = IMAGE_NT_OPTIONAL_HDR32_MAGIC;
constexpr WORD kWordSizeFlag = IMAGE_FILE_32BIT_MACHINE;
#endif

struct Headers {
    IMAGE_DOS_HEADER dos;
    DWORD signature;
    IMAGE_FILE_HEADER file;
    OptionalHeader optional;
};

// Reads the DOS header, then the PE headers where it points.
bool ReadHeaders(const std::wstring& path, Headers& headers)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), fclose);
    if (!file || fread(&headers.dos, sizeof headers.dos, 1, file.get()) != 1)
        return false;
    if (headers.dos.e_magic != IMAGE_DOS_SIGNATURE
        || fseek(file.get(), headers.dos.e_lfanew, SEEK_SET) != 0)
        return false;
    return fread(&headers.signature, sizeof headers.signature, 1, file.get()) == 1
        && fread(&headers.file, sizeof headers.file, 1, file.get()) == 1
        && fread(&headers.optional, sizeof headers.optional, 1, file.get()) == 1;
}

TEST(Executable, IsAGuiImageForTheBuildsProcessor)
{
    if (!Program().IsProgram())
        GTEST_SKIP() << "Quantlens.exe is not part of this build";
    Headers headers = {};
    ASSERT_TRUE(ReadHeaders(Program().Path(), headers));
    EXPECT_EQ(headers.signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    EXPECT_EQ(headers.file.Machine, kMachine);
    EXPECT_TRUE(headers.file.Characteristics & IMAGE_FILE_EXECUTABLE_IMAGE);
    EXPECT_EQ(headers.file.Characteristics & IMAGE_FILE_32BIT_MACHINE, kWordSizeFlag);
    EXPECT_FALSE(headers.file.Characteristics & IMAGE_FILE_DLL);
    EXPECT_EQ(headers.file.SizeOfOptionalHeader, sizeof(OptionalHeader));
    EXPECT_EQ(headers.optional.Magic, kMagic);
    EXPECT_EQ(headers.optional.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace

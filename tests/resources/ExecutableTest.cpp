// The program's file: a Windows GUI image for the processor of the build,
// which for the product is 32-bit i386. (An x86-64 build of the same sources
// serves only to run the tests where Wine cannot run 32-bit code.)

#include "tests/resources/ResourceModule.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <memory>

namespace {

struct ImageKind {
    WORD machine;
    WORD magic;
    WORD optionalHeaderSize;
    WORD wordSizeFlag;
};

const ImageKind kI386 = {IMAGE_FILE_MACHINE_I386, IMAGE_NT_OPTIONAL_HDR32_MAGIC,
                         sizeof(IMAGE_OPTIONAL_HEADER32), IMAGE_FILE_32BIT_MACHINE};
const ImageKind kAmd64 = {IMAGE_FILE_MACHINE_AMD64, IMAGE_NT_OPTIONAL_HDR64_MAGIC,
                          sizeof(IMAGE_OPTIONAL_HEADER64), 0};

// The shipped product is always 32-bit; a test build's own copy has the
// build's processor.
const ImageKind& ExpectedKind()
{
#ifdef _WIN64
    return Program().IsProduct() ? kI386 : kAmd64;
#else
    return kI386;
#endif
}

struct Headers {
    IMAGE_FILE_HEADER file;
    WORD magic;
    WORD subsystem;
};

// Reads the DOS header, then the PE headers where it points. Magic and
// subsystem sit at the same offsets in 32- and 64-bit optional headers.
bool ReadHeaders(const std::wstring& path, Headers& headers)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), fclose);
    IMAGE_DOS_HEADER dos;
    DWORD signature = 0;
    if (!file || fread(&dos, sizeof dos, 1, file.get()) != 1 || dos.e_magic != IMAGE_DOS_SIGNATURE
        || fseek(file.get(), dos.e_lfanew, SEEK_SET) != 0
        || fread(&signature, sizeof signature, 1, file.get()) != 1 || signature != IMAGE_NT_SIGNATURE
        || fread(&headers.file, sizeof headers.file, 1, file.get()) != 1)
        return false;
    const long optionalHeader = ftell(file.get());
    const long subsystemOffset = offsetof(IMAGE_OPTIONAL_HEADER32, Subsystem);
    return fread(&headers.magic, sizeof headers.magic, 1, file.get()) == 1
        && fseek(file.get(), optionalHeader + subsystemOffset, SEEK_SET) == 0
        && fread(&headers.subsystem, sizeof headers.subsystem, 1, file.get()) == 1;
}

TEST(Executable, IsAGuiImageForTheBuildsProcessor)
{
    if (!Program().IsProgram())
        GTEST_SKIP() << "Quantlens.exe is not part of this build";
    Headers headers = {};
    ASSERT_TRUE(ReadHeaders(Program().Path(), headers));
    const ImageKind& expected = ExpectedKind();
    EXPECT_EQ(headers.file.Machine, expected.machine);
    EXPECT_TRUE(headers.file.Characteristics & IMAGE_FILE_EXECUTABLE_IMAGE);
    EXPECT_EQ(headers.file.Characteristics & IMAGE_FILE_32BIT_MACHINE, expected.wordSizeFlag);
    EXPECT_FALSE(headers.file.Characteristics & IMAGE_FILE_DLL);
    EXPECT_EQ(headers.file.SizeOfOptionalHeader, expected.optionalHeaderSize);
    EXPECT_EQ(headers.magic, expected.magic);
    EXPECT_EQ(headers.subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace

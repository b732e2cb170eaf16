// The executable whose resources the tests inspect: Quantlens.exe loaded as a
// data file when the build names it (QUANTLENS_EXE_PATH), otherwise this test
// executable, which links the same resource objects.
#pragma once

#include <windows.h>

#include <string>

class ResourceModule {
public:
    ResourceModule();
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    HMODULE Handle() const { return m_module; }
    const std::wstring& Path() const { return m_path; }
    // True when the module is the program itself rather than this test.
    bool IsProgram() const { return m_isProgram; }

    // The raw bytes of a resource; empty when there is no such resource.
    std::string Bytes(LPCWSTR type, int id) const;

private:
    std::wstring m_path;
    bool m_isProgram;
    HMODULE m_module = nullptr;
};

// The module shared by all tests, loaded on first use.
const ResourceModule& Program();

// The executable whose resources the tests inspect: the shipped 32-bit
// product named by the environment variable QUANTLENS_PRODUCT_EXE (so that a
// 64-bit test build can examine it), else the build's Quantlens.exe
// (QUANTLENS_EXE_PATH), both loaded as data files; otherwise this test
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
    // True when the module is the shipped product named by QUANTLENS_PRODUCT_EXE.
    bool IsProduct() const { return m_isProduct; }

    // The raw bytes of a resource; empty when there is no such resource.
    std::string Bytes(LPCWSTR type, int id) const;

private:
    std::wstring m_path;
    bool m_isProgram = false;
    bool m_isProduct = false;
    HMODULE m_module = nullptr;
};

// The module shared by all tests, loaded on first use.
const ResourceModule& Program();

#include "tests/resources/ResourceModule.h"

#include <stdexcept>

namespace {

// The path of the executable to examine; empty for this test executable.
std::wstring ProgramPath(bool& isProduct)
{
    const wchar_t* product = _wgetenv(L"QUANTLENS_PRODUCT_EXE");
    isProduct = product != nullptr && *product != L'\0';
    if (isProduct)
        return product;
#ifdef QUANTLENS_EXE_PATH
    return L"" QUANTLENS_EXE_PATH;
#else
    return std::wstring();
#endif
}

}  // namespace

ResourceModule::ResourceModule()
{
    m_path = ProgramPath(m_isProduct);
    m_isProgram = !m_path.empty();
    if (!m_isProgram) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        m_path = path;
        m_module = GetModuleHandleW(nullptr);
        return;
    }
    // A data file: resources only, no code runs and no imports are resolved.
    m_module = LoadLibraryExW(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!m_module)
        throw std::runtime_error("cannot load the program as a data file, error "
                                 + std::to_string(GetLastError()));
}

ResourceModule::~ResourceModule()
{
    if (m_isProgram)
        FreeLibrary(m_module);
}

std::string ResourceModule::Bytes(LPCWSTR type, int id) const
{
    HRSRC found = FindResourceW(m_module, MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = found ? LoadResource(m_module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return std::string(static_cast<const char*>(data), SizeofResource(m_module, found));
}

const ResourceModule& Program()
{
    static const ResourceModule module;
    return module;
}

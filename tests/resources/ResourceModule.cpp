#include "tests/resources/ResourceModule.h"

#include <stdexcept>

#ifdef QUANTLENS_EXE_PATH
ResourceModule::ResourceModule() : m_path(L"" QUANTLENS_EXE_PATH), m_isProgram(true)
{
    // A data file: resources only, no code runs and no imports are resolved.
    m_module = LoadLibraryExW(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!m_module)
        throw std::runtime_error("cannot load " QUANTLENS_EXE_PATH " as a data file, error "
                                 + std::to_string(GetLastError()));
}
#else
ResourceModule::ResourceModule() : m_isProgram(false)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    m_path = path;
    m_module = GetModuleHandleW(nullptr);
}
#endif

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

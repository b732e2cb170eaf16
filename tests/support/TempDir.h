#pragma once

#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes. Paths are wide, as the program uses them.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return m_path; }

    // The path of name inside the folder.
    std::wstring File(const std::wstring& name) const;

    // Writes bytes to name inside the folder and returns its path.
    std::wstring Write(const std::wstring& name, const std::vector<unsigned char>& bytes) const;

    // Makes a folder inside this one and returns its path.
    std::wstring MakeDir(const std::wstring& name) const;

private:
    std::wstring m_path;
};

// Writes bytes to path, replacing the file. Throws std::runtime_error on failure.
void WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes);

// Reads a whole file. Throws std::runtime_error on failure.
std::vector<unsigned char> ReadBytes(const std::wstring& path);

#pragma once

#include "intake/OpenSourceFile.h"

#include <optional>
#include <string>

// Vets a source path before the header reader sees it: empty, missing,
// misnamed, unopenable, archives and other image formats are refused. Returns
// nothing when the file may be read, otherwise the one message to show the
// user. A read or close failure after a successful open is thrown as a
// CFileException*.
std::optional<std::wstring> FindSourceRefusal(const std::wstring& path);

// The same check, leaving the file open in file when nothing is refused, so
// that the header reader can read it without opening it again.
std::optional<std::wstring> FindSourceRefusal(const std::wstring& path, COpenSourceFile& file);

// Whether the last path component's extension is ".jpg" or ".jpeg", letter
// case ignored: the check's judgement by name alone.
bool HasJpegExtension(const std::wstring& path);

#pragma once

#include "statements/FileStatements.h"

#include <string>

// The "文件自述:" block of the text report, lines ending in "\n": one indented
// line per statement present ("  相机: Canon EOS 1300D", "  Photoshop 品质:
// 8（标准）", ...), "（无法读取）" for a kind that was present but could not
// be read, or "文件自述: 无" when the file says nothing.
std::wstring StatementBlockText(const FileStatements& statements);

// "Make Model", or the model alone when it already begins with the make.
std::wstring CameraText(const FileStatements& statements);

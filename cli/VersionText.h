#pragma once

#include <string>

// What --version prints: this program's version and the libjpeg it was built with.
std::wstring VersionText();

#pragma once

#include <cstdint>
#include <optional>
#include <string>

// An EXIF date and time "YYYY:MM:DD HH:MM:SS" as seconds from 1970-01-01
// 00:00 (the zone left as it is); nothing when the text is not such a time
// (blank, "0000:00:00 00:00:00", a day beyond its month).
std::optional<std::int64_t> ExifSeconds(const std::wstring& text);

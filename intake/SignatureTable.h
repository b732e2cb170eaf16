#pragma once

#include <optional>
#include <string>

// Judges the first 16 bytes of a file (zero-filled where the file is shorter):
// nothing when they start a JPEG stream, otherwise the refusal message that
// names what the file really is.
std::optional<std::wstring> JudgeSignature(const unsigned char (&head)[16]);

#pragma once

#include <string>

// Numbers as the report writes them: "%d", and "%.2f" with a full stop as the
// decimal mark whatever the locale.
std::wstring IntText(long long value);
std::wstring FixedText2(double value);

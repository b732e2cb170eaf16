#pragma once

#include <string>

// The first argument on the program's command line, empty when there is none.
std::wstring FirstArgument();

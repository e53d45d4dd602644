// The layer's basic types, which every other unit builds on.
#pragma once

#include <string>

// Text inside the program is UTF-8; conversion to code page 932 happens only at file boundaries.
using AnsiString = std::string;

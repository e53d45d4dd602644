// Internal to the layer: the file filter of the open-picture dialog. The program writes it as
// "description|patterns|description|patterns", patterns separated by ';'.
#pragma once

#include "Classes.h"

#include <vector>

namespace winlib {

struct FileFilter {
    AnsiString Description;
    std::vector<AnsiString> Patterns; // "*.jpg"; empty patterns are dropped
};

std::vector<FileFilter> ParseFileFilter(const AnsiString& filter);

} // namespace winlib

// A file the program wrote (its settings file, its output), as the tests read it back: decoded
// from code page 932, line ends as LF.

#include "winlib/SysUtils.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string Cp932FileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string out;
    for (char c : Cp932ToUtf8(ss.str()))
        if (c != '\r') out += c;
    return out;
}

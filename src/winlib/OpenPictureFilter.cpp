// Parsing and matching of the open-picture dialog's filter string.
#include "OpenPictureFilter.h"

namespace winlib {

namespace {

std::vector<AnsiString> Split(const AnsiString& s, char sep) {
    std::vector<AnsiString> parts;
    size_t start = 0;
    for (;;) {
        size_t i = s.find(sep, start);
        parts.push_back(s.substr(start, i == AnsiString::npos ? AnsiString::npos : i - start));
        if (i == AnsiString::npos) break;
        start = i + 1;
    }
    return parts;
}

AnsiString TrimBlanks(const AnsiString& s) {
    size_t b = s.find_first_not_of(' ');
    if (b == AnsiString::npos) return "";
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

} // namespace

std::vector<FileFilter> ParseFileFilter(const AnsiString& filter) {
    std::vector<FileFilter> result;
    if (filter.empty()) return result;
    std::vector<AnsiString> parts = Split(filter, '|');
    for (size_t i = 0; i < parts.size(); i += 2) {
        FileFilter f;
        f.Description = parts[i];
        if (i + 1 < parts.size())
            for (const AnsiString& p : Split(parts[i + 1], ';')) {
                AnsiString t = TrimBlanks(p);
                if (!t.empty()) f.Patterns.push_back(t);
            }
        result.push_back(f);
    }
    return result;
}

} // namespace winlib

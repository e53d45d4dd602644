#include "ProfileLine.h"

namespace profile {

namespace {

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the character starting at s[i]: 2 for a lead byte with a following byte, else 1.
size_t CharLength(const std::string& s, size_t i) {
    return (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
}

std::string NoLineBreaks(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

std::string WithoutLineBreaks(const std::string& value) {
    return NoLineBreaks(value);
}

std::string ExactValueToStore(const std::string& value) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (c > 0x20 && c < 0x7F && c != '%' && c != '"' && c != '\'') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

bool ExactValueAsRead(const std::string& stored, std::string& value) {
    std::string out;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] != '%') {
            out += stored[i];
            continue;
        }
        if (i + 2 >= stored.size()) return false;
        const int hi = HexDigit(stored[i + 1]), lo = HexDigit(stored[i + 2]);
        if (hi < 0 || lo < 0) return false;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    value = std::move(out);
    return true;
}

std::string TrimBlanks(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

ParsedLine ParseLine(const std::string& raw) {
    ParsedLine out;
    const std::string line = TrimBlanks(raw);
    if (line.empty() || line[0] == ';') return out;
    if (line[0] == '[') {
        size_t close = std::string::npos;
        for (size_t i = 1; i < line.size(); i += CharLength(line, i))
            if (line[i] == ']') close = i;
        if (close != std::string::npos) {
            out.kind = LineKind::Section;
            out.name = TrimBlanks(line.substr(1, close - 1));
        }
        return out;
    }
    for (size_t i = 0; i < line.size(); i += CharLength(line, i)) {
        if (line[i] == '=') {
            out.kind = LineKind::Key;
            out.name = TrimBlanks(line.substr(0, i));
            out.value = TrimBlanks(line.substr(i + 1));
            break;
        }
    }
    return out;
}

std::string ValueAsRead(const std::string& stored, size_t maxBytes) {
    std::string v = stored;
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) v = v.substr(1, v.size() - 2);
    if (v.size() > maxBytes) {
        size_t end = 0;
        while (end < v.size()) {
            const size_t n = CharLength(v, end);
            if (end + n > maxBytes) break;
            end += n;
        }
        v.resize(end);
    }
    return v;
}

std::string ValueToStore(const std::string& value) {
    std::string v = NoLineBreaks(value);
    const bool blankAtEnd = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()));
    const bool quoted = v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0];
    return (blankAtEnd || quoted) ? "\"" + v + "\"" : v;
}

std::string NameToStore(const std::string& name) {
    return TrimBlanks(NoLineBreaks(name));
}

} // namespace profile

// Code page 932 <-> UTF-8 through iconv. glibc's "CP932" is the Windows code page (NEC and IBM
// extensions, 0x5C as backslash, 0x815F as the full-width backslash); "SHIFT_JIS" is not.
#include "SysUtils.h"

#include <cerrno>
#include <iconv.h>

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

// Length of the well-formed UTF-8 sequence at p, or 0.
size_t Utf8SequenceLength(const unsigned char* p, size_t left) {
    const unsigned char c = p[0];
    size_t n = 0;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4;
    else
        return 0;
    if (left < n) return 0;
    for (size_t i = 1; i < n; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return n;
}

// Converts s; whatever cannot be converted becomes one '?' per character (or per stray byte).
std::string Convert(const Converter& conv, const std::string& s, bool sourceIsUtf8) {
    std::string out;
    if (s.empty()) return out;
    if (!conv.ok()) {
        for (unsigned char c : s)
            out += c < 0x80 ? static_cast<char>(c) : '?';
        return out;
    }
    iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(s.data());
    size_t inLeft = s.size();
    std::string buf(s.size() * 2 + 16, '\0');
    while (inLeft > 0) {
        char* outPtr = buf.data();
        size_t outLeft = buf.size();
        const size_t r = iconv(conv.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buf.data(), buf.size() - outLeft);
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a sequence cut off at the end): skip it and go on.
        size_t skip = 1;
        if (sourceIsUtf8) {
            const size_t n = Utf8SequenceLength(reinterpret_cast<unsigned char*>(in), inLeft);
            if (n > 0) skip = n;
        }
        out += '?';
        in += skip;
        inLeft -= skip;
        iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace

std::string Cp932ToUtf8(const std::string& S) {
    thread_local Converter conv("UTF-8", "CP932");
    return Convert(conv, S, false);
}

std::string Utf8ToCp932(const std::string& S) {
    thread_local Converter conv("CP932", "UTF-8");
    return Convert(conv, S, true);
}

// Helpers for the printer tests: a scratch folder, running poppler's tools, reading rendered
// pages.
#pragma once

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>

namespace printertest {

// A fresh folder removed at the end of the test.
class ScratchDir {
  public:
    ScratchDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "ruliform-printer-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl;
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a shell command; its standard output, and its exit status in Status.
inline std::string RunCommand(const std::string& command, int* Status = nullptr) {
    std::string out;
    FILE* f = popen((command + " 2>/dev/null").c_str(), "r");
    if (!f) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    const int rc = pclose(f);
    if (Status) *Status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

// The value of one "Key: value" line of pdfinfo, trimmed; empty when absent.
inline std::string PdfInfo(const std::string& pdf, const std::string& key) {
    const std::string info = RunCommand("pdfinfo " + Quote(pdf));
    const std::string tag = "\n" + key + ":";
    const std::string text = "\n" + info;
    const size_t at = text.find(tag);
    if (at == std::string::npos) return "";
    size_t b = at + tag.size();
    size_t e = text.find('\n', b);
    std::string v = text.substr(b, e == std::string::npos ? std::string::npos : e - b);
    v.erase(0, v.find_first_not_of(' '));
    v.erase(v.find_last_not_of(' ') + 1);
    return v;
}

// A rendered page in 8-bit grey.
struct GreyImage {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    int At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Renders one page (1-based) of a PDF at the given resolution with pdftoppm, optionally cropped
// to (x, y, w, h) in rendered pixels. Without smoothing every pixel is either inked or not, as
// the page's shapes cover it.
inline GreyImage RenderPage(const std::string& pdf, int page, int dpi, int x = 0, int y = 0, int w = 0,
                            int h = 0, bool smooth = true) {
    std::string cmd = "pdftoppm -gray -r " + std::to_string(dpi) + (smooth ? "" : " -aa no -aaVector no") +
                      " -f " + std::to_string(page) + " -l " + std::to_string(page);
    if (w > 0 && h > 0)
        cmd += " -x " + std::to_string(x) + " -y " + std::to_string(y) + " -W " + std::to_string(w) + " -H " +
               std::to_string(h);
    // A page at 600 dpi is some 35 MB: read it from the pipe straight into the image, in large
    // reads, rather than growing a string and copying it again.
    FILE* pipe = popen((cmd + " " + Quote(pdf) + " 2>/dev/null").c_str(), "r");
    if (!pipe) return {};
    fcntl(fileno(pipe), F_SETPIPE_SZ, 1 << 20); // fewer, larger reads; the default works too
    GreyImage img;
    // "P5\n<w> <h>\n255\n" then the bytes.
    auto number = [&]() {
        int c = std::fgetc(pipe);
        while (c != EOF && std::isspace(c))
            c = std::fgetc(pipe);
        long v = -1;
        for (; c != EOF && std::isdigit(c); c = std::fgetc(pipe))
            v = (v < 0 ? 0 : v * 10) + (c - '0');
        return (c == EOF || !std::isspace(c)) ? -1L : v; // one white space ends each field
    };
    const bool magic = std::fgetc(pipe) == 'P' && std::fgetc(pipe) == '5';
    const long width = magic ? number() : -1, height = width > 0 ? number() : -1;
    const long maxval = height > 0 ? number() : -1;
    if (maxval == 255) {
        img.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
        if (std::fread(img.pixels.data(), 1, img.pixels.size(), pipe) == img.pixels.size()) {
            img.width = static_cast<int>(width);
            img.height = static_cast<int>(height);
        }
    }
    if (img.width == 0) img.pixels.clear(); // a short or foreign output: no image
    // Whatever is left (nothing, from a sound run) is drained so that pdftoppm ends.
    char rest[4096];
    while (std::fread(rest, 1, sizeof rest, pipe) > 0) {
    }
    pclose(pipe);
    return img;
}

// A line found across a strip of a rendered page: its darkness-weighted centre and its edges,
// in pixels from the page's left (or top) edge; pixel I spans [I, I + 1).
struct FoundLine {
    double centre = 0, start = 0, end = 0;
};

// The vertical lines (Vertical) that cross the row AtPx of a page rendered at Dpi, or the
// horizontal lines that cross the column AtPx; LengthPx is the page's width (or height) in
// rendered pixels. Only a strip a few pixels wide is rendered.
inline std::vector<FoundLine> LinesAcross(const std::string& pdf, int page, int dpi, bool vertical, int atPx,
                                          int lengthPx) {
    constexpr int band = 6;
    const GreyImage img = vertical ? RenderPage(pdf, page, dpi, 0, atPx - band / 2, lengthPx, band)
                                   : RenderPage(pdf, page, dpi, atPx - band / 2, 0, band, lengthPx);
    const int n = vertical ? img.width : img.height, m = vertical ? img.height : img.width;
    std::vector<FoundLine> lines;
    double ink = 0, moment = 0;
    int start = 0;
    for (int i = 0; i <= n; ++i) {
        double dark = 0;
        for (int j = 0; i < n && j < m; ++j)
            dark += (255 - (vertical ? img.At(i, j) : img.At(j, i))) / 255.0;
        // A column (row) a tenth dark belongs to a line, so its soft edges count as well.
        if (dark > 0.1 * m) {
            if (ink == 0) start = i;
            ink += dark;
            moment += dark * (i + 0.5);
        } else if (ink > 0) {
            lines.push_back({moment / ink, static_cast<double>(start), static_cast<double>(i)});
            ink = moment = 0;
        }
    }
    return lines;
}

inline std::string ReadFile(const std::string& f) {
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace printertest

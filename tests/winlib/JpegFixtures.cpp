#include "JpegFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace jpegfixture {

std::vector<uint8_t> Encode(const Spec& spec) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = static_cast<JDIMENSION>(spec.width);
    c.image_height = static_cast<JDIMENSION>(spec.height);
    switch (spec.colour) {
    case Colour::Rgb:
        c.input_components = 3, c.in_color_space = JCS_RGB;
        break;
    case Colour::Grey:
        c.input_components = 1, c.in_color_space = JCS_GRAYSCALE;
        break;
    case Colour::Cmyk:
    case Colour::Ycck:
        c.input_components = 4, c.in_color_space = JCS_CMYK;
        break;
    }
    jpeg_set_defaults(&c);
    // CMYK is stored as it comes; YCCK has libjpeg turn C, M, Y into luminance and colour. Both
    // carry the Adobe marker that tells a reader so.
    if (spec.colour == Colour::Ycck) jpeg_set_colorspace(&c, JCS_YCCK);
    jpeg_set_quality(&c, spec.quality, TRUE);
    if (spec.progressive) jpeg_simple_progression(&c);
    c.restart_in_rows = spec.restartRows;
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(spec.width) * static_cast<size_t>(c.input_components));
    while (c.next_scanline < c.image_height) {
        const int y = static_cast<int>(c.next_scanline);
        for (int x = 0; x < spec.width; ++x)
            spec.pixel(x, y, &row[static_cast<size_t>(x) * static_cast<size_t>(c.input_components)]);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> v(out, out + size);
    free(out);
    return v;
}

std::vector<uint8_t> Halves(int w, int h, bool grey, bool progressive) {
    Spec s;
    s.width = w, s.height = h, s.progressive = progressive;
    s.colour = grey ? Colour::Grey : Colour::Rgb;
    s.pixel = [w, grey](int x, int, uint8_t* p) {
        if (grey) {
            p[0] = x < w / 2 ? 40 : 220;
            return;
        }
        p[0] = x < w / 2 ? 255 : 0;
        p[1] = 0;
        p[2] = x < w / 2 ? 0 : 255;
    };
    return Encode(s);
}

std::vector<uint8_t> Detailed(int w, int h, bool progressive, int restartRows) {
    Spec s;
    s.width = w, s.height = h, s.progressive = progressive, s.restartRows = restartRows;
    s.pixel = [](int x, int y, uint8_t* p) {
        p[0] = static_cast<uint8_t>(x * 4 + ((x / 3 + y / 5) % 2) * 60);
        p[1] = static_cast<uint8_t>(y * 5 + ((x * y) % 7) * 20);
        p[2] = static_cast<uint8_t>(((x ^ y) & 8) ? 230 : 30);
    };
    return Encode(s);
}

std::vector<Scan> Scans(const std::vector<uint8_t>& f) {
    // A marker inside compressed data: 0xFF followed by neither a stuffed 0 nor a restart marker.
    auto markerAt = [&](size_t i) {
        return f[i] == 0xFF && f[i + 1] != 0x00 && f[i + 1] != 0xFF &&
               !(f[i + 1] >= 0xD0 && f[i + 1] <= 0xD7);
    };
    std::vector<Scan> scans;
    size_t i = 2; // after SOI
    while (i + 4 <= f.size()) {
        if (f[i] != 0xFF) throw std::runtime_error("not at a marker");
        const uint8_t code = f[i + 1];
        if (code == 0xD9) break; // EOI
        const size_t length = size_t(f[i + 2]) << 8 | f[i + 3];
        if (code != 0xDA) {
            i += 2 + length;
            continue;
        }
        Scan s{i, i + 2 + length, i + 2 + length};
        while (s.end + 1 < f.size() && !markerAt(s.end))
            ++s.end;
        scans.push_back(s);
        i = s.end;
    }
    return scans;
}

std::vector<uint8_t> Cut(const std::vector<uint8_t>& file, size_t keep) {
    return std::vector<uint8_t>(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(keep));
}

} // namespace jpegfixture

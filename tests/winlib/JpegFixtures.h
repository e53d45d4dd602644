// JPEG files made with libjpeg for the tests: baseline, progressive, with restart markers, grey,
// and Adobe CMYK or YCCK; and the places in a file where a cut falls between or inside scans.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace jpegfixture {

enum class Colour { Rgb, Grey, Cmyk, Ycck };

struct Spec {
    int width = 64;
    int height = 48;
    Colour colour = Colour::Rgb;
    bool progressive = false;
    int restartRows = 0; // a restart marker every so many rows of blocks; 0: none
    int quality = 95;
    // The samples of pixel (x, y): 3 (R, G, B), 1 (grey) or 4 (C, M, Y, K as stored, Adobe's
    // inverted way: 255 is no ink).
    std::function<void(int x, int y, uint8_t* samples)> pixel;
};

std::vector<uint8_t> Encode(const Spec& spec);

// The left half red, the right half blue (grey 40 and 220 for a grey picture).
std::vector<uint8_t> Halves(int w, int h, bool grey, bool progressive = false);

// A picture with detail everywhere, so that any lost data changes some pixel.
std::vector<uint8_t> Detailed(int w, int h, bool progressive, int restartRows = 0);

// One scan of a file: where its header's marker starts, where its compressed data starts, and
// where the data ends (at the marker that follows it).
struct Scan {
    size_t marker, data, end;
};
std::vector<Scan> Scans(const std::vector<uint8_t>& file);

// The first `keep` bytes of a file.
std::vector<uint8_t> Cut(const std::vector<uint8_t>& file, size_t keep);

} // namespace jpegfixture

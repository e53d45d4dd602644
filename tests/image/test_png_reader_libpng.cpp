// The reader decodes every standard PNG format exactly like libpng does.
#include "image/Pixpng.h"
#include "image/png_fixtures.h"

#include <gtest/gtest.h>
#include <png.h>

namespace {
struct FormatCase {
    int ColorType, Depth, Interlace, Width, Height;
};

int ChannelsOf(int colorType) {
    switch (colorType) {
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 1;
    }
}

SampleImage RandomImage(int w, int h, int channels, int depth, uint32_t seed, int maxSample = -1) {
    SampleImage img;
    img.Width = w, img.Height = h, img.Channels = channels;
    img.Samples.resize(size_t(w) * h * channels);
    int limit = maxSample >= 0 ? maxSample : (1 << depth) - 1;
    uint32_t state = seed;
    for (auto& s : img.Samples)
        s = static_cast<uint16_t>(NextRandom(state) % (limit + 1));
    return img;
}

std::vector<uint8_t> RandomPalette(int n, uint32_t seed) {
    std::vector<uint8_t> p(size_t(n) * 3);
    for (auto& b : p)
        b = static_cast<uint8_t>(NextRandom(seed));
    return p;
}

TPixPNG* Load(const Bytes& file) {
    auto* png = new TPixPNG;
    TMemoryStream s;
    s.Write(file.data(), static_cast<int64_t>(file.size()));
    s.SetPosition(0);
    png->LoadFromStream(&s);
    return png;
}

// Compares colour and alpha of every pixel with libpng's decoding.
void ExpectSameAsLibpng(TPixPNG& png, const Bytes& file, bool compareAlpha) {
    Rgba8 ref = LibpngDecode(file, true);
    TBitmap* img = png.GetImage();
    ASSERT_EQ(img->Width(), ref.Width);
    ASSERT_EQ(img->Height(), ref.Height);
    TBitmap* alpha = png.GetAlphaBitmap();
    if (compareAlpha) {
        ASSERT_EQ(alpha->Width(), ref.Width);
        ASSERT_EQ(alpha->Height(), ref.Height);
    }
    int bad = 0;
    for (int y = 0; y < ref.Height && bad < 5; ++y)
        for (int x = 0; x < ref.Width && bad < 5; ++x) {
            const uint8_t* p = ref.At(x, y);
            TColor c = PixelColor(*img, x, y);
            if (c != RGB(p[0], p[1], p[2])) {
                ++bad;
                ADD_FAILURE() << "colour at " << x << "," << y << ": " << std::hex << c << " vs libpng "
                              << RGB(p[0], p[1], p[2]);
            }
            if (compareAlpha && 255 - alpha->ScanLine(y)[x] != p[3]) {
                ++bad;
                ADD_FAILURE() << "alpha at " << x << "," << y << ": " << 255 - alpha->ScanLine(y)[x]
                              << " vs libpng " << int(p[3]);
            }
        }
}
} // namespace

class PngFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(PngFormats, DecodesLikeLibpng) {
    const FormatCase& c = GetParam();
    LibpngOptions o;
    o.ColorType = c.ColorType, o.Depth = c.Depth, o.Interlace = c.Interlace;
    int channels = ChannelsOf(c.ColorType);
    int maxSample = -1;
    if (c.ColorType == 3) {
        int entries = 1 << c.Depth;
        if (c.Depth == 8) entries = 200;
        o.PaletteRGB = RandomPalette(entries, 7);
        maxSample = entries - 1;
    }
    SampleImage img =
        RandomImage(c.Width, c.Height, channels, c.Depth, 1234 + c.ColorType * 31 + c.Depth, maxSample);
    Bytes file = LibpngEncode(img, o);
    std::unique_ptr<TPixPNG> png(Load(file));
    bool alpha = c.ColorType == 4 || c.ColorType == 6;
    EXPECT_EQ(png->AlphaChannel, alpha);
    EXPECT_EQ(png->GrayScale, c.ColorType == 0 || c.ColorType == 4);
    EXPECT_EQ(png->BitDepth, c.Depth);
    EXPECT_EQ(png->Interlace, c.Interlace ? gptAdam7 : gptNone);
    ExpectSameAsLibpng(*png, file, alpha);
    if (!alpha) {
        EXPECT_TRUE(png->GetAlphaBitmap()->Empty());
    }
}

namespace {
std::vector<FormatCase> AllFormats() {
    std::vector<FormatCase> cases;
    const std::pair<int, int> formats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                           {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
    // 13 x 11 leaves every Adam7 pass partly filled; 1 x 1 and 3 x 2 leave passes empty.
    const std::pair<int, int> sizes[] = {{13, 11}, {1, 1}, {3, 2}, {64, 3}};
    for (auto [type, depth] : formats)
        for (int interlace = 0; interlace < 2; ++interlace)
            for (auto [w, h] : sizes)
                cases.push_back({type, depth, interlace, w, h});
    return cases;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(AllColourTypes, PngFormats, testing::ValuesIn(AllFormats()),
                         [](const testing::TestParamInfo<FormatCase>& i) {
                             const auto& c = i.param;
                             return "type" + std::to_string(c.ColorType) + "_depth" +
                                    std::to_string(c.Depth) + (c.Interlace ? "_adam7_" : "_plain_") +
                                    std::to_string(c.Width) + "x" + std::to_string(c.Height);
                         });

// Each filter type on its own, on formats with 1-, 3-, 4- and 8-byte pixel distances and below one byte.
class PngFilters : public testing::TestWithParam<std::tuple<int, std::pair<int, int>, int>> {};

TEST_P(PngFilters, EveryFilterTypeDecodesLikeLibpng) {
    auto [filter, format, interlace] = GetParam();
    LibpngOptions o;
    o.ColorType = format.first, o.Depth = format.second, o.Interlace = interlace, o.Filters = filter;
    // Smooth gradients make libpng's filters produce non-trivial residues.
    SampleImage img;
    img.Width = 37, img.Height = 9, img.Channels = ChannelsOf(o.ColorType);
    img.Samples.resize(size_t(img.Width) * img.Height * img.Channels);
    int max = (1 << o.Depth) - 1;
    uint32_t state = 99;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x)
            for (int ch = 0; ch < img.Channels; ++ch)
                img.At(x, y, ch) =
                    static_cast<uint16_t>((x * 7 + y * 13 + ch * 50 + NextRandom(state) % 5) % (max + 1));
    Bytes file = LibpngEncode(img, o);
    std::unique_ptr<TPixPNG> png(Load(file));
    ExpectSameAsLibpng(*png, file, o.ColorType == 4 || o.ColorType == 6);
}

INSTANTIATE_TEST_SUITE_P(EachFilter, PngFilters,
                         testing::Combine(testing::Values(PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP,
                                                          PNG_FILTER_AVG, PNG_FILTER_PAETH),
                                          testing::Values(std::pair{0, 2}, std::pair{0, 8}, std::pair{2, 8},
                                                          std::pair{6, 8}, std::pair{6, 16}),
                                          testing::Values(0, 1)));

TEST(PngPalette, PartialTransparencyFillsTheAlphaBitmap) {
    LibpngOptions o;
    o.ColorType = 3, o.Depth = 4;
    o.PaletteRGB = RandomPalette(16, 3);
    o.PaletteAlpha = {0, 40, 255, 128, 7};
    for (int interlace = 0; interlace < 2; ++interlace) {
        o.Interlace = interlace;
        Bytes file = LibpngEncode(RandomImage(11, 7, 1, 4, 5), o);
        std::unique_ptr<TPixPNG> png(Load(file));
        EXPECT_EQ(png->TransColor(), -1);
        EXPECT_FALSE(png->GetImage()->Transparent());
        ExpectSameAsLibpng(*png, file, true);
    }
}

TEST(PngPalette, OneTransparentEntryBecomesTheTransparentColour) {
    LibpngOptions o;
    o.ColorType = 3, o.Depth = 8;
    o.PaletteRGB = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    o.PaletteAlpha = {255, 0};
    Bytes file = LibpngEncode(RandomImage(5, 4, 1, 8, 11, 2), o);
    std::unique_ptr<TPixPNG> png(Load(file));
    EXPECT_EQ(png->TransColor(), RGB(40, 50, 60));
    EXPECT_TRUE(png->GetImage()->Transparent());
    EXPECT_EQ(png->GetImage()->TransparentColor(), RGB(40, 50, 60));
    EXPECT_TRUE(png->GetAlphaBitmap()->Empty());
    ExpectSameAsLibpng(*png, file, false);
}

TEST(PngPalette, WithoutTransparencyKeepsItsColourTable) {
    LibpngOptions o;
    o.ColorType = 3, o.Depth = 2;
    o.PaletteRGB = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    Bytes file = LibpngEncode(RandomImage(9, 3, 1, 2, 8, 2), o);
    std::unique_ptr<TPixPNG> png(Load(file));
    EXPECT_EQ(png->GetImage()->BitsPerPixel(), 4);
    ASSERT_EQ(png->GetImage()->ColorTable().size(), 3u);
    EXPECT_EQ(png->TransColor(), -1);
    EXPECT_FALSE(png->GetImage()->Transparent());
    ExpectSameAsLibpng(*png, file, false);
}

// Bitmap formats the reader chooses, as the application sees them.
TEST(PngFormatsChosen, BitmapDepthFollowsThePngFormat) {
    struct {
        int type, depth, bits;
    } cases[] = {{0, 1, 1}, {0, 2, 4}, {0, 4, 4}, {0, 8, 8}, {0, 16, 8}, {2, 8, 24}, {2, 16, 24}, {3, 1, 1},
                 {3, 2, 4}, {3, 4, 4}, {3, 8, 8}, {4, 8, 8}, {4, 16, 8}, {6, 8, 24}, {6, 16, 24}};
    for (auto c : cases) {
        LibpngOptions o;
        o.ColorType = c.type, o.Depth = c.depth;
        if (c.type == 3) o.PaletteRGB = RandomPalette(2, 1);
        Bytes file = LibpngEncode(RandomImage(4, 4, ChannelsOf(c.type), c.depth, 2, c.type == 3 ? 1 : -1), o);
        std::unique_ptr<TPixPNG> png(Load(file));
        EXPECT_EQ(png->GetImage()->BitsPerPixel(), c.bits) << "type " << c.type << " depth " << c.depth;
        if (c.type == 0) {
            EXPECT_EQ(png->GetImage()->ColorTable().size(), size_t(c.depth >= 8 ? 256 : 1 << c.depth));
        }
    }
}

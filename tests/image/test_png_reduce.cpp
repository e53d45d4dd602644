// PNG pictures beyond the load limit are reduced while they are read.
#include "image/Pixpng.h"
#include "image/png_fixtures.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void LoadBytes(TPixPNG& png, const Bytes& file) {
    TMemoryStream s;
    s.Write(file.data(), static_cast<int64_t>(file.size()));
    s.SetPosition(0);
    png.LoadFromStream(&s);
}

// Six blocks of 4 x 4 pixels, three across and two down, each of one colour. Reduced to 3 x 2,
// each output pixel is its block's colour, whether averaged or sampled.
constexpr int kBlock = 4, kAcross = 3, kDown = 2;
const TColor kBlockColours[kDown][kAcross] = {{RGB(200, 10, 10), RGB(10, 200, 10), RGB(10, 10, 200)},
                                              {RGB(250, 250, 0), RGB(0, 0, 0), RGB(120, 130, 140)}};

struct ReduceCase {
    const char* name;
    int colorType, depth, interlace;
};

// The block picture in the case's PNG format; palette pictures index a six-entry palette.
Bytes BlockPicture(const ReduceCase& c) {
    LibpngOptions o;
    o.ColorType = c.colorType, o.Depth = c.depth, o.Interlace = c.interlace;
    SampleImage img;
    img.Width = kBlock * kAcross, img.Height = kBlock * kDown;
    img.Channels = c.colorType == 3 ? 1 : c.colorType == 6 ? 4 : 3;
    const int scale = c.depth == 16 ? 257 : 1;
    for (int by = 0; by < kDown; ++by)
        for (int bx = 0; bx < kAcross; ++bx) {
            const TColor k = kBlockColours[by][bx];
            o.PaletteRGB.insert(o.PaletteRGB.end(),
                                {uint8_t(GetRValue(k)), uint8_t(GetGValue(k)), uint8_t(GetBValue(k))});
        }
    img.Samples.resize(size_t(img.Width) * img.Height * img.Channels);
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            const int bx = x / kBlock, by = y / kBlock;
            const TColor k = kBlockColours[by][bx];
            if (c.colorType == 3) {
                img.At(x, y, 0) = uint16_t(by * kAcross + bx);
                continue;
            }
            img.At(x, y, 0) = uint16_t(GetRValue(k) * scale);
            img.At(x, y, 1) = uint16_t(GetGValue(k) * scale);
            img.At(x, y, 2) = uint16_t(GetBValue(k) * scale);
            if (img.Channels == 4) img.At(x, y, 3) = uint16_t((x * 20) * scale);
        }
    if (c.colorType != 3) o.PaletteRGB.clear();
    return LibpngEncode(img, o);
}

} // namespace

class PngReduceFormats : public testing::TestWithParam<ReduceCase> {};

TEST_P(PngReduceFormats, APictureBeyondTheLimitArrivesReducedWithItsColours) {
    TPixPNG png;
    png.LoadLimit.MaxSide = 3;
    LoadBytes(png, BlockPicture(GetParam()));
    ASSERT_EQ(png.Width(), kAcross);
    ASSERT_EQ(png.Height(), kDown);
    EXPECT_EQ(png.GetImage()->BitsPerPixel(), 32);
    for (int y = 0; y < kDown; ++y)
        for (int x = 0; x < kAcross; ++x)
            EXPECT_EQ(PixelColor(*png.GetImage(), x, y), kBlockColours[y][x]) << x << "," << y;
    // A reduced picture carries no alpha of its own.
    EXPECT_TRUE(png.GetAlphaBitmap()->Empty());
    EXPECT_FALSE(png.GetImage()->Transparent());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PngReduceFormats,
    testing::Values(ReduceCase{"rgb8", 2, 8, 0}, ReduceCase{"rgb16", 2, 16, 0}, ReduceCase{"rgba8", 6, 8, 0},
                    ReduceCase{"palette4", 3, 4, 0}, ReduceCase{"palette8", 3, 8, 0},
                    ReduceCase{"rgb8_interlaced", 2, 8, 1}, ReduceCase{"palette4_interlaced", 3, 4, 1}),
    [](const testing::TestParamInfo<ReduceCase>& i) { return std::string(i.param.name); });

TEST(PngReduce, EachOutputPixelAveragesTheAreaItCovers) {
    // Five grey pixels into two: the middle one is cut in half between them.
    SampleImage img;
    img.Width = 5, img.Height = 1, img.Channels = 1;
    img.Samples = {0, 50, 100, 150, 200};
    LibpngOptions o;
    TPixPNG png;
    png.LoadLimit.MaxSide = 2;
    LoadBytes(png, LibpngEncode(img, o));
    ASSERT_EQ(png.Width(), 2);
    ASSERT_EQ(png.Height(), 1);
    EXPECT_EQ(PixelColor(*png.GetImage(), 0, 0), RGB(40, 40, 40));    // (0 + 50 + 50) / 2.5
    EXPECT_EQ(PixelColor(*png.GetImage(), 1, 0), RGB(160, 160, 160)); // (50 + 150 + 200) / 2.5
}

TEST(PngReduce, APictureWithinTheLimitKeepsItsSizeAndFormat) {
    TPixPNG png;
    png.LoadLimit.MaxSide = kBlock * kAcross;
    png.LoadLimit.MaxPixels = kBlock * kAcross * kBlock * kDown;
    LoadBytes(png, BlockPicture({"palette4", 3, 4, 0}));
    EXPECT_EQ(png.Width(), kBlock * kAcross);
    EXPECT_EQ(png.Height(), kBlock * kDown);
    EXPECT_EQ(png.GetImage()->BitsPerPixel(), 4);
}

TEST(PngReduce, AReducedPictureThatIsCutShortIsStillRefused) {
    Bytes file = BlockPicture({"rgb8", 2, 8, 0});
    file.resize(file.size() - 12 - 4 - 2); // into the image data
    TPixPNG png;
    png.LoadLimit.MaxSide = 3;
    EXPECT_THROW(LoadBytes(png, file), EPixPNG);
}

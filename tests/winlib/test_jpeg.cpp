#include "winlib/Graphics.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// Encodes w x h pixels with libjpeg: the left half red, the right half blue (or grey levels).
std::vector<uint8_t> Encode(int w, int h, bool grey, bool progressive = false) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = grey ? 1 : 3;
    c.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w) * c.input_components);
    while (c.next_scanline < c.image_height) {
        for (int x = 0; x < w; ++x) {
            if (grey)
                row[size_t(x)] = x < w / 2 ? 40 : 220;
            else {
                uint8_t* p = &row[size_t(3 * x)];
                p[0] = x < w / 2 ? 255 : 0;
                p[1] = 0;
                p[2] = x < w / 2 ? 0 : 255;
            }
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> v(out, out + size);
    free(out);
    return v;
}

void Load(TJPEGImage& j, const std::vector<uint8_t>& data) {
    TMemoryStream s;
    s.Write(data.data(), static_cast<int64_t>(data.size()));
    s.SetPosition(0);
    j.LoadFromStream(&s);
}

bool Near(TColor a, TColor b) {
    return std::abs(GetRValue(a) - GetRValue(b)) < 24 && std::abs(GetGValue(a) - GetGValue(b)) < 24 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 24;
}

} // namespace

TEST(Jpeg, DecodesAtFullSizeInto24Bits) {
    TJPEGImage j;
    Load(j, Encode(32, 16, false));
    EXPECT_EQ(j.Width(), 32);
    EXPECT_EQ(j.Height(), 16);
    EXPECT_EQ(j.Bitmap()->PixelFormat(), pf24bit);
    EXPECT_TRUE(Near(j.Bitmap()->Canvas()->Pixel(4, 8), clRed));
    EXPECT_TRUE(Near(j.Bitmap()->Canvas()->Pixel(28, 8), clBlue));

    TBitmap b;
    b.Assign(&j); // through the JPEG's AssignTo
    EXPECT_EQ(b.Width(), 32);
    EXPECT_TRUE(Near(b.Canvas()->Pixel(28, 2), clBlue));
}

TEST(Jpeg, GreyPicturesBecomeGreyRgb) {
    TJPEGImage j;
    Load(j, Encode(16, 8, true));
    EXPECT_TRUE(Near(j.Bitmap()->Canvas()->Pixel(2, 2), RGB(40, 40, 40)));
    EXPECT_TRUE(Near(j.Bitmap()->Canvas()->Pixel(14, 2), RGB(220, 220, 220)));
}

TEST(Jpeg, BadDataRaisesEJPEGAndKeepsThePicture) {
    TJPEGImage j;
    Load(j, Encode(8, 8, false));
    std::vector<uint8_t> headerOnly = Encode(8, 8, false);
    headerOnly.resize(20);
    std::vector<uint8_t> garbage(300, 0x5A);
    for (const auto& data : {headerOnly, garbage, std::vector<uint8_t>{}}) {
        EXPECT_THROW(Load(j, data), EJPEG);
        EXPECT_EQ(j.Width(), 8);
    }
    TMemoryStream s;
    EXPECT_THROW(j.SaveToStream(&s), EInvalidGraphicOperation);
}

TEST(Jpeg, PictureChoosesTheClassByExtension) {
    const std::vector<uint8_t> data = Encode(10, 6, false);
    for (const char* ext : {".jpg", ".JPEG"}) {
        const AnsiString path = testing::TempDir() + "ruliform_jpeg_test" + ext;
        TMemoryStream s;
        s.Write(data.data(), static_cast<int64_t>(data.size()));
        s.SaveToFile(path);
        TPicture p;
        p.LoadFromFile(path);
        EXPECT_NE(dynamic_cast<TJPEGImage*>(p.Graphic()), nullptr) << ext;
        EXPECT_EQ(p.Width(), 10);
        TBitmap* b = p.Bitmap(); // replaces the JPEG by a bitmap of it
        EXPECT_EQ(p.Graphic(), b);
        EXPECT_EQ(b->Height(), 6);
        std::remove(path.c_str());
    }
}

TEST(Jpeg, RegisteredFormatsAreFoundWithoutRegardToCase) {
    int made = 0;
    TPicture::RegisterFileFormat("xyz", "Test", [&] {
        ++made;
        return static_cast<TGraphic*>(new TBitmap);
    });
    TPicture p;
    EXPECT_THROW(p.LoadFromFile(testing::TempDir() + "nothing_here.XYZ"), EFOpenError);
    EXPECT_EQ(made, 1);
    TPicture::UnregisterFileFormat("XYZ");
    EXPECT_THROW(p.LoadFromFile(testing::TempDir() + "nothing_here.xyz"), EInvalidGraphic);
    EXPECT_EQ(made, 1);
}

TEST(Jpeg, AFileCutBeforeItsLastRowIsRefusedAndKeepsThePicture) {
    // libjpeg would make up the missing rows in grey; a missing end marker alone loses nothing.
    for (bool progressive : {false, true}) {
        const std::vector<uint8_t> full = Encode(256, 192, false, progressive);
        struct Cut {
            size_t keep;
            bool loads;
        } cuts[] = {{full.size() / 2, false}, {full.size() - 40, false}, {full.size() - 2, true}};
        for (const Cut& c : cuts) {
            TJPEGImage j;
            Load(j, Encode(8, 8, false));
            const std::vector<uint8_t> data(full.begin(), full.begin() + long(c.keep));
            if (c.loads) {
                Load(j, data);
                EXPECT_EQ(j.Width(), 256) << c.keep << (progressive ? " progressive" : "");
                EXPECT_TRUE(Near(j.Bitmap()->Canvas()->Pixel(250, 190), clBlue)) << c.keep;
                continue;
            }
            EXPECT_THROW(Load(j, data), EJPEG) << c.keep << (progressive ? " progressive" : "");
            EXPECT_EQ(j.Width(), 8);
        }
    }
}

TEST(Jpeg, APictureBeyondTheLimitIsDecodedAtTheLargestScaleThatFits) {
    struct Case {
        int maxSide;
        int64_t maxPixels;
        int w, h; // expected
    } cases[] = {
        {64, 0, 64, 32}, // fits: full size
        {60, 0, 56, 28}, // 7/8
        {20, 0, 16, 8},  // 2/8
        {0, 200, 16, 8}, // 2/8 by the pixel count (24 x 12 would be 288)
        {4, 0, 4, 2},    // past 1/8 (8 x 4): reduced further
    };
    const std::vector<uint8_t> data = Encode(64, 32, false);
    for (const Case& c : cases) {
        TJPEGImage j;
        j.LoadLimit = TPictureLimit{c.maxSide, c.maxPixels};
        Load(j, data);
        ASSERT_EQ(j.Width(), c.w) << c.maxSide << " " << c.maxPixels;
        ASSERT_EQ(j.Height(), c.h) << c.maxSide << " " << c.maxPixels;
        EXPECT_TRUE(Near(j.Bitmap()->Canvas()->Pixel(0, c.h / 2), clRed)) << c.w;
        EXPECT_TRUE(Near(j.Bitmap()->Canvas()->Pixel(c.w - 1, c.h / 2), clBlue)) << c.w;
    }
}

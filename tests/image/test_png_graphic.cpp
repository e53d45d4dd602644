// The picture class as a graphic: registration, form-file storage and forwarding.
#include "image/Pixpng.h"
#include "image/png_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
void Checkerboard(TBitmap& b, int w, int h) {
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = b.ScanLine(y) + 3 * x;
            p[0] = p[1] = p[2] = (x + y) % 2 ? 255 : 0;
            p[2] = uint8_t(x * 20);
        }
}
} // namespace

TEST(PngGraphic, PictureLoadsPngFilesThroughTheRegisteredClass) {
    // Registered when the program starts, with no call of its own.
    TPixPNG png;
    Checkerboard(*png.GetImage(), 5, 4);
    auto path = std::filesystem::temp_directory_path() / "ruliform_picture.png";
    png.SaveToFile(path.string());
    const auto upper = std::filesystem::temp_directory_path() / "ruliform_picture_upper.PNG";
    std::filesystem::copy_file(path, upper, std::filesystem::copy_options::overwrite_existing);
    for (const auto& file : {path, upper}) {
        TPicture picture;
        picture.LoadFromFile(file.string());
        ASSERT_NE(dynamic_cast<TPixPNG*>(picture.Graphic()), nullptr) << file;
        EXPECT_EQ(picture.Width(), 5);
        EXPECT_EQ(PixelColor(*picture.Bitmap(), 4, 3), PixelColor(*png.GetImage(), 4, 3));
    }
    std::filesystem::remove(upper);

    // Finalization takes the format away and initialization brings it back.
    PixpngFinalization();
    TPicture without;
    EXPECT_THROW(without.LoadFromFile(path.string()), EInvalidGraphic);
    PixpngInitialization();
    TPicture with;
    with.LoadFromFile(path.string());
    EXPECT_NE(dynamic_cast<TPixPNG*>(with.Graphic()), nullptr);
    std::filesystem::remove(path);
}

TEST(PngGraphic, FormFileStorageIsPng) {
    TPixGraphicFileObject holder;
    auto* b = new TBitmap;
    Checkerboard(*b, 6, 3);
    holder.SetGraphic(b);
    TMemoryStream s;
    holder.WriteData(&s);
    ASSERT_GT(s.Size(), 8);
    EXPECT_EQ(s.Memory()[1], 'P');
    s.SetPosition(0);
    TPixGraphicFileObject restored;
    restored.ReadData(&s);
    auto* r = dynamic_cast<TBitmap*>(restored.Graphic());
    ASSERT_NE(r, nullptr);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(PixelColor(*r, x, y), PixelColor(*b, x, y));

    TPixGraphicFileObject empty;
    TMemoryStream none;
    empty.WriteData(&none);
    EXPECT_EQ(none.Size(), 0);
}

TEST(PngGraphic, SizeChangesReachImageAndAlphaAndAreReported) {
    TPixPNG png;
    Checkerboard(*png.GetImage(), 4, 4);
    png.GetAlphaBitmap()->SetPixelFormat(pf8bit);
    png.GetAlphaBitmap()->SetSize(4, 4);
    int changes = 0;
    png.OnChange = [&](TObject*) { ++changes; };
    png.SetWidth(2);
    png.SetHeight(3);
    EXPECT_EQ(png.Width(), 2);
    EXPECT_EQ(png.Height(), 3);
    EXPECT_EQ(png.GetAlphaBitmap()->Width(), 2);
    EXPECT_EQ(png.GetAlphaBitmap()->Height(), 3);
    EXPECT_GE(changes, 2);
}

TEST(PngGraphic, TransparentColourFollowsSetTransColor) {
    TPixPNG png;
    png.SetTransColor(RGB(1, 2, 3)); // empty image: only stored
    EXPECT_EQ(png.TransColor(), RGB(1, 2, 3));
    Checkerboard(*png.GetImage(), 2, 2);
    png.SetTransColor(RGB(4, 5, 6));
    EXPECT_EQ(png.GetImage()->TransparentColor(), RGB(4, 5, 6));
    png.GetImage()->SetTransparentFlag(true);
    png.SetTransColor(-1);
    EXPECT_FALSE(png.GetImage()->Transparent());
}

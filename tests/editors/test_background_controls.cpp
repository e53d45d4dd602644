// The background tab: choosing a picture through the dialog, clearing it, the number edits,
// opacity, the quarter turn and mirror, the fit buttons, and the stored turn after a restart.
#include "EditorFixture.h"

#include "image/Pixpng.h"
#include "render/RenderConventions.h"
#include "shell/BackgroundPicture.h"

#include <jpeglib.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {
DialogAnswer PictureAnswer(bool ok, const std::string& name = "") {
    DialogAnswer a;
    a.Kind = DialogKind::OpenPicture;
    a.Ok = ok;
    a.Text = name;
    return a;
}
} // namespace

class BackgroundControlsTest : public EditorTest {
  protected:
    // The picture's size and offset edits, the field each fills, and its value for a bad text.
    struct SizeEdit {
        TEdit* edit;
        double* field;
        double fallback;
    };
    std::vector<SizeEdit> SizeEdits() const {
        return {{f->Edit21, &f->BGWidth, 100.0},
                {f->Edit22, &f->BGHeight, 100.0},
                {f->Edit39, &f->BGLeft, 0.0},
                {f->Edit40, &f->BGTop, 0.0}};
    }
    // A w x h picture whose pixels are all different: RGB(x * 40, y * 40, 7).
    static void Paint(TBitmap& b, int w, int h) {
        b.SetPixelFormat(pf24bit);
        b.SetSize(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint8_t* p = b.ScanLine(y) + x * 3;
                p[0] = 7, p[1] = uint8_t(y * 40), p[2] = uint8_t(x * 40);
            }
    }
    std::string WriteBmp(const std::string& name, int w, int h) {
        TBitmap b;
        Paint(b, w, h);
        b.SaveToFile(Path(name).string());
        return Path(name).string();
    }
    std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(Path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return Path(name).string();
    }
    // A JPEG of w x h pixels, the left half red and the right half blue.
    std::string WriteJpeg(const std::string& name, int w, int h) {
        jpeg_compress_struct c{};
        jpeg_error_mgr err{};
        c.err = jpeg_std_error(&err);
        jpeg_create_compress(&c);
        unsigned char* out = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&c, &out, &size);
        c.image_width = JDIMENSION(w), c.image_height = JDIMENSION(h);
        c.input_components = 3;
        c.in_color_space = JCS_RGB;
        jpeg_set_defaults(&c);
        jpeg_start_compress(&c, TRUE);
        std::vector<uint8_t> row(size_t(w) * 3);
        for (int x = 0; x < w; ++x)
            row[size_t(3 * x)] = x < w / 2 ? 255 : 0, row[size_t(3 * x + 2)] = x < w / 2 ? 0 : 255;
        while (c.next_scanline < c.image_height) {
            JSAMPROW r = row.data();
            jpeg_write_scanlines(&c, &r, 1);
        }
        jpeg_finish_compress(&c);
        jpeg_destroy_compress(&c);
        const std::vector<uint8_t> bytes(out, out + size);
        std::free(out);
        return WriteBytes(name, bytes);
    }
    // The file without its last Bytes bytes.
    static std::string Cut(const std::string& file, uintmax_t Bytes) {
        std::filesystem::resize_file(file, std::filesystem::file_size(file) - Bytes);
        return file;
    }
    std::string WritePng(const std::string& name, int w, int h) {
        TBitmap b;
        Paint(b, w, h);
        TPixPNG png;
        png.Assign(&b);
        png.SaveToFile(Path(name).string());
        return Path(name).string();
    }
    void Choose(const std::string& file) {
        ScriptDialogAnswer(PictureAnswer(true, file));
        f->Button6->Click();
    }
    TColor BG(int x, int y) {
        TColor c;
        f->BGBitmap->GetColor(x, y, c);
        return c & 0xFFFFFF;
    }
    static TColor Expected(int x, int y) { return RGB(x * 40, y * 40, 7); }
};

TEST_F(BackgroundControlsTest, CancellingTheDialogChangesNothing) {
    f->BGImage = "old.bmp";
    f->Edit23->SetText("old.bmp");
    MarkPreviewStale();
    ScriptDialogAnswer(PictureAnswer(false));
    f->Button6->Click();
    EXPECT_EQ(f->BGImage, "old.bmp");
    EXPECT_EQ(f->Edit23->Text(), "old.bmp");
    EXPECT_FALSE(PreviewRebuilt());
    EXPECT_EQ(ScriptedAnswerCount(), 0);
}

TEST_F(BackgroundControlsTest, TheDialogStartsInTheDocumentsFolderUnlessOneIsSet) {
    ScriptDialogAnswer(PictureAnswer(false));
    f->Button6->Click();
    EXPECT_EQ(f->OpenPictureDialog1->InitialDir(), GetSpecialFolder(8));
    f->OpenPictureDialog1->SetInitialDir("/elsewhere");
    ScriptDialogAnswer(PictureAnswer(false));
    f->Button6->Click();
    EXPECT_EQ(f->OpenPictureDialog1->InitialDir(), "/elsewhere");
}

TEST_F(BackgroundControlsTest, PicturesLoadByTheirLowerCasedExtension) {
    struct Case {
        std::string name;
        bool png; // written as PNG, else as BMP
    };
    const Case cases[] = {
        {"a.PNG", true}, {"b.PnG", true}, {"c.gif", false}, {"noext", false}, {"d.BMP", false}};
    for (const Case& c : cases) {
        f->BGBitmap->SetSize(0, 0);
        const std::string file = c.png ? WritePng(c.name, 3, 2) : WriteBmp(c.name, 3, 2);
        MarkPreviewStale();
        Choose(file);
        EXPECT_EQ(f->BGImage, file) << c.name;
        EXPECT_EQ(f->Edit23->Text(), file) << c.name;
        ASSERT_EQ(f->BGBitmap->Width(), 3) << c.name;
        ASSERT_EQ(f->BGBitmap->Height(), 2) << c.name;
        EXPECT_EQ(f->BGBitmap->BitsPerPixel(), 32) << c.name;
        EXPECT_EQ(BG(2, 1), Expected(2, 1)) << c.name;
        EXPECT_TRUE(PreviewRebuilt()) << c.name;
    }
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(BackgroundControlsTest, APictureThatCannotBeReadWholeIsRefusedWithAMessage) {
    Choose(WritePng("first.png", 3, 2));
    f->BGRoted = 2;
    // A palette picture without its palette, and one without image data: chunk by chunk.
    const auto pngChunk = [](const char* type, const std::vector<uint8_t>& data) {
        std::vector<uint8_t> c(3, 0); // a length below 256
        c.push_back(uint8_t(data.size()));
        for (int i = 0; i < 4; ++i)
            c.push_back(uint8_t(type[i]));
        for (uint8_t b : data)
            c.push_back(b);
        c.resize(c.size() + 4, 0); // the checksum is not checked
        return c;
    };
    std::vector<uint8_t> header = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto ihdr = pngChunk("IHDR", {0, 0, 0, 2, 0, 0, 0, 2, 8, 3, 0, 0, 0});
    header.insert(header.end(), ihdr.begin(), ihdr.end());
    std::vector<uint8_t> noPalette = header, noImage = header;
    const auto idat =
        pngChunk("IDAT", {0x78, 0x9C, 0x63, 0x60, 0x60, 0x60, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01});
    noPalette.insert(noPalette.end(), idat.begin(), idat.end());
    const auto iend = pngChunk("IEND", {});
    noPalette.insert(noPalette.end(), iend.begin(), iend.end());
    noImage.insert(noImage.end(), iend.begin(), iend.end());

    struct Case {
        const char* what;
        std::string file;
        const char* cause; // in the user's words
    } cases[] = {
        {"bitmap bytes under a PNG name", WriteBmp("bitmap.png", 5, 5), "PNG画像として読めません"},
        {"no such file", Path("missing.jpg").string(), "ファイルを開けません"},
        {"PNG cut inside its image", Cut(WritePng("cut.png", 40, 30), 20), "PNG画像として読めません"},
        {"PNG without image data", WriteBytes("noimage.png", noImage), "PNG画像として読めません"},
        {"palette PNG without a palette", WriteBytes("nopalette.png", noPalette), "PNG画像として読めません"},
        {"JPEG cut inside its rows", Cut(WriteJpeg("cut.jpg", 64, 64), 200), "JPEG画像として読めません"},
        {"bitmap cut inside its rows", Cut(WriteBmp("cut.bmp", 5, 5), 10),
         "ビットマップ画像として読めません"},
    };
    for (const Case& c : cases) {
        ShownMessages().clear();
        MarkPreviewStale();
        Choose(c.file);
        EXPECT_EQ(f->BGImage, Path("first.png").string()) << c.what;
        EXPECT_EQ(f->Edit23->Text(), Path("first.png").string()) << c.what;
        ASSERT_EQ(f->BGBitmap->Width(), 3) << c.what;
        EXPECT_EQ(BG(1, 1), Expected(1, 1)) << c.what;
        ASSERT_EQ(ShownMessages().size(), 1u) << c.what;
        EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::Message) << c.what;
        EXPECT_NE(ShownMessages()[0].Text.find(c.file), std::string::npos) << c.what;
        EXPECT_NE(ShownMessages()[0].Text.find(c.cause), std::string::npos) << ShownMessages()[0].Text;
        EXPECT_FALSE(PreviewRebuilt()) << c.what; // nothing changed
    }
    EXPECT_EQ(f->BGRoted, 2);
}

TEST_F(BackgroundControlsTest, AStoredPictureThatCannotBeReadIsSkippedSilentlyAtTheNextStart) {
    const std::string file = WritePng("p.png", 40, 30);
    Choose(file);
    Cut(file, 20);
    Restart();
    EXPECT_EQ(f->BGImage, file); // kept for when the file is whole again
    EXPECT_TRUE(f->BGBitmap->Empty());
    EXPECT_TRUE(ShownMessages().empty());
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(BackgroundControlsTest, APictureBeyondWhatTheLargestPaperShowsArrivesReduced) {
    // The largest paper offered is A3, 297 x 420 mm; the program prints at 600 dots per inch.
    const int longSide = static_cast<int>(std::ceil(420 * 600 / 25.4));  // 9922
    const int shortSide = static_cast<int>(std::ceil(297 * 600 / 25.4)); // 7016
    EXPECT_EQ(BackgroundPictureLimit().MaxSide, longSide);
    EXPECT_EQ(BackgroundPictureLimit().MaxPixels, int64_t(longSide) * shortSide);
    // A picture one and a half times too long: a pixel across every third source column.
    Choose(WritePng("long.png", longSide + longSide / 2, 3));
    EXPECT_EQ(f->BGBitmap->Width(), longSide);
    EXPECT_EQ(f->BGBitmap->Height(), 2);
    EXPECT_EQ(f->BGBitmap->BitsPerPixel(), 32);
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(BackgroundControlsTest, ClearingForgetsThePathButKeepsThePixels) {
    Choose(WriteBmp("p.bmp", 3, 2));
    f->BGRoted = 1;
    MarkPreviewStale();
    f->Button9->Click();
    EXPECT_EQ(f->BGImage, "");
    EXPECT_EQ(f->Edit23->Text(), "");
    EXPECT_EQ(f->BGBitmap->Width(), 3);
    EXPECT_EQ(f->BGRoted, 1);
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(BackgroundControlsTest, NumberEditsFillTheirFieldsOrFallBack) {
    for (const SizeEdit& c : SizeEdits()) {
        MarkPreviewStale();
        c.edit->SetText("42.5");
        EXPECT_DOUBLE_EQ(*c.field, 42.5) << c.edit->Name();
        EXPECT_TRUE(PreviewRebuilt()) << c.edit->Name();
        MarkPreviewStale();
        c.edit->SetText("4x");
        EXPECT_DOUBLE_EQ(*c.field, c.fallback) << c.edit->Name();
        EXPECT_EQ(c.edit->Text(), "4x") << c.edit->Name();
        EXPECT_TRUE(PreviewRebuilt()) << c.edit->Name();
    }
}

TEST_F(BackgroundControlsTest, SizesAndOffsetsFarBeyondThePaperFallBackAndAreNotStored) {
    // With a picture shown, a size or offset with no pixel position raised an error at every
    // rebuild and was stored for the next start. Ten lengths of the largest paper (A3, 4200 mm)
    // is the reach, on the A4 printer too, so that a picture placed on A3 stays placed on A4.
    Choose(WriteBmp("far.bmp", 4, 3));
    for (const SizeEdit& c : SizeEdits()) {
        for (const char* typed : {"9999999999", "-1e308", "4201"}) {
            MarkPreviewStale();
            c.edit->UserSetText(typed);
            EXPECT_DOUBLE_EQ(*c.field, c.fallback) << c.edit->Name() << " " << typed;
            EXPECT_TRUE(PreviewRebuilt()) << c.edit->Name() << " " << typed;
        }
        c.edit->UserSetText("-4200");
        EXPECT_DOUBLE_EQ(*c.field, -4200) << c.edit->Name();
        c.edit->UserSetText("9999999999");
    }
    EXPECT_TRUE(ShownMessages().empty());
    Restart();
    EXPECT_DOUBLE_EQ(f->BGWidth, 100.0);
    EXPECT_DOUBLE_EQ(f->BGHeight, 100.0);
    EXPECT_DOUBLE_EQ(f->BGLeft, 0.0);
    EXPECT_DOUBLE_EQ(f->BGTop, 0.0);
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(BackgroundControlsTest, TheTrackBarSetsTheOpacity) {
    MarkPreviewStale();
    f->TrackBar1->SetPosition(200);
    EXPECT_EQ(f->BGAlpha, 200);
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(BackgroundControlsTest, FourTurnsComeBackAndTheCounterWraps) {
    Choose(WriteBmp("p.bmp", 3, 2));
    f->Button5->Click();
    EXPECT_EQ(f->BGRoted, 1);
    ASSERT_EQ(f->BGBitmap->Width(), 2);
    ASSERT_EQ(f->BGBitmap->Height(), 3);
    EXPECT_EQ(BG(0, 0), Expected(0, 1)); // the old left column, read upwards
    for (int i = 0; i < 3; ++i)
        f->Button5->Click();
    EXPECT_EQ(f->BGRoted, 0);
    ASSERT_EQ(f->BGBitmap->Width(), 3);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(BG(x, y), Expected(x, y));
    for (int stored : {7, -1, 3}) {
        f->BGRoted = stored;
        f->Button5->Click();
        EXPECT_EQ(f->BGRoted, 0) << stored;
    }
}

TEST_F(BackgroundControlsTest, MirrorChangesOnlyThePixels) {
    Choose(WriteBmp("p.bmp", 3, 2));
    f->BGRoted = 2;
    MarkPreviewStale();
    f->Button4->Click();
    EXPECT_EQ(f->BGRoted, 2);
    EXPECT_EQ(BG(0, 1), Expected(2, 1));
    EXPECT_EQ(BG(2, 0), Expected(0, 0));
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(BackgroundControlsTest, FitReachesThePaperEdgeOrTheMarginInWholeMillimetres) {
    f->eSpaceL->SetText("10.7");
    f->eSpaceR->SetText("5.9");
    f->eSpaceT->SetText("8.5");
    f->eSpaceB->SetText("3.2");
    f->Edit39->SetText("12");
    f->Edit40->SetText("7");
    const double s = PreviewScaleSingle(f);
    const double pw = f->PreviewBitmap->Width(), ph = f->PreviewBitmap->Height();
    for (bool ignoreMargins : {true, false}) {
        f->BGImageCheckBox1->SetChecked(ignoreMargins);
        f->Button11->Click();
        f->Button12->Click();
        const double lr = ignoreMargins ? 0 : std::trunc(10 * s) + std::trunc(5 * s);
        const double tb = ignoreMargins ? 0 : std::trunc(8 * s) + std::trunc(3 * s);
        EXPECT_NEAR((f->BGWidth + 12) * s + lr, pw, 1e-6) << ignoreMargins;
        EXPECT_NEAR((f->BGHeight + 7) * s + tb, ph, 1e-6) << ignoreMargins;
        EXPECT_EQ(f->Edit21->Text(), FullText(f->BGWidth));
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(BackgroundControlsTest, FitWithFixedRatioKeepsThePictureProportionsEvenAfterClearing) {
    Choose(WriteBmp("p.bmp", 40, 10));
    f->Button9->Click();
    f->BGImageCheckBox2->SetChecked(true);
    f->Button11->Click();
    EXPECT_NEAR(f->BGHeight, f->BGWidth / 4, 1e-9);
    f->Button12->Click();
    EXPECT_NEAR(f->BGWidth, f->BGHeight * 4, 1e-9);
    // Turned, the bitmap is held 10 x 40 and drawn stretched: its own sides still rule.
    f->Button5->Click();
    f->Button11->Click();
    EXPECT_NEAR(f->BGHeight, f->BGWidth * 4, 1e-9);
}

TEST_F(BackgroundControlsTest, FitWithFixedRatioAndNoPictureLeavesTheOtherSide) {
    f->BGImageCheckBox2->SetChecked(true);
    f->Edit22->SetText("33");
    f->Button11->Click();
    EXPECT_EQ(f->Edit22->Text(), "33");
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(BackgroundControlsTest, FitWithABadMarginShowsTheErrorAndChangesNoEdit) {
    f->Edit21->SetText("50");
    f->eSpaceL->OnChange = nullptr; // let the box hold a text that is not a number
    f->eSpaceL->SetText("abc");
    f->Button11->Click();
    EXPECT_EQ(f->Edit21->Text(), "50");
    EXPECT_EQ(ExceptionBoxes().size(), 1u);
}

TEST_F(BackgroundControlsTest, TheStoredTurnIsAppliedToThePictureAtTheNextStart) {
    const std::string file = WriteBmp("p.bmp", 3, 2);
    struct Case {
        int roted;
        int w, h;
        int x, y;   // a pixel of the restored picture
        int sx, sy; // where it came from
    };
    const Case cases[] = {{0, 3, 2, 2, 0, 2, 0},
                          {1, 2, 3, 0, 0, 0, 1},
                          {2, 3, 2, 0, 0, 2, 1},
                          {3, 2, 3, 0, 0, 2, 0},
                          {5, 3, 2, 1, 1, 1, 1}};
    for (const Case& c : cases) {
        Choose(file);
        f->BGRoted = c.roted;
        Restart();
        EXPECT_EQ(f->BGRoted, c.roted);
        ASSERT_EQ(f->BGBitmap->Width(), c.w) << c.roted;
        ASSERT_EQ(f->BGBitmap->Height(), c.h) << c.roted;
        EXPECT_EQ(BG(c.x, c.y), Expected(c.sx, c.sy)) << c.roted;
    }
}

TEST_F(BackgroundControlsTest, ANewPictureStartsUnturnedAlsoAtTheNextStart) {
    Choose(WriteBmp("first.bmp", 3, 2));
    f->Button5->Click(); // one turn of the first picture
    ASSERT_EQ(f->BGRoted, 1);
    Choose(WriteBmp("second.bmp", 5, 2));
    EXPECT_EQ(f->BGRoted, 0);
    ASSERT_EQ(f->BGBitmap->Width(), 5);
    Restart();
    EXPECT_EQ(f->BGRoted, 0);
    ASSERT_EQ(f->BGBitmap->Width(), 5) << "the new picture comes back as it was chosen";
    ASSERT_EQ(f->BGBitmap->Height(), 2);
    EXPECT_EQ(BG(4, 0), Expected(4, 0));
}

#include "JpegFixtures.h"

#include "winlib/Graphics.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

using jpegfixture::Cut;

std::vector<uint8_t> Encode(int w, int h, bool grey, bool progressive = false) {
    return jpegfixture::Halves(w, h, grey, progressive);
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

namespace {

// The pixels of a decoded picture, row by row.
std::vector<uint8_t> Pixels(TJPEGImage& j) {
    std::vector<uint8_t> v;
    const TBitmap* b = j.Bitmap();
    for (int y = 0; y < b->Height(); ++y)
        v.insert(v.end(), b->ScanLine(y), b->ScanLine(y) + 3 * b->Width());
    return v;
}

// Loading `data` over an 8 x 8 picture: either it loads, or it is refused with the "JPEG error"
// message and the 8 x 8 picture stays as it was. True when it loaded.
bool LoadsOverAPicture(const std::vector<uint8_t>& data, std::vector<uint8_t>* pixels = nullptr) {
    TJPEGImage j;
    Load(j, Encode(8, 8, false));
    const std::vector<uint8_t> before = Pixels(j);
    try {
        Load(j, data);
    } catch (const EJPEG& e) {
        EXPECT_EQ(std::string(e.what()).rfind("JPEG error: ", 0), 0u) << e.what();
        EXPECT_EQ(j.Width(), 8);
        EXPECT_EQ(Pixels(j), before) << "the previous picture stays";
        return false;
    }
    if (pixels) *pixels = Pixels(j);
    return true;
}

struct CutFile {
    const char* kind;
    std::vector<uint8_t> file;
};

std::vector<CutFile> CutFiles() {
    return {{"baseline", jpegfixture::Detailed(64, 48, false)},
            {"baseline with restart markers", jpegfixture::Detailed(64, 48, false, 1)},
            {"progressive", jpegfixture::Detailed(64, 48, true)}};
}

} // namespace

// As a user would want it: a file that lacks only its end marker has everything of its picture
// and loads whole; one cut inside a scan, or between two scans of a picture built up scan by
// scan, would show made-up or blurred parts, and is refused as a damaged file is.
TEST(Jpeg, ACutFileLoadsWholeWhenOnlyItsEndMarkerIsMissingAndIsRefusedOtherwise) {
    for (const CutFile& f : CutFiles()) {
        SCOPED_TRACE(f.kind);
        const std::vector<jpegfixture::Scan> scans = jpegfixture::Scans(f.file);
        ASSERT_FALSE(scans.empty());
        ASSERT_EQ(scans.back().end, f.file.size() - 2) << "the end marker follows the last scan";
        if (std::string(f.kind) == "progressive") {
            ASSERT_GE(scans.size(), 3u);
        }
        std::vector<uint8_t> whole;
        ASSERT_TRUE(LoadsOverAPicture(f.file, &whole));
        struct Case {
            std::string what;
            size_t keep;
            bool loads;
        };
        std::vector<Case> cases = {
            {"lacking its end marker", f.file.size() - 2, true},
            {"lacking the end marker's last byte", f.file.size() - 1, true},
            {"cut inside the header", scans.front().marker / 2, false},
            {"cut inside the first scan's header", scans.front().marker + 5, false},
            {"cut one byte before the end of the last scan", scans.back().end - 1, false},
        };
        for (size_t k = 0; k < scans.size(); ++k) {
            const jpegfixture::Scan& s = scans[k];
            cases.push_back(
                {"cut halfway through scan " + std::to_string(k + 1), (s.data + s.end) / 2, false});
            cases.push_back({"cut right after scan " + std::to_string(k + 1) + "'s header", s.data, false});
            if (k + 1 < scans.size()) {
                cases.push_back(
                    {"cut between scans " + std::to_string(k + 1) + " and " + std::to_string(k + 2), s.end,
                     false});
                cases.push_back(
                    {"cut at scan " + std::to_string(k + 2) + "'s header", scans[k + 1].marker, false});
            }
        }
        for (const Case& c : cases) {
            std::vector<uint8_t> got;
            const bool loaded = LoadsOverAPicture(Cut(f.file, c.keep), &got);
            EXPECT_EQ(loaded, c.loads) << c.what << " (" << c.keep << " of " << f.file.size() << " bytes)";
            if (loaded) {
                EXPECT_TRUE(got == whole) << c.what << ": loads whole";
            }
        }
    }
}

// Every cut, byte by byte: never a damaged picture, never a crash; only the last two bytes (the
// end marker) may be missing for the file to load.
TEST(Jpeg, NoCutOfAFileLoadsADamagedPicture) {
    for (const CutFile& f : CutFiles()) {
        SCOPED_TRACE(f.kind);
        std::vector<uint8_t> whole;
        ASSERT_TRUE(LoadsOverAPicture(f.file, &whole));
        for (size_t keep = 0; keep < f.file.size(); ++keep) {
            std::vector<uint8_t> got;
            const bool loaded = LoadsOverAPicture(Cut(f.file, keep), &got);
            EXPECT_EQ(loaded, keep >= f.file.size() - 2) << keep << " of " << f.file.size() << " bytes";
            if (loaded) {
                EXPECT_TRUE(got == whole) << keep << " of " << f.file.size() << " bytes";
            }
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// Adobe's CMYK files store 255 - ink for each of C, M, Y and K; the black channel darkens all
// three colours. Stored plainly as CMYK and turned into YCCK alike.
TEST(Jpeg, AnAdobeCmykPictureIsShownWithItsBlackApplied) {
    struct Band {
        uint8_t c, m, y, k; // as stored
        TColor shown;
    } bands[] = {
        {255, 255, 255, 255, RGB(255, 255, 255)}, // no ink
        {255, 255, 255, 0, RGB(0, 0, 0)},         // black ink only
        {255, 255, 255, 128, RGB(128, 128, 128)}, // half black
        {0, 255, 255, 255, RGB(0, 255, 255)},     // cyan
        {255, 0, 255, 128, RGB(128, 0, 128)},     // magenta under half black
        {255, 255, 0, 64, RGB(64, 64, 0)},        // yellow under three quarters black
    };
    constexpr int kBand = 16;
    const int n = static_cast<int>(std::size(bands));
    for (jpegfixture::Colour colour : {jpegfixture::Colour::Cmyk, jpegfixture::Colour::Ycck}) {
        SCOPED_TRACE(colour == jpegfixture::Colour::Cmyk ? "CMYK" : "YCCK");
        jpegfixture::Spec s;
        s.width = kBand * n, s.height = 16, s.colour = colour, s.quality = 100;
        s.pixel = [&](int x, int, uint8_t* p) {
            const Band& b = bands[x / kBand];
            p[0] = b.c, p[1] = b.m, p[2] = b.y, p[3] = b.k;
        };
        TJPEGImage j;
        Load(j, jpegfixture::Encode(s));
        ASSERT_EQ(j.Width(), kBand * n);
        ASSERT_EQ(j.Bitmap()->PixelFormat(), pf24bit);
        for (int i = 0; i < n; ++i) {
            const TColor got = j.Bitmap()->Canvas()->Pixel(i * kBand + kBand / 2, 8);
            EXPECT_TRUE(Near(got, bands[i].shown))
                << "band " << i << ": " << GetRValue(got) << " " << GetGValue(got) << " " << GetBValue(got);
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

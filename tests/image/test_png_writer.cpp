// The writer's files decode with libpng to the source pixels and read back unchanged.
#include "image/Pixpng.h"
#include "image/Pixpngstream.h"
#include "image/png_fixtures.h"

#include <gtest/gtest.h>

namespace {
struct ChunkInfo {
    std::string Type;
    Bytes Data;
};

std::vector<ChunkInfo> Chunks(const Bytes& file) {
    std::vector<ChunkInfo> out;
    size_t p = 8;
    while (p + 12 <= file.size()) {
        uint32_t len =
            uint32_t(file[p]) << 24 | uint32_t(file[p + 1]) << 16 | uint32_t(file[p + 2]) << 8 | file[p + 3];
        out.push_back({std::string(file.begin() + p + 4, file.begin() + p + 8),
                       Bytes(file.begin() + p + 8, file.begin() + p + 8 + len)});
        p += 12 + len;
    }
    return out;
}

std::string ChunkOrder(const Bytes& file) {
    std::string s;
    std::string last;
    for (const auto& c : Chunks(file)) {
        if (c.Type == "IDAT" && last == "IDAT") continue;
        if (!s.empty()) s += " ";
        s += c.Type;
        last = c.Type;
    }
    return s;
}

Bytes Save(TPixPNG& png) {
    TMemoryStream s;
    png.SaveToStream(&s);
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

void Load(TPixPNG& png, const Bytes& file) {
    TMemoryStream s;
    s.Write(file.data(), static_cast<int64_t>(file.size()));
    s.SetPosition(0);
    png.LoadFromStream(&s);
}

// A bitmap of the format with pseudo-random pixels and, for indexed formats, a colour table.
void FillBitmap(TBitmap& b, TPixelFormat format, int w, int h, uint32_t seed) {
    b.SetPixelFormat(format);
    b.SetSize(w, h);
    int bits = b.BitsPerPixel();
    if (bits <= 8) {
        std::vector<TRGBQuad> table(size_t(1) << bits);
        uint32_t s = seed;
        for (auto& q : table)
            q = TRGBQuad{uint8_t(NextRandom(s)), uint8_t(NextRandom(s)), uint8_t(NextRandom(s)), 0};
        b.SetColorTable(table);
    }
    uint32_t s = seed * 7 + 1;
    int usedBytes = int((int64_t(w) * bits + 7) / 8);
    for (int y = 0; y < h; ++y) {
        uint8_t* line = b.ScanLine(y);
        for (int i = 0; i < usedBytes; ++i)
            line[i] = uint8_t(NextRandom(s));
        if (bits == 15)
            for (int x = 0; x < w; ++x)
                line[2 * x + 1] &= 0x7F;
    }
}

void FillAlpha(TBitmap& a, int w, int h) {
    a.SetPixelFormat(pf8bit);
    a.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a.ScanLine(y)[x] = uint8_t(x * 37 + y * 11);
}

struct WriterCase {
    TPixelFormat Format;
    bool Alpha, Grey;
    TPixPNGInterlaceType Interlace;
    TPixPNGFilterType Filter;
};
} // namespace

class PngWriterFormats : public testing::TestWithParam<WriterCase> {};

TEST_P(PngWriterFormats, LibpngSeesTheSourcePixelsAndTheReaderReadsThemBack) {
    const WriterCase& c = GetParam();
    const int w = 19, h = 7;
    TPixPNG png;
    FillBitmap(*png.GetImage(), c.Format, w, h, 5);
    if (c.Grey && png.GetImage()->BitsPerPixel() <= 8) {
        // A grey source: a grey ramp as its colour table.
        int n = 1 << png.GetImage()->BitsPerPixel();
        std::vector<TRGBQuad> ramp(n);
        for (int i = 0; i < n; ++i) {
            auto v = uint8_t(i * 255 / (n - 1));
            ramp[i] = TRGBQuad{v, v, v, 0};
        }
        png.GetImage()->SetColorTable(ramp);
    }
    if (c.Alpha) {
        FillAlpha(*png.GetAlphaBitmap(), w, h);
        png.AlphaChannel = true;
    }
    png.GrayScale = c.Grey;
    png.Interlace = c.Interlace;
    png.FilterType = c.Filter;
    Bytes file = Save(png);

    Rgba8 ref = LibpngDecode(file, false);
    ASSERT_EQ(ref.Width, w);
    ASSERT_EQ(ref.Height, h);
    TBitmap* src = png.GetImage();
    // Palette pictures with alpha are stored as their indexes with alpha beside the palette.
    bool greyPalette = !c.Grey && src->BitsPerPixel() <= 8 && c.Alpha;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = ref.At(x, y);
            TColor expected = PixelColor(*src, x, y);
            if (src->BitsPerPixel() == 15 || src->BitsPerPixel() == 16) {
                // Widened samples: the top bits are the source's.
                EXPECT_EQ(p[0] >> 3, GetRValue(expected) >> 3);
                EXPECT_EQ(p[2] >> 3, GetBValue(expected) >> 3);
            } else if (c.Grey) {
                int g =
                    (77 * GetRValue(expected) + 150 * GetGValue(expected) + 29 * GetBValue(expected)) >> 8;
                EXPECT_EQ(p[0], g) << x << "," << y;
            } else if (!greyPalette) {
                EXPECT_EQ(RGB(p[0], p[1], p[2]), expected) << x << "," << y;
            }
            if (c.Alpha) {
                EXPECT_EQ(p[3], 255 - png.GetAlphaBitmap()->ScanLine(y)[x]) << x << "," << y;
            }
        }

    TPixPNG back;
    Load(back, file);
    TBitmap* img = back.GetImage();
    ASSERT_EQ(img->Width(), w);
    if (!c.Grey && src->BitsPerPixel() != 15 && src->BitsPerPixel() != 16) {
        // Indexed, 24- and 32-bit sources come back with the same colours (32 bits as 24, palettes
        // with alpha as 8 bits).
        EXPECT_EQ(img->BitsPerPixel(), src->BitsPerPixel() == 32 ? 24
                                       : greyPalette             ? 8
                                                                 : src->BitsPerPixel());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(PixelColor(*img, x, y), PixelColor(*src, x, y)) << x << "," << y;
    }
    EXPECT_EQ(back.AlphaChannel, c.Alpha);
    if (c.Alpha) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(back.GetAlphaBitmap()->ScanLine(y)[x], png.GetAlphaBitmap()->ScanLine(y)[x]);
    }
}

INSTANTIATE_TEST_SUITE_P(SourceFormats, PngWriterFormats,
                         testing::Values(WriterCase{pf1bit, false, false, gptNone, gpfNone},
                                         WriterCase{pf1bit, true, false, gptNone, gpfJust},
                                         WriterCase{pf4bit, false, false, gptAdam7, gpfJust},
                                         WriterCase{pf4bit, true, false, gptAdam7, gpfSub},
                                         WriterCase{pf8bit, false, false, gptNone, gpfPaeth},
                                         WriterCase{pf8bit, true, false, gptAdam7, gpfAvg},
                                         WriterCase{pf8bit, false, true, gptNone, gpfSub},
                                         WriterCase{pf8bit, true, true, gptNone, gpfUp},
                                         WriterCase{pf1bit, false, true, gptAdam7, gpfNone},
                                         WriterCase{pf4bit, true, true, gptNone, gpfJust},
                                         WriterCase{pf15bit, false, false, gptNone, gpfJust},
                                         WriterCase{pf16bit, true, false, gptAdam7, gpfSub},
                                         WriterCase{pf24bit, false, false, gptNone, gpfJust},
                                         WriterCase{pf24bit, true, false, gptAdam7, gpfPaeth},
                                         WriterCase{pf24bit, false, false, gptAdam7, gpfUp},
                                         WriterCase{pf24bit, false, true, gptNone, gpfAvg},
                                         WriterCase{pf32bit, true, false, gptNone, gpfJust},
                                         WriterCase{pf32bit, false, false, gptAdam7, gpfNone}));

TEST(PngWriter, FilterTypesAllRoundTripOnAGradient) {
    for (auto f : {gpfJust, gpfNone, gpfSub, gpfUp, gpfAvg, gpfPaeth}) {
        TPixPNG png;
        TBitmap* b = png.GetImage();
        b->SetPixelFormat(pf24bit);
        b->SetSize(40, 12);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 40; ++x) {
                uint8_t* p = b->ScanLine(y) + 3 * x;
                p[0] = uint8_t(x * 3 + y), p[1] = uint8_t(x * y), p[2] = uint8_t(255 - x - y * 5);
            }
        png.FilterType = f;
        Bytes file = Save(png);
        Rgba8 ref = LibpngDecode(file, false);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 40; ++x) {
                const uint8_t* p = ref.At(x, y);
                ASSERT_EQ(RGB(p[0], p[1], p[2]), PixelColor(*b, x, y)) << "filter " << f;
            }
    }
}

TEST(PngWriter, WritesTheChunksInOrder) {
    TPixPNG png;
    FillBitmap(*png.GetImage(), pf24bit, 3, 3, 1);
    EXPECT_EQ(ChunkOrder(Save(png)), "IHDR tIME tEXt tpNg IDAT IEND");

    FillBitmap(*png.GetImage(), pf4bit, 3, 3, 1);
    png.Comment = "note";
    png.Gamma = 0.45455;
    png.BGColor = RGB(1, 2, 3);
    png.SetTransColor(RGB(4, 5, 6));
    png.SetGIFExt(TPNGGIFExtension{1, 0, 10});
    png.SetChrm(TPNGChromaticities{{31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000}});
    png.SignificantBits = 0x040404;
    png.UnitSpecifier = gpuMeter;
    png.PixelsPerUnitX = png.PixelsPerUnitY = 3780;
    Bytes file = Save(png);
    EXPECT_EQ(ChunkOrder(file), "IHDR tIME tEXt tEXt tpNg gIFg gAMA cHRM sBIT PLTE bKGD tRNS pHYs IDAT IEND");
    auto chunks = Chunks(file);
    EXPECT_EQ(std::string(chunks[2].Data.begin(), chunks[2].Data.end()), std::string("Comment\0note", 12));
    EXPECT_EQ(std::string(chunks[3].Data.begin(), chunks[3].Data.end()),
              std::string("Software\0PIXPNG ver 3.3", 23));
    EXPECT_NO_THROW(LibpngDecode(file, true));

    TPixPNG back;
    Load(back, file);
    EXPECT_EQ(back.Comment, "note\r\n");
    EXPECT_DOUBLE_EQ(back.Gamma, 0.45455);
    EXPECT_EQ(back.GetGIFEXt(), (TPNGGIFExtension{1, 0, 10}));
    EXPECT_EQ(back.GetChrm(), png.GetChrm());
    EXPECT_EQ(back.PixelsPerUnitX, 3780);
    EXPECT_EQ(back.SignificantBits, 0x040404u);
}

TEST(PngWriter, ColoursAndTransparencyRoundTrip) {
    TPixPNG png;
    FillBitmap(*png.GetImage(), pf24bit, 4, 4, 9);
    png.BGColor = RGB(10, 20, 30);
    png.SetTransColor(RGB(40, 50, 60));
    TPixPNG back;
    Load(back, Save(png));
    EXPECT_EQ(back.BGColor, RGB(10, 20, 30));
    EXPECT_EQ(back.TransColor(), RGB(40, 50, 60));

    TPixPNG pal;
    TBitmap* b = pal.GetImage();
    b->SetPixelFormat(pf8bit);
    b->SetSize(2, 1);
    b->SetColorTable({TRGBQuad{0, 0, 255, 0}, TRGBQuad{0, 255, 0, 0}, TRGBQuad{255, 0, 0, 0}});
    b->ScanLine(0)[0] = 2, b->ScanLine(0)[1] = 1;
    pal.SetTransColor(RGB(0, 250, 0));
    pal.BGColor = RGB(0, 0, 250);
    TPixPNG palBack;
    Load(palBack, Save(pal));
    EXPECT_EQ(palBack.TransColor(), RGB(0, 255, 0));
    EXPECT_EQ(palBack.BGColor, RGB(0, 0, 255));
    EXPECT_TRUE(palBack.GetAlphaBitmap()->Empty());
}

TEST(PngWriter, IdatChunksHoldExactlyTheIdatSize) {
    TPixPNG png;
    FillBitmap(*png.GetImage(), pf24bit, 40, 40, 3); // noise: about 4800 compressed bytes
    png.SetIDATSize(256);
    png.CompressLevel = gplNone;
    auto chunks = Chunks(Save(png));
    std::vector<size_t> sizes;
    for (const auto& c : chunks)
        if (c.Type == "IDAT") sizes.push_back(c.Data.size());
    ASSERT_GT(sizes.size(), 2u);
    for (size_t i = 0; i + 1 < sizes.size(); ++i)
        EXPECT_EQ(sizes[i], 256u);
    EXPECT_GT(sizes.back(), 0u);
    EXPECT_LE(sizes.back(), 256u);
}

TEST(PngWriter, TimeChunkFollowsTheTimeSetting) {
    TPixPNG png;
    FillBitmap(*png.GetImage(), pf24bit, 2, 2, 3);
    png.UseSystemTime = false;
    png.SetTime(TPNGTime{2001, 12, 31, 23, 59, 60});
    Bytes file = Save(png);
    auto chunks = Chunks(file);
    ASSERT_EQ(chunks[1].Type, "tIME");
    EXPECT_EQ(chunks[1].Data, (Bytes{0x07, 0xD1, 12, 31, 23, 59, 60}));
    TPixPNG back;
    Load(back, file);
    EXPECT_EQ(back.GetTime(), (TPNGTime{2001, 12, 31, 23, 59, 60}));

    png.SetTime(TPNGTime{2001, 12, 31, 23, 59, 61});
    EXPECT_EQ(ChunkOrder(Save(png)), "IHDR tEXt tpNg IDAT IEND");
}

TEST(PngWriter, EncodedRowsNeedTheirPasswordToReadBack) {
    TPixPNG png;
    FillBitmap(*png.GetImage(), pf24bit, 5, 3, 4);
    png.Password = "pw";
    png.OnEncode = [](TObject*, uint8_t* buf, int len, int, const AnsiString&) {
        for (int i = 0; i < len; ++i)
            buf[i] ^= 0x5A;
    };
    Bytes file = Save(png);
    EXPECT_EQ(Chunks(file)[3].Data[4], 1); // the encoded flag of "tpNg"
    TPixPNG back;
    back.Password = "pw";
    back.OnDecode = [](TObject*, uint8_t* buf, int len, int, const AnsiString&) {
        for (int i = 0; i < len; ++i)
            buf[i] ^= 0x5A;
    };
    Load(back, file);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(PixelColor(*back.GetImage(), x, y), PixelColor(*png.GetImage(), x, y));
}

TEST(PngWriter, AnEmptyBitmapIsRefusedBeforeAnyByteIsWritten) {
    for (auto [w, h] : {std::pair{0, 0}, std::pair{5, 0}, std::pair{0, 5}}) {
        TPixPNG png;
        png.GetImage()->SetSize(w, h);
        TMemoryStream out;
        try {
            png.SaveToStream(&out);
            ADD_FAILURE() << w << " x " << h << " was written";
        } catch (const EPixPNG& e) {
            EXPECT_EQ(e.Message, "Write Image (PNG): Empty Image");
        }
        EXPECT_EQ(out.Size(), 0) << w << " x " << h;
    }
}

TEST(PngWriter, IdatSizeLimits) {
    TPixPNG png;
    EXPECT_NO_THROW(png.SetIDATSize(256));
    EXPECT_NO_THROW(png.SetIDATSize(100000));
    EXPECT_EQ(png.IDATSize(), 100000);
    for (int bad : {255, 100001}) {
        try {
            png.SetIDATSize(bad);
            ADD_FAILURE() << bad;
        } catch (const EPixPNG& e) {
            EXPECT_EQ(e.Message, "PNG Param: Err IDAT Size(min:256  max:100000)");
        }
        TPixPNGWriteStream w;
        try {
            w.SetIDATSize(bad);
            ADD_FAILURE() << bad;
        } catch (const EPixPNG& e) {
            EXPECT_EQ(e.Message, "Write PNG Param: Err IDAT Size(min:256  max:100000)");
        }
    }
    EXPECT_EQ(png.IDATSize(), 100000);
}

TEST(PngGraphic, FreshObjectDefaults) {
    TPixPNG png;
    EXPECT_TRUE(png.Empty());
    EXPECT_EQ(png.BGColor, -1);
    EXPECT_EQ(png.TransColor(), -1);
    EXPECT_EQ(png.IDATSize(), 32768);
    EXPECT_EQ(png.CompressLevel, gplDefault);
    EXPECT_EQ(png.FilterType, gpfNone);
}

TEST(PngGraphic, AFreshObjectIsStampedWithTheTimeOfItsMaking) {
    // Bracketed by the clock before and after, so a slow machine cannot make it fail.
    const std::time_t before = std::time(nullptr);
    TPixPNG png;
    const std::time_t after = std::time(nullptr);
    const TPNGTime t = png.GetTime();
    std::tm tm{};
    tm.tm_year = t.Year - 1900;
    tm.tm_mon = t.Month - 1;
    tm.tm_mday = t.Day;
    tm.tm_hour = t.Hour;
    tm.tm_min = t.Minute;
    tm.tm_sec = t.Second;
    const std::time_t stamped = timegm(&tm);
    EXPECT_GE(stamped, before);
    EXPECT_LE(stamped, after);
}

TEST(PngGraphic, AssignFromAnotherPngCopiesImageAlphaAndAttributes) {
    TPixPNG a;
    FillBitmap(*a.GetImage(), pf24bit, 3, 2, 6);
    FillAlpha(*a.GetAlphaBitmap(), 3, 2);
    a.AlphaChannel = true;
    a.Comment = "c";
    a.BGColor = 5;
    TBitmap external;
    TPixPNG b;
    b.SetImage(&external);
    b.Assign(&a);
    EXPECT_NE(b.GetImage(), &external);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(PixelColor(*b.GetImage(), 2, 1), PixelColor(*a.GetImage(), 2, 1));
    EXPECT_EQ(b.GetAlphaBitmap()->ScanLine(1)[2], a.GetAlphaBitmap()->ScanLine(1)[2]);
    EXPECT_TRUE(b.AlphaChannel);
    EXPECT_EQ(b.Comment, "c");
    EXPECT_EQ(b.BGColor, 5);
}

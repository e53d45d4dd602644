// The reader's checks, messages and chunk handling on small hand-made files.
#include "image/Pixpng.h"
#include "image/Pixpngstream.h"
#include "image/png_fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
// Rows of a 2 x 2 grey image, filter byte first.
const Bytes GreyRows = {0, 10, 20, 0, 30, 40};

Bytes TinyGrey(int colorType = 0) {
    return PngBuilder().Signature().IHDR(2, 2, 8, colorType).IDAT(Deflate(GreyRows)).IEND().Data();
}

void LoadBytes(TPixPNG& png, const Bytes& file) {
    TMemoryStream s;
    if (!file.empty()) s.Write(file.data(), static_cast<int64_t>(file.size()));
    s.SetPosition(0);
    png.LoadFromStream(&s);
}

std::string LoadError(const Bytes& file) {
    TPixPNG png;
    try {
        LoadBytes(png, file);
    } catch (const EPixPNG& e) {
        return e.Message;
    }
    return "";
}

Bytes Header(uint32_t w, uint32_t h, int depth, int type, int compression = 0, int filter = 0,
             int interlace = 0) {
    Bytes d = BE32(w), hh = BE32(h);
    d.insert(d.end(), hh.begin(), hh.end());
    d.insert(d.end(),
             {uint8_t(depth), uint8_t(type), uint8_t(compression), uint8_t(filter), uint8_t(interlace)});
    return d;
}
} // namespace

TEST(PngReaderErrors, EachBrokenFileRaisesItsMessage) {
    const Bytes rows = Deflate(GreyRows);
    struct Case {
        const char* what;
        Bytes file;
        const char* message;
    } cases[] = {
        {"no signature", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 1, 2, 3},
         "PNG LoadStream: Not PNG Format"},
        {"empty stream", Bytes{}, "PNG LoadStream: Not PNG Format"},
        {"two headers", PngBuilder().Signature().IHDR(2, 2, 8, 0).IHDR(2, 2, 8, 0).IEND().Data(),
         "Read Header(PNG): appear two IHDR"},
        {"colour type 1", PngBuilder().Signature().Chunk("IHDR", Header(2, 2, 8, 1)).Data(),
         "Read Header(PNG): Error ColorType"},
        {"colour type 5", PngBuilder().Signature().Chunk("IHDR", Header(2, 2, 8, 5)).Data(),
         "Read Header(PNG): Error ColorType"},
        {"colour type 15", PngBuilder().Signature().Chunk("IHDR", Header(2, 2, 8, 15)).Data(),
         "Read Header(PNG): Error ColorType"},
        {"compression 2", PngBuilder().Signature().Chunk("IHDR", Header(2, 2, 8, 0, 2)).Data(),
         "Read Header(PNG): not support Compression"},
        {"filter method 2", PngBuilder().Signature().Chunk("IHDR", Header(2, 2, 8, 0, 0, 2)).Data(),
         "Read Header(PNG): not supprt Filter"},
        {"interlace 2", PngBuilder().Signature().Chunk("IHDR", Header(2, 2, 8, 0, 0, 0, 2)).Data(),
         "Read Header(PNG): not interlace type"},
        {"grey depth 3", PngBuilder().Signature().IHDR(2, 2, 3, 0).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error Bitdepth"},
        {"grey alpha depth 4", PngBuilder().Signature().IHDR(2, 2, 4, 4).IDAT(rows).IEND().Data(),
         "Read Header(PNG): not Use AlphaChannel"},
        {"RGB depth 4", PngBuilder().Signature().IHDR(2, 2, 4, 2).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error BitDepth"},
        {"palette depth 16", PngBuilder().Signature().IHDR(2, 2, 16, 3).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error BitDepth"},
        {"filter type 5",
         PngBuilder().Signature().IHDR(2, 2, 8, 0).IDAT(Deflate({0, 1, 2, 5, 3, 4})).IEND().Data(),
         "Read Image (PNG): Read Error"},
        {"not zlib data",
         PngBuilder().Signature().IHDR(2, 2, 8, 0).IDAT({1, 2, 3, 4, 5, 6, 7, 8}).IEND().Data(),
         "Read Image (PNG): Read Error"},
        {"zlib data ends before the image",
         PngBuilder().Signature().IHDR(2, 3, 8, 0).IDAT(Deflate(GreyRows)).IEND().Data(),
         "Read Image (PNG): Read Error"},
        {"zlib asks for a dictionary",
         PngBuilder().Signature().IHDR(2, 2, 8, 0).IDAT({0x78, 0xBB, 0, 0, 0, 1, 0x63, 0, 0}).IEND().Data(),
         "Read Image (PNG): Read Error"},
        {"chunk between IDATs",
         PngBuilder()
             .Signature()
             .IHDR(2, 2, 8, 0)
             .IDAT(Bytes(rows.begin(), rows.begin() + 4))
             .Chunk("tEXt", {'a', 0, 'b'})
             .IDAT(Bytes(rows.begin() + 4, rows.end()))
             .IEND()
             .Data(),
         "Read Image (PNG): Read Error"},
        {"zero width", PngBuilder().Signature().IHDR(0, 2, 8, 0).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error ImageSize"},
        {"zero height", PngBuilder().Signature().IHDR(2, 0, 8, 0).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error ImageSize"},
        {"enormous", PngBuilder().Signature().IHDR(0x7FFFFFFF, 0x7FFFFFFF, 8, 0).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error ImageSize"},
        {"too many pixels", PngBuilder().Signature().IHDR(1 << 15, 1 << 14, 8, 0).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error ImageSize"},
        {"too wide", PngBuilder().Signature().IHDR((1 << 24) + 1, 1, 8, 0).IDAT(rows).IEND().Data(),
         "Read Header(PNG): Error ImageSize"},
        {"no image data", PngBuilder().Signature().IHDR(2, 2, 8, 0).IEND().Data(),
         "PNG LoadStream: No Image Data"},
        {"only the signature", PngBuilder().Signature().Data(), "PNG LoadStream: No Image Data"},
        {"indexes without a palette", PngBuilder().Signature().IHDR(2, 2, 8, 3).IDAT(rows).IEND().Data(),
         "Read Header(PNG): No Palette"},
        {"interlaced indexes without a palette",
         PngBuilder().Signature().IHDR(2, 2, 1, 3, 1).IDAT(rows).IEND().Data(),
         "Read Header(PNG): No Palette"},
        {"image chunk longer than the file",
         PngBuilder().Signature().IHDR(2, 2, 8, 0).RawChunk("IDAT", uint32_t(rows.size()) + 1, rows).Data(),
         "Read Image (PNG): Unexpected End of Data"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadError(c.file), c.message) << c.what;
}

TEST(PngReaderErrors, ImageWithinTheLimitIsAccepted) {
    // 2^28 pixels is the limit; the header alone must not be refused at it (what is missing
    // then is the image).
    TPixPNGReadStream reader;
    Bytes file = PngBuilder().Signature().IHDR(1 << 14, 1 << 14, 1, 0).IEND().Data();
    TMemoryStream s;
    s.Write(file.data(), static_cast<int64_t>(file.size()));
    s.SetPosition(0);
    TBitmap bmp;
    try {
        reader.LoadFromStream(&bmp, &s, 0);
        ADD_FAILURE() << "a file without image data loaded";
    } catch (const EPixPNG& e) {
        EXPECT_EQ(e.Message, "PNG LoadStream: No Image Data");
    }
}

TEST(PngReaderErrors, AFileCutBeforeItsImageDataEndsIsRefusedAndOneCutAfterLoads) {
    const Bytes idat = Deflate(GreyRows);
    const Bytes full = PngBuilder().Signature().IHDR(2, 2, 8, 0).IDAT(idat).IEND().Data();
    // Signature, IHDR chunk, then the IDAT chunk's length and type before its data.
    const size_t imageEnd = 8 + 25 + 8 + idat.size();
    for (size_t n = 8; n < full.size(); ++n) {
        TPixPNG png;
        const Bytes cut(full.begin(), full.begin() + n);
        if (n < imageEnd) {
            const std::string message = LoadError(cut);
            EXPECT_TRUE(message == "PNG LoadStream: No Image Data" ||
                        message == "Read Image (PNG): Unexpected End of Data")
                << "cut at " << n << ": " << message;
        } else {
            LoadBytes(png, cut);
            EXPECT_EQ(PixelColor(*png.GetImage(), 1, 1), RGB(40, 40, 40)) << "cut at " << n;
        }
    }
}

TEST(PngReaderErrors, AFileCutInsideItsImageRefusesThroughAPlainStreamToo) {
    // A stream that is not in memory: the reader fetches through its own buffer.
    Bytes file = PngBuilder().Signature().IHDR(2, 2, 8, 0).IDAT(Deflate(GreyRows)).IEND().Data();
    file.resize(file.size() - 12 - 4 - 3); // into the image data
    const auto path = testing::TempDir() + "ruliform_cut.png";
    {
        TFileStream out(path, fmCreate);
        out.Write(file.data(), static_cast<int64_t>(file.size()));
    }
    TPixPNG png;
    EXPECT_THROW(png.LoadFromFile(path), EPixPNG);
    std::remove(path.c_str());
}

TEST(PngReaderErrors, HugeChunkLengthsEndTheReadCleanly) {
    // Each file is cut short by its chunk's claim: a clean refusal, no crash and no hang.
    for (uint32_t length : {0xFFFFFFF0u, 0x7FFFFFF0u})
        for (const char* type : {"tEXt", "IDAT", "PLTE", "zzzz", "tpNg", "tRNS"}) {
            Bytes file = PngBuilder()
                             .Signature()
                             .IHDR(2, 2, 8, 3)
                             .RawChunk(type, length, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})
                             .Data();
            TPixPNG png;
            EXPECT_THROW(LoadBytes(png, file), EPixPNG) << type << " " << length;
        }
}

TEST(PngReaderErrors, ShortChunksDoNotPullTheFileOutOfStep) {
    // A one-byte tRNS and gAMA and a 1-byte sBIT: the handlers must not read into the next chunk.
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(2, 2, 8, 0)
                     .Chunk("tRNS", {7})
                     .Chunk("gAMA", {1})
                     .Chunk("bKGD", {})
                     .IDAT(Deflate(GreyRows))
                     .IEND()
                     .Data();
    TPixPNG png;
    LoadBytes(png, file);
    EXPECT_EQ(PixelColor(*png.GetImage(), 1, 1), RGB(40, 40, 40));
}

TEST(PngReaderErrors, PaletteIndexesBeyondThePaletteDoNotCrash) {
    // Two palette entries, pixels 0..255, and a partial tRNS so the alpha is built from the indexes.
    Bytes rows;
    for (int y = 0; y < 16; ++y) {
        rows.push_back(0);
        for (int x = 0; x < 16; ++x)
            rows.push_back(static_cast<uint8_t>(y * 16 + x));
    }
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(16, 16, 8, 3)
                     .Chunk("PLTE", {1, 2, 3, 4, 5, 6})
                     .Chunk("tRNS", {100, 200})
                     .Chunk("bKGD", {250})
                     .IDAT(Deflate(rows))
                     .IEND()
                     .Data();
    TPixPNG png;
    LoadBytes(png, file);
    EXPECT_EQ(png.BGColor, -1);
    EXPECT_EQ(255 - png.GetAlphaBitmap()->ScanLine(0)[1], 200);
    EXPECT_EQ(255 - png.GetAlphaBitmap()->ScanLine(15)[15], 255);
}

TEST(PngReaderChunks, WrongCrcStillLoads) {
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(2, 2, 8, 0)
                     .Chunk("IDAT", Deflate(GreyRows), false)
                     .Chunk("IEND", {}, false)
                     .Data();
    TPixPNG png;
    LoadBytes(png, file);
    EXPECT_EQ(PixelColor(*png.GetImage(), 0, 1), RGB(30, 30, 30));
}

TEST(PngReaderChunks, OnlyTheLowThreeBitsOfTheColourTypeCount) {
    TPixPNG png;
    LoadBytes(png, TinyGrey(8));
    EXPECT_TRUE(png.GrayScale);
    EXPECT_EQ(PixelColor(*png.GetImage(), 1, 0), RGB(20, 20, 20));
}

TEST(PngReaderChunks, A128ByteHeaderInFrontIsSkipped) {
    Bytes file(128, 0x41);
    file[0] = 0, file[74] = 0;
    Bytes png = TinyGrey();
    file.insert(file.end(), png.begin(), png.end());
    TPixPNG p;
    LoadBytes(p, file);
    EXPECT_EQ(p.GetImage()->Width(), 2);
    p.SkipHeader128 = false;
    TMemoryStream s;
    s.Write(file.data(), static_cast<int64_t>(file.size()));
    s.SetPosition(0);
    EXPECT_THROW(p.LoadFromStream(&s), EPixPNG);
}

TEST(PngReaderChunks, AncillaryChunksAreReported) {
    Bytes text1 = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'o', 'n', 'e'};
    Bytes text2 = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 't', 'w', 'o'};
    Bytes other = {'A', 'u', 't', 'h', 'o', 'r', 0, 'x'};
    Bytes chrm;
    for (uint32_t v : {31270u, 32900u, 64000u, 33000u, 30000u, 60000u, 15000u, 6000u}) {
        Bytes b = BE32(v);
        chrm.insert(chrm.end(), b.begin(), b.end());
    }
    Bytes phys = BE32(3780);
    Bytes y = BE32(2835);
    phys.insert(phys.end(), y.begin(), y.end());
    phys.push_back(1);
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(2, 2, 8, 2)
                     .Chunk("tIME", {0x07, 0xE8, 2, 29, 23, 59, 60})
                     .Chunk("gAMA", BE32(45455))
                     .Chunk("cHRM", chrm)
                     .Chunk("sBIT", {5, 6, 5})
                     .Chunk("gIFg", {2, 1, 0x01, 0x2C})
                     .Chunk("bKGD", {0, 1, 0, 2, 0, 3})
                     .Chunk("tRNS", {0, 9, 0, 8, 0, 7})
                     .Chunk("pHYs", phys)
                     .Chunk("tEXt", text1)
                     .Chunk("tEXt", other)
                     .Chunk("tEXt", text2)
                     .IDAT(Deflate({0, 1, 2, 3, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12}))
                     .IEND()
                     .Data();
    TPixPNG png;
    LoadBytes(png, file);
    EXPECT_EQ(png.GetTime(), (TPNGTime{2024, 2, 29, 23, 59, 60}));
    EXPECT_DOUBLE_EQ(png.Gamma, 0.45455);
    EXPECT_EQ(png.GetChrm().Value[0], 31270u);
    EXPECT_EQ(png.GetChrm().Value[7], 6000u);
    EXPECT_EQ(png.SignificantBits, 0x050605u);
    EXPECT_EQ(png.GetGIFEXt(), (TPNGGIFExtension{2, 1, 300}));
    EXPECT_EQ(png.BGColor, RGB(1, 2, 3));
    EXPECT_EQ(png.TransColor(), RGB(9, 8, 7));
    EXPECT_TRUE(png.GetImage()->Transparent());
    EXPECT_EQ(png.UnitSpecifier, 1);
    EXPECT_EQ(png.PixelsPerUnitX, 3780);
    EXPECT_EQ(png.PixelsPerUnitY, 2835);
    EXPECT_EQ(png.Comment, "one\r\n\r\ntwo\r\n");
}

TEST(PngReaderChunks, GreyTransparencyAndBackgroundAreScaledToTheGreyLevels) {
    // Depth 1: sample 1 is white.
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(8, 1, 1, 0)
                     .Chunk("tRNS", {0, 1})
                     .Chunk("bKGD", {0, 0})
                     .IDAT(Deflate({0, 0xF0}))
                     .IEND()
                     .Data();
    TPixPNG png;
    LoadBytes(png, file);
    EXPECT_EQ(png.TransColor(), RGB(255, 255, 255));
    EXPECT_EQ(png.BGColor, RGB(0, 0, 0));
    EXPECT_EQ(PixelColor(*png.GetImage(), 0, 0), RGB(255, 255, 255));
}

TEST(PngReaderChunks, Use16BitFor555PacksFiveSixFive) {
    Bytes rows = {0, 0xFF, 0x80, 0x08, 0x10, 0x20, 0xF8};
    for (auto [sbit, depth] : {std::pair{Bytes{5, 5, 5}, 15}, std::pair{Bytes{5, 6, 5}, 16}}) {
        Bytes file =
            PngBuilder().Signature().IHDR(2, 1, 8, 2).Chunk("sBIT", sbit).IDAT(Deflate(rows)).IEND().Data();
        TPixPNG png;
        png.Use16BitFor555 = true;
        LoadBytes(png, file);
        EXPECT_EQ(png.GetImage()->BitsPerPixel(), 16);
        EXPECT_EQ(png.BitDepth, depth);
        const uint8_t* line = png.GetImage()->ScanLine(0);
        EXPECT_EQ(line[0] | line[1] << 8, (0xFF >> 3) << 11 | (0x80 >> 2) << 5 | (0x08 >> 3));
        EXPECT_EQ(line[2] | line[3] << 8, (0x10 >> 3) << 11 | (0x20 >> 2) << 5 | (0xF8 >> 3));
        TPixPNG plain;
        LoadBytes(plain, file);
        EXPECT_EQ(plain.GetImage()->BitsPerPixel(), 24);
        EXPECT_EQ(plain.BitDepth, 8);
    }
}

TEST(PngReaderChunks, LaterIdatChunksAndChunksAfterIendAreIgnored) {
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(2, 2, 8, 0)
                     .IDAT(Deflate(GreyRows))
                     .Chunk("tEXt", {'x', 0, 'y'})
                     .IDAT({9, 9, 9})
                     .IEND()
                     .Chunk("IHDR", Header(2, 2, 8, 0))
                     .Data();
    TPixPNG png;
    LoadBytes(png, file);
    EXPECT_EQ(PixelColor(*png.GetImage(), 1, 1), RGB(40, 40, 40));
}

TEST(PngReaderChunks, PixChunkRestoresEncodedRowsAndGreyPalettes) {
    // Rows encoded by adding 1 to every byte; the grey samples index the PLTE entries.
    Bytes pix = BE32(0x50495833);
    pix.insert(pix.end(), {1, 1, 0, 0});
    Bytes rows = {0, 1, 101, 2, 201, 0, 3, 51, 1, 1};
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(2, 2, 8, 4)
                     .Chunk("tpNg", pix)
                     .Chunk("PLTE", {255, 0, 0, 0, 255, 0, 0, 0, 255})
                     .Chunk("bKGD", {0, 2})
                     .IDAT(Deflate(rows))
                     .IEND()
                     .Data();
    TPixPNG png;
    png.Password = "given";
    AnsiString asked, seen;
    png.OnPassword = [&](TObject*, AnsiString& p) {
        asked = p;
        p = "secret";
    };
    png.OnDecode = [&](TObject*, uint8_t* buf, int len, int, const AnsiString& p) {
        seen = p;
        for (int i = 0; i < len; ++i)
            buf[i] = static_cast<uint8_t>(buf[i] - 1);
    };
    LoadBytes(png, file);
    EXPECT_EQ(asked, "given");
    EXPECT_EQ(seen, "secret");
    EXPECT_EQ(PixelColor(*png.GetImage(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelColor(*png.GetImage(), 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(PixelColor(*png.GetImage(), 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(png.BGColor, RGB(0, 0, 255));
    EXPECT_EQ(255 - png.GetAlphaBitmap()->ScanLine(0)[1], 200);
    EXPECT_EQ(255 - png.GetAlphaBitmap()->ScanLine(1)[1], 0);
}

TEST(PngReaderChunks, RgbaAssignedToABitmapGivesTheColoursOnly) {
    Bytes file = PngBuilder().Signature().IHDR(1, 1, 8, 6).IDAT(Deflate({0, 10, 20, 30, 0})).IEND().Data();
    TPixPNG png;
    LoadBytes(png, file);
    TBitmap target;
    target.Assign(&png);
    EXPECT_EQ(target.Width(), 1);
    EXPECT_EQ(PixelColor(target, 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(png.GetAlphaBitmap()->ScanLine(0)[0], 255);
}

TEST(PngReaderChunks, AGreyPaletteFileWhosePaletteWasNotTakenShowsItsSamplesAsGrey) {
    // The grey-palette flag, but grey samples without alpha: the PLTE is not taken for them.
    Bytes pix = BE32(0x50495833);
    pix.insert(pix.end(), {0, 1, 0, 0});
    Bytes file = PngBuilder()
                     .Signature()
                     .IHDR(2, 2, 8, 0)
                     .Chunk("tpNg", pix)
                     .Chunk("PLTE", {255, 0, 0, 0, 255, 0})
                     .IDAT(Deflate(GreyRows))
                     .IEND()
                     .Data();
    TPixPNG png;
    LoadBytes(png, file);
    EXPECT_EQ(PixelColor(*png.GetImage(), 0, 0), RGB(10, 10, 10));
    EXPECT_EQ(PixelColor(*png.GetImage(), 1, 1), RGB(40, 40, 40));
}

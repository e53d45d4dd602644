// The buffered byte reader and writer, the zlib glue, the row filters and the pixel helpers.
#include "image/Pixpng.h"
#include "image/Pixstream.h"
#include "image/Pixzlib.h"
#include "image/Sfunc.h"
#include "image/png_fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {
class TTestReader : public TPixCustomReadStream {
  public:
    void ReadStream() override {}
};

void Fill(TMemoryStream& s, const Bytes& b) {
    s.Write(b.data(), static_cast<int64_t>(b.size()));
    s.SetPosition(0);
}

// A stream that is not a memory stream, so the reader goes through its buffer.
class TChunkyStream : public TStream {
  public:
    explicit TChunkyStream(Bytes b) : data_(std::move(b)) {}
    int64_t Read(void* Buffer, int64_t Count) override {
        int64_t n = std::min<int64_t>({Count, 1000, int64_t(data_.size()) - pos_});
        if (n <= 0) return 0;
        std::memcpy(Buffer, data_.data() + pos_, size_t(n));
        pos_ += n;
        return n;
    }
    int64_t Write(const void*, int64_t) override { return 0; }
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
        pos_ = Origin == soBeginning ? Offset
               : Origin == soCurrent ? pos_ + Offset
                                     : int64_t(data_.size()) + Offset;
        return pos_;
    }

  private:
    Bytes data_;
    int64_t pos_ = 0;
};
} // namespace

TEST(PixReadStream, SkipsA128ByteHeaderOnlyWhenMoreFollows) {
    for (bool memory : {true, false}) {
        Bytes b(200);
        for (size_t i = 0; i < b.size(); ++i)
            b[i] = uint8_t(i + 1);
        b[0] = 0, b[74] = 0;
        TMemoryStream m;
        Fill(m, b);
        TChunkyStream c(b);
        TStream* s = memory ? static_cast<TStream*>(&m) : &c;
        TTestReader r;
        r.SetLoadStream(s, 0);
        EXPECT_TRUE(r.HeaderSkipped());
        EXPECT_EQ(r.Read1Byte(), 129);

        Bytes exact(b.begin(), b.begin() + 128);
        TMemoryStream m2;
        Fill(m2, exact);
        TTestReader r2;
        r2.SetLoadStream(&m2, 0);
        EXPECT_FALSE(r2.HeaderSkipped());
        EXPECT_EQ(r2.Read1Byte(), 0);
    }
}

TEST(PixReadStream, ShortReadsReturnZeroAndSetTheEndFlag) {
    for (bool memory : {true, false}) {
        Bytes b = {1, 2, 3, 4, 5, 6, 7};
        TMemoryStream m;
        Fill(m, b);
        TChunkyStream c(b);
        TTestReader r;
        r.SetLoadStream(memory ? static_cast<TStream*>(&m) : &c, 0);
        EXPECT_EQ(r.ReadMDword(), 0x01020304u);
        EXPECT_EQ(r.ReadMDword(), 0u); // only 3 bytes left
        EXPECT_TRUE(r.EndFlag());
        EXPECT_EQ(r.Read1Byte(), 0);
    }
    TTestReader r;
    TMemoryStream m;
    Fill(m, {1, 2, 3, 4});
    r.SetLoadStream(&m, 0);
    uint8_t d = 9;
    r.ReadByte(&d, 0);
    EXPECT_TRUE(r.StopFlag());
    EXPECT_EQ(r.ReadWord(), 0);
}

TEST(PixReadStream, NumbersInBothByteOrders) {
    TMemoryStream m;
    Fill(m, {0x12, 0x34, 0x12, 0x34, 0x56, 0x78, 0x12, 0x34, 0x12, 0x34, 0x56, 0x78, 0xAB});
    TTestReader r;
    r.SetLoadStream(&m, 0);
    EXPECT_EQ(r.ReadWord(), 0x3412);
    EXPECT_EQ(r.ReadDWord(), 0x78563412u);
    EXPECT_EQ(r.ReadMWord(), 0x1234);
    EXPECT_EQ(r.ReadMDword(), 0x12345678u);
    r.ReadSkipByte(0);
    EXPECT_TRUE(r.StopFlag());
}

TEST(PixReadStream, LongReadsAndSkipsThroughTheBuffer) {
    Bytes b(300000);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = uint8_t(i * 7);
    TChunkyStream c(b);
    TTestReader r;
    r.SkipHeader128 = false;
    r.SetLoadStream(&c, 0);
    Bytes got(150000);
    r.ReadByte(got.data(), 3);
    r.ReadByte(got.data(), int64_t(got.size()));
    EXPECT_TRUE(std::equal(got.begin(), got.end(), b.begin() + 3));
    r.ReadSkipByte(100000);
    EXPECT_EQ(r.Read1Byte(), b[250003]);
    r.ReadSkipByte(5);
    EXPECT_EQ(r.Read1Byte(), b[250009]);
    EXPECT_FALSE(r.EndFlag());
}

TEST(PixReadStream, ALoadLeavesTheFileStreamJustBehindThePicture) {
    TPixPNG src;
    src.GetImage()->SetPixelFormat(pf24bit);
    src.GetImage()->SetSize(3, 3);
    TMemoryStream m;
    src.SaveToStream(&m);
    int64_t pngSize = m.Size();
    const char trailer[] = "trailing bytes";
    m.Write(trailer, sizeof trailer);
    auto path = std::filesystem::temp_directory_path() / "ruliform_png_position.bin";
    m.SaveToFile(path.string());
    {
        TFileStream f(path.string(), fmOpenRead);
        TPixPNG png;
        png.LoadFromStream(&f);
        EXPECT_EQ(f.Position(), pngSize);
    }
    std::filesystem::remove(path);
}

TEST(PixWriteStream, BuffersAndWritesBothByteOrders) {
    class TTestWriter : public TPixCustomWriteStream {
      public:
        void WriteStream() override {}
    } w;
    TMemoryStream m;
    w.SetWriteStream(&m);
    w.WriteWord(0x1234);
    w.WriteDWord(0x12345678);
    w.WriteMWord(0x1234);
    w.WriteMDWord(0x12345678);
    Bytes big(70000, 0xEE);
    w.WriteByte(big.data(), int64_t(big.size()));
    w.Write1Byte(0x42);
    w.FlushStream();
    ASSERT_EQ(m.Size(), 12 + 70000 + 1);
    Bytes expect = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0x12, 0x34, 0x12, 0x34, 0x56, 0x78};
    EXPECT_TRUE(std::equal(expect.begin(), expect.end(), m.Memory()));
    EXPECT_EQ(m.Memory()[12 + 70000], 0x42);
    w.WriteByte(nullptr, 0);
    EXPECT_TRUE(w.StopFlag());
}

TEST(PixZlib, EncoderBufferSizeFallsBackOutsideItsRange) {
    for (auto [asked, used] :
         {std::pair{0, 24576}, std::pair{262144, 24576}, std::pair{1, 1}, std::pair{262143, 262143}}) {
        TPixZLIBInfo info;
        ASSERT_EQ(ZLIBEncodeInit(info, -1, asked), 0);
        EXPECT_EQ(info.Buffer.size(), size_t(used)) << asked;
    }
}

TEST(PixZlib, EncodeThenDecodeGivesTheSameBytes) {
    Bytes data(100000);
    uint32_t s = 1;
    for (auto& b : data)
        b = uint8_t(NextRandom(s) % 7);
    Bytes compressed;
    TPixZLIBInfo enc;
    ASSERT_EQ(ZLIBEncodeInit(enc, 9, 300), 0);
    enc.Drain = [&](const uint8_t* d, int n) {
        compressed.insert(compressed.end(), d, d + n);
        return 0;
    };
    ASSERT_EQ(ZLIBEncode(enc, data.data(), int(data.size())), 0);
    ASSERT_EQ(ZLIBEncodeFlush(enc), 0);
    compressed.insert(compressed.end(), {1, 2, 3}); // bytes after the end of the zlib stream
    TPixZLIBInfo dec;
    ASSERT_EQ(ZLIBDecodeInit(dec), 0);
    size_t pos = 0;
    dec.Refill = [&](TPixZLIBInfo& i) {
        if (pos >= compressed.size()) return 1;
        size_t n = std::min<size_t>(1000, compressed.size() - pos);
        std::memcpy(i.Buffer.data(), compressed.data() + pos, n);
        i.Stream.next_in = i.Buffer.data();
        i.Stream.avail_in = uInt(n);
        pos += n;
        return 0;
    };
    Bytes out(data.size());
    ASSERT_EQ(ZLIBDecode(dec, out.data(), int(out.size())), 0);
    EXPECT_EQ(out, data);
    uint8_t more;
    // Asking for more than the stream holds fails instead of waiting for data forever.
    EXPECT_LT(ZLIBDecode(dec, &more, 1), 0);
}

TEST(PixFilters, UnfilterUndoesEveryFilter) {
    Bytes prev = {10, 200, 30, 40, 250, 60, 70};
    Bytes row = {1, 2, 255, 128, 0, 77, 3};
    for (int bpp : {1, 3}) {
        for (int type = 0; type <= 4; ++type) {
            Bytes filtered(row.size() + 1);
            FilterRow(type, row.data(), prev.data(), filtered.data(), int(row.size()), bpp);
            EXPECT_EQ(filtered[0], type);
            Bytes back(filtered.begin() + 1, filtered.end());
            ASSERT_EQ(UnfilterRow(uint8_t(type), back.data(), prev.data(), int(back.size()), bpp), 0);
            EXPECT_EQ(back, row) << "type " << type << " bpp " << bpp;
        }
    }
    Bytes r = row;
    EXPECT_EQ(UnfilterRow(5, r.data(), prev.data(), int(r.size()), 1), -1);
}

TEST(PixFilters, AdaptiveChoiceWritesAFlatRowUnfiltered) {
    TPixPNGInfo info;
    info.BitsPerPixel = 24;
    info.FilterType = gpfJust;
    info.StartPass(30);
    std::fill(info.CurRow.begin() + 1, info.CurRow.end(), 0x33);
    std::fill(info.PrevRow.begin() + 1, info.PrevRow.end(), 0x10);
    Bytes out;
    ASSERT_EQ(ZLIBEncodeInit(info, 0, 1000), 0);
    ASSERT_EQ(png_write_line(info), 0);
    EXPECT_EQ(info.OutRow[0], 0);
    EXPECT_EQ(info.OutRow[5], 0x33);
}

TEST(PixFilters, AdaptiveChoiceTakesTheBestScore) {
    // A ramp: Sub turns it into a constant row, which scores -1 and is taken at once.
    TPixPNGInfo info;
    info.BitsPerPixel = 8;
    info.FilterType = gpfJust;
    info.StartPass(64);
    for (int i = 0; i < 64; ++i)
        info.CurRow[1 + i] = uint8_t(i * 3);
    ASSERT_EQ(ZLIBEncodeInit(info, 0, 1000), 0);
    ASSERT_EQ(png_write_line(info), 0);
    EXPECT_EQ(info.OutRow[0], 1);
    int hist[256];
    Bytes flat(20, 7);
    EXPECT_EQ(ScoreRow(flat.data(), 20, 8, hist), -1);
    Bytes varied(20);
    for (int i = 0; i < 20; ++i)
        varied[i] = uint8_t(i);
    EXPECT_EQ(ScoreRow(varied.data(), 20, 8, hist), int(20 / 1.5 / 20 * 1000 + 3.0 / 20 * 1000));
    EXPECT_EQ(ScoreRow(varied.data(), 20, 4, hist), int(20 / 1.5 / 20 * 1500 + 2.0 / 20 * 1000));
}

TEST(PixHelpers, RowSizesAndGreyRamps) {
    EXPECT_EQ(GetLineSize(1, 1), 4);
    EXPECT_EQ(GetLineSize(33, 1), 8);
    EXPECT_EQ(GetLineSize(5, 24), 16);
    EXPECT_EQ(GetDIBMemLen(5, -3, 24), 48);
    EXPECT_EQ(GetMaxColorSub(4), 16);
    EXPECT_EQ(GetMaxColorSub(24), 0);
    TRGBQuad t[256];
    struct {
        int bits, count, step;
    } ramps[] = {{1, 2, 255}, {2, 4, 85}, {4, 16, 17}, {8, 256, 1}, {16, 256, 1}};
    for (auto r : ramps) {
        ASSERT_EQ(CreateGrayScalePalette(t, r.bits), r.count);
        EXPECT_EQ(t[r.count - 1].rgbGreen, (r.count - 1) * r.step);
        EXPECT_EQ(t[1].rgbRed, r.step);
    }
}

TEST(PixHelpers, NearestColourPrefersExactThenLowestIndex) {
    TRGBQuad t[4] = {{0, 0, 10, 0}, {0, 0, 20, 0}, {0, 0, 30, 0}, {0, 0, 20, 0}};
    EXPECT_EQ(GetNearestColorTableIndex(t, RGB(20, 0, 0), 4), 1);
    EXPECT_EQ(GetNearestColorTableIndex(t, RGB(15, 0, 0), 4), 0); // tie keeps the lower index
    EXPECT_EQ(GetNearestColorTableIndex(t, RGB(100, 0, 0), 4), 2);
    EXPECT_EQ(GetNearestColorTableIndex(t, RGB(100, 0, 0), 0), 0);
}

TEST(PixHelpers, CopyPixelLineCopiesRunsOfAnyDepth) {
    uint8_t src1[2] = {0b10110011, 0b01000000};
    uint8_t dst1[2] = {0xFF, 0xFF};
    CopyPixelLine(src1, dst1, 3, 7, 1);
    EXPECT_EQ(dst1[0], 0b10011011); // pixels 3..9: 1 0 0 1 1 0 1, the rest of the byte untouched
    uint8_t src4[3] = {0x12, 0x34, 0x56};
    uint8_t dst4[2] = {0, 0};
    CopyPixelLine(src4, dst4, 1, 3, 4);
    EXPECT_EQ(dst4[0], 0x23);
    EXPECT_EQ(dst4[1] >> 4, 4);
    uint8_t src24[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    uint8_t dst24[6] = {};
    CopyPixelLine(src24, dst24, 1, 2, 24);
    EXPECT_EQ(dst24[0], 4);
    EXPECT_EQ(dst24[5], 9);
}

TEST(PixHelpers, SmallArithmetic) {
    EXPECT_EQ(SwapBR(0x00112233), 0x00332211);
    EXPECT_EQ(GetMaskShift(0xF800), 8);
    EXPECT_EQ(GetMaskShift(0x1F), -3);
    EXPECT_EQ(FixMul(3 << 16, 5 << 16), 15 << 16);
    EXPECT_EQ(ConvertInchToMeter(96), 3779);
    EXPECT_TRUE(CheckRect(0, 0, 10, 10, 9, 9, 5, 5));
    EXPECT_FALSE(CheckRect(0, 0, 10, 10, 10, 0, 5, 5));
    EXPECT_EQ(PixPixelFormat(15), pf15bit);
    EXPECT_EQ(PixPixelFormat(2), pf24bit);
    EXPECT_EQ(PixBitCount(pfCustom), 15);
    EXPECT_EQ(PixBitCount(pfDevice), 24);
}

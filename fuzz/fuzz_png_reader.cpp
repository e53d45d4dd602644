// Feeds arbitrary bytes to the PNG reader, through a memory stream, through a plain stream and
// with a small load limit. Whatever it reads in full must then write and read back without error.
#include "image/Pixpng.h"
#include "image/Pixpngstream.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// A stream that is not a TMemoryStream, so the reader goes through its own buffer.
class TPlainStream : public TStream {
  public:
    TPlainStream(const uint8_t* d, size_t n) : data_(d), size_(static_cast<int64_t>(n)) {}
    int64_t Read(void* Buffer, int64_t Count) override {
        int64_t n = std::min<int64_t>({Count, size_ - pos_, 4093});
        if (n <= 0) return 0;
        std::memcpy(Buffer, data_ + pos_, static_cast<size_t>(n));
        pos_ += n;
        return n;
    }
    int64_t Write(const void*, int64_t) override { return 0; }
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override {
        pos_ = Origin == soBeginning ? Offset : Origin == soCurrent ? pos_ + Offset : size_ + Offset;
        return pos_;
    }

  private:
    const uint8_t* data_;
    int64_t size_, pos_ = 0;
};

void Configure(TPixPNG& png, bool variant) {
    png.Use16BitFor555 = variant;
    png.Password = "fuzz";
    png.OnDecode = [](TObject*, uint8_t* buf, int len, int, const AnsiString&) {
        for (int i = 0; i < len; ++i)
            buf[i] ^= 0x55;
    };
}

void WriteAndReadBack(TPixPNG& png) {
    if (png.Empty()) return;
    TMemoryStream out;
    png.Interlace = gptAdam7;
    png.FilterType = gpfJust;
    png.SaveToStream(&out);
    out.SetPosition(0);
    TPixPNG back;
    try {
        back.LoadFromStream(&out);
    } catch (const EPixPNG& e) {
        std::fprintf(stderr, "own output does not read back: %s\n", e.Message.c_str());
        std::abort();
    }
    if (back.Width() != png.Width() || back.Height() != png.Height()) {
        std::fprintf(stderr, "own output reads back at another size\n");
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetPixPNGMaxPixels(1 << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    {
        TMemoryStream s;
        if (Size) s.Write(Data, static_cast<int64_t>(Size));
        s.SetPosition(0);
        TPixPNG png;
        Configure(png, false);
        try {
            png.LoadFromStream(&s);
        } catch (const EPixPNG&) {
        }
        WriteAndReadBack(png);
    }
    {
        TPlainStream s(Data, Size);
        TPixPNG png;
        Configure(png, true);
        try {
            png.LoadFromStream(&s);
        } catch (const EPixPNG&) {
        }
    }
    {
        // Beyond a small limit, so that most pictures are reduced while they are read.
        TMemoryStream s;
        if (Size) s.Write(Data, static_cast<int64_t>(Size));
        s.SetPosition(0);
        TPixPNG png;
        png.LoadLimit = TPictureLimit{7, 30};
        try {
            png.LoadFromStream(&s);
        } catch (const EPixPNG&) {
        }
        if (!png.Empty() && !png.LoadLimit.Fits(png.Width(), png.Height())) {
            std::fprintf(stderr, "a reduced picture is beyond its limit\n");
            std::abort();
        }
    }
    return 0;
}

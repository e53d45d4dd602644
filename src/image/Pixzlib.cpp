#include "image/Pixzlib.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
voidpf PixAlloc(voidpf, uInt items, uInt size) {
    return std::calloc(items, size);
}
void PixFree(voidpf, voidpf p) {
    std::free(p);
}

void PrepareStream(z_stream& s) {
    s = z_stream{};
    s.zalloc = PixAlloc;
    s.zfree = PixFree;
}

int ByteDistance(int bits) {
    return std::max(1, (bits + 7) / 8);
}

int Paeth(int a, int b, int c) {
    int p = a + b - c;
    int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    if (pb <= pc) return b;
    return c;
}
} // namespace

TPixZLIBInfo::~TPixZLIBInfo() {
    ZLIBDecodeFinish(*this);
    ZLIBEncodeFinish(*this);
}

void TPixPNGInfo::StartPass(int RowBytes) {
    RowLength = RowBytes + 1;
    CurRow.assign(static_cast<size_t>(RowLength), 0);
    PrevRow.assign(static_cast<size_t>(RowLength), 0);
}

int ZLIBDecodeInit(TPixZLIBInfo& Info) {
    ZLIBDecodeFinish(Info);
    Info.Buffer.assign(ZLIBInputSize, 0);
    PrepareStream(Info.Stream);
    if (inflateInit(&Info.Stream) != Z_OK) return -1;
    Info.DecodeActive = true;
    return 0;
}

int ZLIBDecode(TPixZLIBInfo& Info, uint8_t* Buffer, int Length) {
    z_stream& s = Info.Stream;
    s.next_out = Buffer;
    s.avail_out = static_cast<uInt>(Length);
    while (s.avail_out > 0) {
        if (s.avail_in == 0) {
            int r = Info.Refill ? Info.Refill(Info) : 1;
            if (r != 0) return r;
            if (s.avail_in == 0) return Z_BUF_ERROR;
        }
        int r = inflate(&s, Z_NO_FLUSH);
        if (r == Z_OK) continue;
        // A stream that ends, or asks for a dictionary, before the row is full cannot go on.
        if (r == Z_STREAM_END && s.avail_out == 0) break;
        return r < 0 ? r : Z_DATA_ERROR;
    }
    return 0;
}

void ZLIBDecodeFlush(TPixZLIBInfo& Info) {
    if (Info.DecodeActive) inflateReset(&Info.Stream);
    Info.Stream.avail_in = 0;
}

void ZLIBDecodeFinish(TPixZLIBInfo& Info) {
    if (!Info.DecodeActive) return;
    inflateEnd(&Info.Stream);
    Info.DecodeActive = false;
    Info.Buffer.clear();
}

int UnfilterRow(uint8_t Type, uint8_t* Row, const uint8_t* Prev, int n, int bpp) {
    switch (Type) {
    case 0:
        break;
    case 1:
        for (int i = bpp; i < n; ++i)
            Row[i] = static_cast<uint8_t>(Row[i] + Row[i - bpp]);
        break;
    case 2:
        for (int i = 0; i < n; ++i)
            Row[i] = static_cast<uint8_t>(Row[i] + Prev[i]);
        break;
    case 3:
        for (int i = 0; i < n; ++i) {
            int left = i >= bpp ? Row[i - bpp] : 0;
            Row[i] = static_cast<uint8_t>(Row[i] + ((left + Prev[i]) >> 1));
        }
        break;
    case 4:
        for (int i = 0; i < n; ++i) {
            int left = i >= bpp ? Row[i - bpp] : 0;
            int upLeft = i >= bpp ? Prev[i - bpp] : 0;
            Row[i] = static_cast<uint8_t>(Row[i] + Paeth(left, Prev[i], upLeft));
        }
        break;
    default:
        return -1;
    }
    return 0;
}

int png_read_line(TPixPNGInfo& Info) {
    int r = ZLIBDecode(Info, Info.CurRow.data(), Info.RowLength);
    if (r != 0) return r;
    return UnfilterRow(Info.CurRow[0], Info.CurRow.data() + 1, Info.PrevRow.data() + 1, Info.RowLength - 1,
                       ByteDistance(Info.BitsPerPixel));
}

int ZLIBEncodeInit(TPixZLIBInfo& Info, int Level, int BufferSize) {
    ZLIBEncodeFinish(Info);
    int size = BufferSize >= 1 && BufferSize < 262144 ? BufferSize : ZLIBInputSize;
    Info.Buffer.assign(static_cast<size_t>(size), 0);
    PrepareStream(Info.Stream);
    if (deflateInit(&Info.Stream, Level) != Z_OK) return -1;
    Info.EncodeActive = true;
    Info.Stream.next_out = Info.Buffer.data();
    Info.Stream.avail_out = static_cast<uInt>(size);
    return 0;
}

namespace {
int HandOver(TPixZLIBInfo& Info, int Length) {
    int r = Info.Drain ? Info.Drain(Info.Buffer.data(), Length) : 0;
    Info.Stream.next_out = Info.Buffer.data();
    Info.Stream.avail_out = static_cast<uInt>(Info.Buffer.size());
    return r;
}
} // namespace

int ZLIBEncode(TPixZLIBInfo& Info, const uint8_t* Data, int Length) {
    z_stream& s = Info.Stream;
    s.next_in = const_cast<Bytef*>(Data);
    s.avail_in = static_cast<uInt>(Length);
    while (s.avail_in > 0) {
        int r = deflate(&s, Z_NO_FLUSH);
        if (r < 0) return r;
        if (s.avail_out == 0) {
            r = HandOver(Info, static_cast<int>(Info.Buffer.size()));
            if (r != 0) return r;
        }
    }
    return 0;
}

int ZLIBEncodeFlush(TPixZLIBInfo& Info) {
    z_stream& s = Info.Stream;
    s.avail_in = 0;
    for (;;) {
        int r = deflate(&s, Z_FINISH);
        if (r < 0 && r != Z_BUF_ERROR) return -1;
        if (s.avail_out == 0) {
            if (HandOver(Info, static_cast<int>(Info.Buffer.size())) != 0) return -1;
            if (r != Z_STREAM_END) continue;
        }
        if (r == Z_STREAM_END) break;
        if (r == Z_BUF_ERROR) return -1;
    }
    int used = static_cast<int>(Info.Buffer.size() - s.avail_out);
    if (used > 0 && HandOver(Info, used) != 0) return -1;
    deflateReset(&s);
    return 0;
}

void ZLIBEncodeFinish(TPixZLIBInfo& Info) {
    if (!Info.EncodeActive) return;
    deflateEnd(&Info.Stream);
    Info.EncodeActive = false;
    Info.Buffer.clear();
}

void FilterRow(int Type, const uint8_t* Row, const uint8_t* Prev, uint8_t* Out, int n, int bpp) {
    Out[0] = static_cast<uint8_t>(Type);
    uint8_t* o = Out + 1;
    for (int i = 0; i < n; ++i) {
        int left = i >= bpp ? Row[i - bpp] : 0;
        int upLeft = i >= bpp ? Prev[i - bpp] : 0;
        int pred = 0;
        switch (Type) {
        case 1:
            pred = left;
            break;
        case 2:
            pred = Prev[i];
            break;
        case 3:
            pred = (left + Prev[i]) >> 1;
            break;
        case 4:
            pred = Paeth(left, Prev[i], upLeft);
            break;
        default:
            break;
        }
        o[i] = static_cast<uint8_t>(Row[i] - pred);
    }
}

int ScoreRow(const uint8_t* Row, int L, int BitsPerPixel, int* Histogram) {
    std::fill(Histogram, Histogram + 256, 0);
    for (int i = 0; i < L; ++i)
        ++Histogram[Row[i]];
    int k = 0, c1 = 0, c2 = 0, c3 = 0;
    for (int v = 0; v < 256; ++v) {
        int c = Histogram[v];
        if (c == 0) continue;
        ++k;
        if (c > c1) {
            c3 = c2, c2 = c1, c1 = c;
        } else if (c > c2) {
            c3 = c2, c2 = c;
        } else if (c > c3) {
            c3 = c;
        }
    }
    if (k < 9 || static_cast<int64_t>(c1) * 100 / L >= 90) return -1;
    double len = L;
    if (BitsPerPixel >= 8) return static_cast<int>(len / 1.5 / k * 1000 + double(c1 + c2 + c3) / len * 1000);
    return static_cast<int>(len / 1.5 / k * 1500 + double(c1 + c2) / len * 1000);
}

int png_write_line(TPixPNGInfo& Info) {
    int n = Info.RowLength - 1;
    int bpp = ByteDistance(Info.BitsPerPixel);
    const uint8_t* row = Info.CurRow.data() + 1;
    const uint8_t* prev = Info.PrevRow.data() + 1;
    Info.OutRow.resize(static_cast<size_t>(Info.RowLength));
    if (Info.FilterType >= 1 && Info.FilterType <= 5) {
        FilterRow(Info.FilterType - 1, row, prev, Info.OutRow.data(), n, bpp);
    } else if (Info.FilterType != 0 || Info.Kind == 4) {
        FilterRow(0, row, prev, Info.OutRow.data(), n, bpp);
    } else {
        Info.Candidate.resize(static_cast<size_t>(Info.RowLength));
        int best = -2;
        for (int type = 0; type <= 4; ++type) {
            FilterRow(type, row, prev, Info.Candidate.data(), n, bpp);
            int score = ScoreRow(Info.Candidate.data(), Info.RowLength, Info.BitsPerPixel, Info.Histogram);
            if (score == -1) {
                Info.OutRow.swap(Info.Candidate);
                break;
            }
            if (type == 0 && (Info.Kind == 1 || Info.Kind == 8)) score *= 2;
            if (score > best) {
                best = score;
                std::memcpy(Info.OutRow.data(), Info.Candidate.data(), Info.Candidate.size());
            }
        }
    }
    return ZLIBEncode(Info, Info.OutRow.data(), Info.RowLength);
}

#include "image/Pixpngrows.h"

#include <cstring>

namespace {
inline uint16_t Pack565(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}
inline void Put16(uint8_t* d, uint16_t v) {
    d[0] = static_cast<uint8_t>(v);
    d[1] = static_cast<uint8_t>(v >> 8);
}
} // namespace

void Change2to4(const uint8_t* Src, uint8_t* Dst, uint8_t*, int Count) {
    for (int i = 0; i < Count; ++i) {
        uint8_t v = (Src[i >> 2] >> (6 - 2 * (i & 3))) & 3;
        if (i & 1)
            Dst[i >> 1] = static_cast<uint8_t>(Dst[i >> 1] | v);
        else
            Dst[i >> 1] = static_cast<uint8_t>(v << 4);
    }
}

void ChangeGray8A(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count) {
    for (int i = 0; i < Count; ++i) {
        Dst[i] = Src[2 * i];
        if (Alpha) Alpha[i] = static_cast<uint8_t>(255 - Src[2 * i + 1]);
    }
}

void ChangeGray16(const uint8_t* Src, uint8_t* Dst, uint8_t*, int Count) {
    for (int i = 0; i < Count; ++i)
        Dst[i] = Src[2 * i];
}

void ChangeGray16A(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count) {
    for (int i = 0; i < Count; ++i) {
        Dst[i] = Src[4 * i];
        if (Alpha) Alpha[i] = static_cast<uint8_t>(255 - Src[4 * i + 2]);
    }
}

void RGBtoBGR24(const uint8_t* Src, uint8_t* Dst, uint8_t*, int Count) {
    for (int i = 0; i < Count; ++i) {
        Dst[3 * i] = Src[3 * i + 2];
        Dst[3 * i + 1] = Src[3 * i + 1];
        Dst[3 * i + 2] = Src[3 * i];
    }
}

void RGBAtoBGRA32(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count) {
    for (int i = 0; i < Count; ++i) {
        Dst[3 * i] = Src[4 * i + 2];
        Dst[3 * i + 1] = Src[4 * i + 1];
        Dst[3 * i + 2] = Src[4 * i];
        if (Alpha) Alpha[i] = static_cast<uint8_t>(255 - Src[4 * i + 3]);
    }
}

void RGBtoBGR48(const uint8_t* Src, uint8_t* Dst, uint8_t*, int Count) {
    for (int i = 0; i < Count; ++i) {
        Dst[3 * i] = Src[6 * i + 4];
        Dst[3 * i + 1] = Src[6 * i + 2];
        Dst[3 * i + 2] = Src[6 * i];
    }
}

void RGBAtoBGRA64(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count) {
    for (int i = 0; i < Count; ++i) {
        Dst[3 * i] = Src[8 * i + 4];
        Dst[3 * i + 1] = Src[8 * i + 2];
        Dst[3 * i + 2] = Src[8 * i];
        if (Alpha) Alpha[i] = static_cast<uint8_t>(255 - Src[8 * i + 6]);
    }
}

void RGBtoBGR16(const uint8_t* Src, uint8_t* Dst, uint8_t*, int Count) {
    for (int i = 0; i < Count; ++i)
        Put16(Dst + 2 * i, Pack565(Src[3 * i], Src[3 * i + 1], Src[3 * i + 2]));
}

void RGBAtoBGRA16(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count) {
    for (int i = 0; i < Count; ++i) {
        Put16(Dst + 2 * i, Pack565(Src[4 * i], Src[4 * i + 1], Src[4 * i + 2]));
        if (Alpha) Alpha[i] = static_cast<uint8_t>(255 - Src[4 * i + 3]);
    }
}

void SetPixels_Normal(const uint8_t* Src, uint8_t* Line, int Count, int Bits) {
    std::memcpy(Line, Src, (static_cast<size_t>(Count) * Bits + 7) / 8);
}

void SetPixels_Normal_A(const uint8_t* Src, uint8_t* Line, int Count) {
    std::memcpy(Line, Src, static_cast<size_t>(Count));
}

void SetPixels_Inter1(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step) {
    for (int i = 0; i < Count; ++i) {
        int x = Start + i * Step;
        uint8_t mask = static_cast<uint8_t>(0x80 >> (x & 7));
        if ((Src[i >> 3] >> (7 - (i & 7))) & 1)
            Line[x >> 3] |= mask;
        else
            Line[x >> 3] &= static_cast<uint8_t>(~mask);
    }
}

void SetPixels_Inter4(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step) {
    for (int i = 0; i < Count; ++i) {
        int x = Start + i * Step;
        uint8_t v = (i & 1) ? (Src[i >> 1] & 0x0F) : (Src[i >> 1] >> 4);
        if (x & 1)
            Line[x >> 1] = static_cast<uint8_t>((Line[x >> 1] & 0xF0) | v);
        else
            Line[x >> 1] = static_cast<uint8_t>((Line[x >> 1] & 0x0F) | v << 4);
    }
}

namespace {
void InterBytes(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step, int Bytes) {
    for (int i = 0; i < Count; ++i)
        std::memcpy(Line + static_cast<size_t>(Start + i * Step) * Bytes,
                    Src + static_cast<size_t>(i) * Bytes, static_cast<size_t>(Bytes));
}
} // namespace

void SetPixels_Inter8(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step) {
    InterBytes(Src, Line, Count, Start, Step, 1);
}
void SetPixels_Inter16(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step) {
    InterBytes(Src, Line, Count, Start, Step, 2);
}
void SetPixels_Inter24(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step) {
    InterBytes(Src, Line, Count, Start, Step, 3);
}
void SetPixels_InterA(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step) {
    InterBytes(Src, Line, Count, Start, Step, 1);
}

int GetPixelIndex(const uint8_t* Line, int X, int Bits) {
    switch (Bits) {
    case 1:
        return (Line[X >> 3] >> (7 - (X & 7))) & 1;
    case 4:
        return (X & 1) ? Line[X >> 1] & 0x0F : Line[X >> 1] >> 4;
    default:
        return Line[X];
    }
}

// Types shared by the PNG graphic class, its reader and its writer.
#pragma once

#include "winlib/Classes.h"
#include "winlib/SysUtils.h"

#include <cstdint>
#include <functional>

// Every format error of the PNG codec.
RULIFORM_EXCEPTION(EPixPNG, EInvalidGraphic)

enum TPixPNGCompressLevel { gplNone, gplDefault, gplSpeed, gplBest };
enum TPixPNGFilterType { gpfJust, gpfNone, gpfSub, gpfUp, gpfAvg, gpfPaeth };
enum TPixPNGInterlaceType { gptNone, gptAdam7 };
enum TPixPNGUnitSpecifier { gpuAspect, gpuMeter, gpuInch };
enum TPixPNGChunkFlag { pcIHDR, pcIDAT, pcIEND, pcPLTE, pcTPNG };
using TPixPNGChunk = uint8_t; // set of 1 << TPixPNGChunkFlag

// Called once per image row with the row's bytes; the application may transform them in place.
using TPixPNGDECodeEvent =
    std::function<void(TObject* sender, uint8_t* pbuf, int buflen, int lineno, const AnsiString& password)>;
// Lets the application supply the password of a file whose rows are encoded.
using TPixPNGPasswordEvent = std::function<void(TObject* sender, AnsiString& password)>;

// Content of a tIME chunk (UTC).
struct TPNGTime {
    uint16_t Year = 0;
    uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    bool operator==(const TPNGTime&) const = default;
};

// cHRM values x 100000: white x, y; red x, y; green x, y; blue x, y.
struct TPNGChromaticities {
    uint32_t Value[8] = {};
    bool operator==(const TPNGChromaticities&) const = default;
};

// Content of a gIFg chunk.
struct TPNGGIFExtension {
    uint8_t DisposalMethod = 0;
    uint8_t UserInputFlag = 0;
    uint16_t DelayTime = 0; // hundredths of a second
    bool operator==(const TPNGGIFExtension&) const = default;
};

// Optional layer record of the private "tpNg" chunk.
struct TPixPNGLayerData {
    AnsiString Name;
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    uint16_t Opacity = 0, Flags = 0;
    bool operator==(const TPixPNGLayerData&) const = default;
};

// PNG chunk types as big-endian numbers.
constexpr uint32_t PngChunkType(const char (&s)[5]) {
    return uint32_t(uint8_t(s[0])) << 24 | uint32_t(uint8_t(s[1])) << 16 | uint32_t(uint8_t(s[2])) << 8 |
           uint32_t(uint8_t(s[3]));
}
// The chunk types the reader and the writer know, the two private ones included.
inline constexpr uint32_t cIHDR = PngChunkType("IHDR"), cPLTE = PngChunkType("PLTE"),
                          cIDAT = PngChunkType("IDAT"), cIEND = PngChunkType("IEND"),
                          ctRNS = PngChunkType("tRNS"), cbKGD = PngChunkType("bKGD"),
                          ccHRM = PngChunkType("cHRM"), cgAMA = PngChunkType("gAMA"),
                          cpHYs = PngChunkType("pHYs"), csBIT = PngChunkType("sBIT"),
                          ctEXt = PngChunkType("tEXt"), ctIME = PngChunkType("tIME"),
                          cgIFg = PngChunkType("gIFg"), ctpNg = PngChunkType("tpNg");
constexpr uint8_t PngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint32_t PixPNGMagic = 0x50495833; // "PIX3"

// Adam7 pass layout.
constexpr int Adam7ColStart[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr int Adam7ColStep[7] = {8, 8, 4, 4, 2, 2, 1};
constexpr int Adam7RowStart[7] = {0, 0, 4, 0, 2, 0, 1};
constexpr int Adam7RowStep[7] = {8, 8, 8, 4, 4, 2, 2};
inline int PassExtent(int Size, int Start, int Step) {
    return Size > Start ? (Size - Start + Step - 1) / Step : 0;
}

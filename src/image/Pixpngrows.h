// Conversion of unfiltered PNG sample rows into bitmap rows, and their placement.
#pragma once

#include <cstdint>

// Src: PNG samples of Count pixels; Dst: the same pixels in the bitmap's layout;
// Alpha: one byte per pixel holding 255 - alpha (may be null when there is no alpha).
using TPixRowConverter = void (*)(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);

void Change2to4(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void ChangeGray8A(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void ChangeGray16(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void ChangeGray16A(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void RGBtoBGR24(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void RGBAtoBGRA32(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void RGBtoBGR48(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void RGBAtoBGRA64(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void RGBtoBGR16(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);
void RGBAtoBGRA16(const uint8_t* Src, uint8_t* Dst, uint8_t* Alpha, int Count);

// Whole-row copy of Count pixels of Bits each.
void SetPixels_Normal(const uint8_t* Src, uint8_t* Line, int Count, int Bits);
void SetPixels_Normal_A(const uint8_t* Src, uint8_t* Line, int Count);
// Pixel i of an interlace pass goes to column Start + i * Step.
void SetPixels_Inter1(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step);
void SetPixels_Inter4(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step);
void SetPixels_Inter8(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step);
void SetPixels_Inter16(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step);
void SetPixels_Inter24(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step);
void SetPixels_InterA(const uint8_t* Src, uint8_t* Line, int Count, int Start, int Step);

// Index of pixel X in an indexed row of 1, 4 or 8 bits.
int GetPixelIndex(const uint8_t* Line, int X, int Bits);

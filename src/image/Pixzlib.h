// zlib stream glue and the PNG row filters (filter method 0).
#pragma once

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <vector>

struct TPixZLIBInfo {
    z_stream Stream{};
    bool DecodeActive = false, EncodeActive = false;
    std::vector<uint8_t> Buffer; // input buffer when decoding, output buffer when encoding
    // Decoding: refills Stream.next_in/avail_in; 0 on success, non-zero to stop.
    std::function<int(TPixZLIBInfo&)> Refill;
    // Encoding: takes a filled output buffer away; 0 on success, non-zero to stop.
    std::function<int(const uint8_t* Data, int Length)> Drain;
    ~TPixZLIBInfo();
};

struct TPixPNGInfo : TPixZLIBInfo {
    int RowLength = 0;              // bytes per row including the filter-type byte
    std::vector<uint8_t> CurRow;    // the row being read or written (filter byte first)
    std::vector<uint8_t> PrevRow;   // the previous unfiltered row of the same pass, zeros at first
    int BitsPerPixel = 0;           // of the PNG row
    int FilterType = 0;             // writer: 0 adaptive, 1 None, 2 Sub, 3 Up, 4 Average, 5 Paeth
    int Kind = 0;                   // writer: steers the adaptive choice towards None
    std::vector<uint8_t> OutRow;    // writer: the chosen filtered row
    std::vector<uint8_t> Candidate; // writer: the candidate being scored
    int Histogram[256] = {};

    // Sizes the row buffers for rows of RowBytes data bytes and clears the previous row.
    void StartPass(int RowBytes);
    void SwapRows() { CurRow.swap(PrevRow); }
};

constexpr int ZLIBInputSize = 24576;

int ZLIBDecodeInit(TPixZLIBInfo& Info);
int ZLIBDecode(TPixZLIBInfo& Info, uint8_t* Buffer, int Length);
void ZLIBDecodeFlush(TPixZLIBInfo& Info);
void ZLIBDecodeFinish(TPixZLIBInfo& Info);
int png_read_line(TPixPNGInfo& Info);

int ZLIBEncodeInit(TPixZLIBInfo& Info, int Level, int BufferSize);
int ZLIBEncode(TPixZLIBInfo& Info, const uint8_t* Data, int Length);
int ZLIBEncodeFlush(TPixZLIBInfo& Info);
void ZLIBEncodeFinish(TPixZLIBInfo& Info);
int png_write_line(TPixPNGInfo& Info);

// Undoes the filter of one row; -1 for an unknown filter type.
int UnfilterRow(uint8_t Type, uint8_t* Row, const uint8_t* Prev, int n, int bpp);
// Applies filter Type (0 None .. 4 Paeth) to Row into Out (Out[0] receives the type).
void FilterRow(int Type, const uint8_t* Row, const uint8_t* Prev, uint8_t* Out, int n, int bpp);
// Adaptive-choice score of a filtered row of L bytes; -1 means take it at once.
int ScoreRow(const uint8_t* Row, int L, int BitsPerPixel, int* Histogram);

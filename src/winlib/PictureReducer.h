// Shrinking a picture while it is read, so a large file never has to be held at full size.
#pragma once

#include "Graphics.h"

#include <vector>

// Writes a reduced copy of a SourceWidth x SourceHeight picture into Target, which it makes a
// 32-bit bitmap of the reduced size (fourth byte 0). The picture arrives one source row at a time.
//
// Averaging (the default): every output pixel is the mean of the source area it covers, a source
// pixel cut by the output grid counting by its share. Whole rows come in order, top-down or
// bottom-up; an output row is written once all its source rows have come.
//
// Sampling: every output pixel takes the source pixel at the centre of its area. For pictures
// whose rows arrive in pieces (interlaced passes); each piece is a row's pixels Start, Start +
// Step, ... in the source row's layout.
class TPictureReducer {
  public:
    TPictureReducer(int SourceWidth, int SourceHeight, TPoint Size, TBitmap* Target, bool Sampling = false);

    // Source row Y in the layout of a bitmap of Bits per pixel (1, 4, 8, 15, 16, 24 or 32; indexes
    // look up Table, an index beyond it reads as black).
    void AddRow(int Y, const uint8_t* Row, int Bits, const std::vector<TRGBQuad>& Table);
    // Count pixels of source row Y: those at Start, Start + Step, ...; the first is pixel 0 of Row.
    void AddPixels(int Y, const uint8_t* Row, int Bits, const std::vector<TRGBQuad>& Table, int Start,
                   int Step, int Count);

  private:
    struct OpenRow {
        int row;
        uint64_t weight; // received so far; complete at the source height
        std::vector<uint64_t> sums;
    };
    static int SampleSource(int i, int reduced, int source);
    void Finish(OpenRow& open);

    int sw_, sh_, w_, h_;
    TBitmap* target_;
    bool sampling_;
    std::vector<uint64_t> across_; // one source row reduced across, three sums a column
    std::vector<uint32_t> pixels_; // one source row as B,G,R,X words
    std::vector<OpenRow> open_;
};

// Buffered byte reader and writer over a TStream, with big- and little-endian numbers,
// an end flag instead of exceptions on short data, and a progress mapping.
#pragma once

#include "winlib/Graphics.h"

#include <cstdint>
#include <vector>

// Maps work done in consecutive segments onto one 0..100 percentage.
class TPixProgress {
  public:
    void StartCallBack();
    // Opens a segment taking Share per cent of what remains (0 or >= 100: all of it), measured
    // by the reader's position (kind 0) or by a counter up to Max (kind 1).
    void SetCallBackParam(int Kind, int Max, int Share, int64_t Position, int64_t Size);
    // Returns the percentage to report, or -1 when it is not higher than the last one.
    int Percent(int64_t Value);

  private:
    double base_ = 0, span_ = 100;
    int kind_ = 0, max_ = 1;
    int64_t segStart_ = 0, segSize_ = 1;
    int last_ = -1;
};

class TPixCustomReadStream : public TObject {
  public:
    static constexpr int BufferSize = 65536;
    static constexpr int HeaderSize = 128;

    TPixCustomReadStream() = default;
    virtual void CallBackProc(int /*Percent*/) {}
    virtual void ReadStream() = 0;
    virtual void CreateDIB() {}

    void SetLoadStream(TStream* Stream, int64_t Size);
    void ReadByte(void* Dest, int64_t n);
    uint8_t Read1Byte();
    uint16_t ReadWord();
    uint32_t ReadDWord();
    uint16_t ReadMWord();
    uint32_t ReadMDword();
    void ReadSkipByte(int64_t n);
    void FlushStream();

    void StartCallBack() { progress_.StartCallBack(); }
    void SetCallBackParam(int Kind, int Max, int Share) {
        progress_.SetCallBackParam(Kind, Max, Share, consumed_, dataSize_);
    }
    void DoCallBack(int64_t Value);
    void EndCallBack() { CallBackProc(100); }

    bool SkipHeader128 = true;
    bool HeaderSkipped() const { return headerSkipped_; }
    bool EndFlag() const { return end_; }
    bool StopFlag() const { return stop_; }
    int64_t Consumed() const { return consumed_; }
    int64_t DataSize() const { return dataSize_; }
    // Bytes of the data not yet consumed.
    int64_t DataLeft() const { return dataSize_ - consumed_; }

  private:
    bool CanRead(int64_t n);
    void ReadBuf(int keep);
    TStream* stream_ = nullptr;
    const uint8_t* memory_ = nullptr; // the data in place when the source is a TMemoryStream
    int64_t start_ = 0, dataSize_ = 0, consumed_ = 0;
    int64_t fetched_ = 0; // bytes taken from the source stream so far
    std::vector<uint8_t> buffer_;
    int bufPos_ = 0, bufLen_ = 0;
    bool stop_ = false, end_ = false, headerSkipped_ = false;
    TPixProgress progress_;
};

// Maps bits per pixel to the bitmap's pixel format and back.
TPixelFormat PixPixelFormat(int Bits);
int PixBitCount(TPixelFormat Format);

class TPixCustomGraphicReadStream : public TPixCustomReadStream {
  public:
    // Reads the picture in Stream (Size bytes, or the rest of the stream when below 1) into Bitmap.
    void LoadFromStream(TBitmap* Bitmap, TStream* Stream, int64_t Size);
    void CallBackProc(int Percent) override;
    void CreateDIB() override;

  protected:
    TRGBQuad* ColorTable(); // 256 entries, allocated on first use
    TBitmap* Bitmap_ = nullptr;
    int ColorCount = 0;
    int BitCount = 0;
    int Width = 0, Height = 0;
    AnsiString Comment;

  private:
    std::vector<TRGBQuad> colorTable_;
    TProgressEvent progress_;
};

class TPixCustomWriteStream : public TObject {
  public:
    static constexpr int BufferSize = 65536;
    TPixCustomWriteStream() : buffer_(BufferSize) {}
    virtual void CallBackProc(int /*Percent*/) {}
    virtual void WriteStream() = 0;

    void SetWriteStream(TStream* Stream);
    void WriteByte(const void* Src, int64_t n);
    void Write1Byte(uint8_t v) { WriteByte(&v, 1); }
    void WriteWord(uint16_t v);
    void WriteDWord(uint32_t v);
    void WriteMWord(uint16_t v);
    void WriteMDWord(uint32_t v);
    void WriteBuf();
    void FlushStream() { WriteBuf(); }

    void StartCallBack() { progress_.StartCallBack(); }
    void SetCallBackParam(int Max, int Share) { progress_.SetCallBackParam(1, Max, Share, 0, 1); }
    void DoCallBack(int64_t Value);
    void EndCallBack() { CallBackProc(100); }

    bool StopFlag() const { return stop_; }
    int64_t Written() const { return written_ + bufLen_; }

  private:
    TStream* stream_ = nullptr;
    std::vector<uint8_t> buffer_;
    int bufLen_ = 0;
    int64_t written_ = 0;
    bool stop_ = false;
    TPixProgress progress_;
};

class TPixCustomGraphicWriteStream : public TPixCustomWriteStream {
  public:
    void SaveToStream(TBitmap* Bitmap, TStream* Stream);
    void CallBackProc(int Percent) override;

  protected:
    TBitmap* Bitmap_ = nullptr;
};

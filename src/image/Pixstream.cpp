#include "image/Pixstream.h"

#include <algorithm>
#include <cstring>

void TPixProgress::StartCallBack() {
    base_ = 0;
    span_ = 0;
    last_ = -1;
}

void TPixProgress::SetCallBackParam(int Kind, int Max, int Share, int64_t Position, int64_t Size) {
    base_ += span_;
    double rest = 100 - base_;
    span_ = (Share <= 0 || Share >= 100) ? rest : rest * Share / 100;
    kind_ = Kind;
    max_ = Max > 0 ? Max : 1;
    segStart_ = Position;
    segSize_ = Size - Position > 0 ? Size - Position : 1;
}

int TPixProgress::Percent(int64_t Value) {
    double part = kind_ == 0 ? double(Value - segStart_) / segSize_ : double(Value) / max_;
    part = std::clamp(part, 0.0, 1.0);
    int p = static_cast<int>(base_ + span_ * part);
    if (p <= last_) return -1;
    last_ = p;
    return p;
}

void TPixCustomReadStream::SetLoadStream(TStream* Stream, int64_t Size) {
    stream_ = Stream;
    start_ = Stream->Position();
    int64_t avail = Stream->Size() - start_;
    if (avail < 0) avail = 0;
    dataSize_ = Size >= 1 ? Size : avail;
    consumed_ = fetched_ = 0;
    bufPos_ = bufLen_ = 0;
    stop_ = end_ = headerSkipped_ = false;
    memory_ = nullptr;
    if (auto* mem = dynamic_cast<TMemoryStream*>(Stream)) {
        // Read in place; never past what the memory actually holds.
        dataSize_ = std::min(dataSize_, avail);
        memory_ = mem->Memory() + start_;
    }
    if (dataSize_ <= 0) {
        end_ = true;
        return;
    }
    if (SkipHeader128 && dataSize_ > HeaderSize) {
        uint8_t b0, b74;
        if (memory_) {
            b0 = memory_[0], b74 = memory_[74];
        } else {
            ReadBuf(0);
            if (bufLen_ <= 74) return;
            b0 = buffer_[0], b74 = buffer_[74];
        }
        if (b0 == 0 && b74 == 0) {
            ReadSkipByte(HeaderSize);
            headerSkipped_ = true;
        }
    }
}

void TPixCustomReadStream::ReadBuf(int keep) {
    if (buffer_.empty()) buffer_.resize(BufferSize);
    if (keep > 0) std::memmove(buffer_.data(), buffer_.data() + bufPos_, static_cast<size_t>(keep));
    bufPos_ = 0;
    bufLen_ = keep;
    int64_t want = std::min<int64_t>(BufferSize - keep, dataSize_ - fetched_);
    if (want <= 0) return;
    int64_t got = stream_->Read(buffer_.data() + keep, want);
    if (got < 0) got = 0;
    fetched_ += got;
    bufLen_ += static_cast<int>(got);
}

bool TPixCustomReadStream::CanRead(int64_t n) {
    if (n < 1) {
        stop_ = true;
        return false;
    }
    if (stop_ || end_) return false;
    if (n > dataSize_ - consumed_) {
        end_ = true;
        return false;
    }
    return true;
}

void TPixCustomReadStream::ReadByte(void* Dest, int64_t n) {
    if (!CanRead(n)) {
        if (n > 0) std::memset(Dest, 0, static_cast<size_t>(n));
        return;
    }
    auto* out = static_cast<uint8_t*>(Dest);
    if (memory_) {
        std::memcpy(out, memory_ + consumed_, static_cast<size_t>(n));
        consumed_ += n;
        return;
    }
    int64_t done = 0;
    while (done < n) {
        int64_t inBuf = bufLen_ - bufPos_;
        if (inBuf > 0) {
            int64_t k = std::min(inBuf, n - done);
            std::memcpy(out + done, buffer_.data() + bufPos_, static_cast<size_t>(k));
            bufPos_ += static_cast<int>(k);
            done += k;
            continue;
        }
        int64_t rest = n - done;
        if (rest > BufferSize) {
            // Long requests bypass the buffer except for their last part.
            int64_t got = stream_->Read(out + done, rest - BufferSize);
            if (got <= 0) break;
            fetched_ += got;
            done += got;
            continue;
        }
        ReadBuf(0);
        if (bufLen_ == 0) break;
    }
    consumed_ += done;
    if (done < n) {
        // The source ran out before the data size it claimed.
        std::memset(out + done, 0, static_cast<size_t>(n - done));
        end_ = true;
    }
}

uint8_t TPixCustomReadStream::Read1Byte() {
    uint8_t b = 0;
    ReadByte(&b, 1);
    return end_ || stop_ ? 0 : b;
}

uint16_t TPixCustomReadStream::ReadWord() {
    uint8_t b[2] = {};
    ReadByte(b, 2);
    return end_ || stop_ ? 0 : static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t TPixCustomReadStream::ReadDWord() {
    uint8_t b[4] = {};
    ReadByte(b, 4);
    return end_ || stop_ ? 0
                         : uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

uint16_t TPixCustomReadStream::ReadMWord() {
    uint8_t b[2] = {};
    ReadByte(b, 2);
    return end_ || stop_ ? 0 : static_cast<uint16_t>(b[0] << 8 | b[1]);
}

uint32_t TPixCustomReadStream::ReadMDword() {
    uint8_t b[4] = {};
    ReadByte(b, 4);
    return end_ || stop_ ? 0
                         : uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]);
}

void TPixCustomReadStream::ReadSkipByte(int64_t n) {
    if (!CanRead(n)) return;
    if (memory_) {
        consumed_ += n;
        return;
    }
    int64_t inBuf = bufLen_ - bufPos_;
    if (n <= inBuf) {
        bufPos_ += static_cast<int>(n);
        consumed_ += n;
        return;
    }
    consumed_ += n;
    bufPos_ = bufLen_ = 0;
    fetched_ = consumed_;
    stream_->Seek(start_ + consumed_, soBeginning);
}

void TPixCustomReadStream::FlushStream() {
    buffer_.clear();
    buffer_.shrink_to_fit();
    bufPos_ = bufLen_ = 0;
    if (stream_) stream_->Seek(start_ + consumed_, soBeginning);
}

void TPixCustomReadStream::DoCallBack(int64_t Value) {
    int p = progress_.Percent(Value);
    if (p >= 0) CallBackProc(p);
}

TPixelFormat PixPixelFormat(int Bits) {
    switch (Bits) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 15:
        return pf15bit;
    case 16:
        return pf16bit;
    case 32:
        return pf32bit;
    default:
        return pf24bit;
    }
}

int PixBitCount(TPixelFormat Format) {
    switch (Format) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 4;
    case pf8bit:
        return 8;
    case pf15bit:
    case pfCustom:
        return 15;
    case pf16bit:
        return 16;
    case pf32bit:
        return 32;
    default:
        return 24;
    }
}

namespace {
void ReportProgress(const TProgressEvent& Event, TObject* Sender, int Percent) {
    if (!Event) return;
    TProgressStage stage = Percent <= 0 ? psStarting : (Percent >= 100 ? psEnding : psRunning);
    Event(Sender, stage, static_cast<uint8_t>(std::min(Percent, 100)), false, TRect(), AnsiString());
}

// Detaches a bitmap's change and progress hooks for the duration of a read or write.
class THookGuard {
  public:
    explicit THookGuard(TBitmap* b)
        : b_(b), change_(std::move(b->OnChange)), progress_(std::move(b->OnProgress)) {
        b->OnChange = nullptr;
        b->OnProgress = nullptr;
    }
    ~THookGuard() {
        b_->OnChange = std::move(change_);
        b_->OnProgress = std::move(progress_);
    }
    const TProgressEvent& Progress() const { return progress_; }

  private:
    TBitmap* b_;
    TNotifyEvent change_;
    TProgressEvent progress_;
};
} // namespace

void TPixCustomGraphicReadStream::LoadFromStream(TBitmap* Bitmap, TStream* Stream, int64_t Size) {
    Bitmap_ = Bitmap;
    THookGuard hooks(Bitmap);
    progress_ = hooks.Progress();
    struct TCleanup {
        TPixCustomGraphicReadStream* s;
        ~TCleanup() {
            s->colorTable_.clear();
            s->progress_ = nullptr;
        }
    } cleanup{this};
    SetLoadStream(Stream, Size);
    Comment.clear();
    ColorCount = BitCount = Width = Height = 0;
    try {
        ReadStream();
    } catch (...) {
        FlushStream();
        throw;
    }
    FlushStream();
}

void TPixCustomGraphicReadStream::CallBackProc(int Percent) {
    ReportProgress(progress_, Bitmap_, Percent);
}

TRGBQuad* TPixCustomGraphicReadStream::ColorTable() {
    if (colorTable_.empty()) colorTable_.resize(256);
    return colorTable_.data();
}

void TPixCustomGraphicReadStream::CreateDIB() {
    Bitmap_->SetSize(0, 0);
    Bitmap_->SetPixelFormat(PixPixelFormat(BitCount));
    Bitmap_->SetSize(Width, Height);
    if (ColorCount > 0) {
        const TRGBQuad* t = ColorTable();
        Bitmap_->SetColorTable(std::vector<TRGBQuad>(t, t + std::min(ColorCount, 256)));
    }
}

void TPixCustomWriteStream::SetWriteStream(TStream* Stream) {
    stream_ = Stream;
    bufLen_ = 0;
    written_ = 0;
    stop_ = false;
}

void TPixCustomWriteStream::WriteBuf() {
    if (bufLen_ > 0) stream_->WriteBuffer(buffer_.data(), bufLen_);
    written_ += bufLen_;
    bufLen_ = 0;
}

void TPixCustomWriteStream::WriteByte(const void* Src, int64_t n) {
    if (n <= 0) {
        stop_ = true;
        return;
    }
    if (n >= 65520) {
        WriteBuf();
        stream_->WriteBuffer(Src, n);
        written_ += n;
        return;
    }
    if (bufLen_ + n >= BufferSize) WriteBuf();
    std::memcpy(buffer_.data() + bufLen_, Src, static_cast<size_t>(n));
    bufLen_ += static_cast<int>(n);
}

void TPixCustomWriteStream::WriteWord(uint16_t v) {
    uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    WriteByte(b, 2);
}

void TPixCustomWriteStream::WriteDWord(uint32_t v) {
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    WriteByte(b, 4);
}

void TPixCustomWriteStream::WriteMWord(uint16_t v) {
    uint8_t b[2] = {uint8_t(v >> 8), uint8_t(v)};
    WriteByte(b, 2);
}

void TPixCustomWriteStream::WriteMDWord(uint32_t v) {
    uint8_t b[4] = {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    WriteByte(b, 4);
}

void TPixCustomWriteStream::DoCallBack(int64_t Value) {
    int p = progress_.Percent(Value);
    if (p >= 0) CallBackProc(p);
}

void TPixCustomGraphicWriteStream::SaveToStream(TBitmap* Bitmap, TStream* Stream) {
    Bitmap_ = Bitmap;
    SetWriteStream(Stream);
    WriteStream();
    FlushStream();
}

void TPixCustomGraphicWriteStream::CallBackProc(int Percent) {
    ReportProgress(Bitmap_->OnProgress, Bitmap_, Percent);
}

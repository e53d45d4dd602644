// JPEG pictures, decoded at full size with libjpeg into a 24-bit bitmap (no EXIF rotation).
// libjpeg reports fatal errors through error_exit; we leave its C frames with longjmp and
// throw only afterwards, in plain C++ code, so no exception ever unwinds through libjpeg.
#include "Graphics.h"
#include "SysUtils.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Larger pictures are refused rather than decoded into memory we may not have.
constexpr int64_t kMaxJpegBytes = int64_t(1) << 30;

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    int code;
};

extern "C" void OnJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->code = err->pub.msg_code;
    longjmp(err->jump, 1);
}

extern "C" void OnJpegMessage(j_common_ptr, int) {} // warnings of damaged data are not fatal

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    bool created = false;
};

// Only plain C data lives in these two functions, so jumping out of libjpeg skips no destructor.
bool ReadHeader(Decoder& d, const uint8_t* data, unsigned long size) {
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = OnJpegError;
    d.err.pub.emit_message = OnJpegMessage;
    d.err.code = 0;
    if (setjmp(d.err.jump)) return false;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    jpeg_mem_src(&d.cinfo, data, size);
    jpeg_read_header(&d.cinfo, TRUE);
    if (d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK)
        d.cinfo.out_color_space = JCS_CMYK;
    else
        d.cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&d.cinfo);
    return true;
}

bool ReadPixels(Decoder& d, uint8_t* const* rows, JDIMENSION count) {
    if (setjmp(d.err.jump)) return false;
    jpeg_start_decompress(&d.cinfo);
    while (d.cinfo.output_scanline < count) {
        JSAMPROW row = rows[d.cinfo.output_scanline];
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

class DecoderGuard {
  public:
    explicit DecoderGuard(Decoder& d) : d_(d) {}
    ~DecoderGuard() {
        if (d_.created) jpeg_destroy_decompress(&d_.cinfo);
    }

  private:
    Decoder& d_;
};

[[noreturn]] void Fail(int code) {
    throw EJPEG("JPEG error #" + std::to_string(code));
}

} // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromStream(TStream* Stream) {
    const int64_t left = Stream->Size() - Stream->Position();
    if (left <= 0 || left > kMaxJpegBytes) Fail(JERR_INPUT_EMPTY);
    std::vector<uint8_t> data(static_cast<size_t>(left));
    Stream->ReadBuffer(data.data(), left);

    Decoder d;
    std::memset(&d.cinfo, 0, sizeof d.cinfo);
    DecoderGuard guard(d);
    if (!ReadHeader(d, data.data(), static_cast<unsigned long>(data.size()))) Fail(d.err.code);
    const int w = static_cast<int>(d.cinfo.output_width), h = static_cast<int>(d.cinfo.output_height);
    const int channels = d.cinfo.out_color_space == JCS_CMYK ? 4 : 3;
    if (int64_t(w) * h * 4 > kMaxJpegBytes) Fail(JERR_IMAGE_TOO_BIG);

    TBitmap decoded;
    decoded.SetPixelFormat(pf24bit);
    decoded.SetSize(w, h);
    std::vector<uint8_t> cmyk;
    std::vector<uint8_t*> rows(static_cast<size_t>(h));
    if (channels == 4) {
        cmyk.resize(static_cast<size_t>(w) * h * 4);
        for (int y = 0; y < h; ++y)
            rows[size_t(y)] = cmyk.data() + size_t(y) * w * 4;
    } else {
        for (int y = 0; y < h; ++y)
            rows[size_t(y)] = decoded.ScanLine(y);
    }
    if (!ReadPixels(d, rows.data(), static_cast<JDIMENSION>(h))) Fail(d.err.code);
    if (channels == 4) {
        // Adobe writes CMYK inverted: the stored values are 255 - ink.
        for (int y = 0; y < h; ++y) {
            const uint8_t* s = rows[size_t(y)];
            uint8_t* p = decoded.ScanLine(y);
            for (int x = 0; x < w; ++x, s += 4, p += 3) {
                p[0] = static_cast<uint8_t>(s[2] * s[3] / 255);
                p[1] = static_cast<uint8_t>(s[1] * s[3] / 255);
                p[2] = static_cast<uint8_t>(s[0] * s[3] / 255);
            }
        }
    }
    bitmap_.Assign(&decoded);
    Changed(this);
}

void TJPEGImage::SaveToStream(TStream*) {
    throw EInvalidGraphicOperation("Saving JPEG images is not supported");
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& R) {
    bitmap_.Draw(ACanvas, R);
}

void TJPEGImage::Assign(TPersistent* Source) {
    if (auto* j = dynamic_cast<TJPEGImage*>(Source)) {
        bitmap_.Assign(&j->bitmap_);
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TJPEGImage::AssignTo(TPersistent* Dest) {
    if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
        b->Assign(&bitmap_);
        return;
    }
    TGraphic::AssignTo(Dest);
}

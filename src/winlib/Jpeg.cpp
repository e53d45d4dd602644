// JPEG pictures, decoded with libjpeg into a 24-bit bitmap (no EXIF rotation); a picture beyond
// the load limit is decoded at the largest of libjpeg's scales m/8 that fits, and reduced further
// only when even 1/8 is too large. A file that ends before its picture does is refused.
// libjpeg reports fatal errors through error_exit; we leave its C frames with longjmp and
// throw only afterwards, in plain C++ code, so no exception ever unwinds through libjpeg.
#include "Graphics.h"
#include "PictureReducer.h"
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
    char text[JMSG_LENGTH_MAX];
    bool dataEnded;   // the file ended before its end marker
    bool rowsStarved; // compressed rows ran short and were made up
};

extern "C" void OnJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->pub.format_message(cinfo, err->text);
    longjmp(err->jump, 1);
}

// Warnings of damaged data are not fatal; two of them tell that the file was cut short.
extern "C" void OnJpegMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level >= 0) return;
    if (err->pub.msg_code == JWRN_JPEG_EOF) err->dataEnded = true;
    if (err->pub.msg_code == JWRN_HIT_MARKER) err->rowsStarved = true;
}

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    bool created = false;
};

// Only plain C data lives in these two functions, so jumping out of libjpeg skips no destructor.
bool ReadHeader(Decoder& d, const uint8_t* data, unsigned long size, TPictureLimit limit) {
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = OnJpegError;
    d.err.pub.emit_message = OnJpegMessage;
    d.err.text[0] = 0;
    d.err.dataEnded = d.err.rowsStarved = false;
    if (setjmp(d.err.jump)) return false;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    jpeg_mem_src(&d.cinfo, data, size);
    jpeg_read_header(&d.cinfo, TRUE);
    if (d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK)
        d.cinfo.out_color_space = JCS_CMYK;
    else
        d.cinfo.out_color_space = JCS_EXT_BGR;
    // The largest scale m/8 whose output fits the limit, else the smallest, 1/8.
    d.cinfo.scale_denom = 8;
    for (unsigned m = 8; m >= 1; --m) {
        d.cinfo.scale_num = m;
        jpeg_calc_output_dimensions(&d.cinfo);
        if (limit.Fits(d.cinfo.output_width, d.cinfo.output_height)) break;
    }
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

[[noreturn]] void Fail(const AnsiString& why) {
    throw EJPEG("JPEG error: " + why);
}

} // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromStream(TStream* Stream) {
    const int64_t left = Stream->Size() - Stream->Position();
    if (left <= 0) Fail("Empty input file");
    if (left > kMaxJpegBytes) Fail("File too large");
    std::vector<uint8_t> data(static_cast<size_t>(left));
    Stream->ReadBuffer(data.data(), left);

    Decoder d;
    std::memset(&d.cinfo, 0, sizeof d.cinfo);
    DecoderGuard guard(d);
    if (!ReadHeader(d, data.data(), static_cast<unsigned long>(data.size()), LoadLimit)) Fail(d.err.text);
    const int w = static_cast<int>(d.cinfo.output_width), h = static_cast<int>(d.cinfo.output_height);
    const int channels = d.cinfo.out_color_space == JCS_CMYK ? 4 : 3;
    if (int64_t(w) * h * 4 > kMaxJpegBytes) Fail("Image too big");

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
    if (!ReadPixels(d, rows.data(), static_cast<JDIMENSION>(h))) Fail(d.err.text);
    // A cut file: libjpeg made up the rows it lacked, or the later scans of a picture built up
    // scan by scan are missing. A single-scan file that lacks only its end marker loses nothing.
    if (d.err.dataEnded && (d.err.rowsStarved || jpeg_has_multiple_scans(&d.cinfo)))
        Fail("Premature end of JPEG file");
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
    if (!LoadLimit.Fits(w, h)) {
        // Even at 1/8 the picture is beyond the limit.
        TBitmap reduced;
        TPictureReducer reducer(w, h, LoadLimit.Fit(w, h), &reduced);
        for (int y = 0; y < h; ++y)
            reducer.AddRow(y, decoded.ScanLine(y), 24, {});
        bitmap_.MoveFrom(reduced);
    } else {
        bitmap_.MoveFrom(decoded);
    }
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

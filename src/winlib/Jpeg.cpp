// JPEG pictures, decoded with libjpeg into a 24-bit bitmap (no EXIF rotation); a picture beyond
// the load limit is decoded at the largest of libjpeg's scales m/8 that fits, and reduced further
// only when even 1/8 is too large. A file that ends before its picture does is refused; one that
// lacks only its end marker loses nothing and loads.
// libjpeg reports fatal errors through error_exit; we leave its C frames with longjmp and
// throw only afterwards, in plain C++ code, so no exception ever unwinds through libjpeg. Every
// libjpeg call is made inside one of the functions below that hold the jump's setjmp, so a jump
// always lands in a frame that is still running.
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
    bool rowsStarved; // a scan's compressed data ran short and was made up
};

extern "C" void OnJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->pub.format_message(cinfo, err->text);
    longjmp(err->jump, 1);
}

// Warnings of damaged data are not fatal; these tell that the file was cut short.
extern "C" void OnJpegMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level >= 0) return;
    if (err->pub.msg_code == JWRN_JPEG_EOF) err->dataEnded = true;
    if (err->pub.msg_code == JWRN_HIT_MARKER) err->rowsStarved = true;
}

// A coefficient not sent by any scan yet.
constexpr signed char kNotSent = 127;

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    bool created = false;
    bool multiScan = false; // sent in several scans (progressive, or one component at a time)
    bool allSent = true;    // every scan that such a picture needs has come
    // Per component and coefficient: the finest precision a scan has brought it at, as the
    // successive-approximation bit (0 is full precision; a sequential scan brings 0).
    signed char precision[MAX_COMPONENTS][DCTSIZE2];
};

// Notes what the scan whose header libjpeg has just read brings. Plain C++, no libjpeg call.
void NoteScan(Decoder& d) {
    const jpeg_decompress_struct& c = d.cinfo;
    const bool progressive = c.progressive_mode;
    const int first = progressive ? (c.Ss < 0 ? 0 : c.Ss) : 0;
    const int last = progressive ? (c.Se >= DCTSIZE2 ? DCTSIZE2 - 1 : c.Se) : DCTSIZE2 - 1;
    const signed char bit = static_cast<signed char>(progressive ? (c.Al < 0 || c.Al > 13 ? 13 : c.Al) : 0);
    for (int i = 0; i < c.comps_in_scan && i < MAX_COMPS_IN_SCAN; ++i) {
        const int ci = c.cur_comp_info[i]->component_index;
        if (ci < 0 || ci >= MAX_COMPONENTS) continue;
        for (int k = first; k <= last; ++k)
            if (bit < d.precision[ci][k]) d.precision[ci][k] = bit;
    }
}

bool EverythingSent(const Decoder& d) {
    for (int ci = 0; ci < d.cinfo.num_components && ci < MAX_COMPONENTS; ++ci)
        for (int k = 0; k < DCTSIZE2; ++k)
            if (d.precision[ci][k] != 0) return false;
    return true;
}

// Only plain C data lives in these functions, so jumping out of libjpeg skips no destructor.
bool ReadHeader(Decoder& d, const uint8_t* data, unsigned long size, TPictureLimit limit) {
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = OnJpegError;
    d.err.pub.emit_message = OnJpegMessage;
    d.err.text[0] = 0;
    d.err.dataEnded = d.err.rowsStarved = false;
    std::memset(d.precision, kNotSent, sizeof d.precision);
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
    // Asked here, while the decoder can answer (from the header until it finishes).
    d.multiScan = jpeg_has_multiple_scans(&d.cinfo);
    return true;
}

// A picture sent in several scans is read whole first (libjpeg's buffered-image mode), noting
// what each scan brings, and then drawn from everything that came.
bool ReadPixels(Decoder& d, uint8_t* const* rows, JDIMENSION count) {
    if (setjmp(d.err.jump)) return false;
    d.cinfo.buffered_image = d.multiScan ? TRUE : FALSE;
    jpeg_start_decompress(&d.cinfo);
    if (d.multiScan) {
        NoteScan(d); // the first scan, whose header jpeg_read_header has read
        for (;;) {
            const int got = jpeg_consume_input(&d.cinfo);
            if (got == JPEG_REACHED_EOI || got == JPEG_SUSPENDED) break;
            if (got == JPEG_REACHED_SOS) NoteScan(d);
        }
        d.allSent = EverythingSent(d);
        jpeg_start_output(&d.cinfo, d.cinfo.input_scan_number);
    }
    while (d.cinfo.output_scanline < count) {
        JSAMPROW row = rows[d.cinfo.output_scanline];
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    if (d.multiScan) jpeg_finish_output(&d.cinfo);
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

// jpeg_destroy raises no error; it gets a live scope all the same, like every libjpeg call.
void Destroy(Decoder& d) {
    if (setjmp(d.err.jump)) return;
    jpeg_destroy_decompress(&d.cinfo);
}

class DecoderGuard {
  public:
    explicit DecoderGuard(Decoder& d) : d_(d) {}
    ~DecoderGuard() {
        if (d_.created) Destroy(d_);
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
    // A cut file: libjpeg made up the compressed data a scan lacked, or scans of a picture built
    // up scan by scan are missing. A file that lacks only its end marker loses nothing.
    if (d.err.dataEnded && (d.err.rowsStarved || !d.allSent)) Fail("Premature end of JPEG file");
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

#include "PictureFault.h"

#include "image/Pixpngtypes.h"
#include "winlib/SysUtils.h"

#include <new>

AnsiString PictureFaultText(const std::exception& Error) {
    if (dynamic_cast<const EFOpenError*>(&Error)) return "ファイルを開けません。";
    if (dynamic_cast<const EPixPNG*>(&Error))
        return "PNG画像として読めません（" + AnsiString(Error.what()) + "）。";
    if (dynamic_cast<const EJPEG*>(&Error))
        return "JPEG画像として読めません。壊れているか、途中で切れています。";
    if (dynamic_cast<const EInvalidGraphic*>(&Error))
        return "ビットマップ画像として読めません。壊れているか、途中で切れています。";
    if (dynamic_cast<const EReadError*>(&Error)) return "ファイルが途中で切れています。";
    if (dynamic_cast<const std::bad_alloc*>(&Error)) return "画像が大きすぎて読み込めません。";
    return "画像の形式が正しくありません。";
}

// The background picture as the settings pass restores it.
#include "Unit1.h"

#include "Abitmap.h"
#include "BackgroundPicture.h"
#include "Buinpicfilters.h"

void TForm1::RestoreBackgroundPicture() {
    // A stored picture that cannot be read whole is skipped without a message (nobody chose it
    // just now); the stored path stays.
    LoadBackgroundPicture(BGImage, BGBitmap, /*Guarded=*/true);
    // The stored quarter turns, applied whether or not a picture arrived.
    TBuinPicFilters filters;
    switch (BGRoted) {
    case 1:
        filters.Rotate90Right(BGBitmap);
        break;
    case 2:
        filters.RotateTopBottom(BGBitmap);
        filters.RotateMirror(BGBitmap);
        break;
    case 3:
        filters.Rotate90Left(BGBitmap);
        break;
    default:
        break;
    }
}

// The background picture as the settings pass restores it.
#include "Unit1.h"

#include "Abitmap.h"
#include "BackgroundPicture.h"

void TForm1::RestoreBackgroundPicture() {
    // A picture that cannot be loaded is skipped without a message; the stored path stays.
    LoadBackgroundPicture(BGImage, BGBitmap, /*Guarded=*/true);
}

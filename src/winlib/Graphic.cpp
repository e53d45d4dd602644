// Defaults shared by every picture class.
#include "Graphics.h"
#include "SysUtils.h"

void TGraphic::LoadFromFile(const AnsiString& FileName) {
    TFileStream s(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&s);
}

void TGraphic::SaveToFile(const AnsiString& FileName) {
    TFileStream s(FileName, fmCreate);
    SaveToStream(&s);
}

void TGraphic::Changed(TObject*) {
    if (OnChange) OnChange(this);
}

void TGraphic::Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow,
                        const TRect& R, const AnsiString& Msg) {
    if (OnProgress) OnProgress(Sender, Stage, PercentDone, RedrawNow, R, Msg);
}

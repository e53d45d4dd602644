#include "render/ArcArguments.h"

#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/SysUtils.h"

TArcArguments ReadArcArguments() {
    TForm1* f = Form1;
    TArcArguments a;
    a.Diameter = static_cast<float>(StrToFloatDef(f->Edit24->Text(), 100.0));
    a.Divisions = StrToWholeDef(f->Edit26->Text(), 0);
    const AnsiString rings = f->Edit25->Text();
    a.Rings = rings == "0" ? 1 : StrToWholeDef(rings, 1);
    a.CircleStyle = f->ComboBox5->ItemIndex();
    a.DivisionStyle = f->ComboBox9->ItemIndex();
    return a;
}

#include "render/LogArguments.h"

#include "shell/Unit1.h"
#include "winlib/SysUtils.h"

#include <cmath>

float ReadLogRatio() {
    double v;
    if (!TryStrToFloat(Form1->Edit10->Text(), v)) return 1.0f;
    const float ratio = static_cast<float>(v);
    return std::isfinite(ratio) && ratio >= 0 ? ratio : 1.0f;
}

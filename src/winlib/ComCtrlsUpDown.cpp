// Up-down arrows coupled to an edit: the position lives in the edit's text.
#include "ComCtrls.h"

#include "Forms.h"
#include "widgetset/WSComCtrls.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {
// The edit's text as a whole number (blanks around it allowed), or false.
bool ParseWhole(const AnsiString& s, int& out) {
    size_t b = s.find_first_not_of(" \t");
    size_t e = s.find_last_not_of(" \t");
    if (b == AnsiString::npos) return false;
    std::string t = s.substr(b, e - b + 1);
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(t.c_str(), &end, 10);
    if (errno || end == t.c_str() || *end || v < INT32_MIN || v > INT32_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

// What the edit says, before clamping; the fallback when it is not a number.
int RawPosition(const TEdit* e, int fallback) {
    int v;
    return e && ParseWhole(e->Text(), v) ? v : fallback;
}

int Clamp(int v, int a, int b) {
    return std::clamp(v, std::min(a, b), std::max(a, b));
}

} // namespace

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateUpDown(this));
    SetBounds(0, 0, 17, 21);
}

void TUpDown::SetAssociate(TEdit* e) {
    associate_ = e;
    if (!e) return;
    // The up-down takes the right end of its edit, which gets narrower by its width.
    int w = Width();
    if (e->Parent() != Parent()) SetParent(e->Parent());
    e->SetWidth(std::max(0, e->Width() - w));
    SetBounds(e->Left() + e->Width(), e->Top(), w, e->Height());
    SetPosition(position_);
}

int TUpDown::Position() const {
    return Clamp(RawPosition(associate_, position_), min_, max_);
}

void TUpDown::SetPosition(int p) {
    position_ = Clamp(p, min_, max_);
    // The text has no thousands separators, so it reads back as a whole number.
    if (associate_) associate_->SetText(std::to_string(position_));
}

void TUpDown::SetMin(int m) {
    min_ = m;
    int raw = RawPosition(associate_, position_);
    if (raw != Clamp(raw, min_, max_)) SetPosition(raw);
}

void TUpDown::SetMax(int m) {
    max_ = m;
    int raw = RawPosition(associate_, position_);
    if (raw != Clamp(raw, min_, max_)) SetPosition(raw);
}

void TUpDown::UserClick(TUDBtnType Button) {
    RunGuarded([&] {
        // Steps from what the edit shows, which may be what the user typed.
        int from = Position();
        long long next = static_cast<long long>(from) + (Button == btNext ? increment_ : -increment_);
        next = std::clamp<long long>(next, std::min(min_, max_), std::max(min_, max_));
        SetPosition(static_cast<int>(next));
        TUDClickEvent handler = OnClick;
        if (handler) handler(this, Button);
    });
}

namespace wsevents {
void UpDownClicked(TUpDown* UpDown, TUDBtnType Button) {
    UpDown->UserClick(Button);
}
} // namespace wsevents

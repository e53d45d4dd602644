// Multi-line edits: the lines are the value; OnChange runs whenever the text really changes.
#include "winlib/StdCtrls.h"

#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QPlainTextEdit>

namespace {
QPlainTextEdit* MemoWidget(const TMemo* m) {
    return static_cast<QPlainTextEdit*>(m->Impl()->Widget());
}

void ShowText(const TMemo* m, const AnsiString& text) {
    TControlImpl* impl = m->Impl();
    ++impl->programWrites;
    {
        QSignalBlocker block(MemoWidget(m));
        AnsiString shown = text;
        if (!shown.empty() && shown.back() == '\n') shown.pop_back();
        MemoWidget(m)->setPlainText(ToQString(shown));
    }
    --impl->programWrites;
}
} // namespace

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QPlainTextEdit;
    SetImpl(std::make_unique<TControlImpl>(this, w));
    SetBounds(0, 0, 185, 89);
    QObject::connect(w, &QPlainTextEdit::textChanged, w, [this] {
        if (Impl()->programWrites) return;
        AnsiString before = lines_.Text();
        lines_.SetText(FromQString(MemoWidget(this)->toPlainText()));
        if (lines_.Text() != before) RunGuarded([&] { Fire(OnChange, this); });
    });
}

AnsiString TMemo::Text() const {
    return lines_.Text();
}

void TMemo::SetText(const AnsiString& t) {
    AnsiString before = lines_.Text();
    lines_.SetText(t);
    ShowText(this, lines_.Text());
    if (lines_.Text() != before) Fire(OnChange, this);
}

void TMemo::LinesChanged() {
    ShowText(this, lines_.Text());
}

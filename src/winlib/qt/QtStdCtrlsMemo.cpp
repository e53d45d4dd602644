// Multi-line edits on a QPlainTextEdit.
#include "winlib/StdCtrls.h"
#include "winlib/widgetset/WSStdCtrls.h"

#include "ControlImpl.h"

#include <QPlainTextEdit>

namespace {
QPlainTextEdit* MemoWidget(const TMemo* m) {
    return static_cast<QPlainTextEdit*>(m->Impl()->Widget());
}
} // namespace

std::unique_ptr<TWSControl> ws::CreateMemo(TMemo* Memo) {
    auto* w = new QPlainTextEdit;
    auto impl = std::make_unique<TControlImpl>(Memo, w);
    QObject::connect(w, &QPlainTextEdit::textChanged, w, [Memo, w, state = impl.get()] {
        if (!state->programWrites) wsevents::MemoTextEdited(Memo, FromQString(w->toPlainText()));
    });
    return impl;
}

void ws::MemoShowText(TMemo* Memo, const AnsiString& Text) {
    Memo->Impl()->WriteQuietly(MemoWidget(Memo), [&] { MemoWidget(Memo)->setPlainText(ToQString(Text)); });
}

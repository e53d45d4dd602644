// One-line edits on a QLineEdit.
#include "winlib/StdCtrls.h"
#include "winlib/widgetset/WSStdCtrls.h"

#include "ControlImpl.h"

#include <QLineEdit>
#include <QPalette>

namespace {
class TEditImpl : public TControlImpl {
  public:
    TEditImpl(TEdit* e, QLineEdit* w) : TControlImpl(e, w), edit(w) {
        QObject::connect(w, &QLineEdit::textEdited, w, [this, e](const QString& s) {
            if (!programWrites) wsevents::EditTextEdited(e, FromQString(s));
        });
    }
    QLineEdit* edit;

    void ApplyColor(TColor c) override {
        QColor q = ToQColor(c);
        if (!q.isValid()) return;
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, q);
        edit->setPalette(pal);
    }

    // Types one character as the user would (the key a handler chose instead of the pressed one).
    void TypeKey(char k) {
        if (edit->isReadOnly()) return;
        if (k == 8) {
            ++programWrites;
            edit->backspace();
            --programWrites;
        } else if (static_cast<unsigned char>(k) >= 32) {
            ++programWrites;
            edit->insert(QString(QChar(static_cast<unsigned char>(k))));
            --programWrites;
        } else {
            return;
        }
        wsevents::EditTextEdited(static_cast<TEdit*>(Control()), FromQString(edit->text()));
    }

    bool ReplaceKey(char k) override {
        TypeKey(k);
        return true;
    }
};

TEditImpl* EditImpl(const TEdit* e) {
    return static_cast<TEditImpl*>(e->Impl());
}
} // namespace

std::unique_ptr<TWSControl> ws::CreateEdit(TEdit* Edit) {
    return std::make_unique<TEditImpl>(Edit, new QLineEdit);
}

void ws::EditShowText(TEdit* Edit, const AnsiString& Text) {
    TEditImpl* impl = EditImpl(Edit);
    impl->WriteQuietly(impl->edit, [&] { impl->edit->setText(ToQString(Text)); });
}

void ws::EditSelectAll(TEdit* Edit) {
    EditImpl(Edit)->edit->selectAll();
}

void ws::EditSetCaret(TEdit* Edit, int Pos) {
    EditImpl(Edit)->edit->setCursorPosition(Pos);
}

void ws::EditSetReadOnly(TEdit* Edit, bool ReadOnly) {
    EditImpl(Edit)->edit->setReadOnly(ReadOnly);
}

void ws::EditSetMaxLength(TEdit* Edit, int MaxLength) {
    EditImpl(Edit)->edit->setMaxLength(MaxLength > 0 ? MaxLength : 32767);
}

void ws::EditTypeKey(TEdit* Edit, char Key) {
    EditImpl(Edit)->TypeKey(Key);
}

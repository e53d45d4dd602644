// One-line edits: the text is the control's value; OnChange runs whenever it really changes.
#include "winlib/StdCtrls.h"

#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

namespace {
class TEditImpl : public TControlImpl {
  public:
    TEditImpl(TControl* c, QLineEdit* e) : TControlImpl(c, e), edit(e) {}
    QLineEdit* edit;
    // Set by the edit: takes a text the user produced.
    std::function<void(const AnsiString&)> userEdited;

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
        userEdited(FromQString(edit->text()));
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

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    auto* le = new QLineEdit;
    auto impl = std::make_unique<TEditImpl>(this, le);
    impl->userEdited = [this](const AnsiString& t) { TextEditedByUser(t); };
    QObject::connect(le, &QLineEdit::textEdited, le, [this](const QString& s) {
        if (!EditImpl(this)->programWrites) TextEditedByUser(FromQString(s));
    });
    SetImpl(std::move(impl));
    SetBounds(0, 0, 121, 21);
    TControl::SetColor(clWindow);
}

void TEdit::SetText(const AnsiString& t) {
    if (t == text_) return;
    text_ = t;
    TEditImpl* impl = EditImpl(this);
    ++impl->programWrites;
    {
        QSignalBlocker block(impl->edit);
        impl->edit->setText(ToQString(t));
    }
    --impl->programWrites;
    Fire(OnChange, this);
}

void TEdit::TextEditedByUser(const AnsiString& t) {
    if (t == text_) return;
    text_ = t;
    RunGuarded([&] { Fire(OnChange, this); });
}

void TEdit::UserSetText(const AnsiString& t) {
    TEditImpl* impl = EditImpl(this);
    ++impl->programWrites;
    {
        QSignalBlocker block(impl->edit);
        impl->edit->setText(ToQString(t));
    }
    --impl->programWrites;
    TextEditedByUser(t);
}

char TEdit::UserKeyPress(char Key) {
    char k = Key;
    RunGuarded([&] {
        TKeyPressEvent handler = OnKeyPress;
        if (handler) handler(this, k);
    });
    if (k != 0 && k != 13 && k != 27) EditImpl(this)->TypeKey(k);
    return k;
}

void TEdit::SelectAll() {
    EditImpl(this)->edit->selectAll();
}

void TEdit::SetReadOnly(bool r) {
    readOnly_ = r;
    EditImpl(this)->edit->setReadOnly(r);
}

void TEdit::SetMaxLength(int m) {
    maxLength_ = m;
    EditImpl(this)->edit->setMaxLength(m > 0 ? m : 32767);
}

void TEdit::SetColor(TColor c) {
    TControl::SetColor(c);
}

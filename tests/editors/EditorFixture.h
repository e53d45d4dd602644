// The real main window, with helpers for the editing handlers: whether the preview was rebuilt,
// the texts a handler wrote into an edit on the way, and the printable area a test wants.
#pragma once

#include "editors/NumberText.h"
#include "shell/MainWindowFixture.h"

#include <deque>
#include <vector>

class EditorTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShownMessages().clear(); // only what the test itself causes
    }

    // A colour no renderer paints: it stays in the preview until the next rebuild.
    static constexpr TColor kStale = 0x00123456;
    void MarkPreviewStale() { f->PreviewBitmap->PutColor(1, 1, kStale); }
    bool PreviewRebuilt() const {
        TColor c;
        f->PreviewBitmap->GetColor(1, 1, c);
        return (c & 0xFFFFFF) != kStale;
    }

    // Records every text the edit takes while its change handler still runs as bound.
    std::vector<AnsiString>* RecordTexts(TEdit* e) {
        auto* seen = &recorded_.emplace_back();
        TNotifyEvent bound = e->OnChange;
        e->OnChange = [e, seen, bound](TObject* s) {
            seen->push_back(e->Text());
            if (bound) bound(s);
        };
        return seen;
    }

    // The exception boxes shown so far (texts only).
    std::vector<AnsiString> ExceptionBoxes() const {
        std::vector<AnsiString> out;
        for (const ShownMessage& m : ShownMessages())
            if (m.Kind == ShownMessageKind::Exception) out.push_back(m.Text);
        return out;
    }

    static DialogAnswer ColourAnswer(bool ok, TColor c = clBlack) {
        DialogAnswer a;
        a.Kind = DialogKind::Color;
        a.Ok = ok;
        a.Color = c;
        return a;
    }

  private:
    std::deque<std::vector<AnsiString>> recorded_; // a deque keeps the recorders in place
};

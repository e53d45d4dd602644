// Shared set-up for the control tests: a shown top-level panel that the controls live on, and a
// helper that lets the toolkit deliver what it has queued (paints, resizes).
#pragma once

#include "test_forms_support.h"

#include "winlib/qt/ControlImpl.h"
#include "winlib/ExtCtrls.h"

#include "EventWait.h"

class ControlsTest : public WinlibTest {
  protected:
    void SetUp() override {
        WinlibTest::SetUp();
        ForceDialogsHeadless(true);
        host = new TPanel(nullptr);
        host->SetBounds(0, 0, 400, 300);
        host->Impl()->Widget()->show();
    }
    void TearDown() override {
        delete host;
        WinlibTest::TearDown();
    }
    // Delivers queued events until the queue goes quiet; false when it never does.
    [[nodiscard]] static bool Settle() { return eventwait::UntilQuiet(); }
    int ExceptionBoxes() const { return CountShown(ShownMessageKind::Exception); }
    TPanel* host = nullptr;
};

// Shared set-up for the control tests: a shown top-level panel that the controls live on, and
// helpers to let the toolkit run for a while.
#pragma once

#include "test_forms_support.h"

#include "winlib/ControlImpl.h"
#include "winlib/ExtCtrls.h"

#include <QElapsedTimer>

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
    // Runs the event loop for ms milliseconds, so that pending paints happen.
    static void Pump(int ms = 50) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    int ExceptionBoxes() const { return CountShown(ShownMessageKind::Exception); }
    TPanel* host = nullptr;
};

// Shared set-up for the tests of forms, menus and dialogs: a toolkit application, and a clean
// dialog script and message log around every test.
#pragma once

#include "winlib/DialogScript.h"
#include "winlib/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

inline void EnsureTestApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "ruliform_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

class WinlibTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureTestApplication();
        ClearScriptedAnswers();
        ShownMessages().clear();
        Application->SetTitle("Ruliform");
    }
    void TearDown() override {
        EXPECT_EQ(ScriptedAnswerCount(), 0) << "answers left over: the program opened fewer dialogs";
        ClearScriptedAnswers();
        ShownMessages().clear();
    }
    static int CountShown(ShownMessageKind k) {
        int n = 0;
        for (const ShownMessage& m : ShownMessages())
            n += m.Kind == k;
        return n;
    }
};

// Fails the test instead of hanging when a loop that should end by itself does not: after the
// delay it runs the rescue, which must end the loop.
class Watchdog {
  public:
    template <class F> Watchdog(int ms, F rescue) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this, rescue] {
            fired = true;
            rescue();
        });
        timer_.start(ms);
    }
    bool fired = false;

  private:
    QTimer timer_;
};

// The real main window with the text-item window created, as the program's start creates it
// after the main window: the text page's handlers fill and read it.
#pragma once

#include "EditorFixture.h"

#include "editors/Unit8.h"

class TextItemWindowTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        MojiPanel = new TMojiPanel(nullptr);
    }
    void TearDown() override {
        delete MojiPanel;
        MojiPanel = nullptr;
        EditorTest::TearDown();
    }
};

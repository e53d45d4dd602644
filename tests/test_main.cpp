#include <QApplication>

#include <gtest/gtest.h>

// Text drawing and font metrics need a GUI application; tests run it headless (offscreen).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

// The print and printer-setup windows keep their width when a queue has a very long name: the
// closed printer list cuts the name short, its open list and tip show it whole.
#include "cups_jobs.h"
#include "private_cups.h"
#include "winlib/Printers.h"
#include "winlib/qt/PrinterChoiceWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

using printertest::Quote;
using printertest::RunCommand;

bool Admin(const std::string& command) {
    int status = -1;
    RunCommand("PATH=\"$PATH:/usr/sbin:/sbin\" " + command, &status);
    return status == 0;
}

// A name as long as a queue's may reasonably be, yet one the open list can show whole on the
// test screen.
const std::string kLongQueue = "ruliform_" + std::string(60, 'w') + "_floor3_east_wing";

class CupsPrinterChoiceWidth : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!TheCups().Running()) GTEST_SKIP() << "no private CUPS server: " << TheCups().skipReason;
        ASSERT_TRUE(
            Admin("lpadmin -p " + Quote(kLongQueue) + " -E -v cups-pdf:/ -P " + Quote(TheCups().ppd)));
    }
    void TearDown() override {
        if (!TheCups().Running()) return;
        EXPECT_TRUE(Admin("lpadmin -x " + Quote(kLongQueue)));
    }
};

// The window's width as shown, with the printer of Name current.
int ShownWidth(TPrinterChoiceKind kind, TPrinter& printer, const std::string& name) {
    EXPECT_TRUE(printer.SetPrinterByName(name)) << name;
    winlib::PrinterChoiceWindow window(kind, &printer);
    window.show();
    QApplication::processEvents();
    return window.width();
}

TEST_F(CupsPrinterChoiceWidth, ALongQueueNameDoesNotWidenEitherWindow) {
    TPrinter printer;
    ASSERT_GE(printer.Printers().IndexOf(kLongQueue), 0) << "the queue was not listed";
    for (const TPrinterChoiceKind kind : {TPrinterChoiceKind::Print, TPrinterChoiceKind::Setup}) {
        SCOPED_TRACE(kind == TPrinterChoiceKind::Print ? "print" : "setup");
        // The same queue's papers under a short name and a long one: only the name differs.
        const int usual = ShownWidth(kind, printer, TheCups().queue);
        const int withLongName = ShownWidth(kind, printer, kLongQueue);
        EXPECT_EQ(withLongName, usual);

        winlib::PrinterChoiceWindow window(kind, &printer);
        QComboBox* list = window.PrinterBox();
        const int nameWidth =
            QFontMetrics(list->font()).horizontalAdvance(QString::fromStdString(kLongQueue));
        // Before, the window grew with the name, past it.
        EXPECT_LT(withLongName, nameWidth);
        // The whole name in the tip and in the open list.
        EXPECT_EQ(list->currentText().toStdString(), kLongQueue);
        EXPECT_EQ(list->toolTip().toStdString(), kLongQueue);
        EXPECT_EQ(list->itemData(list->currentIndex(), Qt::ToolTipRole).toString().toStdString(), kLongQueue);
        EXPECT_GE(list->view()->minimumWidth(), nameWidth);
        // The tip follows the choice.
        list->setCurrentIndex(list->findText(QString::fromStdString(TheCups().queue)));
        EXPECT_EQ(list->toolTip().toStdString(), TheCups().queue);
    }
}

} // namespace

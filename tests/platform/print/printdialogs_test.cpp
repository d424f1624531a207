// The printer-setup and print dialogs over a fake printer list: answered by
// the modal responder, and their real windows used and photographed.
#include <gtest/gtest.h>

#include <memory>

#include "platform/print/printdialogs.h"
#include "platform/print/printerbackend.h"
#include "platform/print/printers.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/testseams.h"
#include "tests/platform/ui/dialog_driver.h"
#include "tests/support/temp_dir.h"

namespace {

class PrintDialogTest : public testing::Test {
protected:
    PrintDialogTest() {
        PrinterDescription counter, office;
        counter.Name = "柜台打印机";
        office.Name = "办公室打印机";
        SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{counter, office}, "柜台打印机"));
        Printer()->SetPrinterIndex(-1);
        Printer()->Copies = 1;
        Printer()->Orientation = poPortrait;
        ResetModalResponder();
    }
    ~PrintDialogTest() override {
        ResetModalResponder();
        Printer()->SetPrinterIndex(-1);
        Printer()->Copies = 1;
        Printer()->Orientation = poPortrait;
        SetPrinterBackend(nullptr);
    }
};

TButton* ButtonOf(TWinControl* form, const AnsiString& caption) {
    for (TButton* button : ControlsOf<TButton>(form))
        if (button->Caption() == caption) return button;
    return nullptr;
}

void ClickIn(TWinControl* control) {
    SimulateClick(control->Handle(), POINT{6, control->Height() / 2});
    ProcessMessages();
}

TEST_F(PrintDialogTest, TheResponderChoosesPrinterAndPages) {
    TPrinterSetupDialog setup(nullptr);
    TPrintDialog print(nullptr);
    print.SetMinPage(1);
    print.SetMaxPage(4);
    print.SetCopies(2);
    PushModalAnswer({1, "办公室打印机"});
    PushModalAnswer({1, "2-9"});  // beyond MaxPage: the range stays
    PushModalAnswer({1, "2-3"});
    PushModalAnswer({0});
    EXPECT_TRUE(setup.Execute());
    EXPECT_EQ(Printer()->PrinterIndex(), 1);
    EXPECT_TRUE(print.Execute());
    EXPECT_EQ(print.PrintRange(), prAllPages);
    EXPECT_TRUE(print.Execute());
    EXPECT_EQ(print.PrintRange(), prPageNums);
    EXPECT_EQ(print.FromPage(), 2);
    EXPECT_EQ(print.ToPage(), 3);
    EXPECT_EQ(Printer()->Copies, 2);
    EXPECT_FALSE(print.Execute());
    ASSERT_EQ(ModalQuestions().size(), 4u);
    EXPECT_EQ(ModalQuestions()[0].text, "柜台打印机");
    EXPECT_EQ(ModalQuestions()[1].kind, "PrintDialog");
    EXPECT_EQ(ModalQuestions()[1].text, "办公室打印机");
    print.SetOptions(TPrintDialogOptions::FromBits(0x1FF));
    EXPECT_EQ(print.Options().Bits(), 0xFFu);
}

TEST_F(PrintDialogTest, ThePrintDialogTakesPrinterPagesAndCopies) {
    TPrintDialog dialog(nullptr);
    dialog.SetOptions({poPageNums, poPrintToFile});
    dialog.SetMinPage(1);
    dialog.SetMaxPage(10);
    dialog.SetFromPage(1);
    dialog.SetToPage(10);
    const bool chosen = RunDialog(&dialog, [&](TForm* form) {
        EXPECT_EQ(form->Caption(), "打印");
        TComboBox* printers = ControlsOf<TComboBox>(form).at(0);
        EXPECT_EQ(printers->Items()->Count(), 2);
        EXPECT_EQ(printers->ItemIndex(), 0);
        printers->SetItemIndex(1);
        ClickIn(ControlsOf<TRadioButton>(form).at(1));  // page range
        const std::vector<TEdit*> edits = ControlsOf<TEdit>(form);
        edits.at(0)->SetText("3");
        edits.at(1)->SetText("5");
        edits.at(2)->SetText("2");
        ClickIn(ControlsOf<TCheckBox>(form).at(0));  // collate
        ProcessMessages();
        SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "print_dialog.png");
        ClickIn(ButtonOf(form, "确定"));
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(Printer()->PrinterIndex(), 1);
    EXPECT_EQ(dialog.PrintRange(), prPageNums);
    EXPECT_EQ(dialog.FromPage(), 3);
    EXPECT_EQ(dialog.ToPage(), 5);
    EXPECT_EQ(dialog.Copies(), 2);
    EXPECT_EQ(Printer()->Copies, 2);
    EXPECT_TRUE(dialog.Collate());
}

TEST_F(PrintDialogTest, TheSetupDialogTakesPrinterAndOrientation) {
    TPrinterSetupDialog dialog(nullptr);
    const bool chosen = RunDialog(&dialog, [&](TForm* form) {
        EXPECT_EQ(form->Caption(), "打印设置");
        ControlsOf<TComboBox>(form).at(0)->SetItemIndex(1);
        ClickIn(ControlsOf<TRadioButton>(form).at(1));  // landscape
        ProcessMessages();
        SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "printer_setup_dialog.png");
        ClickIn(ButtonOf(form, "取消"));
    });
    EXPECT_FALSE(chosen);
    EXPECT_EQ(Printer()->Orientation, poPortrait);
    EXPECT_TRUE(RunDialog(&dialog, [&](TForm* form) {
        ControlsOf<TComboBox>(form).at(0)->SetItemIndex(1);
        ClickIn(ControlsOf<TRadioButton>(form).at(1));
        ClickIn(ButtonOf(form, "确定"));
    }));
    EXPECT_EQ(Printer()->PrinterIndex(), 1);
    EXPECT_EQ(Printer()->Orientation, poLandscape);
}

}  // namespace

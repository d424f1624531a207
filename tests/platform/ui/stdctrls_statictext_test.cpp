// TStaticText: sized to its caption and border, the border in its window's
// style, its text painted, and Alt with its accelerator focusing its
// FocusControl; photographed with each border.
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_statictext.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/support/temp_dir.h"

using StaticTextTest = ControlTest;

TEST_F(StaticTextTest, SizedToItsTextWithItsBorder) {
    TForm* form = NewForm(260, 120);
    form->SetColor(clWhite);
    auto* plain = Place<TStaticText>(form, 10, 10, 10, 10);
    plain->SetCaption("客户姓名");
    const int width = plain->Width(), height = plain->Height();
    EXPECT_GT(width, 30);
    auto* sunken = Place<TStaticText>(form, 10, 40, 10, 10);
    sunken->SetBorderStyle(sbsSunken);
    sunken->SetCaption("客户姓名");
    EXPECT_EQ(sunken->Width(), width + 2);
    EXPECT_EQ(sunken->Height(), height + 2);
    auto* single = Place<TStaticText>(form, 10, 70, 10, 10);
    single->SetBorderStyle(sbsSingle);
    single->SetCaption("电话(&T)");
    single->SetAutoSize(false);
    single->SetBounds(10, 70, 120, 20);
    single->SetCaption("电话号码(&T)");
    EXPECT_EQ(single->Width(), 120);
    form->Show();
    ProcessMessages();
    EXPECT_TRUE(GetWindowLong(sunken->Handle(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_TRUE(GetWindowLong(single->Handle(), GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLong(plain->Handle(), GWL_STYLE) & WS_BORDER);
    EXPECT_EQ(ClassNameOf(plain->Handle()), "TStaticText");
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "static_text.png"));
}

TEST_F(StaticTextTest, ItsAcceleratorFocusesItsFocusControl) {
    TForm* form = NewForm();
    auto* text = Place<TStaticText>(form, 10, 10, 80, 20);
    text->SetCaption("电话(&T)");
    auto* first = Place<TEdit>(form, 10, 40, 100, 21);
    auto* phone = Place<TEdit>(form, 10, 70, 100, 21);
    text->SetFocusControl(phone);
    form->Show();
    first->SetFocus();
    ProcessMessages();
    SimulateKey(VK_MENU, true);
    Key('T', "t");
    SimulateKey(VK_MENU, false);
    ProcessMessages();
    EXPECT_TRUE(phone->Focused());
    delete phone;
    EXPECT_EQ(text->FocusControl(), nullptr);
}

// Control members kept for callers outside the class library's own use:
// text buffers, the raw window text, cursor names, painting into a foreign
// DC, the stored handles and the names of the event types.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/graphic.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls_edit.h"

namespace {

using ControlMembers = ControlTest;

TEST_F(ControlMembers, TextBuffersStopAtTheirSize) {
    TControl control(nullptr);
    control.SetText("abcdef");
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(control.GetTextBuf(buffer, 4), 3);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(control.GetTextBuf(buffer, 0), 0);
    EXPECT_EQ(control.GetTextLen(), 6);
    control.SetTextBuf("new");
    EXPECT_EQ(control.Text(), "new");

    EXPECT_EQ(control.RawWindowText(), nullptr);
    std::string kept = "window";
    control.SetRawWindowText(kept.c_str());
    kept = "changed";
    EXPECT_STREQ(control.RawWindowText(), "window");
    control.SetDesktopFont(true);
    EXPECT_EQ(control.Font()->Name(), Screen->IconFont()->Name());
}

TEST_F(ControlMembers, CursorNamesAndNumbers) {
    AnsiString ident;
    EXPECT_TRUE(CursorToIdent(crHourGlass, ident));
    EXPECT_EQ(ident, "crHourGlass");
    EXPECT_TRUE(CursorToIdent(crSizeAll, ident));
    EXPECT_EQ(ident, "crSizeAll");
    EXPECT_FALSE(CursorToIdent(77, ident));
    TCursor cursor = 0;
    EXPECT_TRUE(IdentToCursor("crdrag", cursor));
    EXPECT_EQ(cursor, crDrag);
    EXPECT_FALSE(IdentToCursor("crNothing", cursor));
    EXPECT_EQ(CursorToString(crNoDrop), "crNoDrop");
    EXPECT_EQ(CursorToString(77), "77");
    EXPECT_EQ(StringToCursor("crIBeam"), crIBeam);
    EXPECT_EQ(StringToCursor("-5"), -5);
    EXPECT_THROW(StringToCursor("pointer"), EConvertError);
}

TEST_F(ControlMembers, WindowsPaintIntoAForeignDcAndKeepTheirHandle) {
    std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetBounds(0, 0, 120, 80);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 40, 30);
    panel->SetColor(clRed);
    panel->SetBevelOuter(bvNone);
    TBitmap bitmap;
    bitmap.SetSize(200, 200);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(0, 0, 200, 200));
    form->PaintTo(bitmap.Canvas()->Handle(), 50, 60);
    EXPECT_EQ(bitmap.Canvas()->Pixels(50 + 20, 60 + 20), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(10, 10), clWhite);

    const HWND handle = form->Handle();
    form->SetWindowHandle(12345);
    EXPECT_EQ(form->WindowHandle(), handle);
    form->ScrollBy(5, 7);
    EXPECT_EQ(panel->Left(), 15);
    EXPECT_EQ(panel->Top(), 17);
    EXPECT_EQ(form->Brush()->Color(), form->Color());

    std::unique_ptr<TWinControl> parented(TWinControl::CreateParented(handle));
    EXPECT_EQ(parented->ParentWindow(), handle);
    EXPECT_EQ(parented->Owner(), nullptr);
    std::unique_ptr<TCustomImageList> images(TCustomImageList::CreateSize(24, 20));
    EXPECT_EQ(images->Width(), 24);
    EXPECT_EQ(images->Height(), 20);
    EXPECT_FALSE(IsDragObject(form.get()));
    CancelDrag();
}

TEST_F(ControlMembers, EventPropertiesNameTheirTypes) {
    TEdit edit(nullptr);
    struct Case {
        const char* property;
        const char* type;
    } cases[] = {{"OnMouseDown", "TMouseEvent"},     {"OnMouseMove", "TMouseMoveEvent"},
                 {"OnKeyDown", "TKeyEvent"},         {"OnKeyPress", "TKeyPressEvent"},
                 {"OnDragOver", "TDragOverEvent"},   {"OnDragDrop", "TDragDropEvent"},
                 {"OnStartDrag", "TStartDragEvent"}, {"OnEndDrag", "TEndDragEvent"}};
    for (const Case& c : cases) {
        const PPropInfo info = GetPropInfo(&edit, c.property);
        ASSERT_NE(info, nullptr) << c.property;
        EXPECT_EQ(info->PropType()->Name, c.type) << c.property;
    }
}

}  // namespace

// Dialog components: their own record in versions 1 and 2, the icon drawn
// at 28 x 28 whatever the stored size, and a live control's image drawn
// into the page.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "report/core/qm_dialogcomponent.h"
#include "view_fixtures.h"

namespace {

std::string DialogRecord(std::uint16_t version) {
    ByteWriter w;
    w.Word(version).Word(3).Int(2646).Int(2646).Int(26458).Int(5292).Int(0x18000000).Byte(1).Str("Edit1").Byte(1);
    if (version >= 1) w.Word(1).Str("OnChange").Str("Edit1Change");
    if (version >= 2) w.Byte(0).Str("Panel1");
    return w.Bytes();
}

TEST(QmDialogComponent, RecordsOfVersionsOneAndTwo) {
    for (std::uint16_t version : {1, 2}) {
        const std::string bytes = DialogRecord(version);
        std::unique_ptr<TQmDialogControl> control(TQmDialogControl::Create());
        TStringStream in(bytes);
        control->LoadFromStream(&in);
        EXPECT_EQ(in.Position(), static_cast<Int64>(bytes.size())) << version;
        EXPECT_EQ(control->Name(), "Edit1");
        EXPECT_EQ(control->ExtraWord, 3);
        EXPECT_EQ(VarToStr(control->GetEventBindings()->GetVariable("OnChange")), "Edit1Change");
        EXPECT_EQ(control->ParentControlName, version >= 2 ? "Panel1" : "") << version;
        EXPECT_EQ(control->ExtraFlag, version < 2) << version;
        if (version == 2) {
            TStringStream out;
            control->SaveToStream(&out);
            EXPECT_EQ(out.DataString(), bytes);
        }
    }
}

TEST(QmDialogComponent, IconsAreAlwaysTwentyEightPixels) {
    std::unique_ptr<TQmDialogComponent> component(TQmDialogComponent::Create());
    component->SetspBounds(4, 4, 100, 60);
    auto bitmap = WhiteBitmap(120, 80);
    component->Draw(bitmap->Canvas());
    EXPECT_EQ(component->GetspBound(2), 28);
    EXPECT_NE(bitmap->Canvas()->Pixels(28, 12), clWhite) << "the button face right of the picture";
    EXPECT_EQ(bitmap->Canvas()->Pixels(60, 50), clWhite) << "nothing past 28 pixels";
    int width = 0, height = 0;
    component->GetDefaultSize(width, height);
    EXPECT_EQ(width, 28);
}

TEST(QmDialogComponent, ALiveControlIsDrawnIntoThePage) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetBounds(-1000, -1000, 1, 1);
    report->DialogForm = form.get();
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetColor(clRed);
    panel->SetBevelOuter(bvNone);
    auto* inner = new TPanel(form.get());
    inner->SetParent(panel);
    inner->SetColor(clLime);
    inner->SetBevelOuter(bvNone);
    inner->SetBounds(25, 2, 10, 10);
    std::unique_ptr<TQmDialogControl> control(TQmDialogControl::Create());
    control->ParentReport = report.get();
    control->Control = panel;
    control->SetspBounds(10, 10, 40, 20);
    EXPECT_EQ(panel->Width(), 40) << "sizing the object sizes the control";
    auto bitmap = WhiteBitmap(80, 50);
    control->Draw(bitmap->Canvas());
    EXPECT_EQ(bitmap->Canvas()->Pixels(30, 20), clRed);
    EXPECT_EQ(bitmap->Canvas()->Pixels(40, 17), clLime) << "a container draws its child controls";
    EXPECT_EQ(bitmap->Canvas()->Pixels(70, 40), clWhite);

    Variant value;
    control->Memo1->SetText("prepared");
    EXPECT_FALSE(control->GetPropValue(control.get(), "TEXT", value, {})) << "no text names on controls";
}

}  // namespace

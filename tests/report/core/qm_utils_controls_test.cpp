// The engine's control helpers on live controls: enabling with colours,
// components by path, captions from the engine's texts, property values by
// name and the window placement kept in the emulated registry.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/registry.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"
#include "support/temp_dir.h"

namespace {

class QmControlsTest : public testing::Test {
protected:
    void SetUp() override {
        form_->SetName("jiedai");
        form_->SetCaption("接待");
        label_->SetParent(form_.get());
        label_->SetName("Label1");
        edit_->SetParent(panel_);
        edit_->SetName("Edit5");
        edit_->SetText("顾客");
        panel_->SetParent(form_.get());
        panel_->SetName("Panel1");
        combo_->SetParent(panel_);
    }

    std::unique_ptr<TForm> form_{TForm::Create(nullptr, 0)};
    TLabel* label_ = TLabel::Create(form_.get());
    TPanel* panel_ = TPanel::Create(form_.get());
    TEdit* edit_ = TEdit::Create(form_.get());
    TComboBox* combo_ = TComboBox::Create(form_.get());
};

TEST_F(QmControlsTest, EnablingGreysLabelsAndWindowedControls) {
    const TColor panelColor = panel_->Color();
    SetControlsEnabled({label_, edit_}, false);
    EXPECT_EQ(label_->Font()->Color(), clGrayText);
    EXPECT_EQ(edit_->Color(), clBtnFace);
    EXPECT_FALSE(label_->Enabled());
    EXPECT_FALSE(edit_->Enabled());
    SetControlsEnabled({label_, edit_}, true);
    EXPECT_EQ(label_->Font()->Color(), clWindowText);
    EXPECT_EQ(edit_->Color(), clWindow);
    EXPECT_TRUE(edit_->Enabled());
    EXPECT_EQ(panel_->Color(), panelColor);
}

TEST_F(QmControlsTest, ChildEnablingReachesNestedControlsButNotTheParent) {
    const TColor labelColor = label_->Font()->Color();
    SetChildControlsEnabled(form_.get(), false);
    EXPECT_TRUE(form_->Enabled());
    for (TControl* control : std::initializer_list<TControl*>{label_, panel_, edit_, combo_})
        EXPECT_FALSE(control->Enabled()) << control->Name();
    EXPECT_EQ(edit_->Color(), clInactiveBorder);
    EXPECT_EQ(combo_->Color(), clInactiveBorder);
    EXPECT_EQ(label_->Font()->Color(), labelColor);
    SetChildControlsEnabled(form_.get(), true);
    EXPECT_EQ(edit_->Color(), clWindow);
    EXPECT_TRUE(edit_->Enabled());
}

TEST_F(QmControlsTest, ComponentsByPath) {
    EXPECT_EQ(FindComponentByPath(nullptr, ""), nullptr);
    EXPECT_EQ(FindComponentByPath(nullptr, "jiedai.Edit5"), edit_);
    EXPECT_EQ(FindComponentByPath(form_.get(), "Label1"), label_);
    EXPECT_EQ(FindComponentByPath(nullptr, "Label1"), nullptr);
    try {
        FindComponentByPath(nullptr, "jiedai.Edit9");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Missing jiedai.Edit9");
    }
    EXPECT_THROW(FindComponentByPath(form_.get(), "Edit9"), EClassNotFound);
    EXPECT_THROW(FindComponentByPath(nullptr, "nosuchform.Edit5"), EClassNotFound);
}

TEST_F(QmControlsTest, PropertyValuesByName) {
    EXPECT_EQ(VarToStr(GetControlPropValue(nullptr, "jiedai.Edit5", "Text")), "顾客");
    EXPECT_EQ(GetControlPropValue(form_.get(), "Label1", "Visible").AsInteger(), 1);
    EXPECT_EQ(GetControlPropValue(nullptr, "jiedai.Edit5", "Left").AsInteger(), edit_->Left());
    EXPECT_EQ(GetControlPropValue(nullptr, "jiedai.Edit5", "Font").AsInteger(), 0);
    EXPECT_EQ(GetControlPropValue(nullptr, "jiedai.Edit5", "NoSuchProperty").AsInteger(), 0);
    EXPECT_EQ(GetControlPropValue(nullptr, "jiedai.Edit9", "Text").AsInteger(), 0);
}

TEST_F(QmControlsTest, CaptionsFromTheEngineTexts) {
    LocalizeControlText(form_.get(), "Caption", qmsPreview);
    EXPECT_EQ(form_->Caption(), "预览");
    LocalizeControlText(form_.get(), "Caption", 47229);  // an id without text
    EXPECT_EQ(form_->Caption(), "预览");
    LocalizeControlText(form_.get(), "NoSuchProperty", qmsPreview);
}

TEST_F(QmControlsTest, PlacementRoundTripsThroughTheRegistry) {
    TempDir dir;
    SetRegistryFileName(dir.file("registry.dat"));
    form_->SetBounds(30, 40, 500, 300);
    SaveFormPlacement("\\Preview", form_.get());
    form_->SetBounds(0, 0, 100, 100);
    RestoreFormPlacement("\\Preview", form_.get());
    EXPECT_EQ(form_->BoundsRect(), (TRect{30, 40, 530, 340}));

    TRegistry registry;
    EXPECT_TRUE(registry.KeyExists("\\Software\\Ostrevane\\Tamber Quistor\\Preview\\Form\\TForm"));
    // Nothing stored for another key: the form keeps its bounds.
    RestoreFormPlacement("\\Other", form_.get());
    EXPECT_EQ(form_->BoundsRect(), (TRect{30, 40, 530, 340}));
    SetRegistryFileName("");
}

}  // namespace

// The data-aware check box: value lists on a string field, the grayed
// cycle on a bound and a data-independent box, clicks and Space, and a box
// with a data source but no field, which edits and posts nothing.
#include "datagrid/DBCtrlsVynCheckBox.h"

#include "platform/data/field.h"
#include "platform/win/testseams.h"
#include "platform/win/winuser.h"
#include "support/memory_dataset.h"
#include "support/recording_dataset_action.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class DBCheckBoxTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        data = new TMemoryDataSet(form);
        data->AddColumn("Answer", ftString, 10);
        data->AddColumn("Sold", ftBoolean);
        data->AddRow({Variant("yes"), Variant(true)});
        data->Open();
        source = new TDataSource(form);
        source->SetDataSet(data);
        box = Place<TDBCheckBoxVyn>(form, 10, 10, 120, 17);
        box->SetCaption("Answer");
    }
    void Bind(const char* field) {
        box->SetDataSource(source);
        box->SetDataField(field);
    }
    void Click() {
        SimulateClick(box->Handle(), POINT{5, 8});
        ProcessMessages();
        // Far apart in time from the next click, so that none is a double click.
        SimulateClick(form->Handle(), POINT{300, 150}, VK_RBUTTON);
        ProcessMessages();
    }
    TField* Answer() { return data->FieldByName("Answer"); }

    TMemoryDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TDBCheckBoxVyn* box = nullptr;
};

TEST_F(DBCheckBoxTest, StartsAsTheFindDialogPlacesIt) {
    EXPECT_EQ(AnsiString(box->ClassName()), "TDBCheckBoxVyn");
    EXPECT_EQ(box->ValueChecked(), "True");
    EXPECT_EQ(box->ValueUnchecked(), "False");
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_TRUE(SameVariantValue(box->DataLink()->OwnValue(), Variant(false)));
    TDBCheckBoxVyn fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 97);
    EXPECT_EQ(fresh.Height(), 17);
}

TEST_F(DBCheckBoxTest, ValueListsMapAStringFieldAndTheFirstEntryIsWritten) {
    box->SetValueChecked(" Y ;Yes");
    box->SetValueUnchecked("N; No");
    Bind("Answer");
    const std::pair<const char*, TCheckBoxState> cases[] = {
        {"yes", cbChecked}, {"Y", cbChecked}, {"n", cbUnchecked}, {"NO", cbUnchecked}, {"maybe", cbGrayed}};
    data->Edit();
    for (const auto& [text, state] : cases) {
        SCOPED_TRACE(text);
        Answer()->SetAsString(text);
        EXPECT_EQ(box->State(), state);
    }
    box->SetChecked(true);
    EXPECT_EQ(Answer()->AsString(), "Y");
    box->SetChecked(false);
    EXPECT_EQ(Answer()->AsString(), "N");
    data->Cancel();
}

TEST_F(DBCheckBoxTest, ClicksCycleThroughGrayedWhichClearsTheField) {
    Bind("Sold");
    box->SetAllowGrayed(true);
    data->Edit();
    data->FieldByName("Sold")->SetAsBoolean(false);
    std::vector<TCheckBoxState> states;
    int clicks = 0;
    box->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
    for (int i = 0; i < 3; ++i) {
        Click();
        box->DataLink()->UpdateRecord();
        states.push_back(box->State());
        if (box->State() == cbGrayed) {
            EXPECT_TRUE(data->FieldByName("Sold")->IsNull());
        }
    }
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(data->FieldByName("Sold")->AsBoolean());
    data->Cancel();
}

TEST_F(DBCheckBoxTest, ADataIndependentBoxIsGrayedOnlyByItsState) {
    box->SetFocus();
    ProcessMessages();
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < 2; ++i) {
        Click();
        states.push_back(box->State());
        Key(VK_SPACE, " ");
        states.push_back(box->State());
    }
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked, cbUnchecked}));
    box->SetState(cbGrayed);
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_TRUE(VarIsNull(box->DataLink()->OwnValue()));
    box->SetChecked(true);
    EXPECT_TRUE(SameVariantValue(box->DataLink()->OwnValue(), Variant(true)));

    box->SetAllowGrayed(true);
    box->SetState(cbUnchecked);
    Click();
    EXPECT_EQ(box->State(), cbGrayed);
    box->DataLink()->UpdateRecord();
    EXPECT_TRUE(VarIsNull(box->DataLink()->OwnValue()));
}

// Without a field there is nothing to post to: writes and clicks leave the
// dataset browsing and the box showing what its data gives.
TEST_F(DBCheckBoxTest, ABoxWithADataSourceButNoFieldNeitherEditsNorPosts) {
    box->SetDataSource(source);
    EXPECT_NO_THROW(box->SetChecked(true));
    EXPECT_NO_THROW(box->SetState(cbGrayed));
    Click();
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(data->State(), dsBrowse);
    EXPECT_EQ(Answer()->AsString(), "yes");
}

TEST_F(DBCheckBoxTest, TheBoxSitsOppositeTheCaptionMirroredForRightToLeft) {
    box->SetCaption("");
    box->SetColor(clBtnFace);
    struct Case {
        TBiDiMode mode;
        TAlignment alignment;
        bool boxOnRight;
    };
    for (const Case& c : {Case{bdLeftToRight, taRightJustify, false}, Case{bdLeftToRight, taLeftJustify, true},
                          Case{bdRightToLeft, taRightJustify, true}, Case{bdRightToLeft, taLeftJustify, false}}) {
        SCOPED_TRACE(testing::Message() << (c.mode == bdRightToLeft ? "right to left, " : "left to right, ")
                                        << (c.alignment == taRightJustify ? "right" : "left"));
        box->SetBiDiMode(c.mode);
        box->SetAlignment(c.alignment);
        box->Repaint();
        // Only the box's inside is white.
        const int width = box->Width(), height = box->Height();
        const bool left = ColoursIn(box->Handle(), TRect{0, 0, 20, height}).count(ColorToRGB(clWindow)) == 1;
        const bool right = ColoursIn(box->Handle(), TRect{width - 20, 0, width, height}).count(ColorToRGB(clWindow)) == 1;
        EXPECT_EQ(right, c.boxOnRight);
        EXPECT_EQ(left, !c.boxOnRight);
        // The side reported to others: left only where the box is right.
        EXPECT_EQ(box->GetControlsAlignment(), c.boxOnRight && c.mode == bdRightToLeft ? taLeftJustify : taRightJustify);
    }
}

TEST_F(DBCheckBoxTest, DataSetActionsReachTheBoundSourceOnly) {
    TRecordingDataSetAction action(nullptr);
    EXPECT_FALSE(box->ExecuteAction(&action));
    Bind("Answer");
    ExpectDataSetActionsReachOnly(box, source);
}

}  // namespace

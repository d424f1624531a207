// The data-aware edit over an in-memory dataset: what it shows with and
// without the focus, how typed text reaches the field, its keys, its
// buttons, its own painting and in-place hosting.
#include "datagrid/DBCtrlsVynComboBox.h"
#include "datagrid/DBCtrlsVynEdit.h"
#include "platform/data/field.h"
#include "platform/rtl/writer.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/stdctrls.h"
#include "platform/win/commctrl.h"
#include "platform/win/testseams.h"
#include "platform/win/winuser.h"
#include "support/memory_dataset.h"
#include "support/recording_dataset_action.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

// The edit publishes nothing; tests reach its protected parts here.
class TTestDBEdit : public TCustomDBEditVyn {
    SERVIORA_CLASS(TTestDBEdit, TCustomDBEditVyn)
public:
    using TCustomDBEditVyn::TCustomDBEditVyn;
    using TCustomDBEditVyn::ButtonClicked;
    using TCustomDBEditVyn::ButtonPressed;
    using TCustomDBEditVyn::Loaded;
};

class DBEditTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        data = new TMemoryDataSet(form);
        data->AddColumn("Price", ftCurrency);
        data->AddColumn("Sold", ftDate);
        data->AddColumn("Model", ftString, 10);
        data->AddColumn("Maker", ftString, 20);
        data->AddRow({Variant(1234.5), Variant("2026-03-04"), Variant("X100"), Variant("Acme")});
        data->AddRow({Variant(7.0), Variant("2025-12-31"), Variant("Z9"), Variant("Brio")});
        data->Open();
        source = new TDataSource(form);
        source->SetDataSet(data);
        edit = Place<TTestDBEdit>(form, 10, 10, 150, 21);
        other = Place<TFocusBox>(form, 10, 60, 60, 20);
    }
    void Bind(const char* field) {
        edit->SetDataSource(source);
        edit->SetDataField(field);
    }
    void Focus(TWinControl* control) {
        control->SetFocus();
        ProcessMessages();
    }
    void Key(int vk, const AnsiString& text = AnsiString()) {
        SimulateKey(vk, true, text);
        SimulateKey(vk, false);
        ProcessMessages();
    }
    TMemoryDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TTestDBEdit* edit = nullptr;
    TFocusBox* other = nullptr;
};

TEST_F(DBEditTest, ShowsTheDisplayTextWithoutTheFocusAndTheEditTextWithIt) {
    static_cast<TDateTimeField*>(data->FieldByName("Sold"))->SetDisplayFormat("yyyy\"年\"m\"月\"d\"日\"");
    for (const char* name : {"Price", "Sold"}) {
        SCOPED_TRACE(name);
        Bind(name);
        TField* field = data->FieldByName(name);
        ASSERT_NE(field->DisplayText(), field->Text());
        Focus(other);
        EXPECT_EQ(edit->EditText(), field->DisplayText());
        Focus(edit);
        EXPECT_EQ(edit->EditText(), field->Text());
        Focus(other);
        EXPECT_EQ(edit->EditText(), field->DisplayText());
    }
}

TEST_F(DBEditTest, EscapeRestoresTheValueSelectsAllAndDoesNotCancelTheDialog) {
    auto* cancel = Place<TButton>(form, 200, 60, 60, 24);
    cancel->SetCancel(true);
    int cancelled = 0;
    cancel->SetOnClick([&](TObject*) { ++cancelled; });
    Bind("Maker");
    Focus(edit);
    SimulateTyping("Zeta");
    ProcessMessages();
    EXPECT_EQ(edit->Text(), "Zeta");
    Key(VK_ESCAPE);
    EXPECT_EQ(edit->Text(), "Acme");
    EXPECT_EQ(edit->SelLength(), 4);
    EXPECT_EQ(cancelled, 0);
    Key(VK_ESCAPE);
    EXPECT_EQ(cancelled, 1);  // unmodified: the dialog's Cancel takes it
}

TEST_F(DBEditTest, EnterAndTabNeverEnterTheText) {
    Bind("Maker");
    Focus(edit);
    edit->SetSelStart(0);
    edit->SetSelLength(0);
    for (int vk : {VK_RETURN, VK_TAB}) {
        Focus(edit);
        Key(vk);
    }
    edit->Perform(WM_CHAR, '\n', 0);
    EXPECT_EQ(edit->Text(), "Acme");
    EXPECT_NE(GetWindowLongPtr(edit->Handle(), GWL_STYLE) & ES_MULTILINE, 0);
}

TEST_F(DBEditTest, ADataIndependentEditorKeepsItsValueUntilItIsBound) {
    EXPECT_TRUE(edit->DataLink()->DataIndependent());
    Focus(edit);
    SimulateTyping("hello");
    ProcessMessages();
    Focus(other);
    EXPECT_EQ(edit->DataLink()->OwnValue(), Variant("hello"));
    edit->SetDataField("Maker");
    EXPECT_TRUE(VarIsNull(edit->DataLink()->OwnValue()));
    edit->SetDataField("");
    edit->SetValue(Variant("again"));
    EXPECT_EQ(edit->DataLink()->OwnValue(), Variant("again"));
    edit->SetDataSource(source);
    EXPECT_TRUE(VarIsNull(edit->DataLink()->OwnValue()));
    EXPECT_FALSE(edit->DataLink()->DataIndependent());
}

TEST_F(DBEditTest, MaxLengthFollowsTheBoundStringField) {
    Bind("Model");
    EXPECT_EQ(edit->MaxLength(), 10);
    edit->SetDataField("Price");
    EXPECT_EQ(edit->MaxLength(), 0);
    edit->SetDataField("Model");
    edit->SetDataField("Maker");
    EXPECT_EQ(edit->MaxLength(), 20);
}

TEST_F(DBEditTest, LoadingKeepsOnlyAMaxLengthOtherThanTheFieldsSize) {
    Bind("Model");
    edit->Loaded();
    EXPECT_EQ(edit->MaxLength(), 0);  // the field's own size comes back with its data
    data->Next();
    EXPECT_EQ(edit->MaxLength(), 10);
    edit->SetMaxLength(5);
    edit->Loaded();
    EXPECT_EQ(edit->MaxLength(), 5);
}

TEST_F(DBEditTest, CutPasteAndUndoPutTheRecordIntoEditModeFirst) {
    Bind("Maker");
    for (UINT message : {WM_CUT, WM_PASTE, WM_UNDO}) {
        SCOPED_TRACE(message);
        data->Cancel();
        Focus(edit);
        edit->SelectAll();
        Clipboard()->SetAsText("Kappa");
        ASSERT_EQ(data->State(), dsBrowse);
        edit->Perform(message, 0, 0);
        EXPECT_EQ(data->State(), dsEdit);
        if (message == WM_PASTE) {
            EXPECT_EQ(edit->Text(), "Kappa");
        }
    }
}

TEST_F(DBEditTest, AFormDescriptionKeepsOnlyWhatWasSetAndTheTextOfAnUnboundEditor) {
    std::unique_ptr<TDBComboBoxVyn> box(TDBComboBoxVyn::Create(nullptr));
    box->SetName("Box");
    box->SetText("abc");
    std::string written = ComponentToText(box.get());
    EXPECT_NE(written.find("Text = 'abc'"), std::string::npos) << written;
    for (const char* unset : {"Alignment", "EditMask", "AutoSize", "WordWrap"})
        EXPECT_EQ(written.find(unset), std::string::npos) << unset;

    box->SetAlignment(taLeftJustify);  // the default, but set explicitly
    box->SetEditMask(">LL;0;_");
    box->SetWordWrap(true);
    written = ComponentToText(box.get());
    std::unique_ptr<TDBComboBoxVyn> read(TDBComboBoxVyn::Create(nullptr));
    ReadComponentFromString(written, read.get());
    EXPECT_TRUE(read->AlignmentStored());
    EXPECT_TRUE(read->EditMaskStored());
    EXPECT_EQ(read->EditMask(), ">LL;0;_");
    EXPECT_TRUE(read->WordWrap());
    EXPECT_EQ(read->Text(), "AB");  // the mask's upper-case letters

    box->SetDataField("Maker");
    EXPECT_EQ(ComponentToText(box.get()).find("Text ="), std::string::npos);
}

TEST_F(DBEditTest, ANameTheDataSetLacksRaisesWhileBinding) {
    edit->SetDataSource(source);
    EXPECT_THROW(edit->SetDataField("Colour"), EDatabaseError);
}

TEST_F(DBEditTest, APostedTextJoinsTheActiveMRUList) {
    edit->MRUList()->SetActive(true);
    Bind("Maker");
    Focus(edit);
    SimulateTyping("Nova");
    ProcessMessages();
    Focus(other);
    EXPECT_EQ(data->FieldByName("Maker")->AsString(), "Nova");
    ASSERT_EQ(edit->MRUList()->Items()->Count(), 1);
    EXPECT_EQ(edit->MRUList()->Items()->Strings(0), "Nova");
}

TEST_F(DBEditTest, AnExplicitMaskOutlivesTheFieldsMask) {
    data->FieldByName("Model")->SetEditMask(">LL000;0;_");
    Bind("Model");
    EXPECT_EQ(edit->EditMask(), ">LL000;0;_");
    edit->SetEditMask("AAAA;0;_");
    data->Next();
    EXPECT_EQ(edit->EditMask(), "AAAA;0;_");
}

TEST_F(DBEditTest, ShortCutsPressTheirButtons) {
    edit->EditButton()->SetVisible(true);
    edit->EditButton()->SetShortCut(ShortCut(VK_F4, {}));
    TEditButtonVyn* extra = edit->EditButtons()->Add();
    extra->SetVisible(true);
    extra->SetShortCut(ShortCut(VK_F5, {}));
    int mainClicks = 0, extraClicks = 0;
    edit->SetOnButtonClick([&](TObject*, bool&) { ++mainClicks; });
    extra->SetOnClick([&](TObject*, bool&) { ++extraClicks; });
    Bind("Maker");
    Focus(edit);
    Key(VK_F4);
    Key(VK_F5);
    EXPECT_EQ(mainClicks, 1);
    EXPECT_EQ(extraClicks, 1);
    data->Close();  // the link is inactive: only the extra button reacts
    Key(VK_F4);
    Key(VK_F5);
    EXPECT_EQ(mainClicks, 1);
    EXPECT_EQ(extraClicks, 2);
}

TEST_F(DBEditTest, ARefusedCharacterBeepsAndIsDropped) {
    Bind("Price");
    Focus(edit);
    edit->SelectAll();
    const int beeps = BeepCount();
    SimulateTyping("1x2");
    ProcessMessages();
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(BeepCount(), beeps + 1);
}

TEST_F(DBEditTest, ChineseCharactersFromTheInputMethodArriveWhole) {
    Bind("Maker");
    Focus(edit);
    edit->SelectAll();
    const AnsiString twoBytes = "\xD6\xD0";                 // 中
    const AnsiString fourBytes = "\x81\x30\x81\x30";        // a four-byte GB18030 form
    SimulateCommit(twoBytes + fourBytes);
    ProcessMessages();
    EXPECT_EQ(edit->Text(), twoBytes + fourBytes);
}

TEST_F(DBEditTest, WriteValueFillsSeveralFieldsOrNullsThemAll) {
    edit->DataLink()->SetSeveralFields(true);
    Bind("Model;Maker");
    ASSERT_EQ(edit->DataLink()->BoundFieldCount(), 2);
    data->Edit();
    Variant values = VarArrayOf({Variant("N1"), Variant("Nova")});
    edit->DataLink()->WriteValue(values);
    EXPECT_EQ(data->FieldByName("Model")->AsString(), "N1");
    EXPECT_EQ(data->FieldByName("Maker")->AsString(), "Nova");
    edit->DataLink()->WriteValue(Null());
    EXPECT_TRUE(data->FieldByName("Model")->IsNull());
    EXPECT_TRUE(data->FieldByName("Maker")->IsNull());
}

TEST_F(DBEditTest, AFailingPostOnExitKeepsTheFocusAndPassesTheException) {
    Bind("Maker");
    edit->SetOnUpdateData([](TObject*, bool&) { throw EDatabaseError("refused"); });
    Focus(edit);
    SimulateTyping("Q");
    ProcessMessages();
    EXPECT_THROW(edit->Perform(CM_EXIT, 0, 0), EDatabaseError);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelLength(), static_cast<int>(edit->Text().size()));
}

TEST_F(DBEditTest, AHostMustSpeakTheHolderInterface) {
    try {
        edit->SetInplaceEditHolder(form);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "InplaceEditHolder have to support IInplaceEditHolderVyn interface");
    }
}

// A host that was pressed just before the editor appeared under the pointer.
class TPressedHost : public TFocusBox, public IInplaceEditHolderVyn {
    SERVIORA_CLASS(TPressedHost, TFocusBox)
public:
    using TFocusBox::TFocusBox;
    TPoint pressedAt{};
    int pressedTime = 0;
    bool CanEditorModify(TWinControl*) override { return true; }
    bool LastMouseDownForEditor(TPoint& pos, int& time) override {
        pos = pressedAt;
        time = pressedTime;
        return true;
    }
    void EditorWndProc(TWinControl*, TMessage&) override {}
    void EditorKeyDown(TWinControl*, Word&, TShiftState) override {}
    void EditorKeyPress(TWinControl*, char&) override {}
    void EditorKeyUp(TWinControl*, Word&, TShiftState) override {}
};

TEST_F(DBEditTest, AHostedEditorTurnsTheHostsEarlierPressIntoADoubleClick) {
    auto* host = Place<TPressedHost>(form, 10, 100, 200, 40);
    auto* hosted = new TTestDBEdit(form);
    hosted->SetParent(host);
    hosted->SetInplaceEditHolder(host);
    int doubleClicks = 0;
    hosted->SetOnDblClick([&](TObject*) { ++doubleClicks; });
    Focus(host);
    hosted->ShowAtRect(TRect{2, 2, 120, 24});
    ProcessMessages();
    host->pressedAt = hosted->ClientToScreen(TPoint{20, 8});
    host->pressedTime = GetMessageTime();
    SimulateClick(hosted->Handle(), {20, 8});
    ProcessMessages();
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(DBEditTest, ARightAlignedFieldIsPaintedByTheEditorOnlyWithoutTheFocus) {
    data->FieldByName("Maker")->SetAlignment(taRightJustify);
    Bind("Maker");
    Focus(other);
    EXPECT_TRUE(edit->PaintsOwnText());
    Focus(edit);
    EXPECT_FALSE(edit->PaintsOwnText());
    edit->SetWordWrap(true);
    Focus(other);
    EXPECT_FALSE(edit->PaintsOwnText());
}

TEST_F(DBEditTest, TheImageSitsAtTheLeadingEdgeMirroredForRightToLeft) {
    TImageList images(nullptr);
    FillWithSquares(images, 12, {clGreen});
    edit->SetImages(&images);
    edit->SetOnGetImageIndex([](TObject*, int& index) { index = 0; });
    const COLORREF green = ColorToRGB(clGreen);
    for (bool rtl : {false, true}) {
        SCOPED_TRACE(rtl ? "right to left" : "left to right");
        edit->SetBiDiMode(rtl ? bdRightToLeft : bdLeftToRight);
        edit->RecreateWnd();
        Focus(other);
        const int width = edit->ClientWidth();
        const TRect image = edit->ImageRect();
        EXPECT_EQ(rtl ? image.right : image.left, rtl ? width : 0);
        const TRect text = edit->TextAreaRect();
        EXPECT_EQ(rtl ? text.right : text.left, rtl ? image.left : image.right);
        // Client to window coordinates for the window's picture.
        POINT origin{0, 0};
        ClientToScreen(edit->Handle(), &origin);
        RECT frame{};
        GetWindowRect(edit->Handle(), &frame);
        const auto shown = [&](TRect r) {
            OffsetRect(&r, origin.x - frame.left, origin.y - frame.top);
            return ColoursIn(edit->Handle(), r).count(green) == 1;
        };
        EXPECT_TRUE(shown(image));
        EXPECT_FALSE(shown(TRect{width - image.right, 0, width - image.left, image.bottom}));
    }
}

TEST_F(DBEditTest, APasswordEditorIsSingleLine) {
    edit->SetPasswordChar('*');
    edit->RecreateWnd();
    EXPECT_EQ(GetWindowLongPtr(edit->Handle(), GWL_STYLE) & ES_MULTILINE, 0);
}

TEST_F(DBEditTest, FlatButtonsSitRightOfTheTextWithADividerBeforeEach) {
    edit->SetFlat(true);
    edit->EditButton()->SetVisible(true);
    for (int i = 0; i < 2; ++i) edit->EditButtons()->Add()->SetVisible(true);
    ProcessMessages();
    for (bool rtl : {false, true}) {
        SCOPED_TRACE(rtl ? "right to left" : "left to right");
        edit->SetBiDiMode(rtl ? bdRightToLeft : bdLeftToRight);
        edit->RecreateWnd();
        const auto& controls = edit->ButtonControls();
        ASSERT_EQ(controls.size(), 3u);
        const int width = edit->ClientWidth();
        for (const auto& [divider, control] : controls) {
            EXPECT_EQ(divider->Width(), 1);
            EXPECT_TRUE(divider->Visible());
        }
        // Left to right: text, divider, main, divider, extra 1, divider,
        // extra 2 at the right edge; right to left the same from the left.
        int x = width - edit->ButtonAreaWidth();
        for (const auto& [divider, control] : controls) {
            const int dividerLeft = rtl ? width - x - 1 : x;
            const int controlLeft = rtl ? width - x - 1 - control->Width() : x + 1;
            EXPECT_EQ(divider->Left(), dividerLeft);
            EXPECT_EQ(control->Left(), controlLeft);
            x += 1 + control->Width();
        }
        EXPECT_EQ(x, width);
        EXPECT_EQ(edit->ButtonAreaRect().left, rtl ? 0 : width - edit->ButtonAreaWidth());
    }
}

TEST_F(DBEditTest, DataSetActionsReachTheBoundSourceOnly) {
    TRecordingDataSetAction action(nullptr);
    EXPECT_FALSE(edit->ExecuteAction(&action));
    Bind("Model");
    ExpectDataSetActionsReachOnly(edit, source);
}

}  // namespace

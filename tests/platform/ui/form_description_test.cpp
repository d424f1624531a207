// Forms read from their descriptions: alignment, handlers, default and
// cancel buttons, KeyPreview.
#include "platform/rtl/classregistry.h"
#include "platform/ui/stdctrls_edit.h"
#include "tests/platform/ui/control_fixture.h"

class TAlignTestForm : public TForm {
    SERVIORA_CLASS(TAlignTestForm, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    TPanel* TopPanel = nullptr;
    TPanel* BottomPanel = nullptr;
    TPanel* LeftPanel = nullptr;
    TPanel* ClientPanel = nullptr;
    TPanel* InnerPanel = nullptr;
    TLabel* Label1 = nullptr;
    TButton* OkButton = nullptr;
    TButton* CancelButton = nullptr;
    std::vector<AnsiString> events;
    std::vector<Word> previewed;

    static inline bool failCreate = false;
    bool reachableAtCreate = false;

    void FormCreate(TObject*);
    void OkButtonClick(TObject*) { events.push_back("ok"); }
    void CancelButtonClick(TObject*) { events.push_back("cancel"); }
};

// The global the program reaches the form through.
TAlignTestForm* AlignTestForm = nullptr;

void TAlignTestForm::FormCreate(TObject*) {
    events.push_back("create:" + OkButton->Caption());
    reachableAtCreate = AlignTestForm == this;
    if (failCreate) throw Exception("创建失败");
}

void TAlignTestForm::Published(TPublished<TAlignTestForm>& p) {
    p.Field("TopPanel", &TAlignTestForm::TopPanel);
    p.Field("BottomPanel", &TAlignTestForm::BottomPanel);
    p.Field("LeftPanel", &TAlignTestForm::LeftPanel);
    p.Field("ClientPanel", &TAlignTestForm::ClientPanel);
    p.Field("InnerPanel", &TAlignTestForm::InnerPanel);
    p.Field("Label1", &TAlignTestForm::Label1);
    p.Field("OkButton", &TAlignTestForm::OkButton);
    p.Field("CancelButton", &TAlignTestForm::CancelButton);
    p.Method("FormCreate", &TAlignTestForm::FormCreate);
    p.Method("OkButtonClick", &TAlignTestForm::OkButtonClick);
    p.Method("CancelButtonClick", &TAlignTestForm::CancelButtonClick);
}

namespace {

TRect BoundsOf(const TControl* c) { return c->BoundsRect(); }

}  // namespace

using FormDescriptionTest = ControlTest;

TEST_F(FormDescriptionTest, CreateFormStoresTheReferenceBeforeOnCreateAndClearsItWhenCreationFails) {
    Application->CreateForm(AlignTestForm);
    ASSERT_NE(AlignTestForm, nullptr);
    EXPECT_TRUE(AlignTestForm->reachableAtCreate);
    delete AlignTestForm;
    TAlignTestForm::failCreate = true;
    EXPECT_THROW(Application->CreateForm(AlignTestForm), Exception);
    TAlignTestForm::failCreate = false;
    EXPECT_EQ(AlignTestForm, nullptr);
}

TEST_F(FormDescriptionTest, AlignedPanelsTakeTheirSidesInOrderAndTheRestGoesToTheClient) {
    TAlignTestForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_EQ(form->Caption(), "对齐测试");
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->ClientHeight(), 300);
    EXPECT_EQ(BoundsOf(form->TopPanel), Bounds(0, 0, 400, 41));
    EXPECT_EQ(BoundsOf(form->BottomPanel), Bounds(0, 250, 400, 50));
    EXPECT_EQ(BoundsOf(form->LeftPanel), Bounds(0, 41, 80, 209));
    EXPECT_EQ(BoundsOf(form->ClientPanel), Bounds(80, 41, 320, 209));
    // The client panel's border narrows the area its own children align in.
    EXPECT_EQ(BoundsOf(form->InnerPanel), Bounds(4, 4, 312, 20));
    EXPECT_EQ(form->Label1->Parent(), form->TopPanel);
    EXPECT_EQ(form->events, std::vector<AnsiString>{"create:确定"});

    // Growing the form keeps the rules.
    form->SetClientHeight(400);
    EXPECT_EQ(BoundsOf(form->BottomPanel), Bounds(0, 350, 400, 50));
    EXPECT_EQ(BoundsOf(form->ClientPanel), Bounds(80, 41, 320, 309));

    EXPECT_EQ(FindControl(form->OkButton->Handle()), form->OkButton);
    EXPECT_EQ(Screen->CustomForms(Screen->CustomFormCount() - 1), form);
}

TEST_F(FormDescriptionTest, EnterClicksTheDefaultOrFocusedButtonAndEscTheCancelButton) {
    TAlignTestForm* form = nullptr;
    Application->CreateForm(form);
    TFocusBox* box = TFocusBox::Create(form);
    box->SetParent(form->ClientPanel);
    form->Show();
    box->SetFocus();
    ProcessMessages();
    ASSERT_TRUE(box->Focused());

    Key(VK_RETURN);
    Key(VK_ESCAPE);
    form->CancelButton->SetFocus();
    Key(VK_RETURN);
    EXPECT_EQ(form->events, (std::vector<AnsiString>{"create:确定", "ok", "cancel", "cancel"}));
}

TEST_F(FormDescriptionTest, KeyPreviewLetsTheFormSeeAndDiscardKeysFirst) {
    TAlignTestForm* form = nullptr;
    Application->CreateForm(form);
    std::vector<AnsiString> seen;
    form->SetOnKeyDown([&](TObject*, Word& key, TShiftState) {
        seen.push_back("form");
        if (key == VK_F3) key = 0;
    });
    form->OkButton->SetOnKeyDown([&](TObject*, Word&, TShiftState) { seen.push_back("button"); });
    form->Show();
    form->OkButton->SetFocus();
    Key(VK_F3);
    Key(VK_F2);
    EXPECT_EQ(seen, (std::vector<AnsiString>{"form", "form", "button"}));
    EXPECT_EQ(form->events, std::vector<AnsiString>{"create:确定"});
    // Enter on a focused button is a dialog key: it presses the button
    // before any key handler runs.
    Key(VK_RETURN);
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(form->events, (std::vector<AnsiString>{"create:确定", "ok"}));
}

TEST_F(FormDescriptionTest, AKeyHandlerMovingTheFocusToAButtonDoesNotPressItWithTheSameEnter) {
    TAlignTestForm* form = nullptr;
    Application->CreateForm(form);
    form->OkButton->SetDefault(false);
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetOnKeyDown([&](TObject*, Word& key, TShiftState) {
        if (key == VK_RETURN) form->CancelButton->SetFocus();
    });
    form->Show();
    edit->SetFocus();
    ProcessMessages();
    Key(VK_RETURN);
    EXPECT_TRUE(form->CancelButton->Focused());
    EXPECT_EQ(form->events, std::vector<AnsiString>{"create:确定"}) << "nothing pressed yet";
    Key(VK_RETURN);
    EXPECT_EQ(form->events, (std::vector<AnsiString>{"create:确定", "cancel"}));
}

SERVIORA_REGISTER_CLASS(TAlignTestForm);

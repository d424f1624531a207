// The form layer's lesser members: the scroll bars of scrolling controls
// and the scroll box's border, a form's image, help through the shell, the
// MDI arrangements, forms created by class, stay-on-top marks, task
// windows and the screen's input methods and icon font.
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"
#include "platform/win/shellapi.h"
#include "tests/platform/ui/control_fixture.h"

using FormLayerTest = ControlTest;

namespace {

TComponent** watchedReference = nullptr;
TComponent* seenInAfterConstruction = nullptr;

// A form that notes what the caller's reference held while it was being
// made, and fails on request.
class TWatchedForm : public TForm {
    SERVIORA_CLASS(TWatchedForm, TForm)
public:
    explicit TWatchedForm(TComponent* owner) : TForm(owner, 0) {}
    static inline bool fail = false;
    void AfterConstruction() override {
        seenInAfterConstruction = *watchedReference;
        TForm::AfterConstruction();
        if (fail) throw EInvalidOperation("refused");
    }
};

}  // namespace

TEST_F(FormLayerTest, ScrollBarsMoveTheChildrenWithinTheirRange) {
    TForm* form = NewForm();
    auto* box = Place<TScrollBox>(form, 0, 0, 100, 100);
    box->SetBorderStyle(bsNone);
    auto* top = Place<TPanel>(box, 0, 0, 50, 50);
    auto* low = Place<TPanel>(box, 0, 150, 50, 50);
    TControlScrollBar* bar = box->VertScrollBar();
    EXPECT_EQ(bar->Kind(), sbVertical);
    EXPECT_EQ(box->HorzScrollBar()->Kind(), sbHorizontal);

    bar->SetPosition(40);  // no range yet: nothing to scroll
    EXPECT_EQ(bar->Position(), 0);
    box->DisableAutoRange();
    box->DisableAutoRange();
    box->EnableAutoRange();
    EXPECT_EQ(bar->Range(), 0);
    bar->SetMargin(10);
    box->EnableAutoRange();
    EXPECT_EQ(bar->Range(), 210);  // the lowest child's edge and the margin
    EXPECT_EQ(box->HorzScrollBar()->Range(), 50);

    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 110);  // the range less the client height
    EXPECT_EQ(bar->ScrollPos(), 110);
    EXPECT_EQ(top->Top(), -110);
    EXPECT_EQ(low->Top(), 40);

    TControlScrollBar copy(box, sbVertical);
    copy.Assign(bar);
    EXPECT_EQ(copy.Position(), 110);
    EXPECT_EQ(copy.Increment(), 8);

    bar->SetVisible(false);
    EXPECT_EQ(bar->ScrollPos(), 0);
    EXPECT_EQ(top->Top(), 0);
}

TEST_F(FormLayerTest, AScrollBoxHasASunkenEdgeUnlessItsBorderIsNone) {
    TForm* form = NewForm();
    auto* box = Place<TScrollBox>(form, 0, 0, 100, 100);
    form->Show();
    EXPECT_TRUE(GetWindowLong(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    box->SetBorderStyle(bsNone);
    EXPECT_FALSE(GetWindowLong(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(FormLayerTest, TheFormImageHoldsTheClientAreaAsDrawn) {
    TForm* form = NewForm(200, 150);
    form->SetColor(clWhite);
    auto* panel = Place<TPanel>(form, 20, 20, 40, 30);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clRed);
    form->Show();
    ProcessMessages();
    const std::unique_ptr<TBitmap> image(form->GetFormImage());
    EXPECT_EQ(image->Width(), form->ClientWidth());
    EXPECT_EQ(image->Height(), form->ClientHeight());
    EXPECT_EQ(image->Canvas()->Pixels(5, 5), clWhite);
    EXPECT_EQ(image->Canvas()->Pixels(30, 30), clRed);
}

TEST_F(FormLayerTest, HelpOpensTheCurrentHelpFileThroughTheShell) {
    SetShellRecording(true);
    ClearRecordedShellRequests();
    EXPECT_FALSE(Application->HelpContext(10));
    Application->SetHelpFile("/opt/serviora/help.chm");
    TForm* form = NewForm();
    form->Show();
    Screen->SetActiveForm(form);
    EXPECT_EQ(Application->CurrentHelpFile(), "/opt/serviora/help.chm");
    form->SetHelpFile("/opt/serviora/form.chm");
    EXPECT_EQ(Application->CurrentHelpFile(), "/opt/serviora/form.chm");
    EXPECT_TRUE(Application->HelpJump("topic"));
    EXPECT_TRUE(Application->HelpCommand(HELP_CONTENTS, 0));
    EXPECT_TRUE(Application->HelpContext(10));
    // Nothing to close; a command whose data is text cannot be handed over.
    EXPECT_TRUE(Application->HelpCommand(HELP_QUIT, 0));
    EXPECT_FALSE(Application->HelpCommand(HELP_COMMAND, 0));
    SetShellRecording(false);
    const std::vector<ShellRequest>& requests = RecordedShellRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].operation, "open");
    EXPECT_EQ(requests[0].file, "/opt/serviora/form.chm");
    EXPECT_EQ(requests[0].parameters, "-topic topic");
    EXPECT_EQ(requests[1].parameters, "");
    EXPECT_EQ(requests[2].parameters, "-mapid 10");
    Screen->SetActiveForm(nullptr);
}

TEST_F(FormLayerTest, TheMdiArrangementsReachTheClientWindow) {
    TForm* frame = NewForm(600, 400);
    frame->SetFormStyle(fsMDIForm);
    Application->SetMainForm(frame);
    frame->Show();
    TForm* children[2];
    for (TForm*& child : children) {
        child = TForm::Create(Application, 0);
        child->SetFormStyle(fsMDIChild);
        child->SetBounds(30, 30, 200, 120);
        child->Show();
    }
    frame->Tile();  // one above the other, each the client's width
    EXPECT_EQ(children[0]->Left(), children[1]->Left());
    EXPECT_NE(children[0]->Top(), children[1]->Top());
    frame->SetTileMode(tbVertical);
    frame->Tile();  // side by side
    EXPECT_EQ(children[0]->Top(), children[1]->Top());
    EXPECT_NE(children[0]->Left(), children[1]->Left());
    frame->Cascade();
    EXPECT_NE(children[0]->Top(), children[1]->Top());
    TCustomForm* active = frame->ActiveMDIChild();
    frame->Next();
    EXPECT_NE(frame->ActiveMDIChild(), active);
    frame->Previous();
    EXPECT_EQ(frame->ActiveMDIChild(), active);
    NewForm()->Tile();  // no frame: nothing happens
}

TEST_F(FormLayerTest, AnActiveOleControlIsForgottenWhenItGoes) {
    TForm* form = NewForm();
    auto* panel = Place<TPanel>(form, 0, 0, 50, 50);
    form->SetActiveOleControl(panel);
    form->SetDropTarget(true);
    EXPECT_EQ(form->ActiveOleControl(), panel);
    delete panel;
    EXPECT_EQ(form->ActiveOleControl(), nullptr);
    EXPECT_TRUE(form->DropTarget());
}

TEST_F(FormLayerTest, CreateFormByClassHoldsTheReferenceBeforeConstructionEnds) {
    TComponent* reference = nullptr;
    watchedReference = &reference;
    Application->CreateForm(TWatchedForm::StaticClass(), reference);
    ASSERT_NE(reference, nullptr);
    EXPECT_EQ(seenInAfterConstruction, reference);
    EXPECT_EQ(reference->ClassName(), "TWatchedForm");
    EXPECT_EQ(Application->MainForm(), reference);

    TWatchedForm::fail = true;
    EXPECT_THROW(Application->CreateForm(TWatchedForm::StaticClass(), reference), EInvalidOperation);
    TWatchedForm::fail = false;
    EXPECT_EQ(reference, nullptr);
}

TEST_F(FormLayerTest, TopMostMarksComeOffAndBackInNestedCalls) {
    TForm* main = NewForm();
    TForm* onTop = NewForm();
    Application->SetMainForm(main);
    main->SetFormStyle(fsStayOnTop);
    onTop->SetFormStyle(fsStayOnTop);
    main->Show();
    onTop->Show();
    const auto topMost = [](TForm* form) { return (GetWindowLong(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    Application->NormalizeTopMosts();
    Application->NormalizeTopMosts();
    EXPECT_TRUE(topMost(main));
    EXPECT_FALSE(topMost(onTop));
    Application->RestoreTopMosts();
    EXPECT_FALSE(topMost(onTop));
    Application->RestoreTopMosts();
    EXPECT_TRUE(topMost(onTop));
    Application->NormalizeAllTopMosts();
    EXPECT_FALSE(topMost(main));
    Application->RestoreTopMosts();
    EXPECT_TRUE(topMost(main));

    Application->Minimize();
    EXPECT_EQ(main->WindowState(), wsMinimized);
    Application->Restore();
    EXPECT_EQ(main->WindowState(), wsNormal);
}

TEST_F(FormLayerTest, TaskWindowsAreDisabledUntilTheListComesBack) {
    TForm* first = NewForm();
    TForm* dialog = NewForm();
    TForm* hidden = NewForm();
    first->Show();
    dialog->Show();
    TTaskWindowList* list = DisableTaskWindows(dialog->Handle());
    EXPECT_FALSE(IsWindowEnabled(first->Handle()));
    EXPECT_TRUE(IsWindowEnabled(dialog->Handle()));
    EXPECT_TRUE(IsWindowEnabled(hidden->Handle()));
    EnableTaskWindows(list);
    EXPECT_TRUE(IsWindowEnabled(first->Handle()));

    auto* loose = TPanel::Create(nullptr);
    EXPECT_EQ(GetParentForm(loose), nullptr);
    EXPECT_THROW(ValidParentForm(loose), EInvalidOperation);
    loose->SetParent(first);
    EXPECT_EQ(ValidParentForm(loose), first);
}

TEST_F(FormLayerTest, TheScreenHasNoInputMethodsAndCopiesItsIconFont) {
    EXPECT_EQ(Screen->Imes()->Count(), 0);
    EXPECT_EQ(Screen->DefaultIme(), "");
    EXPECT_EQ(Screen->DefaultKbLayout(), 0u);
    TFont font;
    font.SetName("宋体");
    font.SetSize(11);
    TFont saved;
    saved.Assign(Screen->IconFont());
    Screen->SetIconFont(&font);
    EXPECT_NE(Screen->IconFont(), &font);
    EXPECT_EQ(Screen->IconFont()->Size(), 11);
    Screen->SetIconFont(&saved);
}

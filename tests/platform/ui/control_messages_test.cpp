// Message dispatch: handlers declared by id, ancestors' handlers and the
// default handler behind them, WindowProc replaced and chained, mouse
// enter/leave, CN_KEYDOWN before the window's own key handling, and
// reflected notifications.
#include <algorithm>

#include "tests/platform/ui/control_fixture.h"

#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/graphic.h"
#include "platform/ui/stdctrls_combo.h"

using MessagesTest = ControlTest;

namespace {

class TLoggingBox : public TFocusBox {
    SERVIORA_CLASS(TLoggingBox, TFocusBox)
public:
    using TFocusBox::TFocusBox;
    std::vector<AnsiString> log;

protected:
    void WMUser(TMessage& Message) {
        log.push_back("user");
        Message.Result = 7;
    }
    void CMMouseEnter(TMessage&) { log.push_back("enter"); }
    void CMMouseLeave(TMessage&) { log.push_back("leave"); }
    void CNKeyDown(TMessage& Message) {
        if (Message.WParam == VK_F3) {
            log.push_back("F3");
            Message.Result = 1;
            return;
        }
        TFocusBox::Dispatch(Message);
    }
    void CNCommand(TMessage& Message) { log.push_back("command " + std::to_string(HIWORD(Message.WParam))); }
    void CMControlListChange(TMessage& Message) {
        log.push_back((Message.LParam ? "insert " : "remove ") +
                      reinterpret_cast<TControl*>(Message.WParam)->Name() + " " +
                      std::to_string(reinterpret_cast<TControl*>(Message.WParam)->Parent() == this));
    }

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_USER + 1, WMUser)
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
        SERVIORA_MESSAGE(CN_KEYDOWN, CNKeyDown)
        SERVIORA_MESSAGE(CN_COMMAND, CNCommand)
        SERVIORA_MESSAGE(CM_CONTROLLISTCHANGE, CMControlListChange)
    SERVIORA_MESSAGES_END(TFocusBox)
};

}  // namespace

TEST_F(MessagesTest, HandlersByIdWindowProcChainingAndTheDefaultProcedure) {
    TForm* form = NewForm();
    TLoggingBox* box = TLoggingBox::Create(form);
    box->SetParent(form);
    EXPECT_EQ(box->Perform(WM_USER + 1, 0, 0), 7);
    EXPECT_EQ(SendMessage(box->Handle(), WM_USER + 1, 0, 0), 7);
    // Text set through the default procedure comes back through it.
    SendMessage(box->Handle(), WM_SETTEXT, 0, LPARAM("旧"));
    EXPECT_EQ(WindowTextOf(box->Handle()), "旧");

    // A replaced WindowProc sees messages first and chains to the old one.
    const TWndMethod old = box->WindowProc();
    std::vector<UINT> seen;
    box->SetWindowProc([&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_USER + 2) {
            m.Result = 9;
            return;
        }
        old(m);
    });
    EXPECT_EQ(box->Perform(WM_USER + 2, 0, 0), 9);
    EXPECT_EQ(box->Perform(WM_USER + 1, 0, 0), 7);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 2, WM_USER + 1}));
    box->SetWindowProc(old);
    EXPECT_EQ(box->log, (std::vector<AnsiString>{"user", "user", "user"}));
}

TEST_F(MessagesTest, MouseEnterLeaveKeysAndReflectedCommands) {
    TForm* form = NewForm();
    TLoggingBox* box = TLoggingBox::Create(form);
    box->SetParent(form);
    box->SetBounds(20, 20, 60, 30);
    std::vector<Word> keys;
    box->SetOnKeyDown([&](TObject*, Word& key, TShiftState) { keys.push_back(key); });
    form->Show();
    box->SetFocus();
    SimulateMouseMove(box->Handle(), Point(5, 5));
    SimulateMouseMove(box->Handle(), Point(6, 6));
    SimulateMouseMove(form->Handle(), Point(150, 150));
    ProcessMessages();
    Key(VK_F3);
    Key(VK_F4);
    form->Perform(WM_COMMAND, MAKEWPARAM(0, 5), LPARAM(box->Handle()));
    EXPECT_EQ(box->log, (std::vector<AnsiString>{"enter", "leave", "F3", "command 5"}));
    EXPECT_EQ(keys, std::vector<Word>{VK_F4});
    EXPECT_EQ(FindDragTarget(box->ClientToScreen(Point(3, 3)), true), box);
}

// The combo box's edit is the combo box for the mouse: moving between the
// edit and the button neither leaves nor enters again.
TEST_F(MessagesTest, MouseOverAComboBoxsEditIsOverTheComboBox) {
    TForm* form = NewForm();
    auto* combo = Place<TComboBox>(form, 20, 20, 120, 22);
    form->Show();
    ProcessMessages();
    std::vector<AnsiString> log;
    const TWndMethod old = combo->WindowProc();
    combo->SetWindowProc([&](TMessage& m) {
        if (m.Msg == CM_MOUSEENTER) log.push_back("enter");
        if (m.Msg == CM_MOUSELEAVE) log.push_back("leave");
        old(m);
    });
    SimulateMouseMove(form->Handle(), Point(5, 5));
    SimulateMouseMove(combo->Handle(), Point(30, 10));
    ProcessMessages();
    EXPECT_EQ(log, std::vector<AnsiString>{"enter"}) << "straight onto the edit";
    SimulateMouseMove(combo->Handle(), Point(112, 10));
    SimulateMouseMove(combo->Handle(), Point(30, 10));
    SimulateMouseMove(combo->Handle(), Point(112, 10));
    ProcessMessages();
    EXPECT_EQ(log, std::vector<AnsiString>{"enter"}) << "between the edit and the button";
    SimulateMouseMove(form->Handle(), Point(5, 5));
    ProcessMessages();
    EXPECT_EQ(log, (std::vector<AnsiString>{"enter", "leave"}));
    SimulateMouseMove(combo->Handle(), Point(30, 10));
    SimulateMouseMove(form->Handle(), Point(5, 5));
    ProcessMessages();
    EXPECT_EQ(log, (std::vector<AnsiString>{"enter", "leave", "enter", "leave"})) << "out from the edit";
    combo->SetWindowProc(old);
}

// A window entered straight onto a graphic child tells the child when the
// mouse leaves for another window.
TEST_F(MessagesTest, AGraphicChildHearsTheMouseLeaveItsWindow) {
    TForm* form = NewForm();
    auto* panel = Place<TPanel>(form, 20, 20, 120, 40);
    auto* child = new TPaintBox(form);
    child->SetParent(panel);
    child->SetBounds(0, 0, 120, 40);
    std::vector<AnsiString> log;
    const TWndMethod old = child->WindowProc();
    child->SetWindowProc([&](TMessage& m) {
        if (m.Msg == CM_MOUSEENTER) log.push_back("enter");
        if (m.Msg == CM_MOUSELEAVE) log.push_back("leave");
        old(m);
    });
    form->Show();
    ProcessMessages();
    SimulateMouseMove(panel->Handle(), Point(30, 10));
    SimulateMouseMove(form->Handle(), Point(5, 5));
    ProcessMessages();
    EXPECT_EQ(log, (std::vector<AnsiString>{"enter", "leave"}));
    child->SetWindowProc(old);
}

TEST_F(MessagesTest, PrintDrawsTheWindowItsGraphicControlsAndWithChildrenItsChildWindows) {
    TForm* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBevelOuter(bvNone);
    panel->SetCaption("");
    panel->SetColor(clRed);
    panel->SetBounds(0, 0, 60, 30);
    auto* child = new TPanel(form);
    child->SetParent(panel);
    child->SetBevelOuter(bvNone);
    child->SetCaption("");
    child->SetColor(clLime);
    child->SetBounds(10, 10, 10, 10);
    auto* shape = new TShape(form);
    shape->SetParent(panel);
    shape->Brush()->SetColor(clBlue);
    shape->SetBounds(40, 5, 10, 10);
    form->Show();
    for (LPARAM children : {LPARAM(0), PRF_CHILDREN}) {
        SCOPED_TRACE(children);
        std::unique_ptr<TBitmap> image(TBitmap::Create());
        image->SetSize(60, 30);
        image->Canvas()->Brush()->SetColor(clWhite);
        image->Canvas()->FillRect(TRect(0, 0, 60, 30));
        panel->Perform(WM_PRINT, WPARAM(image->Canvas()->Handle()), PRF_CLIENT | PRF_ERASEBKGND | children);
        EXPECT_EQ(image->Canvas()->Pixels(2, 2), clRed);
        EXPECT_EQ(image->Canvas()->Pixels(45, 10), clBlue) << "graphic controls belong to the client";
        EXPECT_EQ(image->Canvas()->Pixels(15, 15), children ? clLime : clRed);
    }
}

TEST_F(MessagesTest, AParentHearsOfEachChildInsertedAndRemovedButNotWhileItIsDestroyed) {
    TForm* form = NewForm();
    TLoggingBox* box = TLoggingBox::Create(form);
    box->SetParent(form);
    TLoggingBox* child = TLoggingBox::Create(box);
    child->SetName("Child");
    child->SetParent(box);
    child->SetParent(nullptr);
    EXPECT_EQ(box->log, (std::vector<AnsiString>{"insert Child 1", "remove Child 1"}));

    child->SetParent(box);
    std::vector<UINT> heardWhileDestroyed;
    box->SetWindowProc([&](TMessage& m) { heardWhileDestroyed.push_back(m.Msg); });
    delete box;
    EXPECT_EQ(std::count(heardWhileDestroyed.begin(), heardWhileDestroyed.end(), UINT(CM_CONTROLLISTCHANGE)), 0);
}

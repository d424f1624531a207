// Menus: a form's main menu fires OnClick, a disabled item's Click does
// nothing, an owner-drawn item draws itself through OnDrawItem (on the menu
// bar too), a pop-up menu chosen by keyboard.
#include "platform/ui/graphic.h"
#include "platform/ui/menus.h"
#include "tests/platform/ui/control_fixture.h"

using MenuTest = ControlTest;

namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const AnsiString& caption, std::vector<AnsiString>* log) {
    TMenuItem* item = TMenuItem::Create(owner);
    item->SetCaption(caption);
    if (log) item->SetOnClick([log, caption](TObject*) { log->push_back(caption); });
    parent->Add(item);
    return item;
}

}  // namespace

TEST_F(MenuTest, ADisabledItemsClickDoesNothing) {
    std::vector<AnsiString> log;
    TMainMenu* menu = TMainMenu::Create(Application);
    TMenuItem* file = AddItem(menu, menu->Items(), "文件(&F)", nullptr);
    TMenuItem* backup = AddItem(menu, file, "备份(&B)", &log);
    backup->Click();
    backup->SetEnabled(false);
    backup->Click();
    EXPECT_EQ(log, std::vector<AnsiString>{"备份(&B)"});
    EXPECT_EQ(menu->Items()->Find("文件(F)"), file);
}

TEST_F(MenuTest, FindIgnoresLetterCaseButNotTheTrailBytesOfDoubleByteCharacters) {
    TMainMenu* menu = TMainMenu::Create(Application);
    TMenuItem* file = AddItem(menu, menu->Items(), "&File", nullptr);
    // Two characters whose trail bytes are the letters 'A' and 'a'.
    AddItem(menu, menu->Items(), "\xB0\x41", nullptr);
    TMenuItem* second = AddItem(menu, menu->Items(), "\xB0\x61", nullptr);
    EXPECT_EQ(menu->Items()->Find("FILE"), file);
    EXPECT_EQ(menu->Items()->Find("\xB0\x61"), second);
}

TEST_F(MenuTest, AFormsMenuBarCommandsReachTheItemsOnClick) {
    std::vector<AnsiString> log;
    TForm* form = NewForm();
    TMainMenu* menu = TMainMenu::Create(form);
    TMenuItem* file = AddItem(menu, menu->Items(), "文件(&F)", nullptr);
    TMenuItem* open = AddItem(menu, file, "打开(&O)", &log);
    AddItem(menu, file, "-", nullptr);
    TMenuItem* quit = AddItem(menu, file, "退出(&X)", &log);
    quit->SetShortCut(TextToShortCut("Ctrl+Q"));
    form->SetMenu(menu);
    form->Show();
    ASSERT_EQ(GetMenu(form->Handle()), menu->Handle());
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu->Handle(), 0)), 3);

    // F10, Enter opens the file menu; Down, Enter chooses its first item.
    for (int key : {VK_F10, VK_RETURN, VK_RETURN}) {
        SimulateKey(key, true);
        SimulateKey(key, false);
    }
    ProcessMessages();
    form->Perform(WM_COMMAND, quit->Command(), 0);
    EXPECT_EQ(log, (std::vector<AnsiString>{"打开(&O)", "退出(&X)"}));
    EXPECT_TRUE(open->Enabled());
    EXPECT_EQ(ShortCutToText(quit->ShortCut()), "Ctrl+Q");
}

TEST_F(MenuTest, AChangedMainMenuGivesItsFormTheNewHandleAndTellsTheWindow) {
    TForm* form = NewForm();
    TMainMenu* menu = TMainMenu::Create(form);
    TMenuItem* file = AddItem(menu, menu->Items(), "文件(&F)", nullptr);
    form->SetMenu(menu);
    form->Show();
    HMENU seen = 0;
    int notices = 0;
    const int observer = AddSentMessageObserver([&](const MSG& msg) {
        if (msg.hwnd != form->Handle() || msg.message != CM_MENUCHANGED) return;
        ++notices;
        seen = GetMenu(msg.hwnd);
    });
    AddItem(menu, file, "打开(&O)", nullptr);
    RemoveObserver(observer);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(seen, menu->Handle()) << "the window holds the new handle when it is told";
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form->Handle()), 0)), 1);
}

TEST_F(MenuTest, OwnerDrawnPopupItemsMeasureAndDrawThemselves) {
    std::vector<AnsiString> log;
    TForm* form = NewForm();
    form->Show();
    TPopupMenu* popup = TPopupMenu::Create(form);
    popup->SetOwnerDraw(true);
    TMenuItem* first = AddItem(popup, popup->Items(), "第一项", &log);
    TMenuItem* line = AddItem(popup, popup->Items(), "-", nullptr);
    TMenuItem* second = AddItem(popup, popup->Items(), "第二项", &log);
    std::vector<AnsiString> drawn;
    for (TMenuItem* item : {first, line, second}) {
        item->SetOnMeasureItem([](TObject*, TCanvas*, int& width, int& height) {
            width = 120;
            height = 22;
        });
        item->SetOnDrawItem([&drawn, item](TObject*, TCanvas* canvas, TRect rect, bool selected) {
            EXPECT_EQ(rect.bottom - rect.top, 22);
            canvas->FillRect(rect);
            drawn.push_back(item->Caption() + (selected ? " selected" : ""));
        });
    }
    bool popped = false;
    popup->SetOnPopup([&](TObject*) { popped = true; });
    for (int key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        SimulateKey(key, true);
        SimulateKey(key, false);
    }
    popup->Popup(100, 100);
    EXPECT_TRUE(popped);
    EXPECT_EQ(log, std::vector<AnsiString>{"第二项"});
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "第二项 selected"), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "-"), drawn.end()) << "the line is owner-drawn too";
}

TEST_F(MenuTest, OwnerDrawnMenuBarItemsOpeningSubMenusMeasureAndDrawThemselves) {
    TForm* form = NewForm();
    TMainMenu* menu = TMainMenu::Create(form);
    menu->SetOwnerDraw(true);
    TMenuItem* file = AddItem(menu, menu->Items(), "文件", nullptr);
    AddItem(menu, file, "打开", nullptr);
    int measured = -1, textWidth = 0;
    std::vector<TRect> drawn;
    file->SetOnMeasureItem([&](TObject*, TCanvas* canvas, int& width, int&) {
        measured = width;
        textWidth = canvas->TextWidth("文件");
    });
    file->SetOnAdvancedDrawItem([&](TObject*, TCanvas*, TRect rect, TOwnerDrawState) { drawn.push_back(rect); });
    form->SetMenu(menu);
    form->Show();
    DrawMenuBar(form->Handle());
    ProcessMessages();
    // The item was measured as its caption in the menu font, and drawn in
    // that width with the bar's margins around it.
    EXPECT_EQ(measured, textWidth);
    EXPECT_GT(textWidth, 0);
    EXPECT_EQ(menu->FindItem(UINT(file->Handle()), fkHandle), file);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().right - drawn.back().left, measured + 16);
    delete form;
}

TEST_F(MenuTest, ShortCutTextRoundTripsAndAccelsMatchTheirLetter) {
    for (const char* text : {"Ctrl+S", "F5", "Shift+Del", "Ctrl+Alt+Enter"})
        EXPECT_EQ(ShortCutToText(TextToShortCut(text)), text);
    EXPECT_EQ(TextToShortCut("Hyper+X"), 0);
    EXPECT_TRUE(IsAccel('Y', "是(&Y)"));
    EXPECT_FALSE(IsAccel('N', "是(&Y)"));
    EXPECT_FALSE(IsAccel('A', "A&&B"));
    EXPECT_EQ(StripHotkey("打开(&O)"), "打开(O)");
}

TEST_F(MenuTest, AnOwnerDrawnItemIsSizedForItsTextBeforeItsHandlerIsAsked) {
    TPopupMenu* popup = TPopupMenu::Create(Application);
    popup->SetOwnerDraw(true);
    TMenuItem* plain = AddItem(popup, popup->Items(), "打开(&O)", nullptr);
    TMenuItem* shortcut = AddItem(popup, popup->Items(), "打开(&O)", nullptr);
    shortcut->SetShortCut(TextToShortCut("Ctrl+O"));
    TMenuItem* line = AddItem(popup, popup->Items(), "-", nullptr);
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas* canvas = scratch.Canvas();
    int width = 0, height = 0;
    plain->MeasureItem(canvas, width, height);
    EXPECT_EQ(width, 16 + 8 + canvas->TextWidth("打开(O)"));
    EXPECT_GE(height, canvas->TextHeight("打开") + 4);
    int withKey = 0;
    shortcut->MeasureItem(canvas, withKey, height);
    EXPECT_GT(withKey, width);
    int lineHeight = 0;
    line->MeasureItem(canvas, width, lineHeight);
    EXPECT_EQ(lineHeight, 5);
    plain->SetOnMeasureItem([](TObject*, TCanvas*, int& w, int&) { w += 10; });
    int handled = 0;
    plain->MeasureItem(canvas, handled, height);
    EXPECT_EQ(handled, 16 + 8 + canvas->TextWidth("打开(O)") + 10) << "the handler starts from the measured size";
}


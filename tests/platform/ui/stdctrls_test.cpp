// TEdit and TComboBox on a form, driven through synthetic input: typing
// with OnChange per keystroke, OnKeyPress discarding a key, the byte limit,
// and a combo box chosen by mouse and keyboard after OnDropDown refilled it.
#include <set>

#include "tests/platform/win/calendar_cell.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/writer.h"
#include "platform/win/commctrl.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/comctrls_listview.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/ui/stdctrls_scrollbar.h"

using StdCtrlsTest = FormControlTest;

TEST_F(StdCtrlsTest, EditTypingFiresOnChangePerKeyAndOnKeyPressCanDiscard) {
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 21);
    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });
    edit->SetOnKeyPress([](TObject*, char& key) {
        if (key == 'x') key = 0;
    });
    edit->SetFocus();
    ProcessMessages();
    SimulateTyping("axb");
    SimulateCommit("中文");
    ProcessMessages();
    EXPECT_EQ(edit->Text(), AnsiString("ab中文"));
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(edit->Modified());
    edit->SetSelStart(2);
    edit->SetSelLength(2);
    EXPECT_EQ(edit->SelText(), AnsiString("中"));
    edit->CopyToClipboard();
    edit->SelectAll();
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), AnsiString("中"));
    edit->Undo();
    EXPECT_EQ(edit->Text(), AnsiString("ab中文"));
}

TEST_F(StdCtrlsTest, AnEditPaintsInItsOwnColourAndFontColourAlsoWhenReadOnly) {
    for (bool readOnly : {false, true}) {
        TEdit* edit = TEdit::Create(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 21);
        edit->SetColor(clYellow);
        edit->Font()->SetColor(clRed);
        edit->SetReadOnly(readOnly);
        edit->SetText("HHHH");
        form->Show();
        ProcessMessages();
        EXPECT_EQ(ShownPixel(edit->Handle(), 140, 10), RGB(255, 255, 0)) << readOnly;
        int red = 0;
        for (int x = 0; x < 60; ++x)
            for (int y = 0; y < 21; ++y) red += ShownPixel(edit->Handle(), x, y) == RGB(255, 0, 0);
        EXPECT_GT(red, 0) << readOnly;
        delete edit;
    }
}

TEST_F(StdCtrlsTest, EditMaxLengthNeverCutsAChineseCharacter) {
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetMaxLength(5);
    edit->SetFocus();
    ProcessMessages();
    SimulateTyping("a");
    SimulateCommit("中文字");
    ProcessMessages();
    EXPECT_EQ(edit->Text(), AnsiString("a中文"));
    edit->SetText("xyz");
    edit->SelectAll();
    edit->SetSelText("一二三");
    EXPECT_EQ(edit->Text(), AnsiString("一二"));
}

TEST_F(StdCtrlsTest, ComboChosenByMouseAndKeyboardAfterOnDropDownRefills) {
    TComboBox* combo = TComboBox::Create(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    std::vector<AnsiString> log;
    combo->SetOnDropDown([&](TObject*) {
        log.push_back("dropdown");
        combo->Items()->Clear();
        for (const char* text : {"维修", "换屏", "电池"}) combo->Items()->Add(text);
    });
    combo->SetOnChange([&](TObject*) { log.push_back("change:" + combo->Text()); });
    combo->SetOnSelect([&](TObject*) { log.push_back("select"); });
    combo->SetOnCloseUp([&](TObject*) { log.push_back("closeup"); });
    EXPECT_EQ(combo->ItemIndex(), -1);

    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    SimulateClick(combo->Handle(), {info.rcButton.left + 2, info.rcButton.top + 2});
    ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    RECT item;
    SendMessage(info.hwndList, LB_GETITEMRECT, 2, LPARAM(&item));
    SimulateMouseMove(info.hwndList, {5, item.top + 2});
    SimulateClick(info.hwndList, {5, item.top + 2});
    ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), AnsiString("电池"));
    EXPECT_EQ(log, (std::vector<AnsiString>{"dropdown", "closeup", "change:电池", "select"}));

    log.clear();
    Key(VK_UP);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<AnsiString>{"change:换屏", "select"}));
    log.clear();
    SimulateTyping("x");
    ProcessMessages();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(combo->Text(), AnsiString("x"));
}

TEST_F(StdCtrlsTest, KeysTypedIntoAComboReachItsKeyEventsAndEmptyingTheListKeepsTheText) {
    TComboBox* combo = TComboBox::Create(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    TEdit* next = TEdit::Create(form);
    next->SetParent(form);
    next->SetBounds(10, 40, 150, 21);
    std::vector<AnsiString> log;
    combo->SetOnKeyDown([&](TObject*, Word& key, TShiftState) {
        log.push_back("down:" + std::to_string(key));
        if (key == VK_RETURN) next->SetFocus();
    });
    combo->SetOnKeyPress([&](TObject*, char& key) {
        if (key == 'x') key = 0;
    });
    combo->SetOnKeyUp([&](TObject*, Word& key, TShiftState) { log.push_back("up:" + std::to_string(key)); });
    combo->SetOnDropDown([&](TObject*) {
        combo->Items()->Clear();
        combo->Items()->Add("维修");
    });
    combo->SetFocus();
    ProcessMessages();
    EXPECT_TRUE(combo->Focused()) << "the focus is in the box's edit";
    SimulateTyping("axb");
    ProcessMessages();
    EXPECT_EQ(combo->Text(), AnsiString("ab")) << "OnKeyPress discards a key";
    EXPECT_EQ(log.front(), "down:" + std::to_string('A'));
    EXPECT_EQ(log.back(), "up:" + std::to_string('B'));

    Key(VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->Items()->Count(), 1);
    EXPECT_EQ(combo->Text(), AnsiString("ab")) << "refilling the list keeps the typed text";
    Key(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());

    Key(VK_RETURN);
    EXPECT_TRUE(next->Focused()) << "the handler of Enter moved the focus";
    EXPECT_FALSE(combo->Focused());

    combo->Clear();
    EXPECT_EQ(combo->Items()->Count(), 0);
    EXPECT_EQ(combo->Text(), AnsiString("")) << "Clear empties the list and the text";
    EXPECT_EQ(GetWindowTextLength(combo->Handle()), 0);
}

TEST_F(StdCtrlsTest, CheckBoxCyclesItsStatesOnClicks) {
    TCheckBox* box = TCheckBox::Create(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 120, 17);
    box->SetCaption("保修");
    int clicks = 0;
    box->SetOnClick([&](TObject*) { ++clicks; });
    Click(box);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(SendMessage(box->Handle(), BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    box->SetAllowGrayed(true);
    Click(box);
    Click(box);
    EXPECT_EQ(box->State(), cbGrayed);
    EXPECT_EQ(clicks, 3);
}

TEST_F(StdCtrlsTest, RadioGroupItemIndexFollowsClicks) {
    TRadioGroup* group = TRadioGroup::Create(form);
    group->SetParent(form);
    group->SetBounds(10, 10, 200, 120);
    group->SetCaption("付款方式");
    for (const char* text : {"现金", "刷卡", "转账"}) group->Items()->Add(text);
    group->SetItemIndex(0);
    int clicks = 0;
    group->SetOnClick([&](TObject*) { ++clicks; });
    auto* third = dynamic_cast<TRadioButton*>(group->Controls(2));
    ASSERT_NE(third, nullptr);
    Click(third);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(dynamic_cast<TRadioButton*>(group->Controls(0))->Checked());
    group->SetItemIndex(1);
    EXPECT_TRUE(dynamic_cast<TRadioButton*>(group->Controls(1))->Checked());
    EXPECT_FALSE(third->Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(StdCtrlsTest, RadioGroupButtonsStandInsideTheFrameBelowTheCaption) {
    TRadioGroup* group = TRadioGroup::Create(form);
    group->SetParent(form);
    group->Font()->SetHeight(-13);
    group->SetBounds(10, 10, 250, 40);
    group->SetCaption("是否换机？");
    group->SetColumns(2);
    for (const char* text : {"未换机", "已经换机"}) group->Items()->Add(text);
    for (int i = 0; i < 2; ++i) {
        TControl* button = group->Controls(i);
        EXPECT_GE(button->Top(), 13) << i;
        EXPECT_GE(button->Left(), 2) << i;
        EXPECT_LE(button->Left() + button->Width(), group->Width() - 2) << i;
    }
    EXPECT_GT(group->Controls(1)->Left(), group->Controls(0)->Left() + group->Controls(0)->Width() - 1);
    // Without a caption a low group keeps its buttons inside the frame.
    group->SetCaption("");
    group->SetHeight(30);
    for (int i = 0; i < 2; ++i) {
        TControl* button = group->Controls(i);
        EXPECT_GE(button->Top(), 6) << i;
        EXPECT_LE(button->Top() + button->Height(), group->Height() - 2) << i;
    }
}

TEST_F(StdCtrlsTest, PageControlSwitchesPagesWithOnChangingAndOnChange) {
    TPageControl* pages = TPageControl::Create(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 280, 160);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"客户", "维修", "结算"}) {
        TTabSheet* sheet = TTabSheet::Create(form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
        sheets.push_back(sheet);
    }
    ProcessMessages();
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[1]->Visible());
    std::vector<AnsiString> log;
    bool allow = true;
    pages->SetOnChanging([&](TObject*, bool& allowChange) {
        log.push_back("changing");
        allowChange = allow;
    });
    pages->SetOnChange([&](TObject*) { log.push_back("change"); });

    RECT tab;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 2, LPARAM(&tab));
    SimulateClick(pages->Handle(), {tab.left + 4, tab.top + 4});
    ProcessMessages();
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_TRUE(sheets[2]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_EQ(log, (std::vector<AnsiString>{"changing", "change"}));
    // The sheet fills the area below the tabs.
    EXPECT_GT(sheets[2]->Top(), tab.bottom - 1);

    allow = false;
    Key(VK_LEFT);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    sheets[1]->SetTabVisible(false);
    allow = true;
    Key(VK_LEFT);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    pages->SetActivePageIndex(1);
    EXPECT_TRUE(sheets[1]->Visible());
}

TEST_F(StdCtrlsTest, MultiLinePageControlKeepsItsPagesBelowAllRowsOfTabs) {
    TPageControl* pages = TPageControl::Create(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 160, 160);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"客户资料", "维修记录", "备件库存", "结算单据"}) {
        TTabSheet* sheet = TTabSheet::Create(form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
        sheets.push_back(sheet);
    }
    pages->SetActivePageIndex(3);
    const int singleRowTop = sheets[3]->Top();
    pages->SetMultiLine(true);
    ProcessMessages();
    const LRESULT rows = SendMessage(pages->Handle(), TCM_GETROWCOUNT, 0, 0);
    EXPECT_GT(rows, 1);
    EXPECT_EQ(pages->ActivePage(), sheets[3]);
    EXPECT_TRUE(sheets[3]->Visible());
    RECT tab;
    for (int i = 0; i < 4; ++i) {
        SendMessage(pages->Handle(), TCM_GETITEMRECT, WPARAM(i), LPARAM(&tab));
        EXPECT_GE(sheets[3]->Top(), tab.bottom) << i;
    }
    EXPECT_EQ(sheets[3]->Top() - singleRowTop, (rows - 1) * (tab.bottom - tab.top));
}

// Whatever draws over a control (a skin, an owner-draw handler) uses the
// control's font: its window must measure with the same one.
TEST_F(StdCtrlsTest, AControlsWindowKeepsTheControlsFontFromCreationAndAfterChanges) {
    TPageControl* pages = TPageControl::Create(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 280, 160);
    TTabSheet* sheet = TTabSheet::Create(form);
    sheet->SetCaption("操作人员管理");
    sheet->SetPageControl(pages);
    pages->Font()->SetName("宋体");
    pages->Font()->SetHeight(-12);
    EXPECT_EQ(HFONT(SendMessage(pages->Handle(), WM_GETFONT, 0, 0)), pages->Font()->Handle());
    RECT small;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 0, LPARAM(&small));

    pages->Font()->SetHeight(-24);
    EXPECT_EQ(HFONT(SendMessage(pages->Handle(), WM_GETFONT, 0, 0)), pages->Font()->Handle());
    RECT large;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 0, LPARAM(&large));
    EXPECT_GT(large.right - large.left, small.right - small.left + 30);

    // A window made after its font was set takes it at once.
    TEdit* edit = TEdit::Create(form);
    edit->Font()->SetHeight(-20);
    edit->SetParent(form);
    EXPECT_EQ(HFONT(SendMessage(edit->Handle(), WM_GETFONT, 0, 0)), edit->Font()->Handle());
}

TEST_F(StdCtrlsTest, PageControlTabsStandOnEachSideWithTheSheetBesideThem) {
    TPageControl* pages = TPageControl::Create(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 280, 160);
    TTabSheet* sheet = TTabSheet::Create(form);
    sheet->SetCaption("客户");
    sheet->SetPageControl(pages);
    struct Case {
        TTabPosition position;
        // Which side of the sheet the tab is on.
        bool (*beside)(const RECT& tab, const TRect& sheet);
    };
    const Case cases[] = {
        {tpTop, [](const RECT& t, const TRect& s) { return t.bottom <= s.top; }},
        {tpBottom, [](const RECT& t, const TRect& s) { return t.top >= s.bottom; }},
        {tpLeft, [](const RECT& t, const TRect& s) { return t.right <= s.left && t.bottom - t.top > t.right - t.left; }},
        {tpRight, [](const RECT& t, const TRect& s) { return t.left >= s.right && t.bottom - t.top > t.right - t.left; }},
    };
    for (const Case& c : cases) {
        pages->SetTabPosition(c.position);
        ProcessMessages();
        RECT tab;
        SendMessage(pages->Handle(), TCM_GETITEMRECT, 0, LPARAM(&tab));
        const TRect placed = sheet->BoundsRect();
        EXPECT_TRUE(c.beside(tab, placed)) << int(c.position);
        TCHITTESTINFO hit;
        hit.pt = {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
        EXPECT_EQ(SendMessage(pages->Handle(), TCM_HITTEST, 0, LPARAM(&hit)), 0) << int(c.position);
    }
    // Buttons leave the area unframed: the sheet reaches the control's sides.
    pages->SetTabPosition(tpTop);
    pages->SetStyle(tsButtons);
    ProcessMessages();
    EXPECT_EQ(sheet->Left(), 0);
    EXPECT_EQ(sheet->Width(), pages->ClientWidth());
}

TEST_F(StdCtrlsTest, TabsThatDoNotFitOneRowAreScrolledByAnUpDown) {
    TPageControl* pages = TPageControl::Create(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 160, 100);
    for (const char* caption : {"客户资料", "维修记录", "备件库存", "结算单据"}) {
        TTabSheet* sheet = TTabSheet::Create(form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    ProcessMessages();
    HWND scroller = GetWindow(pages->Handle(), GW_CHILD);
    while (scroller && ClassNameOf(scroller) != "msctls_updown32") scroller = GetWindow(scroller, GW_HWNDNEXT);
    ASSERT_TRUE(scroller);
    EXPECT_TRUE(IsWindowVisible(scroller));
    RECT before;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 1, LPARAM(&before));
    RECT arrows;
    GetClientRect(scroller, &arrows);
    SimulateClick(scroller, {arrows.right - 3, arrows.bottom / 2});
    ProcessMessages();
    RECT first, second;
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 0, LPARAM(&first));
    SendMessage(pages->Handle(), TCM_GETITEMRECT, 1, LPARAM(&second));
    EXPECT_EQ(first.right, first.left) << "the first tab is scrolled out";
    EXPECT_LT(second.left, before.left);
    pages->SetBounds(10, 10, 300, 100);
    ProcessMessages();
    EXPECT_FALSE(IsWindowVisible(scroller)) << "all tabs fit again";
}

TEST_F(StdCtrlsTest, ScrollBarMovesByArrowsAndPagesWithOnScrollAndOnChange) {
    TScrollBar* bar = TScrollBar::Create(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 200, 17);
    bar->SetLargeChange(10);
    int changes = 0;
    std::vector<TScrollCode> codes;
    bar->SetOnChange([&](TObject*) { ++changes; });
    bar->SetOnScroll([&](TObject*, TScrollCode code, int& position) {
        codes.push_back(code);
        if (position > 20) position = 20;
    });
    SimulateClick(bar->Handle(), {195, 8});
    ProcessMessages();
    EXPECT_EQ(bar->Position(), 1);
    SimulateClick(bar->Handle(), {150, 8});
    ProcessMessages();
    EXPECT_EQ(bar->Position(), 11);
    SimulateClick(bar->Handle(), {150, 8});
    ProcessMessages();
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scLineDown, scEndScroll, scPageDown, scEndScroll, scPageDown,
                                               scEndScroll}));
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
}

// A control painting the scroll bar into a DC of its choosing (its own
// BeginPaint, a print, a bitmap) gets the arrows, thumb and track there.
TEST_F(StdCtrlsTest, AScrollBarControlPaintsIntoTheDCItIsGiven) {
    TScrollBar* bar = TScrollBar::Create(form);
    bar->SetKind(sbVertical);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 17, 200);
    bar->SetParams(0, 0, 100);
    form->Show();
    ProcessMessages();
    const HDC dc = CreateCompatibleDC(0);
    const HBITMAP bitmap = CreateBitmap(17, 200, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 17, 200};
    const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    bar->Perform(WM_PAINT, WPARAM(dc), 0);
    std::set<COLORREF> colours;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 17; ++x) colours.insert(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(magenta);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_FALSE(colours.count(RGB(255, 0, 255)));
    EXPECT_GE(colours.size(), 3u);
}

// An auto-sized calendar takes its window's smallest size, whatever it is given.
TEST_F(StdCtrlsTest, AnAutoSizedMonthCalendarKeepsItsWindowsSmallestSize) {
    TMonthCalendar* calendar = TMonthCalendar::Create(form);
    calendar->SetParent(form);
    calendar->SetBounds(0, 0, 50, 40);
    RECT minimum{0, 0, 0, 0};
    SendMessage(calendar->Handle(), MCM_GETMINREQRECT, 0, LPARAM(&minimum));
    EXPECT_EQ(calendar->Width(), 50);
    calendar->SetAutoSize(true);
    EXPECT_EQ(calendar->Width(), minimum.right - minimum.left);
    EXPECT_EQ(calendar->Height(), minimum.bottom - minimum.top);
    calendar->SetBounds(5, 6, 400, 300);
    EXPECT_EQ(calendar->Left(), 5);
    EXPECT_EQ(calendar->Width(), minimum.right - minimum.left);
}

TEST_F(StdCtrlsTest, DateTimePickerTakesADatePickedFromItsDropDownCalendar) {
    TDateTimePicker* picker = TDateTimePicker::Create(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 150, 21);
    picker->SetDateTime(EncodeDate(2026, 12, 10) + EncodeTime(9, 30, 0, 0));
    std::vector<AnsiString> log;
    picker->SetOnDropDown([&](TObject*) { log.push_back("dropdown"); });
    picker->SetOnChange([&](TObject*) { log.push_back("change"); });
    picker->SetOnCloseUp([&](TObject*) { log.push_back("closeup"); });
    SimulateClick(picker->Handle(), {picker->Width() - 8, 10});
    ProcessMessages();
    ASSERT_TRUE(picker->DroppedDown());
    const HWND calendar = HWND(SendMessage(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
    ASSERT_NE(calendar, 0u);
    const POINT cell = CalendarCellOf(calendar, 24);
    SimulateClick(calendar, cell);
    ProcessMessages();
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 24));
    EXPECT_NEAR(picker->Time(), EncodeTime(9, 30, 0, 0), 1e-6);
    EXPECT_EQ(log, (std::vector<AnsiString>{"dropdown", "change", "closeup"}));
}

// The text follows Format; F4 opens the calendar of the combo mode, and the
// up-down mode has none to open (its arrows step the part at the caret).
TEST_F(StdCtrlsTest, DateTimePickerFollowsItsFormatAndDateMode) {
    for (const TDTDateMode mode : {dmComboBox, dmUpDown}) {
        TDateTimePicker* picker = TDateTimePicker::Create(form);
        picker->SetParent(form);
        picker->SetBounds(10, 10, 150, 21);
        picker->SetDateTime(EncodeDate(2026, 12, 10));
        picker->SetFormat("dd.MM.yyyy");
        picker->SetDateMode(mode);
        EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 10)) << "the value survives a new window";
        EXPECT_EQ(WindowTextOf(picker->Handle()), "10.12.2026") << "and so does the format";
        picker->SetFocus();
        ProcessMessages();
        Key(VK_F4);
        EXPECT_EQ(picker->DroppedDown(), mode == dmComboBox);
        picker->SetFormat("");
        EXPECT_EQ(WindowTextOf(picker->Handle()), DateToStr(EncodeDate(2026, 12, 10)));
        delete picker;
        ProcessMessages();
    }
}

// The check box of ShowCheckbox is drawn before the value and ticked by a
// click or Space; unchecked, the picker holds no value, and a new value
// leaves the box as it is.
TEST_F(StdCtrlsTest, DateTimePickerCheckBoxIsDrawnAndTickedByTheUser) {
    TDateTimePicker* picker = TDateTimePicker::Create(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 150, 21);
    picker->SetDateTime(EncodeDate(2026, 12, 10));
    picker->SetShowCheckbox(true);
    form->Show();
    ProcessMessages();
    const TRect box(4, 4, 17, 17);
    const COLORREF mark = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_TRUE(ColoursIn(picker->Handle(), box).count(mark)) << "checked at first";
    int changes = 0;
    picker->SetOnChange([&](TObject*) { ++changes; });
    SimulateClick(picker->Handle(), {10, 10});
    ProcessMessages();
    EXPECT_FALSE(picker->Checked());
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(ColoursIn(picker->Handle(), box).count(mark));
    SYSTEMTIME value;
    EXPECT_EQ(SendMessage(picker->Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&value)), LRESULT(GDT_NONE));
    picker->SetDate(EncodeDate(2026, 12, 11));
    EXPECT_EQ(SendMessage(picker->Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&value)), LRESULT(GDT_NONE));
    Key(' ', " ");
    EXPECT_TRUE(picker->Checked());
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 11));
    picker->SetChecked(false);
    picker->RecreateWnd();
    EXPECT_FALSE(picker->Checked());
    EXPECT_EQ(SendMessage(picker->Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&value)), LRESULT(GDT_NONE))
        << "kept for a new window";
}

TEST_F(StdCtrlsTest, ListBoxSelectsByMouseAndKeepsItsItemsSorted) {
    TListBox* list = TListBox::Create(form);
    list->SetSorted(true);
    for (const char* text : {"电池", "Apple", "banana"}) list->Items()->Add(text);
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 100);
    EXPECT_EQ(list->Items()->Strings(0), AnsiString("Apple"));
    int clicks = 0;
    list->SetOnClick([&](TObject*) { ++clicks; });
    const TRect second = list->ItemRect(1);
    SimulateClick(list->Handle(), {5, second.top + 2});
    ProcessMessages();
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list->ItemAtPos({5, second.top + 2}, true), 1);
    list->Items()->Delete(0);
    EXPECT_EQ(SendMessage(list->Handle(), LB_GETCOUNT, 0, 0), 2);
    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(1, true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(list->Items()->Count(), 2);
}

TEST_F(StdCtrlsTest, ListViewCheckBoxesToggledByTheUserReachItsItems) {
    TListView* view = TListView::Create(form);
    view->SetViewStyle(vsReport);
    view->SetCheckboxes(true);
    view->SetRowSelect(true);
    view->SetGridLines(true);
    for (const char* caption : {"单号", "机型"}) view->Columns()->Add()->SetCaption(caption);
    view->Columns()->Items(1)->SetWidth(120);
    TListItem* first = view->Items()->Add();
    first->SetCaption("A001");
    first->SubItems()->Add("手机");
    first->SetChecked(true);
    view->SetParent(form);
    view->SetBounds(10, 10, 280, 120);
    TListItem* second = view->Items()->Add();
    second->SetCaption("A002");
    second->SubItems()->Add("平板");
    EXPECT_EQ(SendMessage(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(first->Checked());
    EXPECT_EQ(view->Columns()->Items(1)->Width(), 120);

    RECT row;
    row.left = LVIR_BOUNDS;
    SendMessage(view->Handle(), LVM_GETITEMRECT, 1, LPARAM(&row));
    SimulateClick(view->Handle(), {row.left + 6, (row.top + row.bottom) / 2});
    ProcessMessages();
    EXPECT_TRUE(second->Checked());
    SimulateClick(view->Handle(), {150, (row.top + row.bottom) / 2});
    ProcessMessages();
    EXPECT_EQ(view->Selected(), second);
    char text[16] = {};
    LVITEM item;
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessage(view->Handle(), LVM_GETITEMTEXT, 1, LPARAM(&item));
    EXPECT_EQ(AnsiString(text), AnsiString("平板"));
}

TEST_F(StdCtrlsTest, TabSheetsOfADescriptionArePagesAndItsActivePageIsShown) {
    const std::string text = Utf8(u8R"(object PagesForm: TForm
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    ActivePage = TabSheet2
    object TabSheet1: TTabSheet
      Caption = '操作人员管理'
    end
    object TabSheet2: TTabSheet
      Caption = '权限管理'
    end
  end
end
)");
    const std::unique_ptr<TForm> owner(TForm::Create(nullptr, 0));
    ReadComponentFromString(text, owner.get());
    auto* pages = dynamic_cast<TPageControl*>(owner->FindComponent("PageControl1"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), owner->FindComponent("TabSheet2"));
    EXPECT_TRUE(static_cast<TTabSheet*>(owner->FindComponent("TabSheet2"))->Visible());
    EXPECT_FALSE(static_cast<TTabSheet*>(owner->FindComponent("TabSheet1"))->Visible());
}

TEST_F(StdCtrlsTest, ListViewColumnsAreReadFromAndWrittenToADescription) {
    // Descriptions are UTF-8.
    const std::string text = Utf8(u8R"(object ListViewForm: TForm
  object ListView1: TListView
    Left = 0
    Top = 0
    Width = 300
    Height = 100
    Checkboxes = True
    Columns = <
      item
        Caption = '单据编号'
        Width = 120
      end
      item
        Alignment = taCenter
        Caption = '串码'
      end>
    ViewStyle = vsReport
  end
end
)");
    const std::unique_ptr<TForm> owner(TForm::Create(nullptr, 0));
    TForm* loaded = owner.get();
    ReadComponentFromString(text, loaded);
    auto* view = dynamic_cast<TListView*>(loaded->FindComponent("ListView1"));
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->Columns()->Count(), 2);
    EXPECT_EQ(view->Columns()->Items(0)->Caption(), AnsiString("单据编号"));
    EXPECT_EQ(view->Columns()->Items(1)->Alignment(), taCenter);
    const std::string written = ComponentToText(loaded);
    EXPECT_NE(written.find(Utf8(u8"Caption = '单据编号'")), std::string::npos) << written;
    EXPECT_NE(written.find("Width = 120"), std::string::npos) << written;
    EXPECT_EQ(written.find("Width = 50"), std::string::npos) << "the default width is not written\n" << written;

    view->SetParent(form);
    EXPECT_EQ(SendMessage(view->Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 120);
    EXPECT_EQ(SendMessage(view->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 50) << "the default width";
    char caption[16] = {};
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = caption;
    column.cchTextMax = sizeof caption;
    SendMessage(view->Handle(), LVM_GETCOLUMN, 1, LPARAM(&column));
    EXPECT_EQ(AnsiString(caption), AnsiString("串码"));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);

    view->Columns()->Items(0)->SetCaption("编号");
    view->Columns()->Add()->SetCaption("品牌");
    view->Columns()->Delete(1);
    EXPECT_EQ(SendMessage(view->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 50);
    SendMessage(view->Handle(), LVM_GETCOLUMN, 1, LPARAM(&column));
    EXPECT_EQ(AnsiString(caption), AnsiString("品牌")) << "the window follows additions and deletions";
}

TEST_F(StdCtrlsTest, MemoLinesAndTypedLineBreaks) {
    TMemo* memo = TMemo::Create(form);
    memo->Lines()->Add("第一行");
    memo->SetParent(form);
    memo->SetBounds(10, 10, 200, 100);
    memo->Lines()->Add("second");
    EXPECT_EQ(memo->Text(), AnsiString("第一行\r\nsecond\r\n"));
    EXPECT_EQ(memo->Lines()->Count(), 2);
    memo->SetFocus();
    ProcessMessages();
    SendMessage(memo->Handle(), EM_SETSEL, 0, 0);
    SimulateTyping("x\r");
    ProcessMessages();
    EXPECT_EQ(memo->Lines()->Strings(0), AnsiString("x"));
    EXPECT_EQ(memo->Lines()->Count(), 3);
    // The Enter key alone, without text, breaks the line as typing "\r" does.
    Key(VK_RETURN);
    EXPECT_EQ(memo->Lines()->Count(), 4);
    EXPECT_EQ(memo->Lines()->Strings(1), AnsiString(""));
    memo->SetWantReturns(false);
    SimulateTyping("\r");
    Key(VK_RETURN);
    EXPECT_EQ(memo->Lines()->Count(), 4);
    memo->Lines()->Delete(0);
    memo->Lines()->Delete(0);
    EXPECT_EQ(memo->Lines()->Strings(0), AnsiString("第一行"));
}

TEST_F(StdCtrlsTest, MemoWordWrapRecreatesTheWindowAndKeepsTheText) {
    TMemo* memo = TMemo::Create(form);
    memo->Lines()->Add("更换屏幕并检查主板的维修记录");
    memo->SetParent(form);
    memo->SetBounds(10, 10, 80, 100);
    EXPECT_GT(SendMessage(memo->Handle(), EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(memo->Lines()->Count(), 1);
    memo->SetFocus();
    ProcessMessages();
    SendMessage(memo->Handle(), EM_SETSEL, 0, 0);
    SimulateTyping("A");
    ProcessMessages();

    memo->SetWordWrap(false);
    EXPECT_TRUE(GetWindowLongPtr(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL);
    EXPECT_EQ(SendMessage(memo->Handle(), EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(memo->Lines()->Strings(0), AnsiString("A更换屏幕并检查主板的维修记录"));
}

TEST_F(StdCtrlsTest, ALaterControlLiesAboveAnEarlierOneEvenWhenShownLater) {
    TGroupBox* first = TGroupBox::Create(form);
    first->SetParent(form);
    first->SetBounds(10, 10, 100, 80);
    TGroupBox* second = TGroupBox::Create(form);
    second->SetVisible(false);
    second->SetParent(form);
    second->SetBounds(10, 10, 100, 80);
    ProcessMessages();
    second->Show();
    ProcessMessages();
    POINT middle{60, 50};
    ClientToScreen(form->Handle(), &middle);
    EXPECT_EQ(WindowFromPoint(middle), second->Handle());
    EXPECT_EQ(GetWindow(second->Handle(), GW_HWNDNEXT), first->Handle());
}

// The edit's selection of a combo box: all of it, a part of it, and text
// put in its place; a list without an edit has no selection.
TEST_F(StdCtrlsTest, AComboSelectsAndReplacesPartsOfItsText) {
    TComboBox* combo = TComboBox::Create(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    combo->SetText("华为手机");
    combo->SelectAll();
    EXPECT_EQ(combo->SelText(), "华为手机");
    combo->SetSelStart(4);
    combo->SetSelLength(4);
    EXPECT_EQ(combo->SelText(), "手机");
    combo->SetSelText("电池");
    EXPECT_EQ(combo->Text(), "华为电池");
    combo->SetStyle(csDropDownList);
    combo->SelectAll();
    EXPECT_EQ(combo->SelText(), "");
    combo->SetSelText("x");
    combo->Clear();
    EXPECT_EQ(combo->Items()->Count(), 0);
}

// Menu objects: handles, items and their information, states, submenus,
// removal and destruction, and the system menu.
#include "tests/platform/win/frame_fixture.h"
#include "platform/gdi/handles.h"

namespace {

struct MenuFixture : ::testing::Test {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU recent = CreatePopupMenu();
    void SetUp() override {
        AppendMenu(recent, MF_STRING, 201, "a.txt");
        AppendMenu(file, MF_STRING, 101, "打开(&O)\tCtrl+O");
        AppendMenu(file, MF_POPUP, UINT_PTR(recent), "最近(&R)");
        AppendMenu(file, MF_SEPARATOR, 0, nullptr);
        AppendMenu(file, MF_STRING | MF_CHECKED | MF_GRAYED, 102, "只读");
        AppendMenu(bar, MF_POPUP, UINT_PTR(file), "文件(&F)");
    }
    void TearDown() override { DestroyMenu(bar); }
};

}  // namespace

TEST_F(MenuFixture, HandlesAreMenuIdsAndItemsAreFoundBySearch) {
    EXPECT_EQ(KindOfHandle(bar), HandleKind::Menu);
    EXPECT_TRUE(IsMenu(file));
    EXPECT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetMenuItemID(file, 0), 101u);
    EXPECT_EQ(GetMenuItemID(file, 1), UINT(-1)) << "a submenu has no id";
    EXPECT_EQ(GetSubMenu(file, 1), recent);
    char text[80];
    EXPECT_EQ(GetMenuString(bar, 201, text, sizeof(text), MF_BYCOMMAND), 5) << "found inside the submenus";
    EXPECT_STREQ(text, "a.txt");
    EXPECT_EQ(GetMenuString(file, 0, text, 4, MF_BYPOSITION), 2) << "never half a character";
    EXPECT_EQ(AnsiString(text), AnsiString("打"));
    const UINT state = GetMenuState(file, 102, MF_BYCOMMAND);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MF_GRAYED);
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), UINT(MF_POPUP | (1u << 8)));
    EXPECT_EQ(GetMenuState(file, 999, MF_BYCOMMAND), UINT(-1));
}

TEST_F(MenuFixture, ChecksStatesAndRadioMarks) {
    EXPECT_EQ(CheckMenuItem(file, 101, MF_CHECKED), DWORD(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(file, 101, MF_UNCHECKED), DWORD(MF_CHECKED));
    EXPECT_EQ(EnableMenuItem(file, 102, MF_ENABLED), BOOL(MF_GRAYED));
    EXPECT_FALSE(GetMenuState(file, 102, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(CheckMenuItem(file, 999, MF_CHECKED), DWORD(-1));

    const HMENU view = CreatePopupMenu();
    for (UINT id = 301; id <= 303; ++id) AppendMenu(view, MF_STRING, id, "x");
    EXPECT_TRUE(CheckMenuRadioItem(view, 301, 303, 302, MF_BYCOMMAND));
    MENUITEMINFO info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfo(view, 302, FALSE, &info);
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
    EXPECT_FALSE(GetMenuState(view, 301, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(SetMenuDefaultItem(view, 303, FALSE));
    EXPECT_EQ(GetMenuDefaultItem(view, FALSE, 0), 303u);
    DestroyMenu(view);
}

TEST_F(MenuFixture, ItemInformationReadsAndWritesEveryField) {
    MENUITEMINFO in;
    in.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE;
    in.fType = MFT_OWNERDRAW;
    in.wID = 150;
    in.dwItemData = 0xABCD;
    in.fState = MFS_DEFAULT;
    ASSERT_TRUE(InsertMenuItem(file, 0, TRUE, &in));
    MENUITEMINFO out;
    out.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE | MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfo(file, 0, TRUE, &out));
    EXPECT_EQ(out.fType, MFT_OWNERDRAW);
    EXPECT_EQ(out.wID, 150u);
    EXPECT_EQ(out.dwItemData, 0xABCDu);
    EXPECT_EQ(out.fState, MFS_DEFAULT);
    EXPECT_EQ(out.hSubMenu, HMENU(0));

    // Text through MIIM_STRING, and its length with no buffer.
    MENUITEMINFO text;
    text.fMask = MIIM_STRING;
    char name[] = "保存(&S)";
    text.dwTypeData = name;
    ASSERT_TRUE(SetMenuItemInfo(file, 101, FALSE, &text));
    MENUITEMINFO length;
    length.fMask = MIIM_STRING;
    GetMenuItemInfo(file, 101, FALSE, &length);
    EXPECT_EQ(length.cch, UINT(AnsiString("保存(&S)").size()));

    // The submenu of an item, added by position.
    MENUITEMINFO sub;
    sub.fMask = MIIM_SUBMENU;
    const HMENU more = CreatePopupMenu();
    sub.hSubMenu = more;
    ASSERT_TRUE(SetMenuItemInfo(file, 150, FALSE, &sub));
    EXPECT_EQ(GetSubMenu(file, 0), more);
    EXPECT_FALSE(GetMenuItemInfo(file, 40, TRUE, &out));
}

TEST_F(MenuFixture, RemoveKeepsTheSubmenuAndDeleteDestroysIt) {
    ASSERT_TRUE(RemoveMenu(file, 1, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(recent));
    EXPECT_EQ(GetMenuItemCount(file), 3);
    ASSERT_TRUE(InsertMenu(file, 0, MF_BYPOSITION | MF_POPUP, UINT_PTR(recent), "最近"));
    ASSERT_TRUE(DeleteMenu(file, 0, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(recent));
    ASSERT_TRUE(ModifyMenu(file, 101, MF_BYCOMMAND | MF_STRING, 105, "关闭"));
    EXPECT_EQ(GetMenuItemID(file, 0), 105u);
    ASSERT_TRUE(InsertMenu(file, 105, MF_BYCOMMAND | MF_STRING, 104, "前"));
    EXPECT_EQ(GetMenuItemID(file, 0), 104u) << "inserted before the item named by id";
    EXPECT_FALSE(DeleteMenu(file, 999, MF_BYCOMMAND));
}

TEST_F(MenuFixture, DestroyingAMenuDestroysItsSubmenus) {
    const HMENU own = CreateMenu();
    const HMENU sub = CreatePopupMenu();
    AppendMenu(own, MF_POPUP, UINT_PTR(sub), "x");
    ASSERT_TRUE(DestroyMenu(own));
    EXPECT_FALSE(IsMenu(sub));
    EXPECT_FALSE(DestroyMenu(own)) << "a stale handle is refused";
    EXPECT_EQ(GetMenuItemCount(own), -1);
}

class MenuBarTest : public FrameTest {};

TEST_F(MenuBarTest, MenuBarAndSystemMenuOfAWindow) {
    const HMENU bar = CreateMenu();
    AppendMenu(bar, MF_STRING, 1, "文件(&F)");
    AppendMenu(bar, MF_STRING, 2, "编辑(&E)");
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    RECT without;
    GetClientRect(w, &without);
    ASSERT_TRUE(SetMenu(w, bar));
    EXPECT_EQ(GetMenu(w), bar);
    RECT with;
    GetClientRect(w, &with);
    EXPECT_EQ(with.bottom, without.bottom - GetSystemMetrics(SM_CYMENU));

    RECT item;
    ASSERT_TRUE(GetMenuItemRect(w, bar, 1, &item));
    RECT window = WindowRectOf(w);
    EXPECT_EQ(item.top, window.top + GetSystemMetrics(SM_CXSIZEFRAME) + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(MenuItemFromPoint(w, bar, POINT{item.left + 2, item.top + 2}), 1);
    EXPECT_EQ(MenuItemFromPoint(w, bar, POINT{window.right - 10, item.top + 2}), -1);

    // Many items wrap to a second row and the client area shrinks again.
    for (int i = 0; i < 12; ++i) AppendMenu(bar, MF_STRING, UINT_PTR(10 + i), "工具栏");
    DrawMenuBar(w);
    GetClientRect(w, &with);
    EXPECT_LE(with.bottom, without.bottom - 2 * GetSystemMetrics(SM_CYMENU));

    const HMENU system = GetSystemMenu(w, FALSE);
    ASSERT_TRUE(IsMenu(system));
    EXPECT_EQ(GetSystemMenu(w, FALSE), system) << "one copy per window";
    EXPECT_EQ(GetMenuItemID(system, GetMenuItemCount(system) - 1), UINT(SC_CLOSE));
    EXPECT_EQ(GetMenuDefaultItem(system, FALSE, 0), UINT(SC_CLOSE));
    EXPECT_EQ(GetSystemMenu(w, TRUE), HMENU(0));
    EXPECT_FALSE(IsMenu(system));
    SetMenu(w, 0);
    DestroyMenu(bar);
}

// Message boxes, message dialogs and input boxes, answered by the modal
// responder: the window class, the caption, the buttons and the result; and
// shown: long texts wrapped, the signs their flags ask for.
#include <algorithm>
#include <functional>
#include <set>

#include "platform/ui/extctrls_graphic.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"
#include "tests/support/temp_dir.h"

using DialogsTest = ControlTest;

TEST_F(DialogsTest, EachMessageBoxKindHasItsButtonsAndAnswersTheChosenOne) {
    struct Case {
        UINT flags;
        std::vector<AnsiString> buttons;
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONINFORMATION, {"确定"}, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, {"确定", "取消"}, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR, {"中止(&A)", "重试(&R)", "忽略(&I)"}, IDRETRY},
        {MB_YESNOCANCEL, {"是(&Y)", "否(&N)", "取消"}, IDNO},
        {MB_YESNO | MB_DEFBUTTON2, {"是(&Y)", "否(&N)"}, IDYES},
        {MB_RETRYCANCEL, {"重试(&R)", "取消"}, IDRETRY},
    };
    for (const Case& c : cases) {
        ResetModalResponder();
        PushModalAnswer({c.answer, {}});
        EXPECT_EQ(MessageBox(0, "确实要退出本系统吗？", "提示", c.flags), c.answer);
        ASSERT_EQ(ModalQuestions().size(), 1u);
        const ModalQuestion& q = ModalQuestions()[0];
        EXPECT_EQ(q.kind, "MessageBox");
        EXPECT_EQ(q.className, "#32770");
        EXPECT_EQ(q.caption, "提示");
        EXPECT_EQ(q.text, "确实要退出本系统吗？");
        EXPECT_EQ(q.flags, c.flags);
        EXPECT_EQ(q.buttons, c.buttons);
    }
}

TEST_F(DialogsTest, ApplicationMessageBoxAndMessageDialogsHaveTheirCaptions) {
    PushModalAnswer({IDOK, {}});
    EXPECT_EQ(Application->MessageBox("保存成功", "信息", MB_OK | MB_ICONINFORMATION), IDOK);
    PushModalAnswer({mrYes, {}});
    EXPECT_EQ(MessageDlg("删除记录？", mtConfirmation, mbYesNo), mrYes);
    PushModalAnswer({mrOk, {}});
    EXPECT_EQ(MessageDlg("出错了", mtError, {mbOK}), mrOk);
    PushModalAnswer({mrOk, {}});
    ShowMessage("数据库连接失败");
    ASSERT_EQ(ModalQuestions().size(), 4u);
    EXPECT_EQ(ModalQuestions()[0].className, "#32770");
    EXPECT_EQ(ModalQuestions()[1].className, "TMessageForm");
    EXPECT_EQ(ModalQuestions()[1].caption, "确认");
    EXPECT_EQ(ModalQuestions()[1].buttons, (std::vector<AnsiString>{"是(&Y)", "否(&N)"}));
    EXPECT_EQ(ModalQuestions()[2].caption, "错误");
    EXPECT_EQ(ModalQuestions()[3].caption, "测试程序");
    EXPECT_EQ(ModalQuestions()[3].text, "数据库连接失败");
    EXPECT_EQ(ModalQuestions()[3].buttons, std::vector<AnsiString>{"确定"});
}

TEST_F(DialogsTest, TheMessageBoxIsInTheFunctionTableOfUser32) {
    HMODULE user32 = LoadLibrary("user32.dll");
    ASSERT_NE(user32, 0u);
    using MessageBoxSlots = std::intptr_t (*)(std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t);
    auto messageBoxA = reinterpret_cast<MessageBoxSlots>(GetProcAddress(user32, "MessageBoxA"));
    ASSERT_NE(messageBoxA, nullptr);
    PushModalAnswer({IDNO, {}});
    const char text[] = "继续吗？";
    const char caption[] = "确认";
    EXPECT_EQ(messageBoxA(0, reinterpret_cast<std::intptr_t>(text), reinterpret_cast<std::intptr_t>(caption), MB_YESNO),
              IDNO);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, text);
    EXPECT_EQ(ModalQuestions()[0].caption, caption);
    EXPECT_EQ(ModalQuestions()[0].flags, unsigned(MB_YESNO));
    FreeLibrary(user32);
}

TEST_F(DialogsTest, InputBoxGivesTheTextOrTheDefaultWhenCancelled) {
    PushModalAnswer({mrOk, "20061"});
    EXPECT_EQ(InputBox("请输入", "请输入单据编号          ", ""), "20061");
    PushModalAnswer({mrCancel, "ignored"});
    EXPECT_EQ(InputBox("请输入", "请输入单据编号          ", "默认"), "默认");
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].kind, "InputBox");
    EXPECT_EQ(ModalQuestions()[0].caption, "请输入");
    EXPECT_EQ(ModalQuestions()[0].buttons, (std::vector<AnsiString>{"确定", "取消"}));
}

TEST_F(DialogsTest, AMessageBoxWithoutAnAnswerRunsAsAModalDialogAnsweredByItsButtons) {
    // The user presses Enter on the default (second) button once the box shows.
    bool pressed = false;
    Application->SetOnIdle([&](TObject*, bool& done) {
        done = false;
        if (!pressed && ClassNameOf(GetActiveWindow()) == "#32770") {
            pressed = SimulateKey(VK_RETURN, true) && SimulateKey(VK_RETURN, false);
        }
    });
    const int result = MessageBox(0, "继续吗？", "确认", MB_YESNO | MB_DEFBUTTON2);
    EXPECT_EQ(result, IDNO);
    EXPECT_TRUE(ModalQuestions().empty());
}

TEST_F(DialogsTest, AnInputBoxWithoutAnAnswerTakesWhatIsTypedIntoItsEdit) {
    bool typed = false;
    Application->SetOnIdle([&](TObject*, bool& done) {
        done = false;
        if (!typed && ClassNameOf(GetActiveWindow()) == "TForm") {
            typed = SimulateKey('1', true, "1") && SimulateKey('1', false) && SimulateKey('2', true, "2") &&
                    SimulateKey('2', false) && SimulateKey(VK_RETURN, true) && SimulateKey(VK_RETURN, false);
        }
    });
    EXPECT_EQ(InputBox("请输入", "请输入单据编号", ""), "12");
    EXPECT_TRUE(ModalQuestions().empty());
}

namespace {

// The message box on the screen when the program idles: its rectangle, its
// label's lines and a picture of it; then it is closed with Enter.
struct ShownBox {
    RECT rect{};
    int labelHeight = 0, lineHeight = 0;
    AnsiString fontName;
    int fontHeight = 0;
    std::vector<bool> inkRows;  // per row of the label: whether text is drawn there
    std::set<COLORREF> iconColours;  // empty: no icon
};

ShownBox ShowAndLook(const std::function<void()>& show, const AnsiString& screenshot) {
    ShownBox seen;
    bool looked = false;
    Application->SetOnIdle([&](TObject*, bool& done) {
        done = false;
        const HWND box = GetActiveWindow();
        auto* form = dynamic_cast<TCustomForm*>(FindControl(box));
        if (looked || !form || !form->Active()) return;
        looked = true;
        GetWindowRect(box, &seen.rect);
        RECT frame;
        GetWindowRect(box, &frame);
        for (int i = 0; i < form->ControlCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(form->Controls(i))) {
                seen.labelHeight = label->Height();
                seen.fontName = label->Font()->Name();
                seen.fontHeight = label->Font()->Height();
                TBitmap measure;
                measure.Canvas()->Font()->Assign(label->Font());
                seen.lineHeight = measure.Canvas()->TextHeight("国");
                POINT corner{label->Left(), label->Top()};
                ClientToScreen(box, &corner);
                for (int y = 0; y < label->Height(); ++y) {
                    bool ink = false;
                    for (int x = 0; x < label->Width() && !ink; ++x)
                        ink = ShownPixel(box, corner.x - frame.left + x, corner.y - frame.top + y) ==
                              ColorToRGB(label->Font()->Color());
                    seen.inkRows.push_back(ink);
                }
            } else if (auto* image = dynamic_cast<TImage*>(form->Controls(i))) {
                POINT corner{image->Left(), image->Top()};
                ClientToScreen(box, &corner);
                for (int y = 0; y < image->Height(); y += 2)
                    for (int x = 0; x < image->Width(); x += 2)
                        seen.iconColours.insert(ShownPixel(box, corner.x - frame.left + x, corner.y - frame.top + y));
            }
        SaveWindowScreenshot(box, AnsiString(ScreenshotDir()) + screenshot);
        SimulateKey(VK_RETURN, true);
        SimulateKey(VK_RETURN, false);
    });
    show();
    Application->SetOnIdle(nullptr);
    return seen;
}

}  // namespace

const char* const longQuestion =
    "退出系统前是否备份数据库？备份可以在数据损坏或误删记录时恢复全部业务数据，建议每天下班前备份一次。"
    "选择“确定”立即备份到备份文件夹，选择“取消”直接退出系统。";

// The exit question of the main window is long: the box wraps it at five
// eighths of the work area and grows in height, so its buttons stay on the
// screen; a Latin text breaks at spaces, never inside a word.
TEST_F(DialogsTest, ALongMessageWrapsAndTheBoxGrowsInHeight) {
    const ShownBox shown = ShowAndLook([] { MessageBox(0, longQuestion, "提示", MB_OKCANCEL | MB_ICONQUESTION); },
                                       "messagebox_long.png");
    const int widest = Screen->WorkAreaWidth() * 5 / 8;
    EXPECT_LE(shown.rect.right - shown.rect.left, widest + 2 * GetSystemMetrics(SM_CXFIXEDFRAME));
    EXPECT_GE(shown.labelHeight, 2 * shown.lineHeight) << "the text is not wrapped";
    EXPECT_GE(shown.rect.left, 0);
    EXPECT_TRUE(shown.iconColours.count(RGB(0, 0, 255))) << "no question sign";

    const AnsiString latin = AnsiString(60, 'x') + " " + AnsiString(200, 'y') + " z";
    TLabel* probe = TLabel::Create(Application);
    probe->SetCaption(AnsiString(200, 'y'));
    const int wordWidth = probe->Width();
    delete probe;
    const ShownBox wide = ShowAndLook([&] { MessageBox(0, latin.c_str(), "提示", MB_OK); }, "messagebox_latin.png");
    EXPECT_GE(wide.rect.right - wide.rect.left, std::min(wordWidth, widest)) << "a word was cut";
}

// The same on a real 1024 x 768 screen (the platform_ui_xvfb test), photographed.
TEST_F(DialogsTest, RealWindowALongMessageFitsA1024By768Screen) {
    if (Screen->Width() != 1024 || Screen->Height() != 768) GTEST_SKIP() << "needs a 1024 x 768 X server";
    const ShownBox shown = ShowAndLook([] { MessageBox(0, longQuestion, "提示", MB_OKCANCEL | MB_ICONQUESTION); },
                                       "messagebox_long_1024x768.png");
    EXPECT_GE(shown.rect.left, 0);
    EXPECT_LE(shown.rect.right, 1024);
    EXPECT_LE(shown.rect.right - shown.rect.left, 1024 * 5 / 8 + 2 * GetSystemMetrics(SM_CXFIXEDFRAME));
}

// Messages are written in the system's message font, one line height per
// line, and the lines of a two-line message do not touch.
TEST_F(DialogsTest, MessagesUseTheMessageFontAndTheirLinesDoNotTouch) {
    const std::function<void()> shows[] = {
        [] { MessageBox(0, "数据备份成功！\n备份文件已保存到备份文件夹。", "提示", MB_OK | MB_ICONINFORMATION); },
        [] { MessageDlg("确实要删除这条记录吗？\n删除后不能恢复。", mtConfirmation, {mbYes, mbNo}); },
    };
    for (const auto& show : shows) {
        const ShownBox shown = ShowAndLook(show, "messagebox_two_lines.png");
        EXPECT_EQ(shown.fontName, "宋体");
        EXPECT_EQ(shown.fontHeight, -12);
        ASSERT_EQ(shown.lineHeight, 12);
        ASSERT_EQ(shown.labelHeight, 2 * shown.lineHeight);
        // Ink in both lines, and a free row between them.
        const auto inkIn = [&](int top, int bottom) {
            return std::find(shown.inkRows.begin() + top, shown.inkRows.begin() + bottom, true) !=
                   shown.inkRows.begin() + bottom;
        };
        EXPECT_TRUE(inkIn(0, 12));
        EXPECT_TRUE(inkIn(12, 24));
        EXPECT_FALSE(shown.inkRows[11]);
    }
}

// Each kind of message shows its sign, drawn in its colour.
TEST_F(DialogsTest, MessageBoxesAndMessageDialogsShowTheSignTheirFlagsAskFor) {
    struct Case {
        std::function<void()> show;
        COLORREF sign;  // CLR_INVALID: no icon
    };
    const Case cases[] = {
        {[] { MessageBox(0, "密码错误！", "错误", MB_OK | MB_ICONERROR); }, RGB(255, 0, 0)},
        {[] { MessageBox(0, "保存成功！", "提示", MB_OK | MB_ICONINFORMATION); }, RGB(0, 0, 255)},
        {[] { MessageDlg("库存不足", mtWarning, {mbOK}); }, RGB(255, 255, 0)},
        {[] { MessageBox(0, "没有图标", "提示", MB_OK); }, CLR_INVALID},
    };
    for (const Case& c : cases) {
        const ShownBox shown = ShowAndLook(c.show, "messagebox_sign.png");
        ASSERT_NE(shown.rect.right, 0);
        if (c.sign == CLR_INVALID) EXPECT_TRUE(shown.iconColours.empty());
        else EXPECT_TRUE(shown.iconColours.count(c.sign)) << std::hex << c.sign;
    }
}

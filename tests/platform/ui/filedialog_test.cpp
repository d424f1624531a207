// TOpenDialog and TSaveDialog: the filter split by character, the chosen
// FilterIndex, DefaultExt, the overwrite question and ofFileMustExist, all
// answered by the modal responder; and the real dialog driven by keys.
#include <fstream>

#include "tests/platform/ui/control_fixture.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/filedialogs.h"
#include "tests/support/temp_dir.h"

using FileDialogTest = ControlTest;

TEST(FileFilterTest, SplitsAtBarsThatAreNotTrailBytes) {
    // "耀" is 0xD2 0x7C in GB18030: its trail byte is a bar.
    const auto filters = SplitFileFilter("耀文本|*.txt|全部 (*.*)|*.*");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, AnsiString("耀文本"));
    EXPECT_EQ(filters[0].masks, AnsiString("*.txt"));
    EXPECT_EQ(filters[1].masks, AnsiString("*.*"));
}

TEST_F(FileDialogTest, SaveDialogReturnsTheChosenFilterIndexAndAsksBeforeOverwriting) {
    TempDir dir;
    // Through the platform, which hands the OS its names in UTF-8.
    ASSERT_TRUE(WriteFileAtomically(dir.file("报表.xls"), "old"));
    TSaveDialog* dialog = TSaveDialog::Create(nullptr);
    std::unique_ptr<TSaveDialog> owned(dialog);
    dialog->SetFilter("Excel 文件|*.xls|文本文件|*.txt");
    dialog->SetDefaultExt("xls");
    dialog->SetInitialDir(dir.path());
    dialog->SetOptions(dialog->Options() + TOpenOptions{ofOverwritePrompt});

    PushModalAnswer({1, "报表"});     // the existing file, first filter
    PushModalAnswer({IDNO, ""});       // do not replace it
    PushModalAnswer({2, "新报表"});   // another name, second filter
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->FilterIndex(), 2);
    EXPECT_EQ(dialog->FileName(), AnsiString(dir.file("新报表.xls")));
    const auto& asked = ModalQuestions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].kind, AnsiString("SaveDialog"));
    EXPECT_EQ(asked[0].className, AnsiString("#32770"));
    EXPECT_EQ(asked[1].kind, AnsiString("MessageBox"));
    EXPECT_NE(asked[1].text.find("已存在"), AnsiString::npos);

    ResetModalResponder();
    PushModalAnswer({0, ""});
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->FilterIndex(), 2);
}

TEST_F(FileDialogTest, OpenDialogChecksExistenceAndCollectsSeveralFiles) {
    TempDir dir;
    std::ofstream(dir.file("a.txt")) << "a";
    std::ofstream(dir.file("b.txt")) << "b";
    TOpenDialog* dialog = TOpenDialog::Create(nullptr);
    std::unique_ptr<TOpenDialog> owned(dialog);
    dialog->SetInitialDir(dir.path());
    dialog->SetOptions(TOpenOptions{ofFileMustExist, ofAllowMultiSelect});
    PushModalAnswer({1, "missing.txt"});
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({1, "a.txt\nb.txt"});
    ASSERT_TRUE(dialog->Execute());
    ASSERT_EQ(dialog->Files()->Count(), 2);
    EXPECT_EQ(dialog->Files()->Strings(1), AnsiString(dir.file("b.txt")));
    EXPECT_EQ(dialog->FileName(), AnsiString(dir.file("a.txt")));
}

TEST_F(FileDialogTest, TheRealDialogTakesATypedNameAndTheChosenFilter) {
    TempDir dir;
    TSaveDialog* dialog = TSaveDialog::Create(nullptr);
    std::unique_ptr<TSaveDialog> owned(dialog);
    dialog->SetFilter("文本文件|*.txt|全部文件|*.*");
    dialog->SetFilterIndex(2);
    dialog->SetDefaultExt("txt");
    dialog->SetInitialDir(dir.path());
    HWND shown = 0;
    // Once the dialog runs its modal loop: type a name into its file-name edit and press Enter.
    const UINT_PTR timer = SetTimer(0, 0, 10, [&](HWND, UINT, UINT_PTR id, DWORD) {
        const HWND active = GetActiveWindow();
        if (shown || ClassNameOf(active) != "#32770") return;
        shown = active;
        KillTimer(0, id);
        HWND edit = 0;
        EnumChildWindows(active, [&](HWND child, LPARAM) {
            if (ClassNameOf(child) == "TEdit") edit = child;
            return TRUE;
        }, 0);
        SetFocus(edit);
        SimulateTyping("notes");
        SimulateKey(VK_RETURN, true, "\r");
        SimulateKey(VK_RETURN, false);
    });
    const bool chosen = dialog->Execute();
    KillTimer(0, timer);
    ASSERT_NE(shown, 0u);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog->FileName(), AnsiString(dir.file("notes.txt")));
    EXPECT_EQ(dialog->FilterIndex(), 2);
}

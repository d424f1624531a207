// TOpenDialog and TSaveDialog: the filter split by character, the chosen
// FilterIndex, DefaultExt, the overwrite question and ofFileMustExist, all
// answered by the modal responder; and the real dialog driven by keys and
// the mouse, photographed.
#include <fstream>

#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/ui/dialog_driver.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/streams.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/win/testseams.h"
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

namespace {

// A folder with a sub-folder and files of two types.
void MakeBackupFolder(const TempDir& dir) {
    ASSERT_TRUE(ForceDirectories(dir.file("backup/2024")));
    for (const char* name : {"backup/店铺备份.mdb", "backup/old.mdb", "backup/notes.txt", "backup/2024/jan.mdb"})
        TFileStream(dir.file(name), fmCreate).Write("x", 1);
}

// A click on the list's row `row`; twice makes a double click.
void ClickRow(TListBox* list, int row, int clicks = 1) {
    const POINT p{30, row * list->ItemHeight() + list->ItemHeight() / 2};
    for (int i = 0; i < clicks; ++i) SimulateClick(list->Handle(), p);
    ProcessMessages();
}

}  // namespace

// The open dialog by mouse: the list shows the folder's sub-folders and the
// files of the chosen type; a double click enters a folder, Backspace goes
// up again, a click on a file puts its name into the name box and a double
// click chooses it.
TEST_F(FileDialogTest, TheOpenDialogIsUsableWithTheMouse) {
    TempDir dir;
    MakeBackupFolder(dir);
    std::unique_ptr<TOpenDialog> dialog(TOpenDialog::Create(nullptr));
    dialog->SetFilter("数据库文件|*.mdb|全部文件|*.*");
    dialog->SetInitialDir(dir.file("backup"));
    std::vector<AnsiString> shown, named;
    const bool chosen = RunDialog(dialog.get(), [&](TForm* form) {
        TListBox* list = ControlsOf<TListBox>(form).at(0);
        TEdit* name = ControlsOf<TEdit>(form).at(0);
        auto items = [&] {
            AnsiString all;
            for (int i = 0; i < list->Items()->Count(); ++i) all += list->Items()->Strings(i) + ";";
            return all;
        };
        shown.push_back(items());
        ClickRow(list, 0, 2);  // into 2024
        shown.push_back(items());
        Key(VK_BACK);
        shown.push_back(items());
        ClickRow(list, 1);
        named.push_back(name->Text());
        Key(VK_DOWN);
        named.push_back(name->Text());
        SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "open_dialog.png");
        ClickRow(list, 2, 2);
    });
    EXPECT_EQ(shown, (std::vector<AnsiString>{"2024;old.mdb;店铺备份.mdb;", "jan.mdb;", "2024;old.mdb;店铺备份.mdb;"}));
    EXPECT_EQ(named, (std::vector<AnsiString>{"old.mdb", "店铺备份.mdb"}));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog->FileName(), AnsiString(dir.file("backup/店铺备份.mdb")));
}

// The save dialog: labelled fields, and a click on a file of the chosen
// type taking its name into the name box, saved with Enter.
TEST_F(FileDialogTest, TheSaveDialogLabelsItsFieldsAndTakesAClickedName) {
    TempDir dir;
    MakeBackupFolder(dir);
    std::unique_ptr<TSaveDialog> dialog(TSaveDialog::Create(nullptr));
    dialog->SetFilter("数据库文件|*.mdb|全部文件|*.*");
    dialog->SetFilterIndex(2);
    dialog->SetInitialDir(dir.file("backup"));
    std::vector<AnsiString> labels;
    const bool chosen = RunDialog(dialog.get(), [&](TForm* form) {
        for (TLabel* label : ControlsOf<TLabel>(form)) labels.push_back(label->Caption());
        SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "save_dialog.png");
        ClickRow(ControlsOf<TListBox>(form).at(0), 1);  // notes.txt, listed under 全部文件
        Key(VK_RETURN, "\r");
    });
    EXPECT_EQ(labels, (std::vector<AnsiString>{"保存在(&I):", "文件名(&N):", "保存类型(&T):"}));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog->FileName(), AnsiString(dir.file("backup/notes.txt")));
    EXPECT_EQ(dialog->FilterIndex(), 2);
}

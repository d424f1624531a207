// The rich edit on a form: RTF in and out through Lines, the selection's
// attributes, typing, rendering a range into a bitmap and size requests.
#include "platform/ui/comctrls_richedit.h"

#include "control_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"

namespace {

AnsiString Ansi(const char8_t* utf8) { return Utf8ToAnsi(Utf8(utf8)); }

const std::string kSample =
    "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 Tahoma;}}{\\colortbl ;\\red255\\green0\\blue0;}"
    "\\pard\\f0\\fs20 ab\\b cd\\b0\\cf1 ef\\cf0\\par\\pard\\qr \\'d6\\'d0\\u20320?\\par}";

class RichEditTest : public ControlTest {
protected:
    TRichEdit* NewRichEdit() {
        TForm* form = NewForm(400, 300);
        TRichEdit* edit = TRichEdit::Create(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 200, 120);
        return edit;
    }
    static void Load(TRichEdit* edit, const std::string& data) {
        TStringStream stream(data);
        edit->Lines()->LoadFromStream(&stream);
    }
    static std::string Save(TRichEdit* edit) {
        TStringStream stream;
        edit->Lines()->SaveToStream(&stream);
        return stream.DataString();
    }
};

TEST_F(RichEditTest, LoadsRtfIntoTextAndAttributes) {
    TRichEdit* edit = NewRichEdit();
    Load(edit, kSample);
    EXPECT_EQ(edit->Text(), "abcdef\r\n" + Ansi(u8"中你"));
    EXPECT_EQ(edit->Lines()->Count(), 2);
    EXPECT_EQ(edit->Lines()->Strings(1), Ansi(u8"中你"));

    edit->SetSelStart(2);
    edit->SetSelLength(2);
    EXPECT_TRUE(edit->SelAttributes()->Style().Contains(fsBold));
    EXPECT_EQ(edit->SelAttributes()->Name(), "Tahoma");
    EXPECT_EQ(edit->SelAttributes()->Size(), 10);
    edit->SetSelStart(4);
    edit->SetSelLength(1);
    EXPECT_FALSE(edit->SelAttributes()->Style().Contains(fsBold));
    EXPECT_EQ(edit->SelAttributes()->Color(), clRed);
    edit->SetSelStart(9);
    EXPECT_EQ(edit->Paragraph()->Alignment(), taRightJustify);
}

TEST_F(RichEditTest, SavedRtfLoadsEqual) {
    TRichEdit* edit = NewRichEdit();
    Load(edit, kSample);
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    edit->SelAttributes()->SetColor(clBlue);
    edit->SelAttributes()->SetSize(14);
    const std::string saved = Save(edit);
    TRichEdit* copy = NewRichEdit();
    Load(copy, saved);
    EXPECT_EQ(copy->Text(), edit->Text());
    EXPECT_EQ(Save(copy), saved);
    copy->SetSelStart(0);
    copy->SetSelLength(1);
    EXPECT_EQ(copy->SelAttributes()->Color(), clBlue);
    EXPECT_EQ(copy->SelAttributes()->Size(), 14);

    copy->SetPlainText(true);
    EXPECT_EQ(Save(copy), copy->Text());
    Load(copy, "{\\rtf1 not parsed}");
    EXPECT_EQ(copy->Text(), "{\\rtf1 not parsed}");
}

TEST_F(RichEditTest, TypingTakesTheInsertionFormatAndReportsSelection) {
    TRichEdit* edit = NewRichEdit();
    int selectionChanges = 0;
    edit->SetOnSelectionChange([&](TObject*) { ++selectionChanges; });
    TFontStyles bold;
    bold.Include(fsBold);
    edit->SelAttributes()->SetStyle(bold);
    for (char c : std::string("Hi")) SendMessage(edit->Handle(), WM_CHAR, WPARAM(Byte(c)), 0);
    const AnsiString chinese = Ansi(u8"好");
    for (char c : chinese) SendMessage(edit->Handle(), WM_CHAR, WPARAM(Byte(c)), 0);
    EXPECT_EQ(edit->Text(), "Hi" + chinese);
    EXPECT_GE(selectionChanges, 3);
    edit->SelectAll();
    EXPECT_EQ(edit->SelLength(), 4);
    EXPECT_TRUE(edit->SelAttributes()->Style().Contains(fsBold));
    SendMessage(edit->Handle(), WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(RichEditTest, FormatRangeRendersIntoABitmap) {
    TRichEdit* edit = NewRichEdit();
    Load(edit, "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\cf1\\b\\fs40 WWW\\par}");
    TBitmap target;
    target.SetSize(120, 60);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 120, 60));
    FORMATRANGE range;
    range.hdc = range.hdcTarget = target.Canvas()->Handle();
    range.rc = Rect(0, 0, 120 * 15, 60 * 15);  // twips at 96 pixels per inch
    range.rcPage = range.rc;
    range.chrg = {0, -1};
    edit->SelectAll();  // a rendered range shows no selection
    EXPECT_EQ(SendMessage(edit->Handle(), EM_FORMATRANGE, 1, LPARAM(&range)), 3);
    EXPECT_GT(range.rc.bottom, 0);
    SendMessage(edit->Handle(), EM_FORMATRANGE, 0, 0);
    int red = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) red += target.Canvas()->Pixels(x, y) == clRed;
    EXPECT_GT(red, 40);
    EXPECT_EQ(target.Canvas()->Pixels(119, 59), clWhite);
}

TEST_F(RichEditTest, ResizeRequestReportsTheContentHeight) {
    TRichEdit* edit = NewRichEdit();
    TRect requested{};
    edit->SetOnResizeRequest([&](TObject*, TRect rect) { requested = rect; });
    Load(edit, "{\\rtf1\\fs20 one\\par}");
    SendMessage(edit->Handle(), EM_REQUESTRESIZE, 0, 0);
    const int oneLine = requested.bottom - requested.top;
    ASSERT_GT(oneLine, 0);
    Load(edit, "{\\rtf1\\fs20 one\\par two\\par}");
    SendMessage(edit->Handle(), EM_REQUESTRESIZE, 0, 0);
    EXPECT_EQ(requested.bottom - requested.top, 2 * oneLine);

    RECT format = Rect(2, 2, 100, 50);
    SendMessage(edit->Handle(), EM_SETRECT, 0, LPARAM(&format));
    POINTL point;
    SendMessage(edit->Handle(), EM_POSFROMCHAR, WPARAM(&point), 5);
    EXPECT_EQ(point.x, 2);
    EXPECT_EQ(point.y, 2 + oneLine);
}

}  // namespace

// TCustomEdit and TEdit over the "Edit" window class.
#include "platform/ui/stdctrls_edit.h"

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/commctrl.h"

void CreateSubClass(TCreateParams& params, const char* className) {
    WNDCLASS platform;
    if (!GetClassInfo(0, className, &platform)) return;
    params.WindowClass.lpfnWndProc = platform.lpfnWndProc;
    params.WindowClass.cbWndExtra = platform.cbWndExtra;
    params.WindowClass.hCursor = platform.hCursor;
    params.WindowClass.style |= platform.style & CS_DBLCLKS;
}

void TCustomEdit::Published(TPublished<TCustomEdit>& p) {
    p.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
    p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
    p.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal);
    p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
    p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    p.Property("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar).Default(char(0));
    p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly);
    p.Property("Text", &TCustomEdit::Text, &TCustomEdit::SetText);
    p.Property("OnChange", &TCustomEdit::OnChange, &TCustomEdit::SetOnChange);
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    // The window selects with the mouse and keeps the capture itself.
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "Edit");
    params.Style |= ES_AUTOHSCROLL | (hideSelection_ ? 0 : ES_NOHIDESEL) | (readOnly_ ? ES_READONLY : 0);
    if (charCase_ == ecUpperCase) params.Style |= ES_UPPERCASE;
    if (charCase_ == ecLowerCase) params.Style |= ES_LOWERCASE;
    if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    const bool modified = modified_;
    TWinControl::CreateWnd();
    SendMessage(Handle(), EM_LIMITTEXT, WPARAM(maxLength_), 0);
    if (passwordChar_) SendMessage(Handle(), EM_SETPASSWORDCHAR, WPARAM(Byte(passwordChar_)), 0);
    SendMessage(Handle(), EM_SETMODIFY, modified, 0);
}

void TCustomEdit::Recreate() {
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

// The text lives in the window while there is one.
const AnsiString& TCustomEdit::GetText() const {
    if (!HandleAllocated()) return TWinControl::GetText();
    shownText_ = WindowTextOf(const_cast<TCustomEdit*>(this)->Handle());
    return shownText_;
}

void TCustomEdit::SetMaxLength(Integer v) {
    maxLength_ = std::max<Integer>(0, v);
    if (HandleAllocated()) SendMessage(Handle(), EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetPasswordChar(char v) {
    passwordChar_ = v;
    if (HandleAllocated()) SendMessage(Handle(), EM_SETPASSWORDCHAR, WPARAM(Byte(v)), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated()) SendMessage(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
    if (charCase_ == v) return;
    charCase_ = v;
    Recreate();
}

void TCustomEdit::SetHideSelection(bool v) {
    if (hideSelection_ == v) return;
    hideSelection_ = v;
    Recreate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
    if (borderStyle_ == v) return;
    borderStyle_ = v;
    Recreate();
}

bool TCustomEdit::Modified() const {
    if (!HandleAllocated()) return modified_;
    return SendMessage(const_cast<TCustomEdit*>(this)->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool v) {
    modified_ = v;
    if (HandleAllocated()) SendMessage(Handle(), EM_SETMODIFY, v, 0);
}

Integer TCustomEdit::SelStart() {
    DWORD start = 0, end = 0;
    SendMessage(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return Integer(start);
}

void TCustomEdit::SetSelStart(Integer v) { SendMessage(Handle(), EM_SETSEL, WPARAM(v), LPARAM(v)); }

Integer TCustomEdit::SelLength() {
    DWORD start = 0, end = 0;
    SendMessage(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return Integer(end - start);
}

void TCustomEdit::SetSelLength(Integer v) {
    DWORD start = 0, end = 0;
    SendMessage(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    SendMessage(Handle(), EM_SETSEL, WPARAM(start), LPARAM(Integer(start) + v));
}

Integer TCustomEdit::GetSelTextBuf(char* buffer, Integer bufSize) { return CopyToTextBuf(SelText(), buffer, bufSize); }

AnsiString TCustomEdit::SelText() {
    DWORD start = 0, end = 0;
    SendMessage(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return TCustomEdit::GetText().substr(start, end - start);
}

void TCustomEdit::SetSelText(const AnsiString& v) { SendMessage(Handle(), EM_REPLACESEL, TRUE, LPARAM(v.c_str())); }
void TCustomEdit::SelectAll() { SendMessage(Handle(), EM_SETSEL, 0, -1); }
void TCustomEdit::Clear() { SetText(AnsiString()); }
void TCustomEdit::ClearSelection() { SendMessage(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessage(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessage(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessage(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessage(Handle(), WM_UNDO, 0, 0); }
bool TCustomEdit::CanUndo() { return SendMessage(Handle(), EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::ClearUndo() { SendMessage(Handle(), EM_EMPTYUNDOBUFFER, 0, 0); }

void TCustomEdit::Change() { onChange_(this); }

void TCustomEdit::CNCommand(TMessage& Message) {
    if (HIWORD(Message.WParam) == EN_CHANGE) Change();
}

void TCustomEdit::CMEnter(TMessage& Message) {
    if (autoSelect_ && !(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
    Inherited::Dispatch(Message);
}

// ---- TCustomMemo --------------------------------------------------------------------

// The memo's Lines: its text split at line breaks, written back whole.
class TCustomMemo::MemoLines : public TStrings {
public:
    explicit MemoLines(TCustomMemo* memo) : memo_(memo) {}

    void Clear() override { memo_->SetText(AnsiString()); }
    void Delete(int index) override {
        auto lines = Split();
        CheckIndex(index, int(lines.size()) - 1);
        lines.erase(lines.begin() + index);
        Join(lines);
    }
    void Insert(int index, const AnsiString& s) override {
        auto lines = Split();
        CheckIndex(index, int(lines.size()));
        lines.insert(lines.begin() + index, s);
        Join(lines);
    }

protected:
    AnsiString Get(int index) const override {
        const auto lines = Split();
        CheckIndex(index, int(lines.size()) - 1);
        return lines[std::size_t(index)];
    }
    int GetCount() const override { return int(Split().size()); }
    void Put(int index, const AnsiString& s) override {
        auto lines = Split();
        CheckIndex(index, int(lines.size()) - 1);
        lines[std::size_t(index)] = s;
        Join(lines);
    }

private:
    static void CheckIndex(int index, int last) {
        if (index < 0 || index > last) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    // The lines of the text; a final line break ends the last line rather than starting an empty one.
    std::vector<AnsiString> Split() const {
        const AnsiString text = memo_->Text();
        std::vector<AnsiString> lines;
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); i += AnsiCharSize(text, i))
            if (text[i] == '\n') {
                const std::size_t end = i > start && text[i - 1] == '\r' ? i - 1 : i;
                lines.push_back(text.substr(start, end - start));
                start = i + 1;
            }
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }
    void Join(const std::vector<AnsiString>& lines) {
        AnsiString text;
        for (const AnsiString& line : lines) text += line + "\r\n";
        memo_->SetText(text);
    }

    TCustomMemo* memo_;
};

void TCustomMemo::Published(TPublished<TCustomMemo>& p) {
    p.Property("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
    p.Property("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines);
    p.Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
    p.Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
    p.Property("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs);
    p.Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<MemoLines>(this)) {
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

TStrings* TCustomMemo::Lines() const { return lines_.get(); }
void TCustomMemo::SetLines(TStrings* v) { lines_->Assign(v); }

void TCustomMemo::SetWordWrap(bool v) {
    if (wordWrap_ == v) return;
    wordWrap_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
    if (scrollBars_ == v) return;
    scrollBars_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomMemo::SetAlignment(TAlignment v) {
    if (alignment_ == v) return;
    alignment_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style = (params.Style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL;
    if (!wordWrap_) params.Style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
    if (alignment_ == taRightJustify) params.Style |= ES_RIGHT;
    if (alignment_ == taCenter) params.Style |= ES_CENTER;
}

void TCustomMemo::WMGetDlgCode(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (!wantTabs_) Message.Result &= ~DLGC_WANTTAB;
    if (!wantReturns_) Message.Result &= ~DLGC_WANTALLKEYS;
}

void TCustomMemo::WMChar(TMessage& Message) {
    if ((Message.WParam == '\r' && !wantReturns_) || (Message.WParam == '\t' && !wantTabs_)) return;
    Inherited::Dispatch(Message);
}

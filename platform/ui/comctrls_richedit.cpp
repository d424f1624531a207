// The rich edit's class-library side: its lines keep the character formats
// when lines are changed (they replace ranges of the window's text), and its
// attribute objects talk to the window through the format messages.
#include "platform/ui/comctrls_richedit.h"

#include <cstring>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"

namespace ctl {
void RegisterRichEditClass();
}

void RegisterRichEditClass() {
    static const bool registered = (ctl::RegisterRichEditClass(), true);
    (void)registered;
}

namespace {

struct StreamCookie {
    TStream* stream;
};

DWORD ReadFromStream(DWORD_PTR cookie, BYTE* buffer, LONG count, LONG* done) {
    *done = reinterpret_cast<StreamCookie*>(cookie)->stream->Read(buffer, count);
    return 0;
}

DWORD WriteToStream(DWORD_PTR cookie, BYTE* buffer, LONG count, LONG* done) {
    *done = reinterpret_cast<StreamCookie*>(cookie)->stream->Write(buffer, count);
    return 0;
}

}  // namespace

// ---- Lines -----------------------------------------------------------------------------

class TCustomRichEdit::RichEditLines : public TStrings {
public:
    explicit RichEditLines(TCustomRichEdit* edit) : edit_(edit) {}

    void Clear() override { edit_->SetText(AnsiString()); }
    void Delete(int index) override {
        const auto [start, end] = Range(index, true);
        ReplaceRange(start, end, AnsiString());
    }
    void Insert(int index, const AnsiString& s) override {
        const int count = GetCount();
        CheckIndex(index, count);
        if (index < count) {
            ReplaceRange(Range(index, false).first, Range(index, false).first, s + "\r\n");
        } else {
            const std::size_t end = edit_->Text().size();
            ReplaceRange(end, end, (count > 0 ? "\r\n" : "") + s);
        }
    }
    void LoadFromStream(TStream* stream) override {
        StreamCookie cookie{stream};
        EDITSTREAM editStream;
        editStream.dwCookie = DWORD_PTR(&cookie);
        editStream.pfnCallback = ReadFromStream;
        SendMessage(edit_->Handle(), EM_STREAMIN, edit_->plainText_ ? SF_TEXT : SF_RTF, LPARAM(&editStream));
    }
    void SaveToStream(TStream* stream) const override {
        StreamCookie cookie{stream};
        EDITSTREAM editStream;
        editStream.dwCookie = DWORD_PTR(&cookie);
        editStream.pfnCallback = WriteToStream;
        SendMessage(edit_->Handle(), EM_STREAMOUT, edit_->plainText_ ? SF_TEXT : SF_RTF, LPARAM(&editStream));
    }

protected:
    AnsiString Get(int index) const override {
        const auto [start, end] = Range(index, false);
        return edit_->Text().substr(start, end - start);
    }
    int GetCount() const override {
        const AnsiString text = edit_->Text();
        if (text.empty()) return 0;
        int count = 1;
        for (std::size_t at = text.find("\r\n"); at != AnsiString::npos; at = text.find("\r\n", at + 2)) ++count;
        return count;
    }
    void Put(int index, const AnsiString& s) override {
        const auto [start, end] = Range(index, false);
        ReplaceRange(start, end, s);
    }

private:
    void CheckIndex(int index, int last) const {
        if (index < 0 || index > last) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    // Line `index` without (or, with `withBreak`, with) its line break.
    std::pair<std::size_t, std::size_t> Range(int index, bool withBreak) const {
        CheckIndex(index, GetCount() - 1);
        const AnsiString text = edit_->Text();
        std::size_t start = 0;
        for (int i = 0; i < index; ++i) start = text.find("\r\n", start) + 2;
        std::size_t end = text.find("\r\n", start);
        if (end == AnsiString::npos) {
            end = text.size();
            if (withBreak && start >= 2) start -= 2;  // the last line takes the break before it
        } else if (withBreak) {
            end += 2;
        }
        return {start, end};
    }
    void ReplaceRange(std::size_t start, std::size_t end, const AnsiString& text) {
        const HWND window = edit_->Handle();
        SendMessage(window, EM_SETSEL, WPARAM(start), LPARAM(end));
        SendMessage(window, EM_REPLACESEL, 0, LPARAM(text.c_str()));
    }

    TCustomRichEdit* edit_;
};

// ---- TTextAttributes --------------------------------------------------------------------

CHARFORMATA TTextAttributes::Get() const {
    CHARFORMATA format;
    SendMessage(owner_->Handle(), EM_GETCHARFORMAT, type_ == atSelected ? SCF_SELECTION : SCF_DEFAULT, LPARAM(&format));
    return format;
}

void TTextAttributes::Set(const CHARFORMATA& format) {
    SendMessage(owner_->Handle(), EM_SETCHARFORMAT, type_ == atSelected ? SCF_SELECTION : SCF_DEFAULT, LPARAM(&format));
}

TColor TTextAttributes::Color() const {
    const CHARFORMATA format = Get();
    return (format.dwEffects & CFE_AUTOCOLOR) ? clWindowText : TColor(format.crTextColor);
}

void TTextAttributes::SetColor(TColor value) {
    CHARFORMATA format;
    format.dwMask = CFM_COLOR;
    if (value == clWindowText)
        format.dwEffects = CFE_AUTOCOLOR;
    else
        format.crTextColor = ColorToRGB(value);
    Set(format);
}

AnsiString TTextAttributes::Name() const { return Get().szFaceName; }

void TTextAttributes::SetName(const AnsiString& value) {
    CHARFORMATA format;
    format.dwMask = CFM_FACE;
    std::strncpy(format.szFaceName, value.c_str(), sizeof format.szFaceName - 1);
    Set(format);
}

int TTextAttributes::Size() const { return Get().yHeight / 20; }

void TTextAttributes::SetSize(int value) {
    CHARFORMATA format;
    format.dwMask = CFM_SIZE;
    format.yHeight = value * 20;
    Set(format);
}

int TTextAttributes::Height() const { return -MulDiv(Size(), 96, 72); }
void TTextAttributes::SetHeight(int value) { SetSize(MulDiv(std::abs(value), 72, 96)); }

TFontStyles TTextAttributes::Style() const {
    const DWORD effects = Get().dwEffects;
    TFontStyles style;
    if (effects & CFE_BOLD) style.Include(fsBold);
    if (effects & CFE_ITALIC) style.Include(fsItalic);
    if (effects & CFE_UNDERLINE) style.Include(fsUnderline);
    if (effects & CFE_STRIKEOUT) style.Include(fsStrikeOut);
    return style;
}

void TTextAttributes::SetStyle(TFontStyles value) {
    CHARFORMATA format;
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    format.dwEffects = (value.Contains(fsBold) ? CFE_BOLD : 0) | (value.Contains(fsItalic) ? CFE_ITALIC : 0) |
                       (value.Contains(fsUnderline) ? CFE_UNDERLINE : 0) |
                       (value.Contains(fsStrikeOut) ? CFE_STRIKEOUT : 0);
    Set(format);
}

TFontCharset TTextAttributes::Charset() const { return Get().bCharSet; }

void TTextAttributes::SetCharset(TFontCharset value) {
    CHARFORMATA format;
    format.dwMask = CFM_CHARSET;
    format.bCharSet = value;
    Set(format);
}

void TTextAttributes::Assign(TPersistent* source) {
    if (auto* font = dynamic_cast<TFont*>(source)) {
        SetColor(font->Color());
        SetName(font->Name());
        SetSize(font->Size());
        SetStyle(font->Style());
    } else if (auto* other = dynamic_cast<TTextAttributes*>(source)) {
        Set(other->Get());
    } else {
        TPersistent::Assign(source);
    }
}

void TTextAttributes::AssignTo(TPersistent* dest) {
    if (auto* font = dynamic_cast<TFont*>(dest)) {
        font->SetColor(Color());
        font->SetName(Name());
        font->SetSize(Size());
        font->SetStyle(Style());
    } else {
        TPersistent::AssignTo(dest);
    }
}

// ---- TParaAttributes --------------------------------------------------------------------

TAlignment TParaAttributes::Alignment() const {
    PARAFORMAT para;
    SendMessage(owner_->Handle(), EM_GETPARAFORMAT, 0, LPARAM(&para));
    return para.wAlignment == PFA_RIGHT ? taRightJustify : para.wAlignment == PFA_CENTER ? taCenter : taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment value) {
    PARAFORMAT para;
    para.dwMask = PFM_ALIGNMENT;
    para.wAlignment = value == taRightJustify ? PFA_RIGHT : value == taCenter ? PFA_CENTER : PFA_LEFT;
    SendMessage(owner_->Handle(), EM_SETPARAFORMAT, 0, LPARAM(&para));
}

// ---- TCustomRichEdit --------------------------------------------------------------------

TCustomRichEdit::TCustomRichEdit(TComponent* owner)
    : TCustomMemo(owner),
      lines_(std::make_unique<RichEditLines>(this)),
      selAttributes_(std::make_unique<TTextAttributes>(this, atSelected)),
      defAttributes_(std::make_unique<TTextAttributes>(this, atDefaultText)),
      paragraph_(std::make_unique<TParaAttributes>(this)) {}

TCustomRichEdit::~TCustomRichEdit() = default;

void TCustomRichEdit::Published(TPublished<TCustomRichEdit>& p) {
    p.Property("Lines", &TCustomRichEdit::Lines, &TCustomRichEdit::SetLines);
    p.Property("PlainText", &TCustomRichEdit::PlainText, &TCustomRichEdit::SetPlainText).Default(false);
    p.Property("OnSelectionChange", &TCustomRichEdit::OnSelectionChange, &TCustomRichEdit::SetOnSelectionChange);
    p.Property("OnResizeRequest", &TCustomRichEdit::OnResizeRequest, &TCustomRichEdit::SetOnResizeRequest);
}

TStrings* TCustomRichEdit::Lines() const { return lines_.get(); }
void TCustomRichEdit::SetLines(TStrings* value) { lines_->Assign(value); }

void TCustomRichEdit::CreateParams(TCreateParams& params) {
    RegisterRichEditClass();
    TCustomMemo::CreateParams(params);
    CreateSubClass(params, RICHEDIT_CLASS);
}

void TCustomRichEdit::CreateWnd() {
    TCustomMemo::CreateWnd();
    SendMessage(Handle(), EM_SETEVENTMASK, 0, LPARAM(ENM_CHANGE | ENM_SELCHANGE | ENM_REQUESTRESIZE));
}

void TCustomRichEdit::SelectionChange() {
    if (onSelectionChange_) onSelectionChange_(this);
}

void TCustomRichEdit::RequestSize(const TRect& rect) {
    if (onResizeRequest_) onResizeRequest_(this, rect);
}

void TCustomRichEdit::CNNotify(TMessage& Message) {
    const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
    if (header->code == EN_SELCHANGE) SelectionChange();
    if (header->code == EN_REQUESTRESIZE) RequestSize(reinterpret_cast<const REQRESIZE*>(Message.LParam)->rc);
}

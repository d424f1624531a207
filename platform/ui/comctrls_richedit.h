// TRichEdit: the class library's rich edit over the "RichEdit20A" window
// class. Lines load and save RTF (plain text with PlainText); SelAttributes
// and DefAttributes read and change the character formats of the selection
// and of new text; Paragraph the alignment of the selected paragraphs.
#pragma once

#include <memory>

#include "platform/ui/graphics.h"
#include "platform/win/richedit.h"
#include "platform/ui/stdctrls_edit.h"

class TCustomRichEdit;

SERVIORA_ENUM(TAttributeType, atSelected, atDefaultText)

// The character format of the selection or of the default text.
class TTextAttributes : public TPersistent {
    SERVIORA_CLASS(TTextAttributes, TPersistent)
public:
    TTextAttributes(TCustomRichEdit* owner, TAttributeType type) : owner_(owner), type_(type) {}
    // From a font or other attributes; a font's colour, name, size and style.
    void Assign(TPersistent* source) override;

    TColor Color() const;
    void SetColor(TColor value);
    AnsiString Name() const;
    void SetName(const AnsiString& value);
    int Size() const;
    void SetSize(int value);
    // Pixels at 96 per inch, negative as a font's height.
    int Height() const;
    void SetHeight(int value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles value);
    TFontCharset Charset() const;
    void SetCharset(TFontCharset value);

protected:
    void AssignTo(TPersistent* dest) override;

private:
    CHARFORMATA Get() const;
    void Set(const CHARFORMATA& format);

    TCustomRichEdit* owner_;
    TAttributeType type_;
};

// The paragraph format of the selected paragraphs.
class TParaAttributes : public TPersistent {
    SERVIORA_CLASS(TParaAttributes, TPersistent)
public:
    explicit TParaAttributes(TCustomRichEdit* owner) : owner_(owner) {}
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);

private:
    TCustomRichEdit* owner_;
};

SERVIORA_EVENT_TYPE(TRichEditResizeEvent, void(TObject* Sender, TRect Rect));

class TCustomRichEdit : public TCustomMemo {
    SERVIORA_CLASS(TCustomRichEdit, TCustomMemo)
    SERVIORA_PUBLISHED
public:
    explicit TCustomRichEdit(TComponent* owner);
    ~TCustomRichEdit() override;

    // Loading reads RTF unless PlainText (data that is no RTF is text).
    TStrings* Lines() const;
    void SetLines(TStrings* value);
    TTextAttributes* SelAttributes() const { return selAttributes_.get(); }
    void SetSelAttributes(TTextAttributes* value) { selAttributes_->Assign(value); }
    TTextAttributes* DefAttributes() const { return defAttributes_.get(); }
    void SetDefAttributes(TTextAttributes* value) { defAttributes_->Assign(value); }
    TParaAttributes* Paragraph() const { return paragraph_.get(); }
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool value) { plainText_ = value; }

    const TNotifyEvent& OnSelectionChange() const { return onSelectionChange_; }
    void SetOnSelectionChange(TNotifyEvent value) { onSelectionChange_ = std::move(value); }
    const TRichEditResizeEvent& OnResizeRequest() const { return onResizeRequest_; }
    void SetOnResizeRequest(TRichEditResizeEvent value) { onResizeRequest_ = std::move(value); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void SelectionChange();
    virtual void RequestSize(const TRect& rect);
    void CNNotify(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_NOTIFY, CNNotify)
    SERVIORA_MESSAGES_END(TCustomMemo)

private:
    class RichEditLines;
    std::unique_ptr<RichEditLines> lines_;
    std::unique_ptr<TTextAttributes> selAttributes_, defAttributes_;
    std::unique_ptr<TParaAttributes> paragraph_;
    bool plainText_ = false;
    TNotifyEvent onSelectionChange_;
    TRichEditResizeEvent onResizeRequest_;
};

class TRichEdit : public TCustomRichEdit {
    SERVIORA_CLASS(TRichEdit, TCustomRichEdit)
public:
    using TCustomRichEdit::TCustomRichEdit;
};

// Makes the "RichEdit20A" window class known; TRichEdit does this itself.
void RegisterRichEditClass();

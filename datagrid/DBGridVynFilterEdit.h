// The filter row's editor: the data-aware edit hosted by the grid over one
// filter cell, its text one pixel lower than a plain editor's.
#pragma once

#include "datagrid/DBCtrlsVynEdit.h"

class TInplaceFilterEditVyn : public TCustomDBEditVyn {
    SERVIORA_CLASS(TInplaceFilterEditVyn, TCustomDBEditVyn)
public:
    using TCustomDBEditVyn::TCustomDBEditVyn;

    // Selects the whole text.
    void SelectWholeText();
    // Stores a key value without looking it up and shows Text for it.
    void ShowKeyWithText(const Variant& value, const AnsiString& text);
    const Variant& KeyValue() const { return keyValue_; }

protected:
    TRect GetEditRect() const override;

private:
    Variant keyValue_ = Null();
};

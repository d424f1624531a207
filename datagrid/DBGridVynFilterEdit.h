// The filter row's editor: the lookup combo box hosted by the grid over one
// filter cell, its text one pixel lower than a plain editor's. A column
// filter with a list source drops down that list.
#pragma once

#include "datagrid/DBLookupVyn.h"

class TInplaceFilterEditVyn : public TDBLookupComboboxVyn {
    SERVIORA_CLASS(TInplaceFilterEditVyn, TDBLookupComboboxVyn)
public:
    using TDBLookupComboboxVyn::TDBLookupComboboxVyn;

    void SelectWholeText() override;
    // Stores a key value without looking it up and shows Text for it.
    void ShowKeyWithText(const Variant& value, const AnsiString& text);

protected:
    TRect GetEditRect() const override;
};

// TCustomListBox and TListBox over the platform's "ListBox" class: Items,
// single, multiple and extended selection, sorting, several columns,
// owner-drawn items of fixed or variable height; OnClick when the user
// changes the selection.
#pragma once

#include <memory>

#include "platform/ui/itemstrings.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_listcontrol.h"

SERVIORA_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw)

class TCustomListBox : public TCustomListControl {
    SERVIORA_CLASS(TCustomListBox, TCustomListControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TStrings* Items() const override;
    void SetItems(TStrings* v) { items_->Assign(v); }
    Integer ItemIndex();
    void SetItemIndex(Integer v);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool v);
    bool Selected(Integer index);
    void SetSelected(Integer index, bool v);
    Integer SelCount();
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle v);
    Integer TopIndex();
    void SetTopIndex(Integer v);
    Integer Columns() const { return columns_; }
    void SetColumns(Integer v);
    // The item at a client point (-1 outside any, unless `existing` is false:
    // then the count after the last item).
    Integer ItemAtPos(TPoint pos, bool existing);
    TRect ItemRect(Integer index);
    void Clear() { items_->Clear(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool VariableItemHeight() const override { return style_ == lbOwnerDrawVariable; }
    void ItemHeightChanged() override;
    void CNCommand(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_COMMAND, CNCommand)
    SERVIORA_MESSAGES_END(TCustomListControl)

private:
    void Recreate();

    std::unique_ptr<TWindowItems> items_;
    Integer itemIndex_ = -1;  // kept while there is no window
    bool multiSelect_ = false, extendedSelect_ = true, sorted_ = false;
    TListBoxStyle style_ = lbStandard;
    Integer columns_ = 0;
};

class TListBox : public TCustomListBox {
    SERVIORA_CLASS(TListBox, TCustomListBox)
public:
    using TCustomListBox::TCustomListBox;
};

// TCustomListControl: owner-drawn items of list and combo boxes.
#include "platform/ui/stdctrls_listcontrol.h"

#include <algorithm>

#include "platform/rtl/stringlist.h"
#include "platform/win/commctrl.h"

void TCustomListControl::Published(TPublished<TCustomListControl>& p) {
    p.Property("ItemHeight", &TCustomListControl::ItemHeight, &TCustomListControl::SetItemHeight).Default(16);
    p.Property("OnDrawItem", &TCustomListControl::OnDrawItem, &TCustomListControl::SetOnDrawItem);
    p.Property("OnMeasureItem", &TCustomListControl::OnMeasureItem, &TCustomListControl::SetOnMeasureItem);
}

TCustomListControl::TCustomListControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {}

TCustomListControl::~TCustomListControl() = default;

TCanvas* TCustomListControl::Canvas() const { return canvas_.get(); }

void TCustomListControl::SetItemHeight(Integer v) {
    if (v <= 0 || v == itemHeight_) return;
    itemHeight_ = v;
    if (HandleAllocated()) ItemHeightChanged();
}

void TCustomListControl::DrawItem(int index, TRect rect, TOwnerDrawState state) {
    if (onDrawItem_) {
        onDrawItem_(this, index, rect, state);
        return;
    }
    canvas_->FillRect(rect);
    if (index < Items()->Count()) canvas_->TextOut(rect.left + 2, rect.top, Items()->Strings(index));
}

void TCustomListControl::MeasureItem(int index, int& height) { onMeasureItem_(this, index, height); }

void TCustomListControl::CNDrawItem(TMessage& Message) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    const TOwnerDrawState state = OwnerDrawStateOf(item.itemState);
    const int index = int(item.itemID);
    const CanvasOnDC onDC(canvas_.get(), item.hDC);
    canvas_->Font()->Assign(Font());
    canvas_->Brush()->SetColor(Color());
    if (index >= 0 && state.Contains(odSelected)) {
        canvas_->Brush()->SetColor(clHighlight);
        canvas_->Font()->SetColor(clHighlightText);
    }
    if (index >= 0)
        DrawItem(index, item.rcItem, state);
    else
        canvas_->FillRect(item.rcItem);
    if (state.Contains(odFocused)) DrawFocusRect(item.hDC, &item.rcItem);
    Message.Result = TRUE;
}

void TCustomListControl::CNMeasureItem(TMessage& Message) {
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
    int height = itemHeight_;
    if (VariableItemHeight() && int(item.itemID) >= 0) MeasureItem(int(item.itemID), height);
    item.itemHeight = UINT(std::max(1, height));
    Message.Result = TRUE;
}

// TCustomListControl: what list boxes and combo boxes share. Their
// owner-drawn items are drawn by the program on the control's Canvas
// (OnDrawItem, or DrawItem in a descendant) and, for variable heights,
// measured by it (OnMeasureItem), through the window's WM_DRAWITEM and
// WM_MEASUREITEM that the parent reflects as CN_DRAWITEM / CN_MEASUREITEM.
#pragma once

#include <memory>

#include "platform/ui/menus.h"

class TStrings;

SERVIORA_EVENT_TYPE(TDrawItemEvent, void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State));
SERVIORA_EVENT_TYPE(TMeasureItemEvent, void(TWinControl* Control, int Index, int& Height));

class TCustomListControl : public TWinControl {
    SERVIORA_CLASS(TCustomListControl, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomListControl(TComponent* owner);
    ~TCustomListControl() override;

    virtual TStrings* Items() const = 0;
    // The canvas owner-drawn items are drawn on (valid inside OnDrawItem).
    TCanvas* Canvas() const;
    // The height of owner-drawn items, and the start of a variable one.
    Integer ItemHeight() const { return itemHeight_; }
    void SetItemHeight(Integer v);

    const TDrawItemEvent& OnDrawItem() const { return onDrawItem_; }
    void SetOnDrawItem(TDrawItemEvent v) { onDrawItem_ = std::move(v); }
    const TMeasureItemEvent& OnMeasureItem() const { return onMeasureItem_; }
    void SetOnMeasureItem(TMeasureItemEvent v) { onMeasureItem_ = std::move(v); }

protected:
    // Draws item `index` on Canvas, which holds the control's font and
    // colours (the highlight ones for a selected item): OnDrawItem, or the
    // item's text.
    virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
    // Asks OnMeasureItem for the height of item `index`.
    virtual void MeasureItem(int index, int& height);
    // Whether each item has a height of its own (asked through MeasureItem).
    virtual bool VariableItemHeight() const = 0;
    // Puts a changed ItemHeight into the window.
    virtual void ItemHeightChanged() = 0;
    void CNDrawItem(TMessage& Message);
    void CNMeasureItem(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_DRAWITEM, CNDrawItem)
        SERVIORA_MESSAGE(CN_MEASUREITEM, CNMeasureItem)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    std::unique_ptr<TControlCanvas> canvas_;
    Integer itemHeight_ = 16;
    TDrawItemEvent onDrawItem_;
    TMeasureItemEvent onMeasureItem_;
};

// The toolbar: a tool window that lines its items up in one line when
// docked and in wrapped lines when floating, and that snaps its floating
// size to the layouts its items allow while the user resizes it; and the
// separator item, a gap with an etched line that also ends a group.
#pragma once

#include <memory>
#include <vector>

#include "report/ui/qm_tbqy.h"

class TToolbarSepQy;

// How a toolbar orders its items.
struct TToolbarOptions {
    // After loading, the items are ordered by their positions.
    bool OrderByPositionOnLoad = true;
    // In the designer every layout orders them by their positions.
    bool OrderByPositionInDesigner = true;
};

class TCustomToolbarQy : public TCustomToolWindowQy {
    SERVIORA_CLASS(TCustomToolbarQy, TCustomToolWindowQy)
public:
    explicit TCustomToolbarQy(TComponent* owner);
    ~TCustomToolbarQy() override;

    void MeasureBarThickness(int& size, TDockOrientation orientation) override;
    void MeasureMinimumClient(int& clientWidth, int& clientHeight) override;
    TPoint PlaceItems(bool canMove, TDockOrientation previousOrientation, TDockQy* dockingTo) override;
    // The sizes (client pixels) the floating toolbar can take: the one-line
    // size first, then each narrower wrapping that changes the layout.
    virtual void ListFloatingSizes(std::vector<TPoint>& list);
    // The client width at which a floating toolbar wraps; 0: one line.
    int FloatRightX() const { return floatRightX_; }
    void SetFloatRightX(int v) { floatRightX_ = v; }
    // The wrap width of a floating toolbar is kept under "FloatRightX".
    void ReadPositions(const TPositionReadInt& readInt, const TPositionReadString& readString,
                       void* extraData) override;
    void WritePositions(const TPositionWriteInt& writeInt, const TPositionWriteString& writeString,
                        void* extraData) override;

protected:
    void Paint() override;
    bool IsChildTransparent(TControl* control) override;
    // No platform alignment, four resize zones, a free cursor.
    void GetToolWindowOptions(TToolWindowOptions& options) const override;
    void ResizeStart(TSizeHandle handle) override;
    void ResizeTracking(TRect& newRect, const TRect& initialRect) override;
    void ResizeFinish(bool accepted) override;
    void InitItemOrder() override;
    virtual void GetToolbarOptions(TToolbarOptions&) const {}
    void WMWindowPosChanging(TMessage& Message);
    // Items are ordered as they are inserted.
    void CMControlListChange(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_WINDOWPOSCHANGING, WMWindowPosChanging)
        SERVIORA_MESSAGE(CM_CONTROLLISTCHANGE, CMControlListChange)
    SERVIORA_MESSAGES_END(TCustomToolWindowQy)

private:
    friend class TToolbarSepQy;
    struct Sizing;
    // The items shown, in the order they are laid out (by position in the
    // designer, taken along the orientation given).
    std::vector<TControl*> ShownItems(TDockOrientation orientation);
    // Drops the items that left the toolbar from the order.
    void CleanItemOrder();
    // Orders the items by their Left, or Top along a vertical dock.
    void SortItemsByPosition(std::vector<TControl*>& items, TDockOrientation orientation) const;
    TToolbarOptions ToolbarOptions() const {
        TToolbarOptions options;
        GetToolbarOptions(options);
        return options;
    }

    // The items in the order they were inserted; dirty while it may hold
    // items that left.
    std::vector<TControl*> itemOrder_;
    bool itemOrderDirty_ = false;

    int floatRightX_ = 0;
    // The y of each wrapped line that a separator ended, with its Blank.
    struct LineSeparator {
        int y;
        bool blank;
    };
    std::vector<LineSeparator> lineSeparators_;
    std::unique_ptr<Sizing> sizing_;
};

class TToolbarQy : public TCustomToolbarQy {
    SERVIORA_CLASS(TToolbarQy, TCustomToolbarQy)
    SERVIORA_PUBLISHED
public:
    using TCustomToolbarQy::TCustomToolbarQy;

private:
    // The last dock is written only while the toolbar is not docked.
    bool LastDockStored() const { return !Docked(); }
};

class TToolbarSepQy : public TGraphicControl {
    SERVIORA_CLASS(TToolbarSepQy, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TToolbarSepQy(TComponent* owner);

    bool Blank() const { return blank_; }
    void SetBlank(bool v);
    int SizeHorz() const { return sizeHorz_; }
    void SetSizeHorz(int v);
    int SizeVert() const { return sizeVert_; }
    void SetSizeVert(int v);
    // Only a toolbar (or nothing) holds a separator.
    void SetParent(TWinControl* parent) override;

protected:
    void Paint() override;
    // A press on a separator drags its toolbar.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool blank_ = false;
    int sizeHorz_ = 6;
    int sizeVert_ = 6;
};

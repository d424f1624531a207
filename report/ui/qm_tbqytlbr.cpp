// Toolbar layout: items in insertion order, grouped by separators, placed
// in one line docked and in wrapped lines floating; the floating sizes the
// items allow and the snapping of a floating resize to them.
#include "report/ui/qm_tbqytlbr.h"

#include <algorithm>
#include <climits>

#include "platform/rtl/exceptions.h"

namespace {

struct Margins {
    int top, bottom, left, right;
};
constexpr Margins FloatingMargins{2, 1, 4, 4};
constexpr Margins DockedMargins{0, 0, 0, 0};

bool IsSeparator(const TControl* control) { return dynamic_cast<const TToolbarSepQy*>(control) != nullptr; }

bool ItemShown(const TControl* control) {
    return control->Visible() || control->ComponentState().Contains(csDesigning);
}

}  // namespace

// What a floating resize keeps between its start and its end.
struct TCustomToolbarQy::Sizing {
    TSizeHandle handle;
    std::vector<TPoint> sizes;  // window sizes, the sizing direction's largest first
    int wrapWidth;
    bool changed = false;
    bool smaller = false;
    int snap = 12;
};

TCustomToolbarQy::TCustomToolbarQy(TComponent* owner) : TCustomToolWindowQy(owner) {}

TCustomToolbarQy::~TCustomToolbarQy() = default;

std::vector<TControl*> TCustomToolbarQy::ShownItems(TDockOrientation orientation) {
    std::vector<TControl*> items;
    for (int i = 0; i < ControlCount(); ++i)
        if (ItemShown(Controls(i))) items.push_back(Controls(i));
    if (ComponentState().Contains(csDesigning) && ToolbarOptions().OrderByPositionInDesigner) {
        CleanItemOrder();
        SortItemsByPosition(itemOrder_, orientation);
        SortItemsByPosition(items, orientation);
        return items;
    }
    const auto index = [this](TControl* item) {
        return int(std::find(itemOrder_.begin(), itemOrder_.end(), item) - itemOrder_.begin());
    };
    SortItemList(items, [&](TControl* a, TControl* b) { return index(a) - index(b); });
    return items;
}

void TCustomToolbarQy::CMControlListChange(TMessage& Message) {
    TCustomToolWindowQy::Dispatch(Message);
    auto* control = reinterpret_cast<TControl*>(Message.WParam);
    std::erase(itemOrder_, control);
    if (Message.LParam) {
        itemOrder_.push_back(control);
        itemOrderDirty_ = true;
    }
}

void TCustomToolbarQy::CleanItemOrder() {
    if (!itemOrderDirty_) return;
    std::erase_if(itemOrder_, [this](TControl* item) { return item->Parent() != this; });
    itemOrderDirty_ = false;
}

void TCustomToolbarQy::SortItemsByPosition(std::vector<TControl*>& items, TDockOrientation orientation) const {
    const bool vertical = orientation == doVertical;
    SortItemList(items, [vertical](TControl* a, TControl* b) {
        return vertical ? a->Top() - b->Top() : a->Left() - b->Left();
    });
}

void TCustomToolbarQy::InitItemOrder() {
    if (!ToolbarOptions().OrderByPositionOnLoad) return;
    CleanItemOrder();
    SortItemsByPosition(itemOrder_, DockOrientationOf(DockedTo()));
}

void TCustomToolbarQy::WMWindowPosChanging(TMessage& Message) {
    TCustomToolWindowQy::Dispatch(Message);
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
    if (!Floating() || !HandleAllocated() || !pos) return;
    const bool resized = !(pos->flags & SWP_NOSIZE) && (pos->cx != Width() || pos->cy != Height());
    if ((pos->flags & SWP_FRAMECHANGED) || resized) Invalidate();
}

void TCustomToolbarQy::ReadPositions(const TPositionReadInt& readInt, const TPositionReadString& readString,
                                     void* extraData) {
    TCustomToolWindowQy::ReadPositions(readInt, readString, extraData);
    floatRightX_ = readInt(Name(), "FloatRightX", 0, extraData);
}

void TCustomToolbarQy::WritePositions(const TPositionWriteInt& writeInt, const TPositionWriteString& writeString,
                                      void* extraData) {
    TCustomToolWindowQy::WritePositions(writeInt, writeString, extraData);
    writeInt(Name(), "FloatRightX", floatRightX_, extraData);
}

bool TCustomToolbarQy::IsChildTransparent(TControl* control) { return IsSeparator(control); }

void TCustomToolbarQy::MeasureBarThickness(int& size, TDockOrientation orientation) {
    size = 8;
    for (int i = 0; i < ControlCount(); ++i)
        if (TControl* item = Controls(i); ItemShown(item) && !IsSeparator(item)) size = std::max(size, orientation == doVertical ? item->Width() : item->Height());
}

void TCustomToolbarQy::MeasureMinimumClient(int& clientWidth, int& clientHeight) { clientWidth = clientHeight = 0; }

TPoint TCustomToolbarQy::PlaceItems(bool canMove, TDockOrientation previousOrientation, TDockQy* dockingTo) {
    const TDockOrientation orient = DockOrientationOf(dockingTo);
    const bool vertical = orient == doVertical;
    const bool docked = dockingTo != nullptr;
    const Margins& m = docked ? DockedMargins : FloatingMargins;
    const std::vector<TControl*> items = ShownItems(previousOrientation);
    int wrap = INT_MAX;
    if (orient == doNone && floatRightX_ != 0) {
        int widest = 0;
        for (TControl* item : items)
            if (!IsSeparator(item)) widest = std::max(widest, item->Width());
        wrap = std::max(floatRightX_, widest + 8);
    }
    int rowThick = 0;
    MeasureBarThickness(rowThick, orient);
    int lineThick = rowThick;
    if (dockingTo && dockingTo == DockedTo()) lineThick = std::max(rowThick, dockingTo->RowExtent(DockRow(), nullptr));

    std::vector<std::vector<TControl*>> groups;
    for (TControl* item : items) {
        if (groups.empty() || (!groups.back().empty() && IsSeparator(groups.back().back()))) groups.emplace_back();
        groups.back().push_back(item);
    }
    if (canMove) lineSeparators_.clear();
    const auto length = [vertical](TControl* item) {
        if (auto* sep = dynamic_cast<TToolbarSepQy*>(item)) return vertical ? sep->SizeVert() : sep->SizeHorz();
        return vertical ? item->Height() : item->Width();
    };

    int cross = m.top, along = m.left, maxAlong = m.left;
    const bool wrapping = !docked;
    bool forceBreak = false;
    int maxBeforeLastSep = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        int groupLength = 0;
        for (TControl* item : groups[g])
            if (!IsSeparator(item)) groupLength += vertical ? item->Height() : item->Width();
        if (wrapping && (forceBreak || along + groupLength + m.right > wrap)) {
            forceBreak = false;
            along = m.left;
            if (g != 0) {
                cross += rowThick + 6;
                if (auto* sep = dynamic_cast<TToolbarSepQy*>(groups[g - 1].back())) {
                    maxAlong = maxBeforeLastSep;
                    if (canMove) {
                        sep->SetBounds(sep->Left(), sep->Top(), 0, sep->Height());
                        lineSeparators_.push_back({cross, sep->Blank()});
                    }
                }
            }
        }
        maxAlong = std::max(maxAlong, along);
        for (TControl* item : groups[g]) {
            const bool sep = IsSeparator(item);
            const int size = length(item);
            if (wrapping && !sep && along + size + m.right > wrap) {
                along = m.left;
                cross += rowThick;
                forceBreak = true;
            }
            if (canMove) {
                auto* separator = dynamic_cast<TToolbarSepQy*>(item);
                if (!vertical) {
                    if (separator) {
                        item->SetBounds(along, cross, separator->SizeHorz(), lineThick);
                    } else {
                        item->SetBounds(along, cross + (lineThick - item->Height()) / 2, item->Width(), item->Height());
                    }
                } else if (separator) {
                    item->SetBounds(cross, along, lineThick, separator->SizeVert());
                } else {
                    item->SetBounds(cross + (lineThick - item->Width()) / 2, along, item->Width(), item->Height());
                }
            }
            if (sep) maxBeforeLastSep = maxAlong;
            along += size;
            maxAlong = std::max(maxAlong, along);
        }
    }
    if (groups.empty()) maxAlong += 8;
    const int alongSize = maxAlong + m.right;
    const int crossSize = cross + rowThick + m.bottom;
    return vertical ? TPoint{crossSize, alongSize} : TPoint{alongSize, crossSize};
}

void TCustomToolbarQy::Paint() {
    TCustomToolWindowQy::Paint();
    if (!Floating()) return;
    for (const LineSeparator& line : lineSeparators_) {
        if (line.blank) continue;
        Canvas()->Pen()->SetColor(clBtnShadow);
        Canvas()->MoveTo(1, line.y - 4);
        Canvas()->LineTo(ClientWidth() - 1, line.y - 4);
        Canvas()->Pen()->SetColor(clBtnHighlight);
        Canvas()->MoveTo(1, line.y - 3);
        Canvas()->LineTo(ClientWidth() - 1, line.y - 3);
    }
}

// ---- floating sizes ------------------------------------------------------------------

void TCustomToolbarQy::ListFloatingSizes(std::vector<TPoint>& list) {
    const int saved = floatRightX_;
    struct Restore {
        int& field;
        int value;
        ~Restore() { field = value; }
    } restore{floatRightX_, saved};
    floatRightX_ = 0;
    TPoint s = PlaceItems(false, doNone, nullptr);
    list.push_back(s);
    int lastY = s.y;
    for (int i = s.x - 1; i >= 8;) {
        floatRightX_ = i;
        s = PlaceItems(false, doNone, nullptr);
        if (i < s.x) break;
        if (i == s.x) {
            if (s.y == lastY && list.size() > 1) list.pop_back();
            if (std::find_if(list.begin(), list.end(), [&](TPoint p) { return p.x == s.x && p.y == s.y; }) == list.end())
                list.push_back(s);
            lastY = s.y;
            --i;
        } else {
            i = s.x;
        }
    }
}

void TCustomToolbarQy::GetToolWindowOptions(TToolWindowOptions& options) const {
    options = TToolWindowOptions{false, false, false};
}

void TCustomToolbarQy::ResizeStart(TSizeHandle handle) {
    TCustomToolWindowQy::ResizeStart(handle);
    sizing_ = std::make_unique<Sizing>();
    sizing_->handle = handle;
    sizing_->wrapWidth = floatRightX_;
    ListFloatingSizes(sizing_->sizes);
    const TPoint frame = FloatingFrameSize();
    for (TPoint& size : sizing_->sizes) size = {size.x + frame.x, size.y + frame.y};
    const bool byHeight = handle == shTop || handle == shBottom;
    std::sort(sizing_->sizes.begin(), sizing_->sizes.end(),
              [byHeight](TPoint a, TPoint b) { return byHeight ? a.y > b.y : a.x > b.x; });
    const auto& sizes = sizing_->sizes;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i].x != Width() || sizes[i].y != Height()) continue;
        const int current = byHeight ? sizes[i].y : sizes[i].x;
        int snap = 12;
        if (i > 0) snap = std::min(snap, std::abs((byHeight ? sizes[i - 1].y : sizes[i - 1].x) - current) - 1);
        if (i + 1 < sizes.size())
            snap = std::min(snap, std::abs((byHeight ? sizes[i + 1].y : sizes[i + 1].x) - current) - 1);
        sizing_->snap = std::max(snap, 0);
        break;
    }
}

void TCustomToolbarQy::ResizeTracking(TRect& newRect, const TRect& initialRect) {
    TCustomToolWindowQy::ResizeTracking(newRect, initialRect);
    if (!sizing_) return;
    Sizing& s = *sizing_;
    const bool horizontal = s.handle == shLeft || s.handle == shRight;
    const TPoint cursor = TrackedCursorPos();
    const TRect bounds = BoundsRect();
    int p;
    if (s.handle == shLeft) {
        p = bounds.right - cursor.x;
    } else if (s.handle == shRight) {
        p = cursor.x - bounds.left;
    } else if (s.handle == shTop) {
        p = bounds.bottom - cursor.y;
    } else {
        p = cursor.y - bounds.top;
    }
    const int extent = horizontal ? Width() : Height();
    const bool smaller = p < extent;
    if (!s.changed || smaller != s.smaller) {
        s.changed = false;
        s.smaller = smaller;
        if (p >= extent - s.snap && p < extent + s.snap) p = extent;
    }
    newRect = initialRect;
    const auto along = [horizontal](TPoint size) { return horizontal ? size.x : size.y; };
    const std::vector<TPoint>& sizes = s.sizes;  // largest first along the sizing direction
    if (sizes.empty()) return;
    TPoint taken = sizes.front();
    if (p > extent) {
        for (const TPoint& size : sizes)
            if (along(size) > p) taken = size;
    } else {
        taken = sizes.back();
        for (auto it = sizes.rbegin(); it != sizes.rend(); ++it)
            if (along(*it) <= p) taken = *it;
    }
    const TPoint oneLine = horizontal ? sizes.front() : sizes.back();
    s.wrapWidth = taken.x == oneLine.x && taken.y == oneLine.y ? 0 : taken.x - FloatingFrameSize().x;
    switch (s.handle) {
        case shRight: newRect.right = newRect.left + taken.x, newRect.bottom = newRect.top + taken.y; break;
        case shLeft: newRect.left = newRect.right - taken.x, newRect.bottom = newRect.top + taken.y; break;
        case shBottom: newRect.bottom = newRect.top + taken.y, newRect.right = newRect.left + taken.x; break;
        case shTop: newRect.top = newRect.bottom - taken.y, newRect.right = newRect.left + taken.x; break;
        default: break;
    }
    s.changed = !EqualRect(&newRect, &initialRect);
}

void TCustomToolbarQy::ResizeFinish(bool accepted) {
    TCustomToolWindowQy::ResizeFinish(accepted);
    if (accepted && sizing_) floatRightX_ = sizing_->wrapWidth;
    sizing_.reset();
}

// ---- the separator -------------------------------------------------------------------

TToolbarSepQy::TToolbarSepQy(TComponent* owner) : TGraphicControl(owner) {
    TControlStyle style = ControlStyle();
    style.Exclude(csCaptureMouse);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetBounds(0, 0, 6, 6);
}

void TToolbarSepQy::SetParent(TWinControl* parent) {
    if (parent && !dynamic_cast<TCustomToolbarQy*>(parent))
        throw EInvalidOperation("TToolbarSepQy can only be placed on a TToolbarQy");
    TGraphicControl::SetParent(parent);
}

void TToolbarSepQy::SetBlank(bool v) {
    blank_ = v;
    Invalidate();
}

void TToolbarSepQy::SetSizeHorz(int v) {
    v = std::max(v, 1);
    if (v == sizeHorz_) return;
    sizeHorz_ = v;
    if (auto* toolbar = dynamic_cast<TCustomToolbarQy*>(Parent())) toolbar->ArrangeContent();
}

void TToolbarSepQy::SetSizeVert(int v) {
    v = std::max(v, 1);
    if (v == sizeVert_) return;
    sizeVert_ = v;
    if (auto* toolbar = dynamic_cast<TCustomToolbarQy*>(Parent())) toolbar->ArrangeContent();
}

void TToolbarSepQy::Paint() {
    auto* toolbar = dynamic_cast<TCustomToolbarQy*>(Parent());
    if (!toolbar || blank_) return;
    TCanvas* canvas = Canvas();
    if (DockOrientationOf(toolbar->DockedTo()) == doVertical) {
        const int y = Height() / 2;
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(0, y - 1);
        canvas->LineTo(Width(), y - 1);
        canvas->Pen()->SetColor(clBtnHighlight);
        canvas->MoveTo(0, y);
        canvas->LineTo(Width(), y);
    } else {
        const int x = Width() / 2;
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(x - 1, 0);
        canvas->LineTo(x - 1, Height());
        canvas->Pen()->SetColor(clBtnHighlight);
        canvas->MoveTo(x, 0);
        canvas->LineTo(x, Height());
    }
}

void TToolbarSepQy::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (auto* toolbar = dynamic_cast<TCustomToolbarQy*>(Parent()))
        toolbar->MouseDown(button, shift, x + Left(), y + Top());
}

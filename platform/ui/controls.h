// The control framework: TControl, TWinControl, TGraphicControl and
// TCustomControl over the window system, and the drag objects of dragging
// one control onto another (controls_drag.cpp).
//
// A control class declares its message handlers by message id:
//     class TFoo : public TCustomControl {
//         SERVIORA_CLASS(TFoo, TCustomControl)
//         SERVIORA_MESSAGES_BEGIN
//             SERVIORA_MESSAGE(WM_LBUTTONDOWN, WMLButtonDown)
//             SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
//         SERVIORA_MESSAGES_END(TCustomControl)
//         void WMLButtonDown(TMessage& Message);
//         ...
//     };
// Messages arrive at WindowProc (replaceable and chainable; WndProc by
// default), which calls Dispatch: the class's handlers first, then its
// ancestors', and DefaultHandler (for a window control the window's original
// procedure) when no class handles the message. A handler that wants the
// default behaviour as well calls Inherited::Dispatch(Message) or
// DefaultHandler(Message).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/data/db_types.h"  // TAlignment
#include "platform/rtl/component.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphics.h"
#include "platform/win/userinput.h"

class TWinControl;
class TDockTree;
class TCustomForm;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;

SERVIORA_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
SERVIORA_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
SERVIORA_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;
SERVIORA_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
SERVIORA_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
SERVIORA_ENUM(TDragMode, dmManual, dmAutomatic)
SERVIORA_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
// What a CM_DRAG message (wParam) asks of the control under the mouse.
SERVIORA_ENUM(TDragMessage, dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget)
SERVIORA_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents,
              csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
              csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleItem>;
SERVIORA_ENUM(TControlStateItem, csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded,
              csFocusing, csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking)
using TControlState = TSet<TControlStateItem>;
SERVIORA_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
SERVIORA_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
SERVIORA_ENUM(TImeMode, imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
              imSHanguel, imHanguel)
using TImeName = AnsiString;

using TCursor = Integer;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -22,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;

// How far the mouse moves before a drag that was not immediate starts, and
// whether a dmAutomatic control starts dragging at the press.
constexpr int kDragThreshold = 5;
constexpr bool kDragImmediate = true;

class TControl;
class TDragObject;

// The record of CM_DRAG (lParam points at it). dmFindTarget answers the
// control at Pos as the message result.
struct TDragRec {
    TPoint Pos;                      // screen coordinates
    TDragObject* Source = nullptr;
    TControl* Target = nullptr;
    bool Docking = false;
};

SERVIORA_EVENT_TYPE(TDragOverEvent,
                    void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept));
SERVIORA_EVENT_TYPE(TDragDropEvent, void(TObject* Sender, TObject* Source, int X, int Y));
SERVIORA_EVENT_TYPE(TStartDragEvent, void(TObject* Sender, TDragObject*& DragObject));
// The signature of TDragDropEvent: OnEndDrag names its type itself.
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;

SERVIORA_EVENT_TYPE(TKeyEvent, void(TObject* Sender, Word& Key, TShiftState Shift));
SERVIORA_EVENT_TYPE(TKeyPressEvent, void(TObject* Sender, char& Key));
SERVIORA_EVENT_TYPE(TMouseEvent, void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y));
SERVIORA_EVENT_TYPE(TMouseMoveEvent, void(TObject* Sender, TShiftState Shift, int X, int Y));
using TMouseWheelEvent =
    TEvent<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = TEvent<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TContextPopupEvent = TEvent<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// The hint record of CM_HINTSHOW (lParam points at it).
struct THintInfo {
    class TControl* HintControl = nullptr;
    TClass HintWindowClass = nullptr;
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;
    TPoint CursorPos;
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    AnsiString HintStr;
    void* HintData = nullptr;
};

// The key state of a mouse or key message as a shift state.
TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyDataToShiftState(LPARAM keyData);

// Message handler tables: see the file comment.
#define SERVIORA_MESSAGES_BEGIN                         \
public:                                                 \
    void Dispatch(TMessage& Message) override {         \
        switch (Message.Msg) {
#define SERVIORA_MESSAGE(Id, Handler) \
    case Id:                          \
        Handler(Message);             \
        return;
#define SERVIORA_MESSAGES_END(Parent) \
    default:                          \
        break;                        \
        }                             \
        Parent::Dispatch(Message);    \
    }                                 \
                                      \
private:

class TControl : public TComponent {
    SERVIORA_CLASS(TControl, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    void BeforeDestruction() override;

    // ---- the tree ----
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    // The form the control sits on (nullptr when none).
    TCustomForm* GetParentForm() const;

    // ---- geometry (in the parent's client coordinates; screen for a form) ----
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual TRect ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    // The client area's top-left corner in screen coordinates.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    virtual void SetAlign(TAlign v);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors v);
    // Constraints: 0 means no limit.
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    void SetConstraints(int minWidth, int minHeight, int maxWidth, int maxHeight);

    // ---- state and look ----
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and on a showing parent.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);
    const AnsiString& Caption() const { return GetText(); }
    void SetCaption(const AnsiString& v) { SetText(v); }
    const AnsiString& Text() const { return GetText(); }
    void SetText(const AnsiString& v);
    // The text into a caller's buffer of bufSize characters: at most
    // bufSize - 1 of them and a terminating zero; answers the count copied.
    Integer GetTextBuf(char* buffer, Integer bufSize) const;
    Integer GetTextLen() const { return Integer(GetText().size()); }
    void SetTextBuf(const char* buffer) { SetText(buffer ? buffer : ""); }
    // The raw window text, WindowText (nullptr until set); the control keeps its own
    // copy, so the caller's characters may go at once.
    const char* RawWindowText() const { return windowText_ ? windowText_->c_str() : nullptr; }
    void SetRawWindowText(const char* text);
    // Whether the control stands for an embedded object; only stored here.
    bool IsControl() const { return isControl_; }
    void SetIsControl(bool v) { isControl_ = v; }
    // Whether the font follows the desktop's icon font.
    bool DesktopFont() const { return desktopFont_; }
    void SetDesktopFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool v);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& v) { hint_ = v; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* v);
    TBasicAction* Action() const { return action_; }
    // Links the control to the action, which hands it its values.
    void SetAction(TBasicAction* v);
    TControlActionLink* ActionLink() const { return actionLink_.get(); }
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle v) { controlStyle_ = v; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState v) { controlState_ = v; }
    TBiDiMode BiDiMode() const { return biDiMode_; }
    // Setting the mode clears ParentBiDiMode.
    void SetBiDiMode(TBiDiMode v);
    // The control takes its parent's BiDiMode while this is set (the default).
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool v);
    bool UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }
    bool UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight; }
    bool UseRightToLeftScrollBar() const { return biDiMode_ != bdLeftToRight && biDiMode_ != bdRightToLeftReadingOnly; }
    bool IsRightToLeft() const { return biDiMode_ != bdLeftToRight; }
    // The side the control's content keeps to, for those who lay out
    // beside it: the leading (left) side unless a control says otherwise.
    virtual TAlignment GetControlsAlignment() const { return taLeftJustify; }
    // ---- docking ----
    // The dock site the control is docked in, or none.
    TWinControl* HostDockSite() const { return hostDockSite_; }
    // Docks the control, by code, into `site`, whose dock manager lays it
    // out; another parent or none undocks it.
    void ManualDock(TWinControl* site);
    // ---- dragging ----
    // dmAutomatic: a left press starts dragging the control (instead of
    // MouseDown), immediately when kDragImmediate.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode v) { dragMode_ = v; }
    // The cursor over a target that accepts the drop (crNoDrop elsewhere).
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor v) { dragCursor_ = v; }
    // Drags the control until the drop or a cancel, and returns then: a
    // nested loop on the queue with the mouse captured, telling the control
    // under the mouse through CM_DRAG (enter, move, leave, then drop or
    // cancel) and showing DragCursor or crNoDrop by its answer. Without
    // `immediate` the drag starts once the mouse has moved `threshold`
    // pixels (negative: kDragThreshold); a release before that ends it with
    // no target. A release drops, Esc or losing the capture cancels. A
    // press still being handled is ended first with WM_LBUTTONUP. Does
    // nothing while a drag runs; a form cannot be dragged (EInvalidOperation).
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends this control's drag from inside it (an event handler): dropped
    // on the current target, or cancelled.
    void EndDrag(bool drop);
    bool Dragging() const;
    bool MouseCapture() const;
    void SetMouseCapture(bool v);

    // ---- messages ----
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    const TWndMethod& WindowProc() const { return windowProc_; }
    void SetWindowProc(TWndMethod v) { windowProc_ = std::move(v); }
    virtual void WndProc(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // ---- painting and order ----
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    // Moves the control above (or below) its siblings; a windowed control's
    // window moves with it.
    virtual void SetZOrder(bool topMost);
    // Scales position, size and font by M/D.
    void ScaleBy(int M, int D);

    // ---- events ----
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent v) { onClick_ = std::move(v); }
    const TNotifyEvent& OnDblClick() const { return onDblClick_; }
    void SetOnDblClick(TNotifyEvent v) { onDblClick_ = std::move(v); }
    const TMouseEvent& OnMouseDown() const { return onMouseDown_; }
    void SetOnMouseDown(TMouseEvent v) { onMouseDown_ = std::move(v); }
    const TMouseEvent& OnMouseUp() const { return onMouseUp_; }
    void SetOnMouseUp(TMouseEvent v) { onMouseUp_ = std::move(v); }
    const TMouseMoveEvent& OnMouseMove() const { return onMouseMove_; }
    void SetOnMouseMove(TMouseMoveEvent v) { onMouseMove_ = std::move(v); }
    const TMouseWheelEvent& OnMouseWheel() const { return onMouseWheel_; }
    void SetOnMouseWheel(TMouseWheelEvent v) { onMouseWheel_ = std::move(v); }
    const TMouseWheelUpDownEvent& OnMouseWheelUp() const { return onMouseWheelUp_; }
    void SetOnMouseWheelUp(TMouseWheelUpDownEvent v) { onMouseWheelUp_ = std::move(v); }
    const TMouseWheelUpDownEvent& OnMouseWheelDown() const { return onMouseWheelDown_; }
    void SetOnMouseWheelDown(TMouseWheelUpDownEvent v) { onMouseWheelDown_ = std::move(v); }
    const TNotifyEvent& OnResize() const { return onResize_; }
    void SetOnResize(TNotifyEvent v) { onResize_ = std::move(v); }
    const TContextPopupEvent& OnContextPopup() const { return onContextPopup_; }
    void SetOnContextPopup(TContextPopupEvent v) { onContextPopup_ = std::move(v); }
    const TDragOverEvent& OnDragOver() const { return onDragOver_; }
    void SetOnDragOver(TDragOverEvent v) { onDragOver_ = std::move(v); }
    const TDragDropEvent& OnDragDrop() const { return onDragDrop_; }
    void SetOnDragDrop(TDragDropEvent v) { onDragDrop_ = std::move(v); }
    const TStartDragEvent& OnStartDrag() const { return onStartDrag_; }
    void SetOnStartDrag(TStartDragEvent v) { onStartDrag_ = std::move(v); }
    const TEndDragEvent& OnEndDrag() const { return onEndDrag_; }
    void SetOnEndDrag(TEndDragEvent v) { onEndDrag_ = std::move(v); }

    // The dynamic methods behind the events.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    virtual void Resize();
    virtual bool CanAutoSize(int& newWidth, int& newHeight);
    // Dragging, on the target: whether it takes what is dragged (Source is
    // the dragged control, or the drag object when it is not a control's);
    // without OnDragOver it refuses. Then the drop, in client coordinates.
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, int x, int y);
    // On the dragged control: its drag object may come from OnStartDrag
    // (owned by the handler); the drag ends on `target` (nullptr when the
    // drop was refused or cancelled, after DragCanceled).
    virtual void DoStartDrag(TDragObject*& dragObject);
    virtual void DoEndDrag(TObject* target, int x, int y);
    virtual void DragCanceled();

    void Loaded() override;

protected:
    virtual const AnsiString& GetText() const { return text_; }
    virtual void TextChanged(const AnsiString& text);
    // The link a control keeps to its action; a control class gives its own.
    virtual std::unique_ptr<TControlActionLink> MakeActionLink();
    // Takes the action's caption, enabled state, hint and visibility; with
    // CheckDefaults only where the control still has its default.
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    // The parent's font or colour to take over (ParentFont, ParentColor).
    void ParentFontChanged();
    void ParentColorChanged();
    virtual void ChangeScale(int M, int D);
    // Bounds were changed from outside (the window moved): remember them.
    // Returns whether the size changed; a windowed control tells of that
    // (Resize) itself, after its children are aligned to the new size.
    bool UpdateBoundsFields(int left, int top, int width, int height, bool notifyResize = true);
    // The parent lays out its children again (an aligned child changed).
    void RequestAlign();
    void Changed();
    void Notification(TComponent* component, TOperation operation) override;

    // ---- message handlers of every control ----
    void WMMouseButton(TMessage& Message);
    void WMMouseMove(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMParentFontChanged(TMessage& Message);
    void CMParentColorChanged(TMessage& Message);
    void CMParentShowHintChanged(TMessage& Message);
    void CMParentCtl3DChanged(TMessage& Message);
    // controls_bidimode.cpp
    void CMBiDiModeChanged(TMessage& Message);
    void CMParentBiDiModeChanged(TMessage& Message);
    void CMHitTest(TMessage& Message);
    void CMMouseWheel(TMessage& Message);
    void CMDrag(TMessage& Message);

public:
    // The class's handlers; the root of every control's message table.
    virtual void Dispatch(TMessage& Message) {
        switch (Message.Msg) {
        SERVIORA_MESSAGE(WM_LBUTTONDOWN, WMMouseButton)
        SERVIORA_MESSAGE(WM_LBUTTONUP, WMMouseButton)
        SERVIORA_MESSAGE(WM_LBUTTONDBLCLK, WMMouseButton)
        SERVIORA_MESSAGE(WM_RBUTTONDOWN, WMMouseButton)
        SERVIORA_MESSAGE(WM_RBUTTONUP, WMMouseButton)
        SERVIORA_MESSAGE(WM_RBUTTONDBLCLK, WMMouseButton)
        SERVIORA_MESSAGE(WM_MBUTTONDOWN, WMMouseButton)
        SERVIORA_MESSAGE(WM_MBUTTONUP, WMMouseButton)
        SERVIORA_MESSAGE(WM_MOUSEMOVE, WMMouseMove)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
        SERVIORA_MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
        SERVIORA_MESSAGE(CM_COLORCHANGED, CMColorChanged)
        SERVIORA_MESSAGE(CM_PARENTFONTCHANGED, CMParentFontChanged)
        SERVIORA_MESSAGE(CM_PARENTCOLORCHANGED, CMParentColorChanged)
        SERVIORA_MESSAGE(CM_PARENTSHOWHINTCHANGED, CMParentShowHintChanged)
        SERVIORA_MESSAGE(CM_PARENTCTL3DCHANGED, CMParentCtl3DChanged)
        SERVIORA_MESSAGE(CM_BIDIMODECHANGED, CMBiDiModeChanged)
        SERVIORA_MESSAGE(CM_PARENTBIDIMODECHANGED, CMParentBiDiModeChanged)
        SERVIORA_MESSAGE(CM_HITTEST, CMHitTest)
        SERVIORA_MESSAGE(CM_MOUSEWHEEL, CMMouseWheel)
        SERVIORA_MESSAGE(CM_DRAG, CMDrag)
    default:
        break;
        }
        DefaultHandler(Message);
    }

private:
    class DragOperation;

    void FontChanged(TObject* sender);
    // CM_DRAG's enter, leave, move and drop, on the target.
    void DoDragMsg(TMessage& Message);
    // The control is going: a drag it takes part in forgets it.
    void LeaveDrag();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
    // The parent's client size the anchors measure from.
    int anchorParentWidth_ = -1, anchorParentHeight_ = -1;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    bool visible_ = true;
    bool enabled_ = true;
    AnsiString text_;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    AnsiString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    TBasicAction* action_ = nullptr;
    std::unique_ptr<TControlActionLink> actionLink_;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
    std::optional<AnsiString> windowText_;
    bool isControl_ = false;
    bool desktopFont_ = false;
    TNotifyEvent onClick_, onDblClick_, onResize_;
    TMouseEvent onMouseDown_, onMouseUp_;
    TMouseMoveEvent onMouseMove_;
    TMouseWheelEvent onMouseWheel_;
    TMouseWheelUpDownEvent onMouseWheelUp_, onMouseWheelDown_;
    TContextPopupEvent onContextPopup_;
    TDragOverEvent onDragOver_;
    TDragDropEvent onDragDrop_;
    TStartDragEvent onStartDrag_;
    TEndDragEvent onEndDrag_;
    TWndMethod windowProc_;
    TWinControl* hostDockSite_ = nullptr;

protected:
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;

    friend class TWinControl;
    friend void CancelDrag();
};
using TControlClass = const TControl::MetaClassType*;

// What is being dragged, with where the drag is and over which control.
class TDragObject : public TObject {
    SERVIORA_CLASS(TDragObject, TObject)
public:
    TPoint DragPos() const { return dragPos_; }
    TControl* DragTarget() const { return dragTarget_; }
    bool Dropped() const { return dropped_; }
    // The cursor at a screen point over a target that accepts the drop or not.
    virtual TCursor GetDragCursor(bool accepted, int x, int y);
    // The drag ended: on `target` at its client point when accepted.
    virtual void Finished(TObject* target, int x, int y, bool accepted);

private:
    friend class TControl;
    TPoint dragPos_;
    TControl* dragTarget_ = nullptr;
    bool dropped_ = false;
};

// The drag of a control: its DragCursor, and its DoEndDrag at the end.
class TDragControlObject : public TDragObject {
    SERVIORA_CLASS(TDragControlObject, TDragObject)
public:
    explicit TDragControlObject(TControl* control) : control_(control) {}
    TControl* Control() const { return control_; }
    TCursor GetDragCursor(bool accepted, int x, int y) override;
    void Finished(TObject* target, int x, int y, bool accepted) override;

private:
    TControl* control_;
};

// A control without a window of its own, painted by its parent.
class TGraphicControl : public TControl {
    SERVIORA_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void WMPaint(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_PAINT, WMPaint)
    SERVIORA_MESSAGES_END(TControl)

    std::unique_ptr<TControlCanvas> canvas_;
};

// What CreateParams fills in before the window is made.
struct TCreateParams {
    AnsiString Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = 0;
    void* Param = nullptr;
    WNDCLASS WindowClass;
    AnsiString WinClassName;
};

class TWinControl : public TControl {
    SERVIORA_CLASS(TWinControl, TControl)
    SERVIORA_PUBLISHED
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    // ---- the window ----
    // Creates the window (and the parent's first) when there is none.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != 0; }
    void HandleNeeded();
    // Destroys the window and makes it again with the current parameters.
    void RecreateWnd();
    // A parent window for a control without a parent control.
    HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND v);
    // A control without an owner inside a foreign parent window.
    static TWinControl* CreateParented(HWND parentWindow);
    // The window as it is, without making one. Assigning is ignored: a
    // control's handle stays the one its window was made with.
    HWND WindowHandle() const { return handle_; }
    void SetWindowHandle(HWND) {}
    // The procedure messages fall through to (the class's original procedure).
    WNDPROC DefWndProc() const { return defWndProc_; }
    void SetDefWndProc(WNDPROC v) { defWndProc_ = v; }
    // Paints the control and its children onto dc with its top-left at (x, y).
    void PaintTo(HDC dc, int x, int y);
    // Brings the window's showing state up to date with its parents.
    void UpdateControlState() { UpdateShowing(); }
    // The brush the background is painted with, in the control's colour.
    TBrush* Brush();
    Integer HelpContext() const { return helpContext_; }
    void SetHelpContext(Integer v) { helpContext_ = v; }

    // ---- children ----
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(std::size_t(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The child control (graphic ones included) at a client point.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
    // Sends the message to every child.
    void Broadcast(TMessage& Message);
    // Sends the message to every child that takes its font/colour from here.
    void NotifyControls(UINT msg);
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    // ---- focus and tab order ----
    int TabOrder() const;
    void SetTabOrder(int v);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // Whether the input focus is in this control's window (a combo box's
    // edit counts as the box).
    virtual bool Focused() const;
    // The window controls in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();

    // ---- layout ----
    void DisableAlign() { ++alignLevel_; }
    void EnableAlign();
    bool AlignDisabled() const { return alignLevel_ > 0; }
    void Realign() { AlignControls(nullptr); }
    // Moves every child by the distance and repaints.
    virtual void ScrollBy(int deltaX, int deltaY);
    virtual void AdjustClientRect(TRect& rect) const;
    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;

    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
    // A dock site takes docked clients; with UseDockManager its dock
    // manager, made when the first client docks, lays them out.
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool v) { dockSite_ = v; }
    bool UseDockManager() const { return useDockManager_; }
    void SetUseDockManager(bool v) { useDockManager_ = v; }
    TDockTree* DockManager() const { return dockManager_.get(); }
    int DockClientCount() const { return int(dockClients_.size()); }
    TControl* DockClients(int index) const { return dockClients_[index]; }
    // The input method the window wants: imDisable turns it off for the
    // window, every other mode leaves it on. The name is stored for the
    // controls that pass it on; the platform has one input method.
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode v);
    const TImeName& ImeName() const { return imeName_; }
    void SetImeName(const TImeName& v) { imeName_ = v; }
    // Paints the graphic children (all, or those above `first`) on dc.
    void PaintControls(HDC dc, TControl* first);

    void Invalidate() override;
    void Update() override;
    void Repaint() override;

    // ---- events ----
    const TKeyEvent& OnKeyDown() const { return onKeyDown_; }
    void SetOnKeyDown(TKeyEvent v) { onKeyDown_ = std::move(v); }
    const TKeyEvent& OnKeyUp() const { return onKeyUp_; }
    void SetOnKeyUp(TKeyEvent v) { onKeyUp_ = std::move(v); }
    const TKeyPressEvent& OnKeyPress() const { return onKeyPress_; }
    void SetOnKeyPress(TKeyPressEvent v) { onKeyPress_ = std::move(v); }
    const TNotifyEvent& OnEnter() const { return onEnter_; }
    void SetOnEnter(TNotifyEvent v) { onEnter_ = std::move(v); }
    const TNotifyEvent& OnExit() const { return onExit_; }
    void SetOnExit(TNotifyEvent v) { onExit_ = std::move(v); }

    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyUp(Word& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();

    void DefaultHandler(TMessage& Message) override;
    void WndProc(TMessage& Message) override;

protected:
    virtual void CreateParams(TCreateParams& params);
    // The dock manager this site makes: a TDockTree.
    virtual std::unique_ptr<TDockTree> CreateDockManager();
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    // The window was made: children's windows follow.
    virtual void CreateHandle();
    virtual void AlignControls(TControl* control, TRect& rect);
    void AlignControls(TControl* control);
    virtual void PaintWindow(HDC dc);
    void PaintHandler(TMessage& Message);
    // Whether the key goes to the dialog (Tab, Enter, Esc, arrows) rather
    // than to this control.
    bool IsDialogKey(Word key) const;
    // Key processing: the form's preview, then this control's event.
    bool DoKeyDown(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    // Sends a key message that reached the window procedure to this control
    // as `notification`; true when it was used up (the message's key may
    // have been changed). A message the loop already offered
    // (KeyMessageUsedUp) is not offered again and answers false.
    bool ReflectKey(TMessage& Message, UINT notification);
    void ChangeScale(int M, int D) override;
    void TextChanged(const AnsiString& text) override;
    void ShowingChanged();
    // Runs `create`, which makes this control's window by some other call
    // than CreateWindowEx (an MDI child through its client window).
    void WithCreationControl(const std::function<void()>& create);

    // ---- message handlers ----
    void WMPaint(TMessage& Message);
    // Paints the window and its graphic controls into the message's DC
    // (for WM_PRINT), unless PRF_CHECKVISIBLE asks and it is hidden.
    void WMPrintClient(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMChar(TMessage& Message);
    void CNKeyDown(TMessage& Message);
    void CNChar(TMessage& Message);
    void WMMouseMoveTracking(TMessage& Message);
    // A window the control made inside its own (a combo box's edit) counts
    // as the control: the leave comes when the mouse leaves them all.
    void WMMouseLeave(TMessage& Message);
    // The mouse moved over `window`, the control's or one inside it: a move
    // from outside enters the control and tracks the leave of `window`.
    void NoteMouseOver(HWND window);
    // Whether `window` is one the control made inside its own and whose
    // mouse moves and leaves it passes to NoteMouseOver and WM_MOUSELEAVE.
    virtual bool IsInnerMouseWindow(HWND) const { return false; }
    void WMWindowPosChanged(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMCommand(TMessage& Message);
    void WMNotify(TMessage& Message);
    void WMReflected(TMessage& Message);
    void WMNCDestroy(TMessage& Message);
    void WMContextMenu(TMessage& Message);
    void WMMouseWheel(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void CMEnter(TMessage& Message);
    void CMExit(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMCtl3DChanged(TMessage& Message);
    // The window is made again in the new mode and the children follow
    // (controls_bidimode.cpp).
    void CMBiDiModeChangedWin(TMessage& Message);
    void CMRecreateWnd(TMessage& Message);
    void CMSysColorChange(TMessage& Message);
    void WMSysColorChange(TMessage& Message);
    void CMCancelMode(TMessage& Message);
    void CMDrag(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_PAINT, WMPaint)
        SERVIORA_MESSAGE(WM_PRINTCLIENT, WMPrintClient)
        SERVIORA_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMSetFocus)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
        SERVIORA_MESSAGE(WM_KEYDOWN, WMKeyDown)
        SERVIORA_MESSAGE(WM_SYSKEYDOWN, WMKeyDown)
        SERVIORA_MESSAGE(WM_KEYUP, WMKeyUp)
        SERVIORA_MESSAGE(WM_SYSKEYUP, WMKeyUp)
        SERVIORA_MESSAGE(WM_CHAR, WMChar)
        SERVIORA_MESSAGE(CN_KEYDOWN, CNKeyDown)
        SERVIORA_MESSAGE(CN_SYSKEYDOWN, CNKeyDown)
        SERVIORA_MESSAGE(CN_CHAR, CNChar)
        SERVIORA_MESSAGE(WM_MOUSEMOVE, WMMouseMoveTracking)
        SERVIORA_MESSAGE(WM_MOUSELEAVE, WMMouseLeave)
        SERVIORA_MESSAGE(WM_WINDOWPOSCHANGED, WMWindowPosChanged)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_COMMAND, WMCommand)
        SERVIORA_MESSAGE(WM_NOTIFY, WMNotify)
        SERVIORA_MESSAGE(WM_DRAWITEM, WMReflected)
        SERVIORA_MESSAGE(WM_MEASUREITEM, WMReflected)
        SERVIORA_MESSAGE(WM_HSCROLL, WMReflected)
        SERVIORA_MESSAGE(WM_VSCROLL, WMReflected)
        SERVIORA_MESSAGE(WM_CTLCOLORBTN, WMReflected)
        SERVIORA_MESSAGE(WM_CTLCOLOREDIT, WMReflected)
        SERVIORA_MESSAGE(WM_CTLCOLORLISTBOX, WMReflected)
        SERVIORA_MESSAGE(WM_CTLCOLORSTATIC, WMReflected)
        SERVIORA_MESSAGE(WM_CTLCOLORSCROLLBAR, WMReflected)
        SERVIORA_MESSAGE(WM_NCDESTROY, WMNCDestroy)
        SERVIORA_MESSAGE(WM_CONTEXTMENU, WMContextMenu)
        SERVIORA_MESSAGE(WM_MOUSEWHEEL, WMMouseWheel)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursor)
        SERVIORA_MESSAGE(WM_SYSCOLORCHANGE, WMSysColorChange)
        SERVIORA_MESSAGE(CM_ENTER, CMEnter)
        SERVIORA_MESSAGE(CM_EXIT, CMExit)
        SERVIORA_MESSAGE(CM_DIALOGKEY, CMDialogKey)
        SERVIORA_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
        SERVIORA_MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged)
        SERVIORA_MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged)
        SERVIORA_MESSAGE(CM_COLORCHANGED, CMColorChanged)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
        SERVIORA_MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged)
        SERVIORA_MESSAGE(CM_BIDIMODECHANGED, CMBiDiModeChangedWin)
        SERVIORA_MESSAGE(CM_RECREATEWND, CMRecreateWnd)
        SERVIORA_MESSAGE(CM_SYSCOLORCHANGE, CMSysColorChange)
        SERVIORA_MESSAGE(CM_CANCELMODE, CMCancelMode)
        SERVIORA_MESSAGE(CM_DRAG, CMDrag)
    SERVIORA_MESSAGES_END(TControl)

private:
    friend LRESULT InitialWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend bool KeyMessageUsedUp(MSG& msg);
    void MainWndProc(TMessage& Message);
    void UpdateShowing();
    void PlaceInControlOrder();
    void SetZOrder(bool topMost) override;
    // Sends a mouse message to the graphic child under the mouse; true when one took it.
    bool ForwardMouseToGraphicChild(TMessage& Message);

    HWND handle_ = 0;
    HWND parentWindow_ = 0;
    WNDPROC objectInstance_;
    WNDPROC defWndProc_;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool dockSite_ = false;
    bool useDockManager_ = false;
    std::unique_ptr<TDockTree> dockManager_;
    std::vector<TControl*> dockClients_;
    TImeMode imeMode_ = imDontCare;
    TImeName imeName_;
    std::unique_ptr<TBrush> brush_;
    Integer helpContext_ = 0;
    bool showing_ = false;
    int alignLevel_ = 0;
    bool alignPending_ = false;
    TControl* mouseControl_ = nullptr;
    bool mouseInside_ = false;
    TKeyEvent onKeyDown_, onKeyUp_;
    TKeyPressEvent onKeyPress_;
    TNotifyEvent onEnter_, onExit_;

    friend class TControl;
};

// A window control that paints itself on its Canvas.
class TCustomControl : public TWinControl {
    SERVIORA_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

    std::unique_ptr<TControlCanvas> canvas_;
};

class TScrollingWinControl;

// One scroll bar of a scrolling control: how far its client area is
// scrolled in one direction. Position stays within 0..Range less the
// client extent; moving it scrolls the control's children.
class TControlScrollBar : public TPersistent {
    SERVIORA_CLASS(TControlScrollBar, TPersistent)
    SERVIORA_PUBLISHED
public:
    TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind) : control_(control), kind_(kind) {}

    // Takes Visible, Range, Position and Increment of another scroll bar.
    void Assign(TPersistent* source) override;
    TScrollBarKind Kind() const { return kind_; }
    // The position while the bar shows; 0 when it is hidden.
    int ScrollPos() const { return visible_ ? Position() : 0; }

    Word Margin() const { return margin_; }
    void SetMargin(Word v) { margin_ = v; }
    Word Increment() const { return increment_; }
    void SetIncrement(Word v) { increment_ = v; }
    int Range() const { return range_; }
    void SetRange(int v);
    int Position() const;
    void SetPosition(int v);
    bool Tracking() const { return tracking_; }
    void SetTracking(bool v) { tracking_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

private:
    int ClientExtent() const;

    TScrollingWinControl* control_;
    TScrollBarKind kind_;
    Word margin_ = 0;
    Word increment_ = 8;
    int range_ = 0;
    bool tracking_ = false;
    bool visible_ = true;
};

// A window control whose client area scrolls over its children.
class TScrollingWinControl : public TWinControl {
    SERVIORA_CLASS(TScrollingWinControl, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TScrollingWinControl(TComponent* owner);
    ~TScrollingWinControl() override;
    // Scrolls so the control is in view.
    void ScrollInView(TControl* control);
    int HorzScrollPosition() const { return scrollX_; }
    int VertScrollPosition() const { return scrollY_; }
    void ScrollBy(int deltaX, int deltaY) override;

    TControlScrollBar* HorzScrollBar() const { return horzScrollBar_.get(); }
    void SetHorzScrollBar(TControlScrollBar* v) { horzScrollBar_->Assign(v); }
    TControlScrollBar* VertScrollBar() const { return vertScrollBar_.get(); }
    void SetVertScrollBar(TControlScrollBar* v) { vertScrollBar_->Assign(v); }
    // While disabled (calls nest), a bar's range is not fitted to the
    // children; enabling the last time fits both.
    void DisableAutoRange() { ++autoRangeCount_; }
    void EnableAutoRange();

private:
    int scrollX_ = 0, scrollY_ = 0;
    int autoRangeCount_ = 0;
    std::unique_ptr<TControlScrollBar> horzScrollBar_, vertScrollBar_;
};

class TScrollBox : public TScrollingWinControl {
    SERVIORA_CLASS(TScrollBox, TScrollingWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TScrollBox(TComponent* owner);
    // bsSingle: a sunken edge round the box; bsNone: none.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TFormBorderStyle borderStyle_ = bsSingle;
};

// The control of a window handle (nullptr for a window no control owns).
TWinControl* FindControl(HWND handle);

// How the message loops hand on a retrieved message. A key message
// (WM_KEYFIRST..WM_KEYLAST) goes first to its control as CN_BASE + message:
// the control of its window, or of the parent for a platform child such as
// a combo box's edit. The form's preview, the control's key events and the
// dialog keys may use it up there (answers true: it is then neither
// translated nor dispatched, so no character follows a key that pressed a
// button or moved the focus) or change its key (written back into msg).
bool KeyMessageUsedUp(MSG& msg);
// Translates and dispatches a retrieved message that KeyMessageUsedUp left;
// a key message reaches its control's window procedure without being offered
// a second time. A key message sent straight to a control (SendMessage,
// Perform) is offered on arrival instead.
void TranslateAndDispatch(const MSG& msg);
// The control under a screen point, disabled ones included, graphic
// children too.
TControl* FindDragTarget(TPoint pos, bool allowDisabled);
TControl* FindVCLWindow(TPoint pos);
// The control that has the mouse capture.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
bool IsDragObject(TObject* sender);
// Text into a caller's buffer of bufSize characters: at most bufSize - 1 of
// them and a terminating zero; answers the count copied.
Integer CopyToTextBuf(const AnsiString& text, char* buffer, Integer bufSize);
// Ends the running drag, if any, without a drop.
void CancelDrag();

// Cursor names ("crHourGlass"); a cursor without one as its number.
AnsiString CursorToString(TCursor cursor);
// A name or a number; EConvertError for anything else.
TCursor StringToCursor(const AnsiString& text);
bool CursorToIdent(TCursor cursor, AnsiString& ident);
bool IdentToCursor(const AnsiString& ident, TCursor& cursor);

// The procedure every control window starts with: it binds the window to
// the control being made.
LRESULT InitWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Sends the message to the application's window; 0 without one.
LRESULT SendAppMessage(UINT message, WPARAM wParam, LPARAM lParam);
// Moves the origin of dc's drawing by (dx, dy).
void MoveWindowOrg(HDC dc, int dx, int dy);

// Docks and tool windows: a dock is a control on one edge of its parent
// that holds tool windows in numbered rows and sizes itself to them; a tool
// window sits in a dock's row or floats above its form as a small captioned
// window, and the user moves it between the two with the mouse.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "report/ui/qm_tbqycmn.h"

SERVIORA_ENUM(TDockPosition, dpTop, dpBottom, dpLeft, dpRight)
SERVIORA_ENUM(TDockBoundLinesValues, blTop, blBottom, blLeft, blRight)
using TDockBoundLines = TSet<TDockBoundLinesValues>;
using TDockableTo = TSet<TDockPosition>;
SERVIORA_ENUM(TToolWindowDockMode, dmCanFloat, dmCannotFloat, dmCannotFloatOrChangeDocks)
SERVIORA_ENUM(TDragHandleStyle, dhDouble, dhNone, dhSingle)

enum TDockOrientation { doNone, doHorizontal, doVertical };
// A resize handle of a floating tool window: its hit-test code less HTLEFT.
enum TSizeHandle { shLeft, shRight, shTop, shTopLeft, shTopRight, shBottom, shBottomLeft, shBottomRight };

// How a tool window lays itself out and is resized.
struct TToolWindowOptions {
    // The platform's child alignment runs before the own arrangement.
    bool UsePlatformAlign = true;
    // Eight resize zones (with the corners) instead of four.
    bool CornerSizing = true;
    // The cursor stays in the primary work area while resizing (one monitor).
    bool ClipCursorWhenSizing = true;
};

class TCustomToolWindowQy;
class TDockQy;

// The calls a store of tool-window positions makes: a value of a tool
// window by its name, read (with the default) or written.
using TPositionReadInt = std::function<int(const AnsiString& toolWindow, const AnsiString& value, int defaultValue,
                                           void* extraData)>;
using TPositionReadString = std::function<AnsiString(const AnsiString& toolWindow, const AnsiString& value,
                                                     const AnsiString& defaultValue, void* extraData)>;
using TPositionWriteInt =
    std::function<void(const AnsiString& toolWindow, const AnsiString& value, int v, void* extraData)>;
using TPositionWriteString = std::function<void(const AnsiString& toolWindow, const AnsiString& value,
                                                const AnsiString& v, void* extraData)>;

SERVIORA_EVENT_TYPE(TInsertRemoveEvent, void(TObject* Sender, bool Inserting, TCustomToolWindowQy* Bar));
SERVIORA_EVENT_TYPE(TRequestDockEvent, void(TObject* Sender, TCustomToolWindowQy* Bar, bool& Accept));
SERVIORA_EVENT_TYPE(TDockChangingExEvent, void(TObject* Sender, TDockQy* DockingTo));

TDockOrientation DockOrientationOf(const TDockQy* dock);

class TDockQy : public TCustomControl {
    SERVIORA_CLASS(TDockQy, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TDockQy(TComponent* owner);
    ~TDockQy() override;

    TDockPosition Position() const { return position_; }
    // Raises while the dock holds controls and the edge would change.
    void SetPosition(TDockPosition v);
    bool AllowDrag() const { return allowDrag_; }
    void SetAllowDrag(bool v);
    TDockBoundLines BoundLines() const { return boundLines_; }
    void SetBoundLines(TDockBoundLines v);
    bool FixAlign() const { return fixAlign_; }
    void SetFixAlign(bool v);
    bool LimitToOneRow() const { return limitToOneRow_; }
    void SetLimitToOneRow(bool v) { limitToOneRow_ = v; }
    // A picture tiled across the dock; assignment copies it.
    TBitmap* Background() const { return background_.get(); }
    void SetBackground(TBitmap* v);
    // The picture also shows behind the docked tool windows.
    bool BackgroundOnToolbars() const { return backgroundOnToolbars_; }
    void SetBackgroundOnToolbars(bool v);
    // The picture's bottom-left colour shows the dock's Color instead.
    bool BackgroundTransparent() const { return backgroundTransparent_; }
    void SetBackgroundTransparent(bool v);
    bool HasBackground() const;
    // Tiles the picture from tile's top-left over the clip rectangle (all
    // of tile when clip is null), leaving exclude untouched.
    void PaintBackgroundTiles(HDC dc, const RECT* clip, const RECT& tile, const RECT* exclude);
    // Where the picture's tiles start, in the control's client coordinates
    // (window coordinates with windowCoordinates): the client origin of
    // the dock's parent, so that docks and tool windows show one image.
    TPoint TileOrigin(TWinControl* control, bool windowCoordinates) const;

    TInsertRemoveEvent OnInsertRemoveBar;
    TRequestDockEvent OnRequestDock;
    TNotifyEvent OnResize;

    void SetParent(TWinControl* parent) override;

    void BeginLayoutUpdate() { ++layoutLock_; }
    void EndLayoutUpdate();
    // Lays the shown tool windows out in their rows and sizes the dock;
    // with clipPositions the laid-out positions become their DockPos.
    void LayoutBars(bool clipPositions);
    void RegisterBar(bool insert, TCustomToolWindowQy* bar);
    void BarVisibilityChanged(TCustomToolWindowQy* bar, bool forceRemove);
    void BuildRowExtents();
    // The thickness of a row (0 for an empty one); with a fallback, an
    // empty row measures as the fallback would.
    int RowExtent(int row, TCustomToolWindowQy* fallback) const;
    // The row at an offset across the dock; `before` asks for a new row
    // inserted there (within 5 pixels of a row boundary, or past the end).
    int RowAtOffset(int offset, bool& before) const;
    int DesignRowAtOffset(int offset) const;
    int LastRowIndex() const;
    int BarsOnRow(int row, const TCustomToolWindowQy* except) const;
    void InsertRowAt(int row);
    const std::vector<TCustomToolWindowQy*>& Bars() const { return bars_; }
    // Non-client pixels the bound lines take across and down.
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Paint() override;
    void WMSize(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMPrint(TMessage& Message);
    void WMPrintClient(TMessage& Message);
    void WMMove(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMSysColorChange(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_PRINT, WMPrint)
        SERVIORA_MESSAGE(WM_PRINTCLIENT, WMPrintClient)
        SERVIORA_MESSAGE(WM_MOVE, WMMove)
        SERVIORA_MESSAGE(CM_COLORCHANGED, CMColorChanged)
        SERVIORA_MESSAGE(CM_SYSCOLORCHANGE, CMSysColorChange)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
    SERVIORA_MESSAGES_END(TCustomControl)

private:
    bool Vertical() const { return position_ == dpLeft || position_ == dpRight; }
    void RemoveEmptyRows();
    void ResizeToRows(int width, int height);
    void RecalcFrame();
    // The bound lines, in window coordinates.
    void PaintFrame(HDC dc);
    // Drops the transparent copy and repaints the dock and its tool windows.
    void BackgroundChanged();
    void InvalidateBackgrounds();

    TDockPosition position_ = dpTop;
    bool allowDrag_ = true;
    TDockBoundLines boundLines_;
    bool fixAlign_ = false;
    bool limitToOneRow_ = false;
    int layoutLock_ = 0;
    bool layoutPending_ = false;
    bool layoutPendingClip_ = false;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    std::vector<TCustomToolWindowQy*> bars_;
    std::vector<TCustomToolWindowQy*> visibleBars_;
    std::vector<int> rowExtents_;
    std::unique_ptr<TBitmap> background_;
    // The picture over the dock's Color, for the transparent mode.
    std::unique_ptr<TBitmap> backgroundCache_;
    bool backgroundOnToolbars_ = true;
    bool backgroundTransparent_ = false;
};

// The hidden zero-sized form a floating tool window hangs from: its
// window owns the floating window, and the host form is the form the tool
// window belongs to.
class TFloatingWindowParent : public TForm {
    SERVIORA_CLASS(TFloatingWindowParent, TForm)
public:
    TFloatingWindowParent(TComponent* owner, TCustomForm* host);
    TCustomForm* HostForm() const { return host_; }
    void ForgetHostForm() { host_ = nullptr; }
    // Whether its tool window wants to show; the parent shows only then.
    void SetShowRequested(bool v) { showRequested_ = v; }

protected:
    void CreateParams(TCreateParams& params) override;
    // Shown while showing and asked for, never activated, moved or sized.
    void CMShowingChanged(TMessage& Message);
    // Escape gives the focus back to the host form.
    void CMDialogKey(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged)
        SERVIORA_MESSAGE(CM_DIALOGKEY, CMDialogKey)
    SERVIORA_MESSAGES_END(TForm)

private:
    TCustomForm* host_;
    bool showRequested_ = false;
};

// The form an MDI child shows in (its frame), else the form itself.
TCustomForm* MdiHostForm(TCustomForm* form);

// The work area of the monitor nearest to a rectangle or a point when there
// is more than one monitor, else the primary work area.
TRect WorkAreaOfRect(const TRect& rect);
TRect WorkAreaOfPoint(TPoint point);
// The system's work area, or the whole screen when it cannot be had.
TRect PrimaryWorkArea();

SERVIORA_ENUM(TToolWindowFloatingMode, fmOnTopOfParentForm, fmOnTopOfAllForms)

class TCustomToolWindowQy : public TCustomControl {
    SERVIORA_CLASS(TCustomToolWindowQy, TCustomControl)
public:
    explicit TCustomToolWindowQy(TComponent* owner);
    ~TCustomToolWindowQy() override;

    TDockQy* DockedTo() const { return dockedTo_; }
    // Docks on the dock, or floats on the host form for nullptr.
    void SetDockedTo(TDockQy* v);
    TDockQy* LastDock() const { return lastDock_; }
    void SetLastDock(TDockQy* v);
    TDockQy* DefaultDock() const { return defaultDock_; }
    void SetDefaultDock(TDockQy* v);
    bool UseLastDock() const { return useLastDock_; }
    void SetUseLastDock(bool v);
    int DockRow() const { return dockRow_; }
    void SetDockRow(int v);
    int DockPos() const { return dockPos_; }
    void SetDockPos(int v);
    TDockableTo DockableTo() const { return dockableTo_; }
    void SetDockableTo(TDockableTo v) { dockableTo_ = v; }
    TToolWindowDockMode DockMode() const { return dockMode_; }
    void SetDockMode(TToolWindowDockMode v) { dockMode_ = v; }
    TDragHandleStyle DragHandleStyle() const { return dragHandleStyle_; }
    void SetDragHandleStyle(TDragHandleStyle v);
    bool FullSize() const { return fullSize_; }
    void SetFullSize(bool v);
    bool CloseButton() const { return closeButton_; }
    void SetCloseButton(bool v) { closeButton_ = v; }
    bool CloseButtonWhenDocked() const { return closeButtonWhenDocked_; }
    void SetCloseButtonWhenDocked(bool v);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v);
    bool Resizable() const { return resizable_; }
    void SetResizable(bool v);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    bool Docked() const { return dockedTo_ != nullptr; }
    bool Floating() const;

    TNotifyEvent OnClose, OnDockChanged, OnDockChanging, OnMove, OnRecreated, OnRecreating, OnResize,
        OnVisibleChanged;
    TCloseQueryEvent OnCloseQuery;
    TDockChangingExEvent OnDockChangingEx, OnDockChangingHidden;

    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;

    // The thickness of the row the tool window needs docked that way.
    virtual void MeasureBarThickness(int& size, TDockOrientation orientation) = 0;
    // The smallest client size while the user resizes it floating.
    virtual void MeasureMinimumClient(int& clientWidth, int& clientHeight) = 0;
    // Lays the content out for the target (nullptr: floating) and answers
    // the client size it needs; without canMove it only measures.
    virtual TPoint PlaceItems(bool canMove, TDockOrientation previousOrientation, TDockQy* dockingTo) = 0;

    // What a positions store reads and writes of the tool window; nothing
    // in the system keeps such a store.
    virtual void ReadPositions(const TPositionReadInt&, const TPositionReadString&, void*) {}
    virtual void WritePositions(const TPositionWriteInt&, const TPositionWriteString&, void*) {}
    virtual void EndReadPositions() {}

    void BeginContentUpdate() { ++contentLock_; }
    void EndContentUpdate();
    void ArrangeContent();
    // Moves a floating tool window back onto its monitor's work area.
    void KeepOnScreen(bool onlyWhenFullyOff);
    // Non-client pixels across and down in the current state.
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }
    // The non-client frame a docked tool window has on that dock, and a
    // floating one.
    TPoint DockedFrameSize(TDockQy* dock) const;
    TPoint FloatingFrameSize() const;
    // The mouse loops: moving to a dock or floating position, resizing the
    // floating window from an edge, and pressing the close button.
    void TrackDrag(int x, int y);
    void TrackResize(TSizeHandle handle);
    void TrackCloseButton();

    TToolWindowFloatingMode FloatingMode() const { return floatingMode_; }
    void SetFloatingMode(TToolWindowFloatingMode v);
    // A floating tool window hides while the application is inactive.
    bool HideWhenInactive() const { return hideWhenInactive_; }
    void SetHideWhenInactive(bool v);
    // Whether the window should show now: shown and not held hidden, and
    // floating over its host form, over a host form that shows and is not
    // minimised, in an application that is active unless it may stay.
    bool ShouldBeVisible() const;
    // Shows or hides the window (never activating it) as it should be, and
    // draws the caption inactive while the application is.
    void SyncVisibility();
    // Topmost while enabled (on top of all forms) or while its owner is
    // (on top of its parent form).
    void SyncTopmost();
    bool CaptionInactive() const { return captionInactive_; }
    // A click on the floating window activates its host form.
    bool ActivateParent() const { return activateParent_; }
    void SetActivateParent(bool v) { activateParent_ = v; }

    // The parts of the floating frame a deferred repaint names.
    static constexpr int FramePartBorder = 1, FramePartCaption = 2, FramePartCloseButton = 4;
    static constexpr UINT WM_DOCKEDFRAMEREPAINT = WM_USER + 5039, WM_FLOATINGFRAMEREPAINT = WM_USER + 5040;
    // Repaints of the frame wait in the queue, one message at a time: a new
    // request replaces the waiting one (for the floating frame, joining
    // its parts); nothing is asked of a hidden window.
    void RequestDockedFrameRepaint();
    void RequestFloatingFrameRepaint(int parts);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void DefineProperties(TFiler* filer) override;
    void Loaded() override;
    // Sets the items' order after loading.
    virtual void InitItemOrder() {}
    void CreateParams(TCreateParams& params) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    // Pressing on such a child still drags the tool window.
    virtual bool IsChildTransparent(TControl*) { return false; }
    virtual void GetToolWindowOptions(TToolWindowOptions&) const {}
    TToolWindowOptions ToolWindowOptions() const {
        TToolWindowOptions options;
        GetToolWindowOptions(options);
        return options;
    }
    virtual void ResizeStart(TSizeHandle) {}
    virtual void ResizeTracking(TRect&, const TRect&) {}
    virtual void ResizeFinish(bool) {}
    // Where the resize loop's mouse is: the point of the move it handles.
    TPoint TrackedCursorPos() const { return trackedCursor_; }
    // Called before a size change the dock did not cause.
    virtual void NotifySizeChanging(int, int) {}
    void DoMoved();
    // The form the tool window floats on.
    TCustomForm* HostForm() const;
    // The caption bar and its close button, in window coordinates.
    TRect CaptionRect(bool withCloseButton) const;
    TRect CloseButtonRect() const;
    TRect DockedCloseButtonRect() const;
    int DragHandleSize() const;
    // Runs the content layout for a target unless locked; resizes to it.
    void LayoutContent(TDockOrientation orientation, TDockQy* target, bool resize);

    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMNCHitTest(TMessage& Message);
    void WMNCLButtonDown(TMessage& Message);
    void WMMouseActivate(TMessage& Message);
    void WMActivate(TMessage& Message);
    void WMClose(TMessage& Message);
    void WMEnable(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void WMMove(TMessage& Message);
    void WMSize(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void WMDockedFrameRepaint(TMessage& Message);
    void WMPrint(TMessage& Message);
    void WMPrintClient(TMessage& Message);
    void WMFloatingFrameRepaint(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(WM_NCHITTEST, WMNCHitTest)
        SERVIORA_MESSAGE(WM_NCLBUTTONDOWN, WMNCLButtonDown)
        SERVIORA_MESSAGE(WM_MOUSEACTIVATE, WMMouseActivate)
        SERVIORA_MESSAGE(WM_ACTIVATE, WMActivate)
        SERVIORA_MESSAGE(WM_CLOSE, WMClose)
        SERVIORA_MESSAGE(WM_ENABLE, WMEnable)
        SERVIORA_MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged)
        SERVIORA_MESSAGE(WM_MOVE, WMMove)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
        SERVIORA_MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged)
        SERVIORA_MESSAGE(CM_COLORCHANGED, CMColorChanged)
        SERVIORA_MESSAGE(WM_DOCKEDFRAMEREPAINT, WMDockedFrameRepaint)
        SERVIORA_MESSAGE(WM_PRINT, WMPrint)
        SERVIORA_MESSAGE(WM_PRINTCLIENT, WMPrintClient)
        SERVIORA_MESSAGE(WM_FLOATINGFRAMEREPAINT, WMFloatingFrameRepaint)
    SERVIORA_MESSAGES_END(TCustomControl)

    // Raised while the dock or the tool window itself sets the bounds.
    int positionedByDock_ = 0;

private:
    friend class TDockQy;
    void PaintDockedFrame(HDC dc);
    // The dock whose picture shows behind this docked window, if any.
    TDockQy* TiledDock() const;
    void PaintFloatingFrame(HDC dc, int parts);
    // The caption bar by the platform's small-caption drawing, or by hand
    // where the platform has none.
    void PaintCaption(HDC dc);
    // Hears of activation changes, of windows shown, hidden or reframed
    // and keeps every floating tool window's visibility in step.
    static void HookProc(THookCode code, HWND window, WPARAM wParam, LPARAM lParam);
    // Takes the waiting repaint message of that kind out of the queue;
    // answers the parts it named.
    int RemoveQueuedRepaint(UINT message);
    void RecomputeFrameSize();
    void RepaintFrame();
    void ToggleDocking();
    TPoint FloatingBorderSize() const;
    int SmallCaptionHeight() const;

    TDockQy* dockedTo_ = nullptr;
    TDockQy* lastDock_ = nullptr;
    TDockQy* defaultDock_ = nullptr;
    bool useLastDock_ = true;
    int dockRow_ = 0;
    int dockPos_ = -1;
    TDockableTo dockableTo_{dpTop, dpBottom, dpLeft, dpRight};
    TToolWindowDockMode dockMode_ = dmCanFloat;
    TDragHandleStyle dragHandleStyle_ = dhDouble;
    bool fullSize_ = false;
    bool closeButton_ = true;
    bool closeButtonWhenDocked_ = false;
    bool showCaption_ = true;
    bool resizable_ = true;
    TFormBorderStyle borderStyle_ = bsSingle;
    TDockOrientation lastOrientation_ = doNone;
    bool lastOrientationSet_ = false;
    int contentLock_ = 0;
    int moveEventLock_ = 0;
    // Above 0 the window stays hidden (while its parent changes).
    int hiddenLock_ = 0;
    bool arrangePending_ = false;
    TPoint floatingTopLeft_{0, 0};
    int frameWidth_ = 4;
    int frameHeight_ = 4;
    TFloatingWindowParent* floatParent_ = nullptr;
    bool closePressed_ = false;
    TPoint trackedCursor_{0, 0};
    TToolWindowFloatingMode floatingMode_ = fmOnTopOfParentForm;
    bool hideWhenInactive_ = true;
    bool activateParent_ = true;
    // Written by a program at run time: the bounds are screen coordinates.
    bool savedAtRunTime_ = false;
    bool captionInactive_ = false;
};

// The caption as it fits in `width` pixels with the DC's font: whole, or
// with "..." after as many characters as fit (at least one).
AnsiString FitCaptionText(HDC dc, const AnsiString& text, int width);

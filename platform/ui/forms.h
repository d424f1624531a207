// Forms, the screen and the application object.
//
// Declaring a form whose layout comes from its description (TFoo.dfm beside
// the unit, embedded by serviora_embed_forms):
//     class TFoo : public TForm {
//         SERVIORA_CLASS(TFoo, TForm)
//         SERVIORA_PUBLISHED
//     public:
//         using TForm::TForm;
//         TButton* Button1 = nullptr;                 // bound by name on reading
//         void Button1Click(TObject* Sender);
//     };
//     void TFoo::Published(TPublished<TFoo>& p) {
//         p.Field("Button1", &TFoo::Button1);
//         p.Method("Button1Click", &TFoo::Button1Click);
//     }
//     SERVIORA_REGISTER_CLASS(TFoo);
// TFoo::Create(owner) reads the description after construction, then fires
// OnCreate; TFoo::Create(owner, 0) (CreateNew) builds one without it.
#pragma once

#include <exception>
#include <functional>
#include <vector>

#include "platform/rtl/stringlist.h"
#include "platform/ui/controls.h"
#include "platform/ui/monitors.h"
#include "platform/win/winframe.h"

class TMainMenu;
class TIcon;
class THintWindow;
class Exception;

SERVIORA_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
SERVIORA_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
SERVIORA_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
              poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
SERVIORA_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
SERVIORA_ENUM(TPrintScale, poNone, poProportional, poPrintToFit)
SERVIORA_ENUM(TTileMode, tbHorizontal, tbVertical)
SERVIORA_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
SERVIORA_ENUM(TFormStateItem, fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated)
using TFormState = TSet<TFormStateItem>;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

SERVIORA_EVENT_TYPE(TCloseEvent, void(TObject* Sender, TCloseAction& Action));
// A signature other events share: OnCloseQuery names its type itself.
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TScrollingWinControl {
    SERVIORA_CLASS(TCustomForm, TScrollingWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomForm(TComponent* owner);
    // CreateNew: no description is read.
    TCustomForm(TComponent* owner, int dummy);
    ~TCustomForm() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;

    // ---- look ----
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons v);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState v);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* v);
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* v);
    int PixelsPerInch() const { return 96; }
    void SetPixelsPerInch(int) {}
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }
    // The client size a description asks for (applied once the window exists).
    int ClientWidthProperty() const { return ClientWidth(); }
    void SetClientWidthProperty(int v);
    int ClientHeightProperty() const { return ClientHeight(); }
    void SetClientHeightProperty(int v);
    TFormState FormState() const { return formState_; }
    const AnsiString& HelpFile() const { return helpFile_; }
    void SetHelpFile(const AnsiString& v) { helpFile_ = v; }
    // How Print sizes the form's image on the page.
    TPrintScale PrintScale() const { return printScale_; }
    void SetPrintScale(TPrintScale v) { printScale_ = v; }
    // Whether the form takes dropped data; kept for the form's callers.
    bool DropTarget() const { return dropTarget_; }
    void SetDropTarget(bool v) { dropTarget_ = v; }
    // The embedded control that has the focus; the platform embeds none,
    // so it is only what was set (forgotten when the control goes away).
    TWinControl* ActiveOleControl() const { return activeOleControl_; }
    void SetActiveOleControl(TWinControl* v) { activeOleControl_ = v; }
    // A new bitmap of the client area as drawn now; the caller owns it.
    TBitmap* GetFormImage();
    // Ends the mouse mode (capture, dragging) of the active control, and of
    // the active MDI child's.
    void SendCancelMode(TControl* sender);

    // ---- showing and closing ----
    void Show();
    void Hide() { SetVisible(false); }
    // Shows the form modally and runs a nested message loop until
    // ModalResult is set (or the application is terminated: mrCancel).
    virtual int ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages now waiting are handled.
    void Release();
    bool Active() const { return active_; }
    void BringToFront();

    // ---- focus ----
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* v);
    // Moves the focus to control (the active control is set first, so the
    // control losing the focus sees its successor in OnExit).
    void FocusControl(TWinControl* control);
    // The window of `control` received the focus: exits and enters run.
    bool SetFocusedControl(TWinControl* control);
    // control goes away or can no longer hold the focus.
    void DefocusControl(TWinControl* control, bool removing);
    void SetFocus() override;
    bool CanFocus() const override { return Visible() && Enabled(); }

    // ---- MDI ----
    TCustomForm* ActiveMDIChild() const;
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int index) const;
    // The frame's client window ("MDIClient") once the window exists.
    // WM_SYSCOMMAND with SC_RESTORE restores a minimised child.
    HWND ClientHandle() const { return clientHandle_; }
    TTileMode TileMode() const { return tileMode_; }
    void SetTileMode(TTileMode v) { tileMode_ = v; }
    // The MDI client's arrangements and activations (nothing on a form
    // that is no MDI frame).
    void ArrangeIcons();
    void Cascade();
    void Tile();
    void Next();
    void Previous();

    // ---- events ----
    const TNotifyEvent& OnCreate() const { return onCreate_; }
    void SetOnCreate(TNotifyEvent v) { onCreate_ = std::move(v); }
    const TNotifyEvent& OnDestroy() const { return onDestroy_; }
    void SetOnDestroy(TNotifyEvent v) { onDestroy_ = std::move(v); }
    const TNotifyEvent& OnShow() const { return onShow_; }
    void SetOnShow(TNotifyEvent v) { onShow_ = std::move(v); }
    const TNotifyEvent& OnHide() const { return onHide_; }
    void SetOnHide(TNotifyEvent v) { onHide_ = std::move(v); }
    const TNotifyEvent& OnActivate() const { return onActivate_; }
    void SetOnActivate(TNotifyEvent v) { onActivate_ = std::move(v); }
    const TNotifyEvent& OnDeactivate() const { return onDeactivate_; }
    void SetOnDeactivate(TNotifyEvent v) { onDeactivate_ = std::move(v); }
    const TNotifyEvent& OnPaint() const { return onPaint_; }
    void SetOnPaint(TNotifyEvent v) { onPaint_ = std::move(v); }
    const TCloseEvent& OnClose() const { return onClose_; }
    void SetOnClose(TCloseEvent v) { onClose_ = std::move(v); }
    const TCloseQueryEvent& OnCloseQuery() const { return onCloseQuery_; }
    void SetOnCloseQuery(TCloseQueryEvent v) { onCloseQuery_ = std::move(v); }

    TCanvas* Canvas() const { return canvas_.get(); }
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;
    void CreateWindowHandle(const TCreateParams& params) override;
    void DestroyWindowHandle() override;
    void DefaultHandler(TMessage& Message) override;
    void PaintWindow(HDC dc) override;
    virtual void DoClose(TCloseAction& action);
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    void Loaded() override;
    // A frame's client window takes the area its aligned controls leave.
    void AlignControls(TControl* control, TRect& rect) override;

    void WMClose(TMessage& Message);
    void WMActivate(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMCommand(TMessage& Message);
    void WMActivateApp(TMessage& Message);
    void WMMDIActivate(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void CMRelease(TMessage& Message);
    void CMActivate(TMessage& Message);
    void CMDeactivate(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_CLOSE, WMClose)
        SERVIORA_MESSAGE(WM_ACTIVATE, WMActivate)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMSetFocus)
        SERVIORA_MESSAGE(WM_COMMAND, WMCommand)
        SERVIORA_MESSAGE(WM_ACTIVATEAPP, WMActivateApp)
        SERVIORA_MESSAGE(WM_MDIACTIVATE, WMMDIActivate)
        SERVIORA_MESSAGE(CM_SHOWINGCHANGED, CMShowingChanged)
        SERVIORA_MESSAGE(CM_DIALOGKEY, CMDialogKey)
        SERVIORA_MESSAGE(CM_RELEASE, CMRelease)
        SERVIORA_MESSAGE(CM_ACTIVATE, CMActivate)
        SERVIORA_MESSAGE(CM_DEACTIVATE, CMDeactivate)
    SERVIORA_MESSAGES_END(TScrollingWinControl)

private:
    void PlaceOnShow();
    // The window shows the form's icon in its caption and to the desktop.
    void PassIconToWindow();
    // The control that takes the focus when the form gets it: the active
    // control when it can, else the first in tab order (null: none can).
    TWinControl* FocusTarget() const;
    void RunExitsAndEnters(TWinControl* from, TWinControl* to);

    void SendToClient(UINT message, WPARAM wParam);

    bool createNew_ = false;
    TFormStyle formStyle_ = fsNormal;
    TTileMode tileMode_ = tbHorizontal;
    AnsiString helpFile_;
    TPrintScale printScale_ = poProportional;
    bool dropTarget_ = false;
    TWinControl* activeOleControl_ = nullptr;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    TMainMenu* menu_ = nullptr;
    std::unique_ptr<TIcon> icon_;
    std::unique_ptr<TControlCanvas> canvas_;
    bool keyPreview_ = false;
    bool scaled_ = true;
    int pendingClientWidth_ = -1, pendingClientHeight_ = -1;
    TFormState formState_;
    TModalResult modalResult_ = mrNone;
    bool active_ = false;
    bool placed_ = false;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    HWND clientHandle_ = 0;
    TNotifyEvent onCreate_, onDestroy_, onShow_, onHide_, onActivate_, onDeactivate_, onPaint_;
    TCloseEvent onClose_;
    TCloseQueryEvent onCloseQuery_;
};
using TCustomFormClass = const TCustomForm::MetaClassType*;

class TForm : public TCustomForm {
    SERVIORA_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};
using TFormClass = const TForm::MetaClassType*;

// ---- the screen ----------------------------------------------------------------

class TScreen : public TComponent {
    SERVIORA_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int FormCount() const;
    TForm* Forms(int index) const;
    int CustomFormCount() const;
    TCustomForm* CustomForms(int index) const;
    int DataModuleCount() const;
    TComponent* DataModules(int index) const;
    TForm* ActiveForm() const { return dynamic_cast<TForm*>(activeForm_); }
    TCustomForm* ActiveCustomForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    // System cursors by their negative ids, the program's by its own.
    HCURSOR Cursors(int index) const;
    void SetCursors(int index, HCURSOR cursor);
    TStrings* Fonts() const;
    TFont* MenuFont() const { return menuFont_.get(); }
    TFont* IconFont() const { return iconFont_.get(); }
    // Copies the font.
    void SetIconFont(TFont* v) { iconFont_->Assign(v); }
    TFont* HintFont() const { return hintFont_.get(); }
    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int WorkAreaWidth() const;
    int WorkAreaHeight() const;
    int PixelsPerInch() const { return 96; }
    // The name of the input method in use when the program started: the
    // platform's one input method has none.
    const TImeName& DefaultIme() const { return defaultIme_; }
    // The input methods installed: none on this platform.
    TStrings* Imes() const { return imes_.get(); }
    // The keyboard layout in use at start (0: the platform has no layouts).
    Cardinal DefaultKbLayout() const { return 0; }
    int MonitorCount() const;
    TRect MonitorBoundsRect(int index) const;
    TMonitor* Monitors(int index) const;
    // The screen's monitor the point or window is on (nearest, none or the
    // primary one when it is on none).
    TMonitor* MonitorFromPoint(const TPoint& point, TMonitorDefaultTo defaultTo = mdNearest) const;
    TMonitor* MonitorFromWindow(HWND window, TMonitorDefaultTo defaultTo = mdNearest) const;
    int DesktopWidth() const { return Width(); }
    int DesktopHeight() const { return Height(); }

    // Kept up to date by the forms.
    void SetActiveForm(TCustomForm* form) { activeForm_ = form; }
    void SetActiveControl(TWinControl* control) { activeControl_ = control; }
    void FormDestroyed(TCustomForm* form);

private:
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCursor cursor_ = crDefault;
    TImeName defaultIme_;
    std::vector<std::pair<int, HCURSOR>> cursors_;
    mutable std::unique_ptr<TStrings> fonts_;
    std::unique_ptr<TFont> menuFont_, iconFont_, hintFont_;
    std::unique_ptr<TStrings> imes_;
    mutable std::vector<std::unique_ptr<TMonitor>> monitors_;

    TMonitor* FindMonitor(HMONITOR handle) const;
};

// ---- the application -------------------------------------------------------------

SERVIORA_EVENT_TYPE(TExceptionEvent, void(TObject* Sender, const std::exception_ptr& E));
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;
// Before a hint shows: its text, whether it shows, and where and how.
SERVIORA_EVENT_TYPE(TShowHintEvent, void(AnsiString& HintStr, bool& CanShow, THintInfo& HintInfo));
using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;

class TApplication : public TComponent {
    SERVIORA_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    void Initialize() {}
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& v) { title_ = v; }
    // The program's path.
    AnsiString ExeName() const;
    const AnsiString& HelpFile() const { return helpFile_; }
    void SetHelpFile(const AnsiString& v) { helpFile_ = v; }
    // The active form's help file, or the application's when it has none.
    AnsiString CurrentHelpFile() const;
    // Help opens the current help file through the shell, handing the
    // viewer the command's data: "-mapid N" for a context, "-topic ID" for
    // a jump, nothing for the contents. False without a help file and for a
    // command whose data the viewer cannot take; HELP_QUIT has nothing to
    // close and answers true.
    bool HelpCommand(int command, int data);
    bool HelpContext(int context);
    bool HelpJump(const AnsiString& jumpId);
    // A hidden window of the application (the owner of its own messages).
    HWND Handle();
    // Takes a window made elsewhere as the application's, while it has
    // made none of its own.
    void SetHandle(HWND v);
    // The modeless dialog whose messages the loop hands to it.
    HWND DialogHandle() const { return dialogHandle_; }
    void SetDialogHandle(HWND v) { dialogHandle_ = v; }
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* v);
    // Whether one of the program's windows is the active one.
    bool Active() const;
    // The main form to the front, minimised, or back from minimised.
    void BringToFront();
    void Minimize();
    void Restore();
    // Takes the stay-on-top mark from the program's top-level windows (all
    // of them, or those but the main form) while a dialog shows; calls
    // nest, and RestoreTopMosts puts the marks back at the last.
    void NormalizeTopMosts();
    void NormalizeAllTopMosts();
    void RestoreTopMosts();
    // Whether the program follows the system's changes of number formats
    // and metrics; kept for its callers.
    bool UpdateFormatSettings() const { return updateFormatSettings_; }
    void SetUpdateFormatSettings(bool v) { updateFormatSettings_ = v; }
    bool UpdateMetricSettings() const { return updateMetricSettings_; }
    void SetUpdateMetricSettings(bool v) { updateMetricSettings_ = v; }

    // Creates a form (or data module) of class T owned by the application.
    // `reference` holds it before its description is read and OnCreate runs,
    // so these can reach it there; it is null again when creation fails. The
    // first form becomes MainForm.
    template <class T>
    void CreateForm(T*& reference) {
        CreateFormOf(T::StaticClass(), [&reference](TComponent* instance) { reference = static_cast<T*>(instance); });
    }
    // The same by class.
    void CreateForm(TComponentClass instanceClass, TComponent*& reference) {
        CreateFormOf(instanceClass, [&reference](TComponent* instance) { reference = instance; });
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool v) { showMainForm_ = v; }

    // Shows the main form and handles messages until Terminate.
    void Run();
    // Ends Run (and any modal loop) without closing questions.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every waiting message, then answers.
    void ProcessMessages();
    // Handles one message, or idles (and waits) when there is none.
    void HandleMessage();

    // The exception being handled escaped an event handler of `sender`.
    void HandleException(TObject* sender);
    // Shows the exception's message in a message box titled with Title.
    void ShowException(const std::exception_ptr& e);
    void ShowException(const Exception& e);
    const TExceptionEvent& OnException() const { return onException_; }
    void SetOnException(TExceptionEvent v) { onException_ = std::move(v); }
    const TIdleEvent& OnIdle() const { return onIdle_; }
    void SetOnIdle(TIdleEvent v) { onIdle_ = std::move(v); }
    const TMessageEvent& OnMessage() const { return onMessage_; }
    void SetOnMessage(TMessageEvent v) { onMessage_ = std::move(v); }
    const TNotifyEvent& OnActivate() const { return onActivate_; }
    void SetOnActivate(TNotifyEvent v) { onActivate_ = std::move(v); }
    const TNotifyEvent& OnDeactivate() const { return onDeactivate_; }
    void SetOnDeactivate(TNotifyEvent v) { onDeactivate_ = std::move(v); }
    // Every form hears that the program gained or lost the foreground; the
    // application tells OnActivate or OnDeactivate once per change.
    void ForegroundChanged(bool active);

    int MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags = 0);

    // ---- hints ----
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& v);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor v) { hintColor_ = v; }
    int HintPause() const { return hintPause_; }
    void SetHintPause(int v) { hintPause_ = v; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int v) { hintShortPause_ = v; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int v) { hintHidePause_ = v; }
    const TNotifyEvent& OnHint() const { return onHint_; }
    void SetOnHint(TNotifyEvent v) { onHint_ = std::move(v); }
    void CancelHint();
    void HideHint() { HideHintWindow(); }
    const TShowHintEvent& OnShowHint() const { return onShowHint_; }
    void SetOnShowHint(TShowHintEvent v) { onShowHint_ = std::move(v); }
    // The mouse moved over `control`: the hint timer starts or the hint moves on.
    void HintMouseMessage(TControl* control, TMessage& Message);
    // The mouse left `control`: when it is or holds the hint control, the
    // hint goes once the input now waiting is handled, unless the mouse
    // moved on to another control meanwhile (which takes the hint over).
    void HintMouseLeft(TControl* control);
    // `control` was disabled (a modal window opened over its form): a hint
    // of it or of a control inside it goes at once.
    void HintOwnerDisabled(TControl* control);
    // The hint window now showing (nullptr when none is).
    THintWindow* HintWindow() const;
    void ActivateHint(TPoint cursorPos);

    // A control is going away: forget every reference to it.
    void ControlDestroyed(TControl* control);
    // Frees `form` once the messages now waiting are handled.
    void ReleaseForm(TCustomForm* form);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Makes an instance of instanceClass owned by the application; `store`
    // gets it before AfterConstruction and null when that fails.
    void CreateFormOf(TComponentClass instanceClass, const std::function<void(TComponent*)>& store);
    // The first form created becomes MainForm.
    void FormCreated(TComponent* instance);
    void NormalizeTopMosts(bool includeMain);
    bool OpenHelp(const AnsiString& parameters);
    void ShowErrorText(AnsiString text);
    bool ProcessMessage(MSG& msg);
    void Idle(const MSG& msg);
    void AppWndProc(TMessage& Message);
    void HintTimerExpired();
    // Starts the pause before `control`'s hint (asked of the control).
    void StartHintPause(TControl* control, bool wasShowing);
    void StopHintTimer();
    void HideHintWindow();
    // Whether `control` is the hint control or one of its parents.
    bool HoldsHintControl(const TControl* control) const;

    AnsiString title_;
    AnsiString helpFile_;
    HWND handle_ = 0;
    bool handleCreated_ = false;
    HWND dialogHandle_ = 0;
    std::unique_ptr<TIcon> icon_;
    bool updateFormatSettings_ = true;
    bool updateMetricSettings_ = true;
    int topMostLevel_ = 0;
    std::vector<HWND> topMostList_;
    TShowHintEvent onShowHint_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    TExceptionEvent onException_;
    TIdleEvent onIdle_;
    TMessageEvent onMessage_;
    TNotifyEvent onActivate_, onDeactivate_, onHint_;
    int foreground_ = -1;  // unknown until the first change
    AnsiString hint_;
    bool showHint_ = true;
    TColor hintColor_ = clInfoBk;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    // The part of the hint control (client coordinates) the shown hint
    // stands for: leaving it asks the control for a hint again.
    TRect hintCursorRect_;
    bool hintCursorRectSet_ = false;
    TControl* hintControl_ = nullptr;
    // The mouse left the hint control and has not moved over a control since.
    bool hintControlLeft_ = false;
    UINT_PTR hintTimer_ = 0;
    UINT_PTR hintHideTimer_ = 0;
    THintWindow* hintWindow_ = nullptr;
    std::vector<TCustomForm*> released_;
};

extern TApplication* Application;
extern TScreen* Screen;

// The form that holds the control (null: none); ValidParentForm raises
// EInvalidOperation "Control '<name>' has no parent window" instead.
TCustomForm* GetParentForm(TControl* control);
TCustomForm* ValidParentForm(TControl* control);

// The windows disabled while a modal window shows, handed out as a
// pointer that EnableTaskWindows takes back (and frees).
struct TTaskWindowList {
    std::vector<HWND> windows;
};
// Disables the program's visible, enabled top-level windows but `activeWindow`.
TTaskWindowList* DisableTaskWindows(HWND activeWindow);
void EnableTaskWindows(TTaskWindowList* list);
// Whether the foreground window is one of the program's.
bool ForegroundTask();

// The first part of a hint ("short|long"), and the second (the whole hint without "|").
AnsiString GetShortHint(const AnsiString& hint);
AnsiString GetLongHint(const AnsiString& hint);

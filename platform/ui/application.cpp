// TApplication (the message loop, form creation, exceptions) and TScreen.
#include <algorithm>

#include "platform/rtl/moduleregistry.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/ui/hints.h"
#include "platform/ui/menus.h"
#include "platform/win/surfacehost.h"

namespace {

// The application object and the screen live as long as the program. The
// application goes first at exit: its forms leave the screen's lists.
struct Globals {
    std::unique_ptr<TScreen> screen{new TScreen(nullptr)};
    std::unique_ptr<TApplication> application{new TApplication(nullptr)};
};

Globals& TheGlobals() {
    static Globals globals;
    return globals;
}

}  // namespace

TApplication* Application = TheGlobals().application.get();
TScreen* Screen = TheGlobals().screen.get();

// ---- TApplication ------------------------------------------------------------------

TApplication::TApplication(TComponent* owner) : TComponent(owner), icon_(std::make_unique<TIcon>()) {}

TApplication::~TApplication() {
    if (handleCreated_) DeallocateHWnd(handle_);
}

AnsiString TApplication::ExeName() const { return ParamStr(0); }

HWND TApplication::Handle() {
    if (!handle_) {
        handle_ = AllocateHWnd(TWndMethod(this, &TApplication::AppWndProc));
        handleCreated_ = true;
    }
    return handle_;
}

void TApplication::AppWndProc(TMessage& Message) {
    if (Message.Msg == CM_RELEASE) {
        auto* form = reinterpret_cast<TCustomForm*>(Message.LParam);
        const auto it = std::find(released_.begin(), released_.end(), form);
        if (it != released_.end()) {
            released_.erase(it);
            delete form;
        }
        return;
    }
    if (DispatchMenuOwnerDraw(Message)) return;
    Message.Result = DefWindowProc(handle_, Message.Msg, Message.WParam, Message.LParam);
}

void TApplication::ReleaseForm(TCustomForm* form) {
    if (std::find(released_.begin(), released_.end(), form) != released_.end()) return;
    released_.push_back(form);
    // Freed by the application's window, outside the form's own message handling.
    PostMessage(Handle(), CM_RELEASE, 0, LPARAM(form));
}

void TApplication::ControlDestroyed(TControl* control) {
    if (hintControl_ == control) CancelHint();
    if (mainForm_ == control) mainForm_ = nullptr;
    std::erase(released_, control);
}

void TApplication::CreateFormOf(TComponentClass instanceClass, const std::function<void(TComponent*)>& store) {
    store(nullptr);
    TComponent* instance = instanceClass->NewInstance(this);
    store(instance);
    try {
        CreateInstance(instance);
    } catch (...) {
        store(nullptr);
        throw;
    }
    FormCreated(instance);
}

void TApplication::FormCreated(TComponent* instance) {
    if (!mainForm_)
        if (auto* form = dynamic_cast<TForm*>(instance)) mainForm_ = form;
}

void TApplication::Run() {
    if (terminated_) return;
    if (mainForm_ && showMainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

namespace {

// Messages that end a shown or pending hint: keys, buttons and the wheel,
// commands, activation changes and the pointer leaving for a frame.
bool IsHintMsg(const MSG& msg) {
    const UINT m = msg.message;
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || m == CM_ACTIVATE || m == CM_DEACTIVATE || m == CM_APPKEYDOWN ||
           m == CM_APPSYSCOMMAND || m == WM_COMMAND || (m > WM_MOUSEMOVE && m <= WM_MOUSELAST) ||
           m == WM_NCMOUSEMOVE;
}

}  // namespace

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    onMessage_(msg, handled);
    // A press on a control (one that may open a modal window) first takes
    // its hint away.
    if (hintWindow_ && IsHintMsg(msg)) CancelHint();
    if (!handled && !KeyMessageUsedUp(msg)) TranslateAndDispatch(msg);
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    for (;;) {
        try {
            if (!ProcessMessage(msg)) return;
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::HandleMessage() {
    MSG msg;
    try {
        if (!ProcessMessage(msg)) Idle(msg);
    } catch (...) {
        HandleException(this);
    }
}

void TApplication::Idle(const MSG&) {
    // The mouse left the hint control for no other control of ours (another
    // program, a frame, the desktop): its hint goes with it.
    if (hintControlLeft_) CancelHint();
    bool done = true;
    onIdle_(this, done);
    if (done) WaitMessage();
}

void TApplication::HandleException(TObject* sender) {
    const std::exception_ptr e = std::current_exception();
    if (!e) return;
    try {
        std::rethrow_exception(e);
    } catch (const EAbort&) {
        return;
    } catch (...) {
    }
    if (onException_) onException_(sender, e);
    else ShowException(e);
}

void TApplication::ShowException(const std::exception_ptr& e) {
    try {
        std::rethrow_exception(e);
    } catch (const Exception& error) {
        ShowErrorText(error.Message());
    } catch (const std::exception& error) {
        ShowErrorText(error.what());
    } catch (...) {
        ShowErrorText("Unknown exception");
    }
}

void TApplication::ShowException(const Exception& e) { ShowErrorText(e.Message()); }

void TApplication::ShowErrorText(AnsiString text) {
    if (!text.empty() && text.back() != '.' && static_cast<unsigned char>(text.back()) < 0x80) text += '.';
    MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags) {
    HWND owner = GetActiveWindow();
    if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
    return ::MessageBox(owner, text.c_str(), caption.c_str(), flags);
}

// ---- TScreen ------------------------------------------------------------------------

TScreen::TScreen(TComponent* owner)
    : TComponent(owner),
      menuFont_(std::make_unique<TFont>()),
      iconFont_(std::make_unique<TFont>()),
      hintFont_(std::make_unique<TFont>()),
      imes_(std::unique_ptr<TStrings>(TStringList::Create())) {}

TScreen::~TScreen() = default;

namespace {

template <class Kind>
bool IsKind(TComponent* module) {
    return dynamic_cast<Kind*>(module) != nullptr;
}

bool IsDataModule(TComponent* module) { return !IsKind<TCustomForm>(module); }

int CountModules(bool (*test)(TComponent*)) {
    int count = 0;
    for (int i = 0; i < ModuleCount(); ++i)
        if (test(Modules(i))) ++count;
    return count;
}

// The index-th of the modules that pass the test, or nullptr.
TComponent* NthModule(int index, bool (*test)(TComponent*)) {
    for (int i = 0; i < ModuleCount(); ++i)
        if (TComponent* module = Modules(i); test(module) && index-- == 0) return module;
    return nullptr;
}

}  // namespace

int TScreen::CustomFormCount() const { return CountModules(IsKind<TCustomForm>); }

TCustomForm* TScreen::CustomForms(int index) const {
    return static_cast<TCustomForm*>(NthModule(index, IsKind<TCustomForm>));
}

int TScreen::FormCount() const { return CountModules(IsKind<TForm>); }

TForm* TScreen::Forms(int index) const { return static_cast<TForm*>(NthModule(index, IsKind<TForm>)); }

int TScreen::DataModuleCount() const { return ModuleCount() - CustomFormCount(); }

TComponent* TScreen::DataModules(int index) const { return NthModule(index, IsDataModule); }

void TScreen::FormDestroyed(TCustomForm* form) {
    if (activeForm_ == form) activeForm_ = nullptr;
    if (activeControl_ && form->ContainsControl(activeControl_)) activeControl_ = nullptr;
}

void TScreen::SetCursor(TCursor v) {
    cursor_ = v;
    ::SetCursor(Cursors(v == crDefault ? crArrow : v));
}

HCURSOR TScreen::Cursors(int index) const {
    for (const auto& [id, cursor] : cursors_)
        if (id == index) return cursor;
    static constexpr std::pair<int, std::uintptr_t> system[] = {
        {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},        {crIBeam, IDC_IBEAM},
        {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},      {crSizeNWSE, IDC_SIZENWSE},
        {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},    {crHourGlass, IDC_WAIT},
        {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
        {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},    {crDrag, IDC_ARROW},
        {crNoDrop, IDC_NO},         {crHSplit, IDC_SIZEWE},      {crVSplit, IDC_SIZENS},
        {crMultiDrag, IDC_ARROW},   {crSQLWait, IDC_WAIT},       {crDefault, IDC_ARROW},
    };
    for (const auto& [id, idc] : system)
        if (id == index) return LoadCursor(0, idc);
    return index == crNone ? HCURSOR(0) : LoadCursor(0, IDC_ARROW);
}

void TScreen::SetCursors(int index, HCURSOR cursor) {
    for (auto& entry : cursors_)
        if (entry.first == index) {
            entry.second = cursor;
            return;
        }
    cursors_.emplace_back(index, cursor);
}

TStrings* TScreen::Fonts() const {
    if (!fonts_) {
        auto list = std::make_unique<TStringList>();
        for (const char* face : {"宋体", "新宋体", "黑体", "楷体_GB2312", "Arial", "MS Sans Serif", "Tahoma"})
            list->Add(face);
        fonts_ = std::move(list);
    }
    return fonts_.get();
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
    RECT r;
    ws::WorkArea(&r);
    return r;
}

int TScreen::WorkAreaWidth() const { return WorkAreaRect().right - WorkAreaRect().left; }
int TScreen::WorkAreaHeight() const { return WorkAreaRect().bottom - WorkAreaRect().top; }

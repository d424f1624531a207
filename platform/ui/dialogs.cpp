// Message boxes, message dialogs and input boxes.
#include "platform/ui/dialogs.h"

#include <algorithm>
#include <memory>

#include "platform/rtl/format.h"
#include "platform/ui/commondialog.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls_edit.h"

namespace {

struct ButtonSpec {
    const char* caption;
    int result;
};

// A dialog built in code; its window class is the one the platform gives
// that kind of dialog.
class TMessageForm : public TDialogForm {
    SERVIORA_CLASS(TMessageForm, TDialogForm)
public:
    TMessageForm(TComponent* owner, const AnsiString& caption, AnsiString windowClass)
        : TDialogForm(owner, caption, 0, 0, std::move(windowClass)) {}
};

constexpr int buttonWidth = 75, buttonHeight = 23, spacing = 8, margin = 12, iconSize = 32;

// The system icon a message shows (IDI_HAND, ...; 0: none).
using IconId = std::uintptr_t;

// Lays out the icon, a label with `text` and a centred row of buttons; the
// default button has index `defaultIndex`, the cancel button answers
// `cancelResult`. A long text wraps at five eighths of the work area's width
// (between Chinese characters, at spaces in Latin text) and the box grows
// in height instead. Messages are written in the system's message font; an
// input box (with its `extra` edit) keeps the form's own.
std::unique_ptr<TMessageForm> BuildDialog(const AnsiString& windowClass, const AnsiString& caption,
                                          const AnsiString& text, const std::vector<ButtonSpec>& buttons,
                                          std::size_t defaultIndex, int cancelResult, TControl* extra = nullptr,
                                          IconId icon = 0) {
    auto form = std::unique_ptr<TMessageForm>(TMessageForm::Create(Application, caption, windowClass));
    NONCLIENTMETRICS metrics;
    if (!extra && SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        form->Font()->SetHandle(CreateFontIndirect(&metrics.lfMessageFont));
    int textLeft = margin;
    if (icon) {
        TImage* image = TImage::Create(form.get());
        image->SetParent(form.get());
        image->SetBounds(margin, margin, iconSize, iconSize);
        image->Picture()->Icon()->SetHandle(LoadIcon(0, icon));
        textLeft += iconSize + margin;
    }
    TLabel* label = TLabel::Create(form.get());
    label->SetParent(form.get());
    label->SetCaption(text);
    const int widest = Screen->WorkAreaWidth() * 5 / 8 - textLeft - margin;
    if (label->Width() > widest) {
        label->SetWidth(widest);
        label->SetWordWrap(true);
    }
    const int textTop = icon ? margin + std::max(0, (iconSize - label->Height()) / 2) : margin;
    label->SetBounds(textLeft, textTop, label->Width(), label->Height());
    int top = std::max(label->Top() + label->Height(), icon ? margin + iconSize : 0) + spacing;
    int width = label->Left() + label->Width() + margin;
    if (extra) {
        extra->SetParent(form.get());
        extra->SetBounds(margin, top, std::max(label->Width(), 240), 21);
        top += extra->Height() + spacing;
        width = std::max(width, extra->Width() + 2 * margin);
    }
    const int rowWidth = int(buttons.size()) * buttonWidth + (int(buttons.size()) - 1) * spacing;
    width = std::max(width, rowWidth + 2 * margin);
    int left = (width - rowWidth) / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TButton* button = TButton::Create(form.get());
        button->SetParent(form.get());
        button->SetCaption(buttons[i].caption);
        button->SetModalResult(buttons[i].result);
        button->SetBounds(left, top, buttonWidth, buttonHeight);
        button->SetDefault(i == defaultIndex);
        button->SetCancel(buttons[i].result == cancelResult);
        if (i == defaultIndex) form->SetActiveControl(button);
        left += buttonWidth + spacing;
    }
    if (extra) form->SetActiveControl(static_cast<TWinControl*>(extra));
    form->SetClientWidth(width);
    form->SetClientHeight(top + buttonHeight + margin);
    return form;
}

// Asks the responder, or runs the dialog; answers the result.
ModalAnswer RunDialog(TMessageForm* form, const AnsiString& kind, const AnsiString& text, UINT flags,
                      bool* answered = nullptr) {
    ModalQuestion question{kind, form->Caption(), text, flags, ClassNameOf(form->Handle()), {}};
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* button = dynamic_cast<TButton*>(form->Controls(i))) question.buttons.push_back(button->Caption());
    ModalAnswer answer;
    const bool taken = TakeModalAnswer(question, &answer);
    if (answered) *answered = taken;
    if (!taken) answer.result = form->ShowModal();
    return answer;
}

const char* const okText = "确定";
const char* const cancelText = "取消";

std::vector<ButtonSpec> MessageBoxButtons(UINT flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{okText, IDOK}, {cancelText, IDCANCEL}};
    case MB_ABORTRETRYIGNORE: return {{"中止(&A)", IDABORT}, {"重试(&R)", IDRETRY}, {"忽略(&I)", IDIGNORE}};
    case MB_YESNOCANCEL: return {{"是(&Y)", IDYES}, {"否(&N)", IDNO}, {cancelText, IDCANCEL}};
    case MB_YESNO: return {{"是(&Y)", IDYES}, {"否(&N)", IDNO}};
    case MB_RETRYCANCEL: return {{"重试(&R)", IDRETRY}, {cancelText, IDCANCEL}};
    default: return {{okText, IDOK}};
    }
}

}  // namespace

namespace {

IconId MessageBoxIcon(UINT flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return 0;
    }
}

}  // namespace

namespace {

// The message box as a library call reaches it: four integer-class slots.
std::intptr_t MessageBoxA(std::intptr_t owner, std::intptr_t text, std::intptr_t caption, std::intptr_t flags) {
    return MessageBox(HWND(owner), reinterpret_cast<const char*>(text), reinterpret_cast<const char*>(caption),
                      UINT(flags));
}

}  // namespace

void RegisterDialogFunctions() {
    RegisterModuleFunction("user32", "MessageBoxA", reinterpret_cast<FARPROC>(&MessageBoxA));
}

int MessageBox(HWND, const char* text, const char* caption, UINT flags) {
    const std::vector<ButtonSpec> buttons = MessageBoxButtons(flags);
    const std::size_t defaultIndex = std::min<std::size_t>((flags & MB_DEFMASK) >> 8, buttons.size() - 1);
    // Esc answers Cancel where there is one, and OK in a box that has only OK.
    int cancel = buttons.size() == 1 ? IDOK : 0;
    for (const ButtonSpec& b : buttons)
        if (b.result == IDCANCEL) cancel = IDCANCEL;
    const AnsiString message = text ? text : "";
    auto form = BuildDialog("#32770", caption && *caption ? caption : "错误", message, buttons, defaultIndex, cancel,
                            nullptr, MessageBoxIcon(flags));
    return RunDialog(form.get(), "MessageBox", message, flags).result;
}

// ---- message dialogs ----------------------------------------------------------------

namespace {

AnsiString TypeCaption(TMsgDlgType type) {
    switch (type) {
    case mtWarning: return "警告";
    case mtError: return "错误";
    case mtInformation: return "信息";
    case mtConfirmation: return "确认";
    default: return Application->Title();
    }
}

std::unique_ptr<TMessageForm> BuildMessageDialog(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
    static constexpr ButtonSpec specs[] = {
        {"是(&Y)", mrYes},    {"否(&N)", mrNo},     {"确定", mrOk},       {"取消", mrCancel},
        {"中止(&A)", mrAbort}, {"重试(&R)", mrRetry}, {"忽略(&I)", mrIgnore}, {"全部(&A)", mrAll},
        {"全否(&O)", mrNoToAll}, {"全是(&A)", mrYesToAll}, {"帮助(&H)", mrNone},
    };
    std::vector<ButtonSpec> chosen;
    for (int b = mbYes; b <= mbHelp; ++b)
        if (buttons.Contains(TMsgDlgBtn(b))) chosen.push_back(specs[b]);
    if (chosen.empty()) chosen.push_back(specs[mbOK]);
    // The default is OK or Yes; Esc answers Cancel, No, or OK.
    std::size_t defaultIndex = 0;
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i].result == mrOk || chosen[i].result == mrYes) {
            defaultIndex = i;
            break;
        }
    int cancel = mrNone;
    for (int result : {mrCancel, mrNo, mrOk})
        if (cancel == mrNone)
            for (const ButtonSpec& b : chosen)
                if (b.result == result) cancel = result;
    static constexpr IconId icons[] = {IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, IDI_QUESTION, 0};
    return BuildDialog("TMessageForm", TypeCaption(type), msg, chosen, defaultIndex, cancel, nullptr, icons[type]);
}

}  // namespace

TForm* CreateMessageDialog(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
    return BuildMessageDialog(msg, type, buttons).release();
}

int MessageDlgPos(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int, int x, int y) {
    auto form = BuildMessageDialog(msg, type, buttons);
    if (x >= 0) form->SetLeft(x);
    if (y >= 0) form->SetTop(y);
    if (x >= 0 || y >= 0) form->SetPosition(poDesigned);
    return RunDialog(form.get(), "MessageDlg", msg, 0).result;
}

int MessageDlg(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx) {
    return MessageDlgPos(msg, type, buttons, helpCtx, -1, -1);
}

int MessageDlgPosHelp(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx, int x, int y,
                      const AnsiString&) {
    return MessageDlgPos(msg, type, buttons, helpCtx, x, y);
}

void ShowMessage(const AnsiString& msg) { MessageDlg(msg, mtCustom, {mbOK}); }

void ShowMessageFmt(const AnsiString& format, std::span<const TVarRec> args) { ShowMessage(Format(format, args)); }

void ShowMessagePos(const AnsiString& msg, int x, int y) { MessageDlgPos(msg, mtCustom, {mbOK}, 0, x, y); }

// ---- input boxes ------------------------------------------------------------------------

bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) {
    TEdit* line = TEdit::Create(nullptr);
    line->SetText(value);
    std::unique_ptr<TMessageForm> form;
    try {
        form = BuildDialog("TForm", caption, prompt, {{okText, mrOk}, {cancelText, mrCancel}}, 0, mrCancel, line);
    } catch (...) {
        delete line;
        throw;
    }
    form->InsertComponent(line);
    bool answered = false;
    const ModalAnswer answer = RunDialog(form.get(), "InputBox", prompt, 0, &answered);
    if (answer.result != mrOk) return false;
    value = answered ? answer.text : line->Text();
    return true;
}

AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& defaultValue) {
    AnsiString value = defaultValue;
    return InputQuery(caption, prompt, value) ? value : defaultValue;
}

// The find and replace dialogs: a modeless window whose buttons fire the
// dialog's events, or the responder's answer.
#include "platform/ui/dialogs_find.h"

#include <tuple>

#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

void TFindDialog::Published(TPublished<TFindDialog>& p) {
    p.Property("FindText", &TFindDialog::FindText, &TFindDialog::SetFindText);
    p.Property("Options", &TFindDialog::Options, &TFindDialog::SetOptions).Default(TFindOptions{frDown}.Bits());
    p.Property("OnFind", &TFindDialog::OnFind, &TFindDialog::SetOnFind);
}

void TReplaceDialog::Published(TPublished<TReplaceDialog>& p) {
    p.Property("ReplaceText", &TReplaceDialog::ReplaceText, &TReplaceDialog::SetReplaceText);
    p.Property("OnReplace", &TReplaceDialog::OnReplace, &TReplaceDialog::SetOnReplace);
}

TFindDialog::TFindDialog(TComponent* owner) : TCommonDialog(owner) {}

TFindDialog::~TFindDialog() = default;

TEdit* TFindDialog::WindowEdit(const AnsiString& name) const {
    return form_ ? dynamic_cast<TEdit*>(form_->FindComponent(name)) : nullptr;
}

void TFindDialog::SetFindText(const AnsiString& v) {
    findText_ = v;
    if (TEdit* edit = WindowEdit("FindEdit")) edit->SetText(v);
}

void TFindDialog::SetPosition(const TPoint& v) {
    position_ = v;
    if (form_) form_->SetBounds(v.x, v.y, form_->Width(), form_->Height());
}

bool TFindDialog::Execute() {
    if (form_) {
        form_->BringToFront();
        return true;
    }
    ModalQuestion question{Kind(), Replacing() ? "替换" : "查找", findText_, Cardinal(options_.Bits()), "#32770", {}};
    ModalAnswer answer;
    if (TakeModalAnswer(question, &answer)) {
        if (answer.result <= 0 || answer.result > 3) return false;
        TakeAnsweredText(answer.text);
        static constexpr TFindOption actions[] = {frFindNext, frReplace, frReplaceAll};
        Pressed(actions[answer.result - 1]);
        return true;
    }
    Build();
    SetShowingForm(form_.get());
    form_->Show();
    return true;
}

void TFindDialog::CloseDialog() {
    if (!form_) return;
    SetShowingForm(nullptr);
    form_->Hide();
    // Freed once its own messages (the Cancel click among them) are handled.
    form_.release()->Release();
}

void TFindDialog::Build() {
    const bool replacing = Replacing();
    const int rows = replacing ? 2 : 1;
    form_.reset(TDialogForm::Create(nullptr, replacing ? "替换" : "查找", 380, replacing ? 130 : 95));
    if (position_.x >= 0 || position_.y >= 0) {
        form_->SetPosition(poDesigned);
        form_->SetBounds(position_.x, position_.y, form_->Width(), form_->Height());
    }
    const auto addEdit = [&](int top, const char* label, const char* name) {
        form_->Add<TLabel>(10, top + 3, 80, 16, label);
        form_->Add<TEdit>(95, top, 180, 21)->SetName(name);
    };
    addEdit(10, "查找内容(&N):", "FindEdit");
    if (replacing) addEdit(38, "替换为(&P):", "ReplaceEdit");
    ShowTexts();
    const int optionsTop = 10 + rows * 28 + 6;
    const auto addBox = [&](int top, const char* caption, const char* name, TFindOption checked, TFindOption hide,
                            TFindOption disable) {
        auto* box = form_->Add<TCheckBox>(10, top, 130, 20, caption);
        box->SetName(name);
        box->SetChecked(options_.Contains(checked));
        box->SetVisible(!options_.Contains(hide));
        box->SetEnabled(!options_.Contains(disable));
    };
    addBox(optionsTop, "全字匹配(&W)", "WholeWord", frWholeWord, frHideWholeWord, frDisableWholeWord);
    addBox(optionsTop + 24, "区分大小写(&C)", "MatchCase", frMatchCase, frHideMatchCase, frDisableMatchCase);
    if (!replacing && !options_.Contains(frHideUpDown)) {
        auto* direction = form_->Add<TGroupBox>(140, optionsTop - 6, 140, 48, "方向");
        direction->SetEnabled(!options_.Contains(frDisableUpDown));
        for (const auto& [left, caption, name, down] : {std::tuple{8, "向上(&U)", "Up", false}, std::tuple{72, "向下(&D)", "Down", true}}) {
            auto* radio = TRadioButton::Create(form_.get());
            radio->SetParent(direction);
            radio->SetBounds(left, 20, 62, 20);
            radio->SetCaption(caption);
            radio->SetName(name);
            radio->SetChecked(options_.Contains(frDown) == down);
        }
    }
    form_->AddButton(290, 10, "查找下一个(&F)", mrNone)->SetOnClick([this](TObject*) { Pressed(frFindNext); });
    int top = 38;
    if (replacing) {
        form_->AddButton(290, top, "替换(&R)", mrNone)->SetOnClick([this](TObject*) { Pressed(frReplace); });
        form_->AddButton(290, top += 28, "全部替换(&A)", mrNone)->SetOnClick([this](TObject*) { Pressed(frReplaceAll); });
        top += 28;
    }
    TButton* cancel = form_->AddButton(290, top, "取消", mrNone);
    cancel->SetCancel(true);
    cancel->SetOnClick([this](TObject*) { CloseDialog(); });
    form_->SetOnClose([this](TObject*, TCloseAction& action) {
        action = caNone;
        CloseDialog();
    });
}

void TFindDialog::ReadTexts() {
    if (TEdit* edit = WindowEdit("FindEdit")) findText_ = edit->Text();
}

void TFindDialog::ReadOptions() {
    if (!form_) return;
    const auto checked = [&](const char* name) {
        auto* button = dynamic_cast<TButtonControl*>(form_->FindComponent(name));
        return button && button->Checked();
    };
    const auto set = [&](TFindOption option, bool on) { on ? options_.Include(option) : options_.Exclude(option); };
    set(frWholeWord, checked("WholeWord"));
    set(frMatchCase, checked("MatchCase"));
    if (form_->FindComponent("Down")) set(frDown, checked("Down"));
}

void TFindDialog::Pressed(TFindOption action) {
    ReadTexts();
    ReadOptions();
    options_ = options_ - TFindOptions{frFindNext, frReplace, frReplaceAll} + TFindOptions{action};
    if (action == frFindNext) onFind_(this);
    else DoReplace();
}

void TReplaceDialog::SetReplaceText(const AnsiString& v) {
    replaceText_ = v;
    if (TEdit* edit = WindowEdit("ReplaceEdit")) edit->SetText(v);
}

void TReplaceDialog::ShowTexts() {
    TFindDialog::ShowTexts();
    SetReplaceText(replaceText_);
}

void TReplaceDialog::TakeAnsweredText(const AnsiString& text) {
    const std::size_t lineBreak = text.find('\n');
    TFindDialog::TakeAnsweredText(text.substr(0, lineBreak));
    replaceText_ = lineBreak == AnsiString::npos ? AnsiString() : text.substr(lineBreak + 1);
}

void TReplaceDialog::ReadTexts() {
    TFindDialog::ReadTexts();
    if (TEdit* edit = WindowEdit("ReplaceEdit")) replaceText_ = edit->Text();
}

void TReplaceDialog::DoReplace() { onReplace_(this); }

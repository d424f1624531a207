// The font dialog: the responder's answer, or lists of faces and sizes,
// style boxes and a sample.
#include "platform/ui/dialogs_font.h"

#include "platform/rtl/sysutils.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_listbox.h"

void TFontDialog::Published(TPublished<TFontDialog>& p) {
    p.Property("Font", &TFontDialog::Font, &TFontDialog::SetFont);
    p.Property("Device", &TFontDialog::Device, &TFontDialog::SetDevice).Default(fdScreen);
    p.Property("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize).Default(0);
    p.Property("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize).Default(0);
    p.Property("Options", &TFontDialog::Options, &TFontDialog::SetOptions).Default(TFontDialogOptions{fdEffects}.Bits());
}

TFontDialog::TFontDialog(TComponent* owner) : TCommonDialog(owner), font_(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::SizeAllowed(int size) const {
    if (!options_.Contains(fdLimitSize)) return true;
    return (minFontSize_ <= 0 || size >= minFontSize_) && (maxFontSize_ <= 0 || size <= maxFontSize_);
}

bool TFontDialog::Execute() {
    ModalQuestion question{"FontDialog", "字体", font_->Name(), Cardinal(options_.Bits()), "#32770", {}};
    ModalAnswer answer;
    if (!TakeModalAnswer(question, &answer)) return RunDialog();
    if (answer.result == 0) return false;
    const std::size_t comma = answer.text.find(',');
    if (!answer.text.empty()) font_->SetName(answer.text.substr(0, comma));
    if (comma != AnsiString::npos) font_->SetSize(StrToInt(answer.text.substr(comma + 1)));
    return true;
}

namespace {

constexpr int sizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr const char* styleNames[] = {"粗体(&B)", "斜体(&I)", "下划线(&U)", "删除线(&K)"};

}  // namespace

bool TFontDialog::RunDialog() {
    const std::unique_ptr<TDialogForm> form(TDialogForm::Create(Application, "字体", 420, 270));
    form->Add<TLabel>(10, 10, 150, 16, "字体(&F):");
    auto* faces = form->Add<TListBox>(10, 30, 150, 150);
    faces->Items()->Assign(Screen->Fonts());
    faces->SetItemIndex(faces->Items()->IndexOf(font_->Name()));
    faces->SetEnabled(!options_.Contains(fdNoFaceSel));
    form->Add<TLabel>(170, 10, 60, 16, "大小(&S):");
    auto* sizeList = form->Add<TListBox>(170, 30, 60, 150);
    for (int size : sizes)
        if (SizeAllowed(size)) sizeList->Items()->Add(IntToStr(size));
    sizeList->SetItemIndex(sizeList->Items()->IndexOf(IntToStr(font_->Size())));
    sizeList->SetEnabled(!options_.Contains(fdNoSizeSel));
    TCheckBox* styles[4];
    for (int i = 0; i < 4; ++i) {
        styles[i] = form->Add<TCheckBox>(240, 30 + i * 24, 90, 20, styleNames[i]);
        styles[i]->SetChecked(font_->Style().Contains(TFontStyle(i)));
        styles[i]->SetVisible(i < 2 ? !options_.Contains(fdNoStyleSel) : options_.Contains(fdEffects));
    }
    auto* sampleBox = form->Add<TGroupBox>(10, 190, 320, 70, "示例");
    auto* sample = TLabel::Create(form.get());
    sample->SetParent(sampleBox);
    sample->SetAutoSize(false);
    sample->SetBounds(10, 20, 300, 44);
    sample->SetCaption("微软中文软件 AaBbYyZz");
    sample->SetParentFont(false);
    const auto showSample = [&](TObject*) {
        TFont chosen;
        chosen.Assign(font_.get());
        if (faces->ItemIndex() >= 0) chosen.SetName(faces->Items()->Strings(faces->ItemIndex()));
        if (sizeList->ItemIndex() >= 0) chosen.SetSize(StrToInt(sizeList->Items()->Strings(sizeList->ItemIndex())));
        TFontStyles style;
        for (int i = 0; i < 4; ++i)
            if (styles[i]->Checked()) style.Include(TFontStyle(i));
        chosen.SetStyle(style);
        sample->SetFont(&chosen);
    };
    faces->SetOnClick(showSample);
    sizeList->SetOnClick(showSample);
    for (TCheckBox* box : styles) box->SetOnClick(showSample);
    showSample(nullptr);
    form->AddButton(340, 30, "确定", mrOk);
    form->AddButton(340, 60, "取消", mrCancel);
    if (ShowDialogForm(form.get()) != mrOk) return false;
    font_->Assign(sample->Font());
    return true;
}

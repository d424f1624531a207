// The printer dialogs: the responder's answer, or the printer list with
// the job's choices.
#include "platform/print/printdialogs.h"

#include <algorithm>
#include <memory>

#include "platform/print/printers.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"

namespace {

// The group "打印机" with the printers listed, the current one chosen.
TComboBox* AddPrinterChoice(TDialogForm* form, int width) {
    auto* group = form->Add<TGroupBox>(10, 10, width, 52, "打印机");
    form->Add<TLabel>(10, 23, 60, 16, "名称(&N):", group);
    auto* printers = form->Add<TComboBox>(85, 29, width - 85, 21);
    printers->SetStyle(csDropDownList);
    printers->Items()->Assign(Printer()->Printers());
    printers->SetItemIndex(Printer()->PrinterIndex());
    return printers;
}

ModalQuestion Question(const char* kind, const char* caption) {
    const int index = Printer()->PrinterIndex();
    TStrings* names = Printer()->Printers();
    return {kind, caption, index >= 0 && index < names->Count() ? names->Strings(index) : AnsiString(), 0, "#32770", {}};
}

TRadioButton* AddRadio(TDialogForm* form, int left, int top, int width, const char* caption, bool checked) {
    auto* radio = form->Add<TRadioButton>(left, top, width, 20, caption);
    radio->SetChecked(checked);
    return radio;
}

}  // namespace

bool TPrinterSetupDialog::Execute() {
    ModalAnswer answer;
    if (TakeModalAnswer(Question("PrinterSetupDialog", "打印设置"), &answer)) {
        if (answer.result == 0) return false;
        if (!answer.text.empty()) {
            const int index = Printer()->Printers()->IndexOf(answer.text);
            if (index >= 0) Printer()->SetPrinterIndex(index);
        }
        return true;
    }
    const std::unique_ptr<TDialogForm> form(TDialogForm::Create(Application, "打印设置", 380, 160));
    TComboBox* printers = AddPrinterChoice(form.get(), 360);
    form->Add<TGroupBox>(10, 72, 200, 75, "方向");
    TRadioButton* portrait = AddRadio(form.get(), 25, 92, 120, "纵向(&O)", Printer()->Orientation == poPortrait);
    AddRadio(form.get(), 25, 117, 120, "横向(&A)", Printer()->Orientation == poLandscape);
    form->AddButton(215, 124, "确定", mrOk);
    form->AddButton(295, 124, "取消", mrCancel);
    if (ShowDialogForm(form.get()) != mrOk) return false;
    if (printers->ItemIndex() >= 0) Printer()->SetPrinterIndex(printers->ItemIndex());
    Printer()->Orientation = portrait->Checked() ? poPortrait : poLandscape;
    return true;
}

void TPrintDialog::Published(TPublished<TPrintDialog>& p) {
    p.Property("Collate", &TPrintDialog::Collate, &TPrintDialog::SetCollate).Default(false);
    p.Property("Copies", &TPrintDialog::Copies, &TPrintDialog::SetCopies).Default(1);
    p.Property("FromPage", &TPrintDialog::FromPage, &TPrintDialog::SetFromPage).Default(0);
    p.Property("MinPage", &TPrintDialog::MinPage, &TPrintDialog::SetMinPage).Default(0);
    p.Property("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage).Default(0);
    p.Property("Options", &TPrintDialog::Options, &TPrintDialog::SetOptions).Default(0);
    p.Property("PrintToFile", &TPrintDialog::PrintToFile, &TPrintDialog::SetPrintToFile).Default(false);
    p.Property("PrintRange", &TPrintDialog::PrintRange, &TPrintDialog::SetPrintRange).Default(prAllPages);
    p.Property("ToPage", &TPrintDialog::ToPage, &TPrintDialog::SetToPage).Default(0);
}

bool TPrintDialog::TakePages(const AnsiString& text) {
    const std::size_t dash = text.find('-');
    int from = 0, to = 0;
    if (dash == AnsiString::npos || !TryStrToInt(text.substr(0, dash), from) || !TryStrToInt(text.substr(dash + 1), to))
        return false;
    if (from > to || (maxPage_ > 0 && (from < minPage_ || to > maxPage_))) return false;
    fromPage_ = from;
    toPage_ = to;
    printRange_ = prPageNums;
    return true;
}

bool TPrintDialog::Execute() {
    ModalAnswer answer;
    if (!TakeModalAnswer(Question("PrintDialog", "打印"), &answer)) return RunDialog();
    if (answer.result == 0) return false;
    if (!answer.text.empty()) TakePages(answer.text);
    Printer()->Copies = copies_;
    return true;
}

bool TPrintDialog::RunDialog() {
    const std::unique_ptr<TDialogForm> form(TDialogForm::Create(Application, "打印", 400, 220));
    TComboBox* printers = AddPrinterChoice(form.get(), 380);
    auto* range = form->Add<TGroupBox>(10, 72, 220, 105, "打印范围");
    AddRadio(form.get(), 20, 92, 120, "全部(&A)", printRange_ == prAllPages);
    TRadioButton* pages = AddRadio(form.get(), 20, 117, 90, "页码范围(&G)", printRange_ == prPageNums);
    pages->SetEnabled(options_.Contains(poPageNums));
    form->Add<TLabel>(102, 48, 16, 16, "从", range);
    auto* from = form->Add<TEdit>(130, 116, 36, 21);
    from->SetText(IntToStr(fromPage_));
    form->Add<TLabel>(160, 48, 16, 16, "到", range);
    auto* to = form->Add<TEdit>(188, 116, 36, 21);
    from->SetEnabled(options_.Contains(poPageNums));
    to->SetEnabled(options_.Contains(poPageNums));
    to->SetText(IntToStr(toPage_));
    TRadioButton* selection = AddRadio(form.get(), 20, 142, 120, "选定范围(&S)", printRange_ == prSelection);
    selection->SetEnabled(options_.Contains(poSelection));
    auto* copiesGroup = form->Add<TGroupBox>(240, 72, 150, 105, "份数");
    form->Add<TLabel>(10, 24, 60, 16, "份数(&C):", copiesGroup);
    auto* copies = form->Add<TEdit>(315, 92, 50, 21);
    copies->SetText(IntToStr(copies_));
    auto* collate = form->Add<TCheckBox>(250, 130, 120, 20, "逐份打印(&O)");
    collate->SetChecked(collate_);
    auto* toFile = form->Add<TCheckBox>(10, 190, 130, 20, "打印到文件(&L)");
    toFile->SetChecked(printToFile_);
    toFile->SetVisible(options_.Contains(poPrintToFile));
    toFile->SetEnabled(!options_.Contains(poDisablePrintToFile));
    form->AddButton(235, 188, "确定", mrOk);
    form->AddButton(315, 188, "取消", mrCancel);
    if (ShowDialogForm(form.get()) != mrOk) return false;
    if (printers->ItemIndex() >= 0) Printer()->SetPrinterIndex(printers->ItemIndex());
    printRange_ = selection->Checked() ? prSelection : prAllPages;
    if (pages->Checked()) TakePages(from->Text() + "-" + to->Text());
    copies_ = std::max(1, StrToIntDef(copies->Text(), copies_));
    collate_ = collate->Checked();
    printToFile_ = toFile->Checked();
    Printer()->Copies = copies_;
    return true;
}

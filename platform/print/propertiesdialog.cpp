// The printer properties dialog, built on the class library's controls.
#include "platform/print/propertiesdialog.h"

#include <memory>

#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"

namespace {

constexpr short kDuplexModes[] = {DMDUP_SIMPLEX, DMDUP_VERTICAL, DMDUP_HORIZONTAL};

class PropertiesForm {
public:
    PropertiesForm(const PrinterDescription& printer, const DEVMODEA& settings) : printer_(printer) {
        form_->SetCaption(printer.Name);
        form_->SetBorderStyle(bsDialog);
        form_->SetClientWidth(300);
        form_->SetClientHeight(200);
        paper_ = Combo("纸张:", 10);
        for (const PrinterPaper& paper : printer.Papers) {
            paper_->Items()->Add(paper.Name);
            if (paper.Code == settings.dmPaperSize) paper_->SetItemIndex(paper_->Items()->Count() - 1);
        }
        orientation_ = Combo("方向:", 40);
        orientation_->Items()->Add("纵向");
        orientation_->Items()->Add("横向");
        orientation_->SetItemIndex(settings.dmOrientation == DMORIENT_LANDSCAPE ? 1 : 0);
        copies_ = TEdit::Create(form_.get());
        Place(copies_, "份数:", 70);
        copies_->SetText(IntToStr(settings.dmCopies > 0 ? settings.dmCopies : 1));
        color_ = TCheckBox::Create(form_.get());
        color_->SetParent(form_.get());
        color_->SetCaption("彩色打印");
        color_->SetBounds(80, 100, 200, 20);
        color_->SetChecked(settings.dmColor == DMCOLOR_COLOR);
        color_->SetEnabled(printer.Color);
        duplex_ = Combo("双面:", 130);
        for (const char* mode : {"单面", "长边翻转", "短边翻转"}) duplex_->Items()->Add(mode);
        duplex_->SetItemIndex(settings.dmDuplex == DMDUP_VERTICAL ? 1 : settings.dmDuplex == DMDUP_HORIZONTAL ? 2 : 0);
        duplex_->SetEnabled(printer.Duplex);
        Button("确定", mrOk, 120)->SetDefault(true);
        Button("取消", mrCancel, 205)->SetCancel(true);
    }

    bool Run() {
        ModalQuestion question{"PrinterProperties", form_->Caption(), Values(), 0, "TForm", {"确定", "取消"}};
        ModalAnswer answer;
        if (!TakeModalAnswer(question, &answer)) return form_->ShowModal() == mrOk;
        Apply(answer.text);
        return answer.result == mrOk;
    }

    void Store(DEVMODEA& settings) const {
        const int paper = paper_->ItemIndex();
        if (paper >= 0) settings.dmPaperSize = static_cast<short>(printer_.Papers[static_cast<std::size_t>(paper)].Code);
        settings.dmOrientation = orientation_->ItemIndex() == 1 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        settings.dmCopies = static_cast<short>(std::max(1, StrToIntDef(copies_->Text(), 1)));
        settings.dmColor = color_->Checked() ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
        settings.dmDuplex = kDuplexModes[std::max(0, duplex_->ItemIndex())];
        settings.dmFields |= DM_PAPERSIZE | DM_ORIENTATION | DM_COPIES | DM_COLOR | DM_DUPLEX;
    }

private:
    void Place(TControl* control, const char* caption, int top) {
        TLabel* label = TLabel::Create(form_.get());
        label->SetParent(form_.get());
        label->SetCaption(caption);
        label->SetBounds(10, top + 3, 60, 16);
        control->SetParent(form_.get());
        control->SetBounds(80, top, 200, 21);
    }

    TComboBox* Combo(const char* caption, int top) {
        TComboBox* combo = TComboBox::Create(form_.get());
        Place(combo, caption, top);
        combo->SetStyle(csDropDownList);
        return combo;
    }

    TButton* Button(const char* caption, int result, int left) {
        TButton* button = TButton::Create(form_.get());
        button->SetParent(form_.get());
        button->SetCaption(caption);
        button->SetModalResult(result);
        button->SetBounds(left, 165, 75, 25);
        return button;
    }

    AnsiString Values() const {
        return "Paper=" + IntToStr(paper_->ItemIndex()) + "\nOrientation=" + IntToStr(orientation_->ItemIndex()) +
               "\nCopies=" + copies_->Text() + "\nColor=" + (color_->Checked() ? "1" : "0") +
               "\nDuplex=" + IntToStr(duplex_->ItemIndex());
    }

    // The responder's "Name=value" lines, as a user would set the controls.
    void Apply(const AnsiString& text) {
        auto lines = std::unique_ptr<TStringList>(TStringList::Create());
        lines->SetText(text);
        auto index = [&](const char* name, TComboBox* combo) {
            if (lines->IndexOfName(name) >= 0) combo->SetItemIndex(StrToIntDef(lines->Values(name), combo->ItemIndex()));
        };
        index("Paper", paper_);
        index("Orientation", orientation_);
        index("Duplex", duplex_);
        if (lines->IndexOfName("Copies") >= 0) copies_->SetText(lines->Values("Copies"));
        if (lines->IndexOfName("Color") >= 0 && color_->Enabled()) color_->SetChecked(lines->Values("Color") == "1");
    }

    const PrinterDescription& printer_;
    std::unique_ptr<TForm> form_{TForm::Create(nullptr, 0)};
    TComboBox* paper_;
    TComboBox* orientation_;
    TEdit* copies_;
    TCheckBox* color_;
    TComboBox* duplex_;
};

}  // namespace

bool RunPrinterPropertiesDialog(const PrinterDescription& printer, DEVMODEA& settings) {
    PropertiesForm form(printer, settings);
    if (!form.Run()) return false;
    form.Store(settings);
    return true;
}

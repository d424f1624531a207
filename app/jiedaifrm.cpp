// The reception window: its controls mapped onto the reception workflow,
// the Enter chain, the drop-down lists and the price key filter.
#include "app/jiedaifrm.h"

#include "app/dm1frm.h"
#include "app/login.h"
#include "app/mainfrm.h"
#include "app/serviceorders.h"
#include "app/shanchujilufrm.h"
#include "platform/rtl/classregistry.h"
#include "platform/win/userinput.h"

SERVIORA_REGISTER_CLASS(Tjiedai);

namespace {

// The window's controls as the workflow sees them.
class ReceptionControls final : public TReceptionWindow {
public:
    explicit ReceptionControls(Tjiedai& form) : form_(form) {}

    HWND WindowHandle() override { return form_.Handle(); }
    AnsiString InputText(TReceptionInput input) override { return form_.Input(input)->Text(); }
    void SetInputText(TReceptionInput input, const AnsiString& text) override {
        TWinControl* control = form_.Input(input);
        if (auto* combo = dynamic_cast<TComboBox*>(control); combo && text.empty()) combo->Items()->Clear();
        control->SetText(text);
    }
    void FocusInput(TReceptionInput input) override { form_.Input(input)->SetFocus(); }
    AnsiString OrderNumber() override { return form_.Label21->Caption(); }
    void SetOrderNumber(const AnsiString& number) override { form_.Label21->SetCaption(number); }
    void SetVoucherTexts(const TVoucherTexts& texts) override {
        form_.Edit5->SetText(texts.Title);
        form_.Edit6->SetText(texts.Footer);
    }
    void BuildAndPreviewVoucher() override { form_.QmReport1->BuildAndPreview(); }

private:
    Tjiedai& form_;
};

}  // namespace

TWinControl* Tjiedai::Input(TReceptionInput input) const {
    TWinControl* const inputs[kReceptionInputCount] = {Edit1, ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5,
                                                       Edit2, Edit3,     Edit4,     ComboBox6, ComboBox7, Memo1};
    return inputs[input];
}

int Tjiedai::InputOf(TObject* control) const {
    for (int input = 0; input < kReceptionInputCount; ++input)
        if (Input(static_cast<TReceptionInput>(input)) == control) return input;
    return -1;
}

void Tjiedai::FormCreate(TObject*) {
    SetLeft(150);
    SetTop(0);
}

void Tjiedai::FormShow(TObject*) {
    ReceptionControls controls(*this);
    ResetReception(*DM1, controls);
}

void Tjiedai::FormActivate(TObject*) {
    ReceptionControls controls(*this);
    ShowNextOrderNumber(*DM1, controls);
}

void Tjiedai::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tjiedai::BitBtn1Click(TObject*) {
    ReceptionControls controls(*this);
    SaveReception(*DM1, controls, SettingsFileName(), loginform->CurrentOperatorId);
}

// The deletion may have freed the number shown.
void Tjiedai::BitBtn2Click(TObject*) {
    shanchujilu->ShowModal();
    ReceptionControls controls(*this);
    ShowNextOrderNumber(*DM1, controls);
}

void Tjiedai::BitBtn4Click(TObject*) { Close(); }

void Tjiedai::SpeedButton1Click(TObject*) {
    ReceptionControls controls(*this);
    ReprintVoucher(*DM1, controls, SettingsFileName());
}

void Tjiedai::ComboBoxDropDown(TObject* Sender) {
    const int input = InputOf(Sender);
    auto* combo = dynamic_cast<TComboBox*>(Sender);
    const char* column = input < 0 ? nullptr : DistinctColumn(static_cast<TReceptionInput>(input));
    if (combo && column) FillDistinctList(DM1->ADOall, combo->Items(), column);
}

void Tjiedai::InputKeyDown(TObject* Sender, Word& Key, TShiftState) {
    const int input = InputOf(Sender);
    if (Key != VK_RETURN || input < 0) return;
    if (input + 1 < kReceptionInputCount)
        Input(static_cast<TReceptionInput>(input + 1))->SetFocus();
    else
        BitBtn1->SetFocus();
    // Used up: no character follows, so the remark gets no line break.
    Key = 0;
}

void Tjiedai::Edit2KeyPress(TObject*, char& Key) { FilterPriceKey(Key); }

void Tjiedai::Published(TPublished<Tjiedai>& p) {
    p.Field("GroupBox1", &Tjiedai::GroupBox1);
    p.Field("Label1", &Tjiedai::Label1);
    p.Field("Label2", &Tjiedai::Label2);
    p.Field("Label3", &Tjiedai::Label3);
    p.Field("Label4", &Tjiedai::Label4);
    p.Field("Label5", &Tjiedai::Label5);
    p.Field("Label6", &Tjiedai::Label6);
    p.Field("Label7", &Tjiedai::Label7);
    p.Field("Label8", &Tjiedai::Label8);
    p.Field("Label9", &Tjiedai::Label9);
    p.Field("Label10", &Tjiedai::Label10);
    p.Field("Label11", &Tjiedai::Label11);
    p.Field("Label12", &Tjiedai::Label12);
    p.Field("Label13", &Tjiedai::Label13);
    p.Field("Label21", &Tjiedai::Label21);
    p.Field("Edit1", &Tjiedai::Edit1);
    p.Field("ComboBox1", &Tjiedai::ComboBox1);
    p.Field("ComboBox2", &Tjiedai::ComboBox2);
    p.Field("ComboBox3", &Tjiedai::ComboBox3);
    p.Field("ComboBox4", &Tjiedai::ComboBox4);
    p.Field("ComboBox5", &Tjiedai::ComboBox5);
    p.Field("Edit2", &Tjiedai::Edit2);
    p.Field("Edit3", &Tjiedai::Edit3);
    p.Field("Edit4", &Tjiedai::Edit4);
    p.Field("ComboBox6", &Tjiedai::ComboBox6);
    p.Field("ComboBox7", &Tjiedai::ComboBox7);
    p.Field("Memo1", &Tjiedai::Memo1);
    p.Field("Edit5", &Tjiedai::Edit5);
    p.Field("Edit6", &Tjiedai::Edit6);
    p.Field("BitBtn1", &Tjiedai::BitBtn1);
    p.Field("BitBtn2", &Tjiedai::BitBtn2);
    p.Field("BitBtn4", &Tjiedai::BitBtn4);
    p.Field("SpeedButton1", &Tjiedai::SpeedButton1);
    p.Field("QmDBDataSet1", &Tjiedai::QmDBDataSet1);
    p.Field("QmReport1", &Tjiedai::QmReport1);
    p.Field("QmXLSExport1", &Tjiedai::QmXLSExport1);
    p.Method("FormCreate", &Tjiedai::FormCreate);
    p.Method("FormShow", &Tjiedai::FormShow);
    p.Method("FormActivate", &Tjiedai::FormActivate);
    p.Method("FormClose", &Tjiedai::FormClose);
    p.Method("BitBtn1Click", &Tjiedai::BitBtn1Click);
    p.Method("BitBtn2Click", &Tjiedai::BitBtn2Click);
    p.Method("BitBtn4Click", &Tjiedai::BitBtn4Click);
    p.Method("SpeedButton1Click", &Tjiedai::SpeedButton1Click);
    for (const char* name : {"ComboBox1DropDown", "ComboBox2DropDown", "ComboBox3DropDown", "ComboBox4DropDown",
                             "ComboBox5DropDown", "ComboBox6DropDown", "ComboBox7DropDown"})
        p.Method(name, &Tjiedai::ComboBoxDropDown);
    for (const char* name : {"Edit1KeyDown", "ComboBox1KeyDown", "ComboBox2KeyDown", "ComboBox3KeyDown",
                             "ComboBox4KeyDown", "ComboBox5KeyDown", "Edit2KeyDown", "Edit3KeyDown", "Edit4KeyDown",
                             "ComboBox6KeyDown", "ComboBox7KeyDown", "Memo1KeyDown"})
        p.Method(name, &Tjiedai::InputKeyDown);
    p.Method("Edit2KeyPress", &Tjiedai::Edit2KeyPress);
}

// The spreadsheet export's options dialog: its texts, its handlers and the
// settings it exchanges with the filter.
#include "report/ui/qm_e_xlsform.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_e_xls.h"
#include "report/ui/qm_formfont.h"

SERVIORA_REGISTER_CLASS(TQmXLSExportForm);

void TQmXLSExportForm::FormCreate(TObject*) {
    ApplyReportFont(Font());
    const AnsiString caption = LoadReportString(46779);
    if (!caption.empty()) SetCaption(caption);
    const std::pair<TObject*, int> texts[] = {
        {Label1, 45378},          {GroupBox1, 45044},       {rdbPrintAll, 45045},         {rbdPrintCurPage, 45046},
        {rbdPrintPages, 45047},   {Label2, 45048},          {GroupBox2, 45379},           {Label3, 45382},
        {chkExportImages, 46821}, {chkExportFrames, 46803}, {chkShowAfterGenerate, 45380}, {lblExportImageFormat, 46816},
        {lblJPEGQuality, 46814},  {Label4, 46788},
    };
    for (const auto& [control, id] : texts) LocalizeControlText(control, "Caption", id);
    btnOK->SetCaption(LoadReportString(47000));
    btnCancel->SetCaption(LoadReportString(47001));
    cmbImageFormat->Items()->Clear();
    cmbImageFormat->Items()->AddObject(QmEFImageFormatNames[ifJPG], reinterpret_cast<TObject*>(std::intptr_t(ifJPG)));
    cmbImageFormat->Items()->AddObject(QmEFImageFormatNames[ifBMP], reinterpret_cast<TObject*>(std::intptr_t(ifBMP)));
    cmbImageFormat->SetItemIndex(0);
}

void TQmXLSExportForm::LoadFrom(TQmXLSExport* filter) {
    edtExportFileName->SetText(filter->FileName);
    chkExportFrames->SetChecked(filter->ExportFrames());
    chkShowAfterGenerate->SetChecked(filter->ShowAfterExport());
    chkExportImages->SetChecked(filter->ExportImages());
    UpDown2->SetPosition(filter->PagesOfSheet());
    cmbPixelFormat->SetItemIndex(int(filter->PixelFormat()));
    cmbImageFormat->SetItemIndex(
        cmbImageFormat->Items()->IndexOfObject(reinterpret_cast<TObject*>(std::intptr_t(filter->ExportImageFormat()))));
    UpDown1->SetPosition(filter->JPEGQuality());
    chkExportImagesClick(nullptr);
}

void TQmXLSExportForm::StoreInto(TQmXLSExport* filter) const {
    filter->FileName = edtExportFileName->Text();
    filter->SetExportFrames(chkExportFrames->Checked());
    filter->SetExportPages(PageSelection());
    filter->SetShowAfterExport(chkShowAfterGenerate->Checked());
    filter->SetPagesOfSheet(std::clamp(UpDown2->Position(), 1, 100));
    filter->SetExportImages(chkExportImages->Checked());
    if (!filter->ExportImages()) return;
    filter->SetPixelFormat(TPixelFormat(std::max(cmbPixelFormat->ItemIndex(), 0)));
    const int format = cmbImageFormat->ItemIndex();
    if (format >= 0)
        filter->SetExportImageFormat(
            TQmEFImageFormat(reinterpret_cast<std::intptr_t>(cmbImageFormat->Items()->Objects(format))));
    filter->SetJPEGQuality(std::clamp(StrToIntDef(edJPEGQuality->Text(), filter->JPEGQuality()), 1, 100));
}

AnsiString TQmXLSExportForm::PageSelection() const {
    if (rbdPrintCurPage->Checked()) return "CURPAGE";
    if (rbdPrintPages->Checked()) return edtPages->Text();
    return "";
}

void TQmXLSExportForm::btnFileNameClick(TObject*) {
    SaveDialog->SetFileName(edtExportFileName->Text());
    if (SaveDialog->Execute()) edtExportFileName->SetText(SaveDialog->FileName());
}

void TQmXLSExportForm::FormCloseQuery(TObject*, bool& CanClose) {
    if (ModalResult() != mrOk) return;
    if (Trim(edtExportFileName->Text()).empty()) {
        CanClose = false;
        return;
    }
    if (!rbdPrintPages->Checked()) return;
    AnsiString pages = edtPages->Text();
    CanClose = CheckPageListText(pages);
    edtPages->SetText(pages);
    if (!CanClose && edtPages->CanFocus()) edtPages->SetFocus();
}

void TQmXLSExportForm::rbdPrintPagesClick(TObject*) {
    if (edtPages->CanFocus()) edtPages->SetFocus();
}

void TQmXLSExportForm::edtPagesEnter(TObject*) { rbdPrintPages->SetChecked(true); }

void TQmXLSExportForm::chkExportImagesClick(TObject*) {
    SetChildControlsEnabled(gbExportImages, chkExportImages->Checked());
    cmbImageFormatChange(nullptr);
}

void TQmXLSExportForm::cmbImageFormatChange(TObject*) {
    const bool jpeg = chkExportImages->Checked() && cmbImageFormat->Text() == QmEFImageFormatNames[ifJPG];
    lblJPEGQuality->SetEnabled(jpeg);
    edJPEGQuality->SetEnabled(jpeg);
    UpDown1->SetEnabled(jpeg);
    edJPEGQuality->SetColor(jpeg ? clWindow : clInactiveBorder);
}

void TQmXLSExportForm::DigitsKeyPress(TObject*, char& Key) {
    if (Key != '\b' && (Key < '0' || Key > '9')) Key = 0;
}

void TQmXLSExportForm::Published(TPublished<TQmXLSExportForm>& p) {
    p.Field("Label1", &TQmXLSExportForm::Label1);
    p.Field("edtExportFileName", &TQmXLSExportForm::edtExportFileName);
    p.Field("btnFileName", &TQmXLSExportForm::btnFileName);
    p.Field("btnOK", &TQmXLSExportForm::btnOK);
    p.Field("btnCancel", &TQmXLSExportForm::btnCancel);
    p.Field("GroupBox1", &TQmXLSExportForm::GroupBox1);
    p.Field("rdbPrintAll", &TQmXLSExportForm::rdbPrintAll);
    p.Field("rbdPrintCurPage", &TQmXLSExportForm::rbdPrintCurPage);
    p.Field("rbdPrintPages", &TQmXLSExportForm::rbdPrintPages);
    p.Field("edtPages", &TQmXLSExportForm::edtPages);
    p.Field("Label2", &TQmXLSExportForm::Label2);
    p.Field("GroupBox2", &TQmXLSExportForm::GroupBox2);
    p.Field("Label3", &TQmXLSExportForm::Label3);
    p.Field("edPages", &TQmXLSExportForm::edPages);
    p.Field("UpDown2", &TQmXLSExportForm::UpDown2);
    p.Field("chkExportImages", &TQmXLSExportForm::chkExportImages);
    p.Field("chkExportFrames", &TQmXLSExportForm::chkExportFrames);
    p.Field("chkShowAfterGenerate", &TQmXLSExportForm::chkShowAfterGenerate);
    p.Field("gbExportImages", &TQmXLSExportForm::gbExportImages);
    p.Field("lblExportImageFormat", &TQmXLSExportForm::lblExportImageFormat);
    p.Field("cmbImageFormat", &TQmXLSExportForm::cmbImageFormat);
    p.Field("lblJPEGQuality", &TQmXLSExportForm::lblJPEGQuality);
    p.Field("edJPEGQuality", &TQmXLSExportForm::edJPEGQuality);
    p.Field("UpDown1", &TQmXLSExportForm::UpDown1);
    p.Field("Label4", &TQmXLSExportForm::Label4);
    p.Field("cmbPixelFormat", &TQmXLSExportForm::cmbPixelFormat);
    p.Field("SaveDialog", &TQmXLSExportForm::SaveDialog);
    p.Method("FormCreate", &TQmXLSExportForm::FormCreate);
    p.Method("btnFileNameClick", &TQmXLSExportForm::btnFileNameClick);
    p.Method("FormCloseQuery", &TQmXLSExportForm::FormCloseQuery);
    p.Method("rbdPrintPagesClick", &TQmXLSExportForm::rbdPrintPagesClick);
    p.Method("edtPagesEnter", &TQmXLSExportForm::edtPagesEnter);
    p.Method("chkExportImagesClick", &TQmXLSExportForm::chkExportImagesClick);
    p.Method("cmbImageFormatChange", &TQmXLSExportForm::cmbImageFormatChange);
    p.Method("DigitsKeyPress", &TQmXLSExportForm::DigitsKeyPress);
}

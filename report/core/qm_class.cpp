// The report component's construction, references, printer, script
// names and published tables; the saved-print-settings options; the
// export filter base.
#include "report/core/qm_class.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/thread.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_reportwindows.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_fm.h"

SERVIORA_REGISTER_CLASS(TQmReport);

void TQmSaveReportOptions::Assign(TPersistent* source) {
    if (auto* options = dynamic_cast<TQmSaveReportOptions*>(source)) {
        autoLoadSaveSetting_ = options->autoLoadSaveSetting_;
        useRegistry_ = options->useRegistry_;
        iniFileName_ = options->iniFileName_;
        registryPath_ = options->registryPath_;
        return;
    }
    TPersistent::Assign(source);
}

void TQmSaveReportOptions::Published(TPublished<TQmSaveReportOptions>& p) {
    p.Property("AutoLoadSaveSetting", &TQmSaveReportOptions::AutoLoadSaveSetting,
               &TQmSaveReportOptions::SetAutoLoadSaveSetting)
        .Default(false);
    p.Property("UseRegistry", &TQmSaveReportOptions::UseRegistry, &TQmSaveReportOptions::SetUseRegistry).Default(true);
    p.Property("IniFileName", &TQmSaveReportOptions::IniFileName, &TQmSaveReportOptions::SetIniFileName);
    p.Property("RegistryPath", &TQmSaveReportOptions::RegistryPath, &TQmSaveReportOptions::SetRegistryPath);
}

TQmReport::TQmReport(TComponent* owner)
    : TQmCustomReport(owner),
      FileName(LoadReportString(qmsUntitled)),
      pages_(std::make_unique<TQmPages>(this)),
      dictionary_(std::make_unique<TQmDictionary>(this)),
      script_(TStringList::Create()),
      variables_(TQmVariables::Create()),
      saveReportOptions_(TQmSaveReportOptions::Create(this)),
      previewOptions_(TQmPreviewOptions::Create()) {
    parser_.reset(TQmParser::Create());
    parser_->SetOwner(this);
    parser_->SetOnGetValue(TQmGetValueEvent([this](const AnsiString& name, Variant& value) { GetValue(name, value); }));
    parser_->SetOnFunction(TQmFunctionEvent(
        [this](const AnsiString& name, const TQmArguments& arguments, Variant& value, bool& handled) {
            handled = CallFunction(name, arguments, value);
        }));
    endPages_ = std::make_unique<TQmEndPages>(this);
    if (!QmDialogForm()) StartReportUnit();
    CreateInterpreter();
    DialogForm = QmDialogForm();
    DialogForm->FreeNotification(this);
}

TQmReport::~TQmReport() {
    if (preview_) preview_->Disconnect();
    SetPreview(nullptr);
    SetDataset(nullptr);
    SetDataDictionary(nullptr);
    Clear();
}

void TQmReport::Clear() {
    pages_->Clear();
    dictionary_->Clear();
    script_->Clear();
    DoublePass = false;
}

TQmView* TQmReport::FindObject(const AnsiString& name) const {
    for (int i = 0; i < pages_->GetCount(); ++i)
        if (TQmView* view = pages_->GetPage(i)->FindObject(name)) return view;
    return nullptr;
}

TQmPrinter* TQmReport::GetPrinter() {
    if (!privatePrinter_ && IsMultiThread && !Designing) {
        privatePrinter_.reset(TQmPrinter::Create());
        privatePrinter_->SetPrinterIndex(std::max(PrinterIndexOf(printerName_), 0));
        privatePrinter_->ReadDeviceSettings();
    }
    return privatePrinter_ ? privatePrinter_.get() : GlobalPrinter();
}

int TQmReport::PrinterIndexOf(const AnsiString& name) {
    if (name.empty() || name == "Default Printer") return 0;
    if (name == "Virtual Printer") return 1;
    const int found = GlobalPrinterList()->Printers()->IndexOf(name);
    return found > 1 ? found : -1;
}

void TQmReport::SetPrinterName(const AnsiString& name) {
    printerName_ = name;
    GetPrinter()->SetPrinterIndex(std::max(PrinterIndexOf(name), 0));
}

void TQmReport::RefitPages() {
    for (int i = 0; i < pages_->GetCount(); ++i)
        if (auto* page = dynamic_cast<TQmReportPage*>(pages_->GetPage(i)))
            page->ChangePaper(page->PaperSize, page->PaperWidth, page->PaperHeight, page->Bin, page->Orientation);
}

bool TQmReport::ChangePrinter(int oldIndex, int newIndex) {
    TQmPrinter* printer = GetPrinter();
    try {
        printer->SetPrinterIndex(newIndex);
        printerName_ = GlobalPrinterList()->Printers()->Strings(newIndex);
        printer->PaperSize = -1;
        RefitPages();
        return true;
    } catch (const Exception&) {
        MessageBox(0, LoadReportString(qmsPrinterError).c_str(), LoadReportString(qmsErrorCaption).c_str(),
                   MB_ICONERROR);
        printer->SetPrinterIndex(oldIndex);
        printer->PaperSize = -1;
        RefitPages();
        return false;
    }
}

Integer TQmReport::GetspPrintOffset(int index) const {
    return static_cast<Integer>(
        Round(FromInternalUnits(index == 0 ? PrintOffsetLeft : PrintOffsetTop, qmutScreenPixels)));
}

void TQmReport::SetspPrintOffset(int index, Integer value) {
    (index == 0 ? PrintOffsetLeft : PrintOffsetTop) = ToInternalUnits(qmutScreenPixels, value);
}

bool TQmReport::GetReportFlag(int bit) const { return (bit == 0 || bit == 1) && (ReportFlags >> bit & 1) != 0; }

void TQmReport::SetReportFlag(int bit, bool value) {
    if (bit != 0 && bit != 1) return;
    ReportFlags = value ? Word(ReportFlags | 1 << bit) : Word(ReportFlags & ~(1 << bit));
}

bool TQmReport::GetPropValue(TObject* object, const AnsiString& name, Variant& value,
                             const std::vector<Variant>& arguments) {
    const AnsiString upper = UpperCase(name);
    if (upper == "APPENDBLANKING") value = AppendBlanking;
    else if (upper == "SPPRINTOFFSETLEFT") value = GetspPrintOffset(0);
    else if (upper == "SPPRINTOFFSETTOP") value = GetspPrintOffset(1);
    else return TQmCustomReport::GetPropValue(object, name, value, arguments);
    return true;
}

bool TQmReport::SetPropValue(TObject* object, const AnsiString& name, const Variant& value) {
    const AnsiString upper = UpperCase(name);
    if (upper == "SPPRINTOFFSETLEFT") SetspPrintOffset(0, value.AsInteger());
    else if (upper == "SPPRINTOFFSETTOP") SetspPrintOffset(1, value.AsInteger());
    else return TQmCustomReport::SetPropValue(object, name, value);
    return true;
}

TCanvas* TQmReport::MeasuringCanvas() {
    if (!measuringBitmap_) {
        measuringBitmap_.reset(TBitmap::Create());
        measuringBitmap_->SetSize(8, 8);
    }
    return measuringBitmap_->Canvas();
}

void TQmReport::SetDataset(TQmDataset* v) {
    if (v == dataset_) return;
    if (dataset_) dataset_->RemoveFreeNotification(this);
    dataset_ = v;
    if (dataset_) dataset_->FreeNotification(this);
}

void TQmReport::SetDataDictionary(TQmDataDictionary* v) {
    if (v == dataDictionary_) return;
    if (dataDictionary_) dataDictionary_->RemoveFreeNotification(this);
    dataDictionary_ = v;
    if (dataDictionary_) dataDictionary_->FreeNotification(this);
}

void TQmReport::SetPreview(TQmCustomPreview* v) {
    if (v == preview_) return;
    if (preview_) preview_->RemoveFreeNotification(this);
    preview_ = v;
    if (preview_) preview_->FreeNotification(this);
}

void TQmReport::Notification(TComponent* component, TOperation operation) {
    TQmCustomReport::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == dataset_) dataset_ = nullptr;
    if (component == dataDictionary_) dataDictionary_ = nullptr;
    if (component == preview_) preview_ = nullptr;
    if (component == DialogForm) DialogForm = nullptr;
}

namespace {

// Publishes an event field of the report.
template <auto Field>
void PublishEvent(TPublished<TQmReport>& p, const char* name) {
    using Event = std::remove_cvref_t<decltype(std::declval<TQmReport&>().*Field)>;
    p.Property(name, [](const TQmReport* r) { return r->*Field; }, [](TQmReport* r, Event v) { r->*Field = std::move(v); });
}

}  // namespace

void TQmReport::Published(TPublished<TQmReport>& p) {
    p.Property("DataDictionary", &TQmReport::DataDictionary, &TQmReport::SetDataDictionary);
    p.Property("ModifyPrepared", &TQmReport::ModifyPrepared, &TQmReport::SetModifyPrepared).Default(false);
    p.Property("InitialZoom", &TQmReport::InitialZoom, &TQmReport::SetInitialZoom);
    p.Property("PreviewButtons", &TQmReport::PreviewButtons, &TQmReport::SetPreviewButtons);
    p.Property("ModalPreview", &TQmReport::ModalPreview, &TQmReport::SetModalPreview).Default(true);
    p.Property("MDIPreview", &TQmReport::MDIPreview, &TQmReport::SetMDIPreview).Default(false);
    p.Property("ShowProgress", &TQmReport::ShowProgress, &TQmReport::SetShowProgress).Default(true);
    p.Property("PreviewInitialDir", &TQmReport::PreviewInitialDir, &TQmReport::SetPreviewInitialDir);
    p.Property("DefaultCopies", &TQmReport::DefaultCopies, &TQmReport::SetDefaultCopies).Default(1);
    p.Property("DefaultCollate", &TQmReport::DefaultCollate, &TQmReport::SetDefaultCollate).Default(true);
    p.Property("ShowPrintDialog", &TQmReport::ShowPrintDialog, &TQmReport::SetShowPrintDialog).Default(true);
    p.Property("SaveReportOptions", &TQmReport::SaveReportOptions, &TQmReport::SetSaveReportOptions);
    p.Property("Preview", &TQmReport::Preview, &TQmReport::SetPreview);
    p.Property("PreviewOptions", &TQmReport::PreviewOptions, &TQmReport::SetPreviewOptions);
    p.Property("Dataset", &TQmReport::Dataset, &TQmReport::SetDataset);
    p.Property("StoreInDFM", &TQmReport::StoreInDFM, &TQmReport::SetStoreInDFM).Default(false);
    p.Property("ReportType", &TQmReport::ReportType, &TQmReport::SetReportType).Default(qmrtSimple);
    p.Property("CompressLevel", &TQmReport::CompressLevel, &TQmReport::SetCompressLevel);
    p.Property("CompressThread", &TQmReport::CompressThread, &TQmReport::SetCompressThread);
    PublishEvent<&TQmReport::OnBeginPage>(p, "OnBeginPage");
    PublishEvent<&TQmReport::OnEndPage>(p, "OnEndPage");
    PublishEvent<&TQmReport::OnBeginDoc>(p, "OnBeginDoc");
    PublishEvent<&TQmReport::OnEndDoc>(p, "OnEndDoc");
    PublishEvent<&TQmReport::OnProgress>(p, "OnProgress");
    PublishEvent<&TQmReport::OnUserFunction>(p, "OnUserFunction");
    PublishEvent<&TQmReport::OnGetValue>(p, "OnGetValue");
    PublishEvent<&TQmReport::OnLoadReportSetting>(p, "OnLoadReportSetting");
    PublishEvent<&TQmReport::OnSaveReportSetting>(p, "OnSaveReportSetting");
    PublishEvent<&TQmReport::OnPrintReportEvent>(p, "OnPrintReportEvent");
    PublishEvent<&TQmReport::OnEndPrintPage>(p, "OnEndPrintPage");
    PublishEvent<&TQmReport::OnBeforePrint>(p, "OnBeforePrint");
    PublishEvent<&TQmReport::OnAfterPrint>(p, "OnAfterPrint");
    PublishEvent<&TQmReport::OnBeginBand>(p, "OnBeginBand");
    PublishEvent<&TQmReport::OnEndBand>(p, "OnEndBand");
    PublishEvent<&TQmReport::OnManualBuild>(p, "OnManualBuild");
    PublishEvent<&TQmReport::OnBeginColumn>(p, "OnBeginColumn");
    PublishEvent<&TQmReport::OnPrintColumn>(p, "OnPrintColumn");
    PublishEvent<&TQmReport::OnBeforePrintBand>(p, "OnBeforePrintBand");
    PublishEvent<&TQmReport::OnScriptBeginReport>(p, "OnScriptBeginReport");
    PublishEvent<&TQmReport::OnScriptEndReport>(p, "OnScriptEndReport");
    PublishEvent<&TQmReport::OnScriptGetValue>(p, "OnScriptGetValue");
    PublishEvent<&TQmReport::OnScriptSetValue>(p, "OnScriptSetValue");
    PublishEvent<&TQmReport::OnObjectClick>(p, "OnObjectClick");
}

void TQmExportFilter::Published(TPublished<TQmExportFilter>& p) {
    p.Property("ShowDialog", &TQmExportFilter::ShowDialog, &TQmExportFilter::SetShowDialog);
    p.Property(
        "OnBeforeExport", [](const TQmExportFilter* f) { return f->OnBeforeExport; },
        [](TQmExportFilter* f, TQmBeforeExportEvent v) { f->OnBeforeExport = std::move(v); });
    p.Property(
        "OnAfterExport", [](const TQmExportFilter* f) { return f->OnAfterExport; },
        [](TQmExportFilter* f, TQmAfterExportEvent v) { f->OnAfterExport = std::move(v); });
}

// The report component's construction, references, "ReportData" streaming
// and published tables; the saved-print-settings options; the export
// filter base.
#include "report/core/qm_class.h"

#include <cstdint>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/streams.h"
#include "platform/ui/graphic.h"

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
      saveReportOptions_(TQmSaveReportOptions::Create(this)),
      previewOptions_(TQmPreviewOptions::Create()) {
    parser_.reset(TQmParser::Create());
    parser_->SetOwner(this);
}

TQmReport::~TQmReport() { SetDataset(nullptr); }

TCanvas* TQmReport::MeasuringCanvas() {
    if (!measuringBitmap_) {
        measuringBitmap_.reset(TBitmap::Create());
        measuringBitmap_->SetSize(8, 8);
    }
    return measuringBitmap_->Canvas();
}

void TQmReport::BuildAndPreview() {}

void TQmReport::SetDataset(TQmDataset* v) {
    if (v == dataset_) return;
    if (dataset_) dataset_->RemoveFreeNotification(this);
    dataset_ = v;
    if (dataset_) dataset_->FreeNotification(this);
}

void TQmReport::Notification(TComponent* component, TOperation operation) {
    TQmCustomReport::Notification(component, operation);
    if (operation == opRemove && component == dataset_) dataset_ = nullptr;
}

void TQmReport::DefineProperties(TFiler* filer) {
    TQmCustomReport::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "ReportData", [this](TStream* s) { ReadReportData(s); }, [this](TStream* s) { WriteReportData(s); }, true);
}

void TQmReport::ReadReportData(TStream* stream) {
    if (!storeInDFM_) return;
    unsigned char length[4];
    stream->ReadBuffer(length, 4);
    const std::uint32_t size = length[0] | length[1] << 8 | length[2] << 16 | std::uint32_t(length[3]) << 24;
    std::string bytes(size, '\0');
    stream->ReadBuffer(bytes.data(), Integer(size));
    templateData_ = std::move(bytes);
}

void TQmReport::WriteReportData(TStream* stream) {
    if (!storeInDFM_) return;
    const auto size = std::uint32_t(templateData_.size());
    const unsigned char length[4] = {static_cast<unsigned char>(size), static_cast<unsigned char>(size >> 8),
                                     static_cast<unsigned char>(size >> 16), static_cast<unsigned char>(size >> 24)};
    stream->WriteBuffer(length, 4);
    stream->WriteBuffer(templateData_.data(), Integer(size));
}

void TQmReport::Published(TPublished<TQmReport>& p) {
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
    p.Property("PreviewOptions", &TQmReport::PreviewOptions, &TQmReport::SetPreviewOptions);
    p.Property("Dataset", &TQmReport::Dataset, &TQmReport::SetDataset);
    p.Property("StoreInDFM", &TQmReport::StoreInDFM, &TQmReport::SetStoreInDFM).Default(false);
    p.Property("ReportType", &TQmReport::ReportType, &TQmReport::SetReportType).Default(qmrtSimple);
    p.Property("CompressLevel", &TQmReport::CompressLevel, &TQmReport::SetCompressLevel);
    p.Property("CompressThread", &TQmReport::CompressThread, &TQmReport::SetCompressThread);
}

void TQmExportFilter::Published(TPublished<TQmExportFilter>& p) {
    p.Property("ShowDialog", &TQmExportFilter::ShowDialog, &TQmExportFilter::SetShowDialog);
}

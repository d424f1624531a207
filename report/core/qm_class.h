// Qm_Class: the report component an application places on a form, its
// saved-print-settings options and the export filter base. The template
// arrives from the form description as the binary property "ReportData"
// and is held as bytes until the template reader takes it over.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "report/core/qm_dataset.h"

SERVIORA_ENUM(TQmPreviewZoom, pzDefault, pzPageWidth, pzOnePage, pzTwoPages)
SERVIORA_ENUM(TQmPreviewButton, pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbPageSetup, pbExit, pbDesign, pbSaveToXLS)
using TQmPreviewButtons = TSet<TQmPreviewButton>;
SERVIORA_ENUM(TQmCompressionLevel, qmzcNone, qmzcFastest, qmzcDefault, qmzcMax)
SERVIORA_ENUM(TQmReportType, qmrtSimple, qmrtMultiple)

class TQmReport;
class TQmView;
class TQmReportView;
class TBitmap;
class TCustomForm;
class TQmExportFilter;

SERVIORA_EVENT_TYPE(TQmBeforePrintEvent, void(TStrings* Memo, TQmReportView* View));
SERVIORA_EVENT_TYPE(TQmAfterPrintEvent, void(TQmReportView* View));

// Whether and where a report's print settings outlive the run.
class TQmSaveReportOptions : public TPersistent {
    SERVIORA_CLASS(TQmSaveReportOptions, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TQmSaveReportOptions(TQmReport* report = nullptr) : report_(report) {}

    void Assign(TPersistent* source) override;

    TQmReport* Report() const { return report_; }
    bool AutoLoadSaveSetting() const { return autoLoadSaveSetting_; }
    void SetAutoLoadSaveSetting(bool v) { autoLoadSaveSetting_ = v; }
    bool UseRegistry() const { return useRegistry_; }
    void SetUseRegistry(bool v) { useRegistry_ = v; }
    const AnsiString& IniFileName() const { return iniFileName_; }
    void SetIniFileName(const AnsiString& v) { iniFileName_ = v; }
    const AnsiString& RegistryPath() const { return registryPath_; }
    void SetRegistryPath(const AnsiString& v) { registryPath_ = v; }

private:
    TQmReport* report_;
    bool autoLoadSaveSetting_ = false;
    bool useRegistry_ = true;
    AnsiString iniFileName_;
    AnsiString registryPath_ = "Tamberquistor\\ReportSettings\\";
};

class TQmReport : public TQmCustomReport {
    SERVIORA_CLASS(TQmReport, TQmCustomReport)
    SERVIORA_PUBLISHED
public:
    explicit TQmReport(TComponent* owner);
    ~TQmReport() override;

    // Builds the prepared pages from the template and previews them. The
    // engine that builds pages is not part of this version: the call
    // prepares nothing, shows nothing and returns; it never raises.
    void BuildAndPreview();

    // The template bytes as the form description carried them ("ReportData"
    // without its length word); empty when none was streamed.
    const std::string& TemplateData() const { return templateData_; }
    void SetTemplateData(std::string bytes) { templateData_ = std::move(bytes); }

    bool ModifyPrepared() const { return modifyPrepared_; }
    void SetModifyPrepared(bool v) { modifyPrepared_ = v; }
    TQmPreviewZoom InitialZoom() const { return initialZoom_; }
    void SetInitialZoom(TQmPreviewZoom v) { initialZoom_ = v; }
    TQmPreviewButtons PreviewButtons() const { return previewButtons_; }
    void SetPreviewButtons(TQmPreviewButtons v) { previewButtons_ = v; }
    bool ModalPreview() const { return modalPreview_; }
    void SetModalPreview(bool v) { modalPreview_ = v; }
    bool MDIPreview() const { return mdiPreview_; }
    void SetMDIPreview(bool v) { mdiPreview_ = v; }
    bool ShowProgress() const { return showProgress_; }
    void SetShowProgress(bool v) { showProgress_ = v; }
    const AnsiString& PreviewInitialDir() const { return previewInitialDir_; }
    void SetPreviewInitialDir(const AnsiString& v) { previewInitialDir_ = v; }
    Integer DefaultCopies() const { return defaultCopies_; }
    void SetDefaultCopies(Integer v) { defaultCopies_ = v; }
    bool DefaultCollate() const { return defaultCollate_; }
    void SetDefaultCollate(bool v) { defaultCollate_ = v; }
    bool ShowPrintDialog() const { return showPrintDialog_; }
    void SetShowPrintDialog(bool v) { showPrintDialog_ = v; }
    // Owned objects; the setters copy.
    TQmSaveReportOptions* SaveReportOptions() const { return saveReportOptions_.get(); }
    void SetSaveReportOptions(TQmSaveReportOptions* v) { saveReportOptions_->Assign(v); }
    TQmPreviewOptions* PreviewOptions() const { return previewOptions_.get(); }
    void SetPreviewOptions(TQmPreviewOptions* v) { previewOptions_->Assign(v); }
    // The report's main data source (not owned; cleared when it goes away).
    TQmDataset* Dataset() const { return dataset_; }
    void SetDataset(TQmDataset* v);
    bool StoreInDFM() const { return storeInDFM_; }
    void SetStoreInDFM(bool v) { storeInDFM_ = v; }
    TQmReportType ReportType() const { return reportType_; }
    void SetReportType(TQmReportType v) { reportType_ = v; }
    TQmCompressionLevel CompressLevel() const { return compressLevel_; }
    void SetCompressLevel(TQmCompressionLevel v) { compressLevel_ = v; }
    bool CompressThread() const { return compressThread_; }
    void SetCompressThread(bool v) { compressThread_ = v; }
    // Whether Null field values reach expressions as empty values (a
    // template switch; templates older than version 57 leave it on).
    bool ConvertNulls() const { return convertNulls_; }
    void SetConvertNulls(bool v) { convertNulls_ = v; }

    // The state report objects read while they are built, printed and
    // drawn. DrawMode: 0 designing; 1 a prepared page at scale 100 on its
    // own paper; 2 building, previewing, exporting, or a page scaled or on
    // another paper; 3 printed.
    Byte DrawMode = 2;
    // On only while a designer edits the report; none registers here.
    bool Designing = false;
    // Set while a data band prints the blank rows that fill a page: objects
    // print without values.
    bool Measuring = false;
    bool AppendBlanking = false;
    // Set while an object's bracketed expressions are expanded.
    bool Expanding = false;
    // Set while prepared pages are built from the template; a double-pass
    // build's last pass is its final one.
    bool Building = false;
    bool DoublePass = false;
    bool FinalPass = true;
    // Prepared pages draw every object and frame, printable or not.
    bool PrintEverything = false;
    // The canvas text is measured on: a small bitmap's, at 96 pixels per
    // inch whatever the screen; made on first use.
    TCanvas* MeasuringCanvas();
    // Evaluates the expressions of text objects; its name and function
    // hooks lead to the report's values.
    TQmParser* Parser() const { return parser_.get(); }
    // The value of the expression being evaluated ("Value" in expressions).
    Variant CurrentValue;
    AnsiString CurrentExpression;
    // Set when an object's value could not be formatted; ErrorText keeps
    // what went wrong while objects printed.
    bool ErrorFlag = false;
    AnsiString ErrorText;
    // The object and band being printed, and the page number.
    TQmView* CurrentObject = nullptr;
    TQmView* CurrentBand = nullptr;
    Integer PageNo = 0;
    // The width between the current page's margins, in screen pixels.
    Integer PrintableWidth = 0;
    // The hidden form dialog pages' live controls sit on; dialog controls
    // show it to paint themselves.
    TCustomForm* DialogForm = nullptr;
    // Objects told of every object about to be printed.
    std::vector<TQmView*> PassList;
    // Objects are written into the prepared pages in every pass.
    bool WriteEveryPass = false;
    // Before an object is printed, with its prepared text; after it.
    TQmBeforePrintEvent OnBeforePrint;
    TQmAfterPrintEvent OnAfterPrint;

    // One bracketed expression of a text object as text: the value of the
    // expression (with a display format of its own after " #" or " :", else
    // the object's), zeros hidden when the object hides them. A value that
    // cannot be formatted sets ErrorFlag and gives no text.
    AnsiString EvaluateMemoText(TQmReportView* view, const AnsiString& expression);
    // Lets an object bound to a blob field read it, then fires OnBeforePrint.
    void DoBeforePrint(TStrings* memo, TQmReportView* view);
    // The filter of the export running, which receives every line text
    // objects draw while they export.
    TQmExportFilter* CurrentFilter = nullptr;
    void ExportText(const TRect& rect, int x, int y, TQmView* view, const AnsiString& line);

protected:
    void DefineProperties(TFiler* filer) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // "ReportData": a 32-bit little-endian length, then the template bytes;
    // read and written only while StoreInDFM is on.
    void ReadReportData(TStream* stream);
    void WriteReportData(TStream* stream);

    std::unique_ptr<TBitmap> measuringBitmap_;
    std::unique_ptr<TQmParser> parser_;
    std::string templateData_;
    bool modifyPrepared_ = false;
    TQmPreviewZoom initialZoom_ = pzDefault;
    TQmPreviewButtons previewButtons_{pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbPageSetup, pbExit, pbSaveToXLS};
    bool modalPreview_ = true;
    bool mdiPreview_ = false;
    bool showProgress_ = true;
    AnsiString previewInitialDir_;
    Integer defaultCopies_ = 1;
    // Left False while the declared default is True, so False is always stored.
    bool defaultCollate_ = false;
    bool showPrintDialog_ = true;
    std::unique_ptr<TQmSaveReportOptions> saveReportOptions_;
    std::unique_ptr<TQmPreviewOptions> previewOptions_;
    TQmDataset* dataset_ = nullptr;
    bool storeInDFM_ = false;
    TQmReportType reportType_ = qmrtSimple;
    TQmCompressionLevel compressLevel_ = qmzcFastest;
    bool compressThread_ = false;
    bool convertNulls_ = true;
};

// The base of the export filters: the hooks the report's export routine
// calls arrive with the engine.
class TQmExportFilter : public TQmCustomExportFilter {
    SERVIORA_CLASS(TQmExportFilter, TQmCustomExportFilter)
    SERVIORA_PUBLISHED
public:
    using TQmCustomExportFilter::TQmCustomExportFilter;

    // Whether a descendant shows its options dialog before exporting.
    bool ShowDialog() const { return showDialog_; }
    void SetShowDialog(bool v) { showDialog_ = v; }
    // True in a spreadsheet filter; the preview's spreadsheet button uses it.
    bool IsXLSFilter() const { return isXLSFilter_; }
    // One line a text object draws at (x, y) within its rectangle.
    virtual void OnText(const TRect& /*rect*/, int /*x*/, int /*y*/, TQmView* /*view*/, const AnsiString& /*line*/) {}

protected:
    void SetIsXLSFilter(bool v) { isXLSFilter_ = v; }

private:
    bool showDialog_ = false;
    bool isXLSFilter_ = false;
};

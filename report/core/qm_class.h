// Qm_Class: the report component an application places on a form, its
// saved-print-settings options and the export filter base. The report owns
// its template (pages, script, dictionary, description), which the form
// description carries as the binary property "ReportData".
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/streams.h"
#include "report/core/qm_dataset.h"

SERVIORA_ENUM(TQmPreviewZoom, pzDefault, pzPageWidth, pzOnePage, pzTwoPages)
SERVIORA_ENUM(TQmPreviewButton, pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbPageSetup, pbExit, pbDesign, pbSaveToXLS)
using TQmPreviewButtons = TSet<TQmPreviewButton>;
SERVIORA_ENUM(TQmCompressionLevel, qmzcNone, qmzcFastest, qmzcDefault, qmzcMax)
SERVIORA_ENUM(TQmReportType, qmrtSimple, qmrtMultiple)

class TQmReport;
class TQmView;
class TQmReportView;
class TQmBand;
class TQmCustomPage;
class TQmReportPage;
class TQmPages;
class TQmDictionary;
class TQmDataDictionary;
class TQmPrinter;
class TBitmap;
class TCustomForm;
class TQmExportFilter;
class TQmEndPages;
class TQmEndPage;
class TQmCustomBandView;
class TKpInterpreterArgs;
class TKpInterpreterFm;
class TQmProgressWindow;

SERVIORA_EVENT_TYPE(TQmBeforePrintEvent, void(TStrings* Memo, TQmReportView* View));
SERVIORA_EVENT_TYPE(TQmAfterPrintEvent, void(TQmReportView* View));
SERVIORA_EVENT_TYPE(TQmPageEvent, void(Integer PageNo));
// OnProgress has the page events' signature: the page number reached.
using TQmProgressEvent = TQmPageEvent;
SERVIORA_EVENT_TYPE(TQmFunctionEvent, void(const AnsiString& aFunctionName, const std::vector<Variant>& aParams,
                                           Variant& val, bool& aFound));
SERVIORA_EVENT_TYPE(TQmDetailEvent, void(const AnsiString& ParName, Variant& ParValue));
SERVIORA_EVENT_TYPE(TQmLoadSaveReportSettingEvent, void(TQmReport* aReport));
SERVIORA_EVENT_TYPE(TQmEndPrintPageEvent, void(Integer& aPageNo));
SERVIORA_EVENT_TYPE(TQmBandEvent, void(TQmBand* aBand));
SERVIORA_EVENT_TYPE(TQmManualBuildEvent, void(TQmReportPage* aPage));
SERVIORA_EVENT_TYPE(TQmPrintColumnEvent, void(Integer ColNo, Integer& Width));
SERVIORA_EVENT_TYPE(TQmBeforePrintBandEvent, void(TQmBand* aBand, bool& PrintBand));
SERVIORA_EVENT_TYPE(TQmScriptValueEvent, void(TObject* Sender, const AnsiString& Identifier, Variant& Value,
                                              TKpInterpreterArgs& Args, bool& Done));
SERVIORA_EVENT_TYPE(TQmBeforeExportEvent, void(const AnsiString& aFileName, bool& aContinue));
SERVIORA_EVENT_TYPE(TQmAfterExportEvent, void(const AnsiString& aFileName));
SERVIORA_EVENT_TYPE(TQmObjectClickEvent,
                    void(TQmReportView* Sender, TMouseButton Button, TShiftState Shift, bool& Modified));

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

    // The report's print settings from the section (empty: the report's
    // title, else its file name) of the registry key or ini file, or
    // through the report's event; SaveReportSetting writes them.
    void LoadReportSetting(TQmReport* report, const AnsiString& section);
    void SaveReportSetting(TQmReport* report, const AnsiString& section);

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

    // Builds the prepared pages from the template and shows them; after a
    // failed build there are no pages. Never raises.
    void BuildAndPreview();

    // ---- The template.
    static constexpr const char* Signature = "Tamberquistor Report File 3.0";
    TQmPages* Pages() const { return pages_.get(); }
    TQmDictionary* Dictionary() const { return dictionary_.get(); }
    TStringList* Script() const { return script_.get(); }
    // The report's own variables.
    TQmVariables* Variables() const { return variables_.get(); }
    // The description; the first string is the title.
    std::array<AnsiString, 5> ReportInfo;
    bool ColorPrint = true;
    // Thousandths of a millimetre.
    Integer PrintOffsetTop = 0, PrintOffsetLeft = 0;
    // 0 report by report, 1 page by page.
    Byte PageOrder = 0;
    // Prepared pages print everything (the print dialog's "Print Visible").
    bool Taoda = false;
    Word ReportFlags = 0;
    AnsiString FileName;
    // Empties the pages and the dictionary, clears the script and DoublePass.
    void Clear();
    // The first object of that name (letter case ignored) on any page.
    TQmView* FindObject(const AnsiString& name) const;
    // Reads a template stream: the header, the pages part, then the saved
    // print settings. A wrong signature or an unknown class is reported in
    // a message box and never raises.
    virtual void LoadFromStream(TStream* stream);
    virtual void SaveToStream(TStream* stream);
    // The page class a template names that the engine does not know: none.
    virtual TQmCustomPage* CreatePageOfClass(const AnsiString& /*className*/) { return nullptr; }
    virtual AnsiString ScriptUnitName() const { return "Report"; }
    // No designer is part of this system.
    virtual bool OpenDesigner() { return false; }
    bool EditPreparedPage(int /*index*/) { return false; }
    bool OpenDesignerFromPreview() { return false; }

    // ---- Prepared pages (qm_reportoutput.cpp).
    // Pages as "1,3,5-12" (empty: all), parity 1 odd and 2 even page
    // numbers (anything else: all), copies collated or page by page.
    void PrintPreparedPages(const AnsiString& pages, int copies, int parity, bool collate);
    void PreviewPreparedPages();
    void ExportPreparedPages(TQmExportFilter* filter, const AnsiString& fileName);
    void LoadPreparedFile(const AnsiString& fileName);
    void SavePreparedFile(const AnsiString& fileName);
    // Guards printing against re-entry.
    bool Printing = false;
    // Printing onto another paper: its code (-1 none), size (tenths of a
    // millimetre) and the zoom percentage; the preview sets them.
    int TargetPaper = -1, TargetPaperWidth = 0, TargetPaperHeight = 0;
    int PrintScale = 100;

    // ---- The printer.
    // The shared printer, or a private one in a program that runs threads.
    TQmPrinter* GetPrinter();
    const AnsiString& PrinterName() const { return printerName_; }
    // "Default Printer" and "" select entry 0, "Virtual Printer" entry 1,
    // a printer's name its entry; an unknown name selects 0 and is kept.
    void SetPrinterName(const AnsiString& name);
    // The printer list's entry of a name; -1 for a name it does not hold.
    static int PrinterIndexOf(const AnsiString& name);
    // Switches the printer and refits every report page's paper; on failure
    // says so, goes back to the old printer and answers False.
    bool ChangePrinter(int oldIndex, int newIndex);
    // 0 left, 1 top; screen pixels.
    Integer GetspPrintOffset(int index) const;
    void SetspPrintOffset(int index, Integer value);
    // Bits 0 and 1 of ReportFlags; other bits read False and stay.
    bool GetReportFlag(int bit) const;
    void SetReportFlag(int bit, bool value);
    // "APPENDBLANKING", "SPPRINTOFFSETLEFT", "SPPRINTOFFSETTOP".
    bool GetPropValue(TObject* object, const AnsiString& name, Variant& value,
                      const std::vector<Variant>& arguments) override;
    bool SetPropValue(TObject* object, const AnsiString& name, const Variant& value) override;

    // The page whose objects are being read or built.
    TQmCustomPage* CurrentPage = nullptr;
    // Set when a dialog page was cancelled; the build stops.
    bool DialogCancelled = false;
    // Set while a dictionary expression is evaluated.
    bool EvaluatingDictionary = false;
    // The page count of the previous pass.
    Integer TotalPages = 0;

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
    TQmDataDictionary* DataDictionary() const { return dataDictionary_; }
    void SetDataDictionary(TQmDataDictionary* v);
    TQmCustomPreview* Preview() const { return preview_; }
    void SetPreview(TQmCustomPreview* v);
    bool StoreInDFM() const { return storeInDFM_; }
    void SetStoreInDFM(bool v) { storeInDFM_ = v; }
    TQmReportType ReportType() const { return reportType_; }
    void SetReportType(TQmReportType v) { reportType_ = v; }
    TQmCompressionLevel CompressLevel() const { return compressLevel_; }
    void SetCompressLevel(TQmCompressionLevel v) { compressLevel_ = v; }
    bool CompressThread() const { return compressThread_; }
    void SetCompressThread(bool v) { compressThread_ = v; }
    // Whether Null field values reach expressions as empty values (a
    // template switch; the reader sets it before the header, so templates
    // older than version 57 leave it on).
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
    // The hidden form dialog pages' live controls sit on; dialog controls
    // show it to paint themselves.
    TCustomForm* DialogForm = nullptr;
    // Objects told of every object about to be printed.
    std::vector<TQmView*> PassList;
    // Objects are written into the prepared pages in every pass.
    bool WriteEveryPass = false;
    // The events; each fires where the building, printing or preview code
    // says.
    TQmPageEvent OnBeginPage, OnEndPage;
    TNotifyEvent OnBeginDoc, OnEndDoc, OnPrintReportEvent, OnScriptBeginReport, OnScriptEndReport;
    TQmProgressEvent OnProgress;
    TQmFunctionEvent OnUserFunction;
    TQmDetailEvent OnGetValue;
    TQmLoadSaveReportSettingEvent OnLoadReportSetting, OnSaveReportSetting;
    TQmEndPrintPageEvent OnEndPrintPage;
    // Before an object is printed, with its prepared text; after it.
    TQmBeforePrintEvent OnBeforePrint;
    TQmAfterPrintEvent OnAfterPrint;
    TQmBandEvent OnBeginBand, OnEndBand, OnBeginColumn;
    TQmManualBuildEvent OnManualBuild;
    TQmPrintColumnEvent OnPrintColumn;
    TQmBeforePrintBandEvent OnBeforePrintBand;
    TQmScriptValueEvent OnScriptGetValue, OnScriptSetValue;
    TQmObjectClickEvent OnObjectClick;

    // One bracketed expression of a text object as text: the value of the
    // expression (with a display format of its own after " #" or " :", else
    // the object's), zeros hidden when the object hides them. A value that
    // cannot be formatted sets ErrorFlag and gives no text.
    AnsiString EvaluateMemoText(TQmReportView* view, const AnsiString& expression);
    // Lets an object bound to a blob field read it, then fires OnBeforePrint.
    void DoBeforePrint(TStrings* memo, TQmReportView* view);
    // ---- Building (the passes, the names expressions and the script read,
    // the events the page and band builders fire).
    // The prepared pages objects go to now: the report's, or a free
    // sub-report's own while it builds (BuildingInto).
    TQmEndPages* EndPages() const { return BuildingInto ? BuildingInto : endPages_.get(); }
    TQmEndPages* BuildingInto = nullptr;
    // One or two passes over the template; False when a build is already
    // running or it failed (ErrorText says why). The template is the same
    // afterwards. Never raises.
    bool BuildPreparedPages();
    virtual void BuildReport(bool firstPass, bool finalPass);
    // The value of a name an expression uses; Null when nothing knows it.
    void GetValue(const AnsiString& name, Variant& value);
    // The registered function libraries, then OnUserFunction.
    bool CallFunction(const AnsiString& name, const std::vector<Variant>& arguments, Variant& value);
    void DoAfterPrint(TQmReportView* view);
    void DoBeginColumn(TQmCustomBandView* band);
    // The width in thousandths; the handler sees screen pixels.
    void DoPrintColumn(Integer column, Integer& width);
    bool DoBeforePrintBand(TQmCustomBandView* band);
    // Through the build's progress window; " 从 " and TotalPages in the
    // final of two passes.
    void DoProgress(Integer pageNo);
    // The script's "PROGRESS": the progress window's second label.
    void ShowProgressText(const AnsiString& text);
    // The script interpreter the template's script runs in.
    TKpInterpreterFm* Interpreter() const { return interpreter_.get(); }
    // The build's progress window, while a build runs.
    TQmProgressWindow* ProgressWindow() const { return progress_.get(); }
    bool ShowErrorBox = true;
    // The report whose counters and stop flag a build uses: itself here.
    TQmReport* MasterReport = this;
    // The next template page starts on the last prepared page, below the
    // previous page's last Y.
    bool ContinueOnPreviousPage = false;
    Integer PreviousLastY = 0, PreviousBottomLimit = 0;
    TDateTime BuildDate = 0, BuildTime = 0, BuildDateTime = 0;
    // The running number of the record printed on the current template page.
    Integer CurrentRecordNo = 0;
    // The data band aggregates register on while the page collects them.
    TQmCustomBandView* AggregateBand = nullptr;
    // Unknown names give "[name]" rather than Null; a variable's text is
    // its value, not an expression.
    bool BracketUnknownNames = false, LiteralVariables = false;

    // The filter of the export running, which receives every line text
    // objects draw while they export.
    TQmExportFilter* CurrentFilter = nullptr;
    void ExportText(const TRect& rect, int x, int y, TQmView* view, const AnsiString& line);

protected:
    void DefineProperties(TFiler* filer) override;
    void Notification(TComponent* component, TOperation operation) override;
    // Reads the template "ReportData" held.
    void Loaded() override;

private:
    // "ReportData": a 32-bit little-endian length, then the template bytes;
    // read and written only while StoreInDFM is on.
    void ReadReportData(TStream* stream);
    void WriteReportData(TStream* stream);
    // The header after the signature; False when the signature is wrong.
    bool ReadHeader(TStream* stream, Word& version);
    void RefitPages();

    // Script side of a build (compiling, running, binding the events).
    // The interpreter with the report's four hooks.
    void CreateInterpreter();
    void RunScript(bool firstPass);
    bool ResolveSystemVariable(const AnsiString& name, Variant& value);
    bool ResolvePropertyPath(const AnsiString& name, Variant& value);
    void ScriptGetValue(TObject* sender, const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args,
                        bool& done);
    // "GetFieldValue", "FieldIsNull", "GetArray", "SetArray" and function calls.
    bool ScriptFunction(const AnsiString& name, TKpInterpreterArgs& args, Variant& value);
    // "Int" ... "QmCreateBand".
    bool BuiltInName(const AnsiString& name, TKpInterpreterArgs& args, Variant& value);
    // "MODALRESULT", "PROGRESS", "CurY", "SetArray".
    bool SetOwnName(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args);
    // A template object, else a template page, of that name.
    TQmPersistent* FindScriptObject(const AnsiString& name);
    void ScriptSetValue(TObject* sender, const AnsiString& identifier, const Variant& value,
                        TKpInterpreterArgs& args, bool& done);
    void BuildAllPages(bool finalPass);
    void InterleavePages();

    // The names being resolved now, so that a name met inside its own
    // resolution ends there.
    std::vector<AnsiString> resolving_;
    std::unique_ptr<TBitmap> measuringBitmap_;
    std::unique_ptr<TQmParser> parser_;
    std::unique_ptr<TQmPages> pages_;
    std::unique_ptr<TQmDictionary> dictionary_;
    std::unique_ptr<TStringList> script_;
    std::unique_ptr<TQmVariables> variables_;
    std::unique_ptr<TQmPrinter> privatePrinter_;
    std::unique_ptr<TMemoryStream> reportData_;
    AnsiString printerName_;
    TQmDataDictionary* dataDictionary_ = nullptr;
    TQmCustomPreview* preview_ = nullptr;
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
    bool convertNulls_ = false;
    std::unique_ptr<TKpInterpreterFm> interpreter_;
    // The build's progress window, while a build runs.
    std::unique_ptr<TQmProgressWindow> progress_;
    // Last, so its pages (and their script handlers) go before the template
    // and the interpreter they refer to.
    std::unique_ptr<TQmEndPages> endPages_;
};

// The report unit's start-up, once for the process however often it is
// asked: the global application component and variables, the standard
// function library, the hidden form dialog pages' controls live on
// ("QmDialogForm" at -1000, -1000, 1 x 1) and the engine's name tables.
// The first report asks; StopReportUnit undoes it when asked as often.
void StartReportUnit();
void StopReportUnit();
// The hidden dialog host form; nullptr before the start-up.
TCustomForm* QmDialogForm();

// The base of the export filters: the hooks the report's export routine
// (TQmReport::ExportPreparedPages) calls, empty here.
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
    // The hooks the report's export routine calls, in this order.
    virtual void OnBeginDoc() {}
    virtual void OnEndDoc() {}
    virtual void OnBeginPage() {}
    virtual void OnEndPage() {}
    // While the page's objects exist.
    virtual void OnExportPage(TQmEndPage* /*page*/) {}
    // One line a text object draws at (x, y) within its rectangle.
    virtual void OnText(const TRect& /*drawRect*/, int /*x*/, int /*y*/, const AnsiString& /*text*/, TQmView* /*view*/) {}
    // The options dialog; any answer but 1 (OK) cancels the export.
    virtual Word ShowModal() { return 1; }

    // Set by the export routine while it runs.
    TQmReport* Report = nullptr;
    Integer PageCount = 0;
    AnsiString FileName;
    // The target file, open while exporting when CreateFile is set.
    std::unique_ptr<TFileStream> Stream;
    bool CreateFile = false;
    TQmBeforeExportEvent OnBeforeExport;
    TQmAfterExportEvent OnAfterExport;

protected:
    void SetIsXLSFilter(bool v) { isXLSFilter_ = v; }

private:
    bool showDialog_ = false;
    bool isXLSFilter_ = false;
};

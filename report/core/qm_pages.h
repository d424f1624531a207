// Qm_Pages: the pages of a report template — the common page (a named list
// of objects with a font), the dialog page shown before the report is
// built, the printable report page with its paper, margins, columns and
// band structure — and the template's page list, which reads and writes
// the pages part of the template stream.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_band.h"
#include "report/core/qm_customprinter.h"

class TQmPrinter;
class TQmSubReportView;
class TQmCalcMemoView;
class TQmEndPages;

SERVIORA_ENUM(TQmDuplex, qmdpNone, qmdpHorizontal, qmdpVertical)

// Bands kept in the order of their top; bands of equal top keep the order
// they arrived in.
class TSortList {
public:
    void Add(TQmCustomBandView* band);
    int Count() const { return static_cast<int>(bands_.size()); }
    TQmCustomBandView* operator[](int index) const { return bands_[static_cast<std::size_t>(index)]; }
    auto begin() const { return bands_.begin(); }
    auto end() const { return bands_.end(); }

private:
    std::vector<TQmCustomBandView*> bands_;
};

class TQmCustomPage : public TQmPersistent {
    SERVIORA_CLASS(TQmCustomPage, TQmPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TQmCustomPage(TQmReport* report = nullptr);
    ~TQmCustomPage() override;

    TQmReport* ParentReport() const { return report_; }
    // Names compare without letter case; while the designer is open a name
    // another page has is refused.
    void SetName(const AnsiString& value) override;
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    const AnsiString& OutlineText() const { return outlineText_; }
    virtual void SetOutlineText(const AnsiString& v) { outlineText_ = v; }
    const TNotifyEvent& OnActivate() const { return onActivate_; }
    void SetOnActivate(TNotifyEvent v) { onActivate_ = std::move(v); }

    // The objects, in their order; the page owns them.
    const std::vector<TQmView*>& GetObjects() const { return objects_; }
    int ObjectCount() const { return static_cast<int>(objects_.size()); }
    // Frees the bound script handlers, then every object (BeforeDelete first).
    void Clear();
    // Frees the object at the index; nothing for an index outside the list.
    void Delete(int index);
    // The printer of the report, else the shared one.
    TQmPrinter* GetPrinter() const;

    // ---- The virtual operations, in their order.
    // Every object's name and then the page's, upper-cased.
    virtual void GetObjectNames(TStrings* list) const;
    // Frees the handlers bound before, then binds the script procedures
    // named by the objects' event properties, then by the page's own.
    virtual void BindScriptEvents();
    virtual void Prepare() {}
    virtual void Unprepare() {}
    virtual void LoadFromStream(TStream* stream) = 0;
    virtual void SaveToStream(TStream* stream) = 0;
    virtual void AfterLoad() {}
    virtual void BeforeDelete(TQmView* /*view*/) {}
    virtual TQmView* FindObject(const AnsiString& name) const;
    virtual bool IsDialogPage() const { return false; }

    // Marked when a sub-report of another page prints this page.
    bool IsSubReportPage = false;

protected:
    void SetParentReport(TQmReport* report) { report_ = report; }

private:
    friend class TQmView;  // SetParentPage moves objects between pages
    void AttachObject(TQmView* view) { objects_.push_back(view); }
    void DetachObject(TQmView* view);
    void FreeObject(std::size_t index);

    TQmReport* report_;
    bool visible_ = true;
    std::unique_ptr<TFont> font_;
    AnsiString outlineText_;
    TNotifyEvent onActivate_;
    std::vector<TQmView*> objects_;
    TQmEventHandlers handlers_;
};

// A page shown as a modal dialog before the report pages are built.
class TQmDialogPage : public TQmCustomPage {
    SERVIORA_CLASS(TQmDialogPage, TQmCustomPage)
    SERVIORA_PUBLISHED
public:
    explicit TQmDialogPage(TQmReport* report = nullptr);
    ~TQmDialogPage() override;

    TFormBorderStyle BorderStyle = bsDialog;
    AnsiString Caption = "Form";
    TColor Color = clBtnFace;
    Integer Left = 220, Top = 180, Width = 380, Height = 300;
    TPosition Position = poScreenCenter;

    bool IsDialogPage() const override { return true; }
    // "FORM" and "MODALRESULT" of the live dialog.
    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    // Shows the page's controls as a modal form (first pass only); any
    // answer but OK sets the report's dialog-cancel flag.
    void Prepare() override;
    // In the final pass or when the report stopped: the objects and the
    // form go.
    void Unprepare() override;
    // Record version 1.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

    TForm* Form() const { return form_.get(); }

private:
    std::unique_ptr<TForm> form_;
};

// The kinds' band lists: 0..16 and 17 for the hidden band of objects that
// lie in no band.
constexpr int QmBandListCount = 18;

class TQmReportPage : public TQmCustomPage {
    SERVIORA_CLASS(TQmReportPage, TQmCustomPage)
    SERVIORA_PUBLISHED
public:
    TQmReportPage(TQmReport* report, int paperSize, int paperWidth, int paperHeight, Byte orientation, int bin);
    ~TQmReportPage() override;

    // ---- Paper (tenths of a millimetre) and margins (thousandths).
    int PaperSize = 0, PaperWidth = 0, PaperHeight = 0;
    Byte Orientation = 0;
    int Bin = QmDefaultBinCode;
    std::array<Integer, 4> Margins{15000, 15000, 15000, 15000};  // left, top, right, bottom
    TQmPageInfo PageInfo;
    // Sets the paper on the report's printer (custom paper 256 without a
    // bin when the printer refuses) and takes back what it chose.
    void ChangePaper(int paperSize, int width, int height, int bin, Byte orientation);
    // 0..3 the margins, 4 and 5 the background's left and top, 6 the
    // column gap; screen pixels.
    Integer GetspMargin(int index) const;
    void SetspMargin(int index, Integer value);
    void SetLeftMargin(Integer value) { Margins[0] = value; }
    void SetTopMargin(Integer value) { Margins[1] = value; }
    // The width between the margins, in thousandths of a millimetre.
    Integer PrintableWidth() const;

    TQmDuplex Duplex = qmdpNone;
    bool PrintToPrevPage = false, ShowBackPicture = true, ResetPageNo = false, NewPrintJob = false;
    bool AutoHCenter = false, AutoVCenter = false;
    Word Reserved = 0;
    TPicture* BackPicture() const { return backPicture_.get(); }
    void SetBackPicture(TPicture* v);
    // Thousandths; the size in screen pixels, -1 without a picture.
    Integer BackPictureLeft = 0, BackPictureTop = 0, BackPictureWidth = -1, BackPictureHeight = -1;
    Integer ColumnCount() const { return columnCount_; }
    void SetColumnCount(Integer v) { columnCount_ = v < 1 ? 1 : v; }
    Integer ColumnGap = 0;
    // Thousandths; worked out by PrepareObjects.
    Integer ColumnWidth = 0;
    void SetOutlineText(const AnsiString& v) override;
    const TQmPageEvent& OnBeginPage() const { return onBeginPage_; }
    void SetOnBeginPage(TQmPageEvent v) { onBeginPage_ = std::move(v); }
    const TQmPageEvent& OnEndPage() const { return onEndPage_; }
    void SetOnEndPage(TQmPageEvent v) { onEndPage_ = std::move(v); }

    // The page's script names ("CURPAGENO", "PAGEWIDTH", "SPMARGINLEFT"...).
    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    bool SetPropValue(TObject* object, const AnsiString& name, const Variant& value) override;

    // Record version 4 written, every version read.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

    // ---- The band structure of a build.
    void Prepare() override;
    void Unprepare() override;
    void PrepareObjects();
    void PrepareCalcObjects();
    // Registers the aggregate calls of footer-like bands on the data bands.
    void CollectAggregates();
    TQmCustomBandView* FindBand(TQmBandType kind) const;
    // The kind's bands in top order; nullptr before Prepare.
    const TSortList* Bands(int kind) const { return bandLists_[static_cast<std::size_t>(kind)].get(); }
    // The deepest master/detail level.
    Integer MaxLevel = 0;
    Integer CurrentRow = 1, CurrentColumn = 1;
    // The page counter when the page started; its script numbers count
    // from it.
    Integer StartPageNo = 0;
    std::vector<TQmSubReportView*> SubReports;

    // ---- Page building.
    // Builds the page into the report's prepared pages (once per pass).
    void BuildPage();
    void NewPage();
    // The next column, or a new page after the last one; then the headers
    // that reprint.
    void NewColumn(TQmCustomBandView* band);
    // Prints the band when the report's OnBeforePrintBand lets it.
    void ShowBand(TQmCustomBandView* band);
    void EndPage(bool lastPage);
    // The first band of that name, in kind order.
    TQmCustomBandView* FindBandByName(const AnsiString& name) const;
    // Objects printed from here on move together to a new page when the
    // group they belong to does not fit.
    void BeginKeep();
    void CutKeep();
    void PasteKeep();
    void EndKeep();
    // Adds an outline line (or, while kept, an outline object).
    void AddOutline(const AnsiString& text, Integer top, Integer level);
    // Moves the objects of a prepared page so that their block sits in the
    // middle between the margins, as AutoHCenter and AutoVCenter ask
    // (final pass only).
    void CenterPreparedPage(int pageIndex);
    // The room the page footer leaves.
    Integer ComputeBottomLimit() const;

    // Thousandths of a millimetre from the top-left of the printable area.
    Integer CurX = 0, CurY = 0, BottomLimit = 0, ColumnTop = 0;
    Integer TemplatePageNo = 0;
    // The cross-tab column being printed (1-based).
    Integer CrossColumn = 1;
    TQmCustomBandView* LastBand = nullptr;
    // The sub-report object that prints this page, while it is a sub-page.
    TQmSubReportView* SubReportObject = nullptr;
    bool ReprintingHeaders = false, InSummary = false;

private:
    void PrepareStructure();
    void AssignCrossObjects();
    void AssignBandObjects(TQmCustomBandView* band);
    void LinkHeadersAndFooters();
    void LinkGroups();
    void LinkMasterDetail();

    void ProcessDataBands(TQmBandType kind, TQmCustomBandView* master, Integer level);
    void PrintRecords(TQmCustomBandView* band, bool lastOfLevel);
    // Prints the pending bands in their order and empties the list.
    void PrintPending();
    // Whether a group changed; prints the footers of the groups that end.
    bool GroupBreak(TQmCustomBandView* band, bool& endOfData);
    // Blank rows of the band (objects without values) while the page has
    // room for them and `reserve` below; with `fill`, footers that would not
    // fit send the last record to a new page after the page is filled.
    void AppendBlankRows(TQmCustomBandView* band, Integer reserve, bool fill);
    void ReprintHeaders(TQmCustomBandView* band);
    // Free sub-reports: each builds its page into pages of its own, which
    // are merged into this page's prepared pages as they end.
    void BuildFreeSubReports();
    void MergeSubReportPages(int pageIndex);
    void AppendPagesForSubReports();

    std::unique_ptr<TPicture> backPicture_;
    Integer columnCount_ = 1;
    std::vector<TQmCustomBandView*> pending_;
    Integer outlineBase_ = 0;
    // Keep together: nesting, where the kept objects began, the cut objects.
    int keepLevel_ = 0;
    Int64 keepPosition_ = 0;
    Integer keepY_ = 0;
    class TQmEndPage* keepPage_ = nullptr;
    std::unique_ptr<TMemoryStream> keptObjects_;
    std::vector<AnsiString> keptOutline_;
    // The free sub-reports' own prepared pages, and the first prepared
    // page of this page they merge into.
    std::vector<std::pair<TQmSubReportView*, std::unique_ptr<TQmEndPages>>> subReportPages_;
    int mergeBase_ = 0;
    TQmPageEvent onBeginPage_, onEndPage_;
    std::array<std::unique_ptr<TSortList>, QmBandListCount> bandLists_;
    // Bands made by Prepare (the hidden band, invisible group footers).
    std::vector<std::unique_ptr<TQmCustomBandView>> madeBands_;
};

// The report's template pages, which the pages part of the template stream
// holds.
class TQmPages {
public:
    explicit TQmPages(TQmReport* report) : report_(report) {}
    ~TQmPages();
    TQmPages(const TQmPages&) = delete;
    TQmPages& operator=(const TQmPages&) = delete;

    void Clear();
    int GetCount() const { return static_cast<int>(pages_.size()); }
    // nullptr outside 0..count-1.
    TQmCustomPage* GetPage(int index) const;
    TQmDialogPage* AddDialogPage();
    // With the printer's default paper, bin 65535.
    TQmReportPage* AddReportPage();
    int IndexOf(const TQmCustomPage* page) const;

    // The page records, every object's framed record and the dictionary.
    void SaveToStream(TStream* stream);
    // Reads to the end of the stream. Unknown classes raise EClassNotFound
    // with their names at the end; a tag above 100 raises; a broken end
    // offset or dictionary signature ends the reading with the report's
    // error flag set.
    void LoadFromStream(Word version, TStream* stream);

private:
    TQmCustomPage* Append(std::unique_ptr<TQmCustomPage> page);
    // False when the object's end offset is unusable.
    bool ReadObject(Byte typeCode, TStream* stream, bool& unknown, AnsiString& unknownNames);
    void FinishLoad();

    TQmReport* report_;
    std::vector<std::unique_ptr<TQmCustomPage>> pages_;
};

// The page the class name names ("TQmReportPage", "TQmDialogPage", letter
// case ignored), else what the report's CreatePageOfClass answers.
std::unique_ptr<TQmCustomPage> CreateReportPage(TQmReport* report, const AnsiString& className);

// Qm_Band: the horizontal strips a template page is divided into — report
// title, page header, data rows and the rest, seventeen kinds — each a
// report object whose rectangle gathers the objects printed with it. This
// unit holds what a band stores: its kind, data source, ranges, columns,
// conditions, child band and flags, and its record.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "report/core/qm_dataset.h"
#include "report/core/qm_parser.h"
#include "report/core/qm_view.h"

SERVIORA_ENUM(TQmBandType, qmbtReportTitle, qmbtReportSummary, qmbtPageHeader, qmbtPageFooter, qmbtHeader,
              qmbtFooter, qmbtMasterData, qmbtDetailData, qmbtOverlay, qmbtColumnHeader, qmbtColumnFooter,
              qmbtGroupHeader, qmbtGroupFooter, qmbtCrossHeader, qmbtCrossData, qmbtCrossFooter, qmbtChild,
              qmbtNone)

// Bits of a band's option word (the object base's bits stay as they are).
namespace QmBandFlag {
constexpr Cardinal NewPageAfter = 0x1;
constexpr Cardinal PrintIfSubsetEmpty = 0x2;
constexpr Cardinal PageBreaked = 0x4;
constexpr Cardinal PrintOnFirstPage = 0x8;
constexpr Cardinal PrintOnLastPage = 0x10;
constexpr Cardinal ReprintOnNewPage = 0x20;
constexpr Cardinal AutoAppendBlank = 0x80;
constexpr Cardinal PrintColumnFirst = 0x200;
constexpr Cardinal ReprintOnNewColumn = 0x400;
constexpr Cardinal PrintIfEmpty = 0x800;
constexpr Cardinal PrintAtDesignPos = 0x1000;
constexpr Cardinal HideIfEmpty = 0x2000;
constexpr Cardinal PrintBeforeSummaryBand = 0x20000;
constexpr Cardinal PrintChildIfInvisible = 0x40000;
constexpr Cardinal AlignToBottom = 0x80000;
}  // namespace QmBandFlag

// Bits of the band's own flag word.
namespace QmKeepFlag {
constexpr Cardinal KeepChild = 0x1;
constexpr Cardinal KeepFooter = 0x2;
constexpr Cardinal KeepTogether = 0x4;
constexpr Cardinal AdjustColumns = 0x8;
}  // namespace QmKeepFlag

class TQmCustomBandView : public TQmReportView {
    SERVIORA_CLASS(TQmCustomBandView, TQmReportView)
public:
    TQmCustomBandView();
    ~TQmCustomBandView() override;

    bool IsInsertable() const override { return false; }
    // Bands are drawn only by a designer, which this system has not.
    void Draw(TCanvas* /*canvas*/) override {}

    // The band record after the object record (version 5 written).
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

    TQmBandType BandType = qmbtNone;
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }

    const AnsiString& DataSetName() const { return dataSetName_; }
    // A text starting with "-" or 1-9 (or "0") is a count of rows, stored
    // only when it is a positive integer; other texts are names.
    void SetDataSetName(const AnsiString& v);
    bool DataSetIsCount() const { return dataSetIsCount_; }
    const AnsiString& CrossDataSetName() const { return crossDataSetName_; }
    void SetCrossDataSetName(const AnsiString& v);
    bool CrossDataSetIsCount() const { return crossDataSetIsCount_; }
    const AnsiString& NewPageCondition() const { return newPageCondition_; }
    void SetNewPageCondition(const AnsiString& v) { newPageCondition_ = PreparedCondition(v); }
    // GroupHeaderBandName of a group footer is the same field.
    const AnsiString& MasterBandName() const { return masterBandName_; }
    void SetMasterBandName(const AnsiString& v) { masterBandName_ = Trim(v); }
    // GroupCondition of a group header is the same field.
    const AnsiString& PrintCondition() const { return printCondition_; }
    void SetPrintCondition(const AnsiString& v) { printCondition_ = PreparedCondition(v); }
    const AnsiString& ChildBand() const { return childBand_; }
    void SetChildBand(const AnsiString& v) { childBand_ = Trim(v); }
    const AnsiString& DataBandName() const { return dataBandName_; }
    void SetDataBandName(const AnsiString& v) { dataBandName_ = Trim(v); }
    const AnsiString& OutlineText() const { return outlineText_; }
    void SetOutlineText(const AnsiString& v) { outlineText_ = PreparedCondition(v); }

    Integer LinesPerPage = 0;
    TQmRangeBegin RangeBegin = qmrbDefault;
    TQmRangeEnd RangeEnd = qmreDefault;
    Integer RangeEndCount = 0;
    // Thousandths of a millimetre.
    Integer ColumnGap;
    Integer ColumnWidth;
    Integer ColumnOffset = 0;
    Integer Columns = 1;
    Cardinal BandFlags = 0;
    bool KeepFlag(Cardinal bit) const { return (BandFlags & bit) != 0; }
    void SetKeepFlag(Cardinal bit, bool on) { BandFlags = on ? (BandFlags | bit) : (BandFlags & ~bit); }
    // Column geometry in the report's unit (index 0 gap, 1 width, 2 offset).
    double GetColumnLength(int index) const;
    void SetColumnLength(int index, double value);

    // The data source of the cross columns (cross data bands).
    AnsiString DataSource;

    // ---- The links page preparation sets (none owned).
    TQmCustomBandView* HeaderBand = nullptr;   // of a data band
    TQmCustomBandView* FooterBand = nullptr;   // of a data band
    TQmCustomBandView* DataBand = nullptr;     // of a header, footer or group header
    TQmCustomBandView* FirstGroupHeader = nullptr, *LastGroupHeader = nullptr;  // of a data band
    TQmCustomBandView* NextGroupHeader = nullptr, *PrevGroupHeader = nullptr;
    TQmCustomBandView* GroupFooter = nullptr;  // of a group header
    TQmCustomBandView* GroupHeader = nullptr;  // of a group footer
    TQmCustomBandView* MasterBand = nullptr;   // of a detail data band
    TQmCustomBandView* ChildBandView = nullptr;
    Integer Level = 0;
    bool FirstGroup = false;
    std::vector<TQmView*> Objects;
    std::vector<TQmView*> SubReports;
    // Forgets every link, object and sub-report.
    void ClearLinks();
    // Fired after the band is printed.
    const TNotifyEvent& OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(TNotifyEvent v) { onAfterPrint_ = std::move(v); }

    // ---- Printing (the band engine).
    // Finds the data sources the band names and narrows their ranges;
    // Unprepare gives the ranges back and frees private sources.
    void Prepare() override;
    void Unprepare() override;
    // Prints the band at the page's position: events, keep rules, fit
    // test, stretching or splitting, child band, aggregates.
    void Print();
    // "ROWNO", "ROWCOUNT", "CURRENTCOLUMN", "COLUMNS", "DATASET", "OBJECTS".
    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    // An aggregate registered on the band (an average reads its sum divided
    // by the accumulation count); False for a name not registered.
    bool GetAggregate(const AnsiString& name, Variant& value) const;
    void SetAggregate(const AnsiString& name, const Variant& value);
    // Takes the record just printed into every aggregate.
    void Accumulate();
    // The aggregates a band of that name shows: minimums to a very large
    // number, maximums to a very small one, the rest to 0.
    void ResetAggregates(const AnsiString& bandName);
    // Whether the band and its whole child chain fit at the page's Y.
    Integer ChainHeight() const;

    TQmDataset* CrossDataset = nullptr;
    Integer RowNo = 0, RowCount = 0, LineCount = 0, CurrentColumn = 1;
    // The page counter when it last printed; -1 before.
    Integer LastPageNo = -1;
    Integer ColumnStartX = 0, ColumnStartY = 0, ColumnBeginY = 0, HighestBottom = 0;
    Integer LowestBottom = 0;
    bool StretchedNow = false, Reprinting = false;
    // The value of GroupCondition the group break test compares with;
    // Unassigned before it was first stored.
    Variant GroupValue;
    bool GroupValueStored = false;
    TQmVariables* Aggregates() const { return aggregates_.get(); }
    // The data band whose aggregates this band shows.
    TQmCustomBandView* AggregateSource = nullptr;

protected:
    // Publishes the kind's own properties by name.
    template <class C>
    static void PublishKind(TPublished<C>& p, std::initializer_list<const char*> names);

private:
    static AnsiString Trim(const AnsiString& text);
    // Trimmed; while the report builds, in the parser's prepared form.
    AnsiString PreparedCondition(const AnsiString& text) const;

    std::unique_ptr<TFont> font_;
    AnsiString dataSetName_, crossDataSetName_, newPageCondition_, masterBandName_, printCondition_, childBand_,
        dataBandName_, outlineText_;
    bool dataSetIsCount_ = false;
    bool crossDataSetIsCount_ = false;
    TNotifyEvent onAfterPrint_;

    // Build state kept out of sight.
    struct SavedRange {
        TQmRangeBegin begin;
        TQmRangeEnd end;
        Integer count;
    };
    void NarrowRange(TQmDataset* source, std::optional<SavedRange>& saved);
    void DrawBand();
    bool Fits(Integer top, Integer height, bool columnAware);
    void BreakBand();
    void DrawObjects(const std::vector<TQmView*>& views);
    void SplitBand();
    Integer StretchedHeight();
    void ReprintColumnHeaders();
    // The band's objects that also lie in the cross band, and those in none.
    std::vector<TQmView*> CrossObjects(const TQmCustomBandView* cross) const;
    std::vector<TQmView*> OwnObjects() const;
    // The cross-tab columns of this band, one per record of the cross data.
    void PrintCrossTab();
    // The band's sub-reports, built below its objects; `step` becomes how
    // far the band moves the page down.
    void PrintSubReports(Integer& step);
    bool privateDataset_ = false, privateCrossDataset_ = false;
    std::optional<SavedRange> savedRange_, savedCrossRange_;
    std::unique_ptr<TQmVariables> aggregates_;
    // The band's top in the template while it prints elsewhere.
    Integer designTop_ = 0;
    AnsiString lastExpression_;
    Variant lastExpressionValue_;
    // Records each average took since its band last reset it: a group
    // footer's reset must not shorten the report footer's average.
    std::map<AnsiString, Integer> averageCounts_;
};

class TQmBand : public TQmCustomBandView {
    SERVIORA_CLASS(TQmBand, TQmCustomBandView)
public:
    TQmBand() { Visible = true; }
};

// The seventeen kinds; each sets its band type, type code, base name and
// defaults in its constructor and publishes its own properties.
#define QM_BAND_KIND(Class, Parent)                \
    class Class : public Parent {                  \
        SERVIORA_CLASS(Class, Parent)              \
        SERVIORA_PUBLISHED                         \
    public:                                        \
        Class();                                   \
    };

QM_BAND_KIND(TQmBandReportTitle, TQmBand)
QM_BAND_KIND(TQmBandReportSummary, TQmBand)
QM_BAND_KIND(TQmBandPageHeader, TQmBand)
QM_BAND_KIND(TQmBandPageFooter, TQmBand)
QM_BAND_KIND(TQmBandHeader, TQmBand)
QM_BAND_KIND(TQmBandFooter, TQmBand)
QM_BAND_KIND(TQmBandMasterData, TQmBand)
QM_BAND_KIND(TQmBandDetailData, TQmBandMasterData)
QM_BAND_KIND(TQmBandOverlay, TQmBand)
QM_BAND_KIND(TQmBandColumnHeader, TQmBand)
QM_BAND_KIND(TQmBandColumnFooter, TQmBand)
QM_BAND_KIND(TQmBandGroupHeader, TQmBand)
QM_BAND_KIND(TQmBandGroupFooter, TQmBand)
QM_BAND_KIND(TQmBandCrossHeader, TQmBand)
QM_BAND_KIND(TQmBandCrossData, TQmBand)
QM_BAND_KIND(TQmBandCrossFooter, TQmBand)
QM_BAND_KIND(TQmBandChild, TQmBand)

#undef QM_BAND_KIND

// The aggregate functions of report expressions (kind 10 AVG, 11 COUNT,
// 12 MAX, 13 MIN, 14 SUM) over their unevaluated argument texts: while the
// report collects aggregates they register a variable on the data band
// being collected and answer 0; while printing they read it back.
Variant QmAggregateFunction(TQmReport* report, char kind, const std::vector<Variant>& arguments);

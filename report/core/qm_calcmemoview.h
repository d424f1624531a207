// Qm_CalcMemoView: a text object that accumulates a value over the records
// one named band prints — a sum, count, average, maximum, minimum or a
// user-defined aggregate — and shows it in place of its bracketed
// expressions, optionally as Chinese capital amounts; and the splitter that
// finds aggregate function calls in texts.
#pragma once

#include <memory>

#include "report/core/qm_memoview.h"
#include "report/core/qm_parser.h"

SERVIORA_ENUM(TQmDBCalcType, qmdcSum, qmdcCount, qmdcAvg, qmdcMax, qmdcMin, qmdcUser)

class TQmCalcMemoView;

class TQmCalcOptions : public TPersistent {
    SERVIORA_CLASS(TQmCalcOptions, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TQmCalcOptions(TQmCalcMemoView* owner = nullptr) : owner_(owner) {}

    TQmDBCalcType CalcType = qmdcSum;
    AnsiString AggrBandName;
    bool ResetAfterPrint = true;
    AnsiString Filter;
    AnsiString IntalizeValue;
    AnsiString AggregateValue;
    AnsiString ResetGroupName;
    // Bits of the owner's option word.
    bool TotalCalc() const;
    void SetTotalCalc(bool v);
    bool CalcNoVisible() const;
    void SetCalcNoVisible(bool v);

private:
    TQmCalcMemoView* owner_;
};

class TQmCalcMemoView : public TQmCustomMemoView {
    SERVIORA_CLASS(TQmCalcMemoView, TQmCustomMemoView)
    SERVIORA_PUBLISHED
public:
    TQmCalcMemoView();
    ~TQmCalcMemoView() override;

    TQmCalcOptions* CalcOptions() const { return calcOptions_.get(); }
    const AnsiString& ResultExpression() const { return resultExpression_; }
    // In the report's building mode the postfix form is stored.
    void SetResultExpression(const AnsiString& v);
    bool IsCurrency() const { return Flag(QmFlag::IsCurrency); }
    bool OutBigNum() const { return Flag(QmFlag::OutBigNum); }

    // "VALUE", "CALCVALUE", "ASFLOAT": the accumulated value; "RESET".
    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    // The calc record (version 2) after the text record; a prepared record
    // holds the version only.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

    void Prepare() override;
    // What the page does for its calc objects before a pass: the prepared
    // filter and expressions, the aggregate expression from the text; in
    // the final pass of two only the read index goes back to 0.
    void PrepareForPass(bool finalPassOfTwo);
    // The value starts again at the next accumulated record.
    void Reset() { initialized_ = false; }
    // Takes in the record the report's current band has just printed.
    void Accumulate();
    // Recorded values first (the final pass reads the first pass's), then
    // the accumulated value.
    double GetValue() const;
    void StoreTotal(bool record);
    void ClearTotals();
    void Print(TStream* stream) override;
    void PrepareText() override;
    AnsiString FormatCalcText(const AnsiString& text);

    // The group header whose new group resets the value.
    TQmView* ResetBand = nullptr;
    // The band the object lies on.
    TQmView* OwnBand = nullptr;
    // "[expression]" of the first line, set by PrepareForPass.
    AnsiString AggregateExpression;

private:
    Variant Evaluate(const AnsiString& postfix);
    double NumberOf(const Variant& value) const;

    std::unique_ptr<TQmCalcOptions> calcOptions_;
    AnsiString resultExpression_;
    AnsiString filterExpression_;
    std::unique_ptr<TStringList> valueList_;
    int readIndex_ = 0;
    bool initialized_ = false;
    double value_ = 0;
    Int64 currency_ = 0;
    double averageTotal_ = 0;
    Integer averageCount_ = 0;
    Variant lastMasterValue_;
    double lastValue_ = 0;
};

// The match names a splitter owns, made before the splitter's base uses them.
struct TQmAggregateNames {
    TQmAggregateNames();
    std::unique_ptr<TStringList> Names;
};

// Finds the calls of SUM, COUNT, AVG, MAX and MIN in texts of text objects.
class TAggregateFunctionsSplitter : private TQmAggregateNames, public TQmFunctionSplitter {
    SERVIORA_CLASS(TAggregateFunctionsSplitter, TQmFunctionSplitter)
public:
    // `found` and `variables` (the dictionary's) are not owned.
    TAggregateFunctionsSplitter(TStrings* found, TQmVariables* variables)
        : TQmFunctionSplitter(Names.get(), found, variables) {}
    // Every outermost bracketed expression of every line, nested calls first.
    void SplitMemo(TStrings* lines);
};

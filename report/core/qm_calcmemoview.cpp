// Calculated text objects: accumulating over a band's records, totals kept
// from the first pass of a two-pass build for the final one, and the value
// shown in place of the text's bracketed expressions.
#include "report/core/qm_calcmemoview.h"

#include <algorithm>
#include <limits>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_band.h"
#include "report/core/qm_displayformat.h"
#include "report/core/qm_utils.h"

SERVIORA_REGISTER_CLASS(TQmCalcMemoView);

namespace {

constexpr Word kCalcRecordVersion = 2;

Int64 Scaled(double value) { return Round(value * Currency::Scale); }

bool KeepsTotalsPerOccurrence(TQmBandType type) {
    switch (type) {
    case qmbtReportTitle:
    case qmbtPageHeader:
    case qmbtHeader:
    case qmbtMasterData:
    case qmbtDetailData:
    case qmbtColumnHeader:
    case qmbtGroupHeader: return true;
    default: return false;
    }
}

}  // namespace

bool TQmCalcOptions::TotalCalc() const { return owner_ && owner_->Flag(QmFlag::TotalCalc); }
void TQmCalcOptions::SetTotalCalc(bool v) {
    if (owner_) owner_->SetFlag(QmFlag::TotalCalc, v);
}
bool TQmCalcOptions::CalcNoVisible() const { return owner_ && owner_->Flag(QmFlag::CalcNoVisible); }
void TQmCalcOptions::SetCalcNoVisible(bool v) {
    if (owner_) owner_->SetFlag(QmFlag::CalcNoVisible, v);
}

void TQmCalcOptions::Published(TPublished<TQmCalcOptions>& p) {
    using O = TQmCalcOptions;
    p.Property("CalcType", [](const O* o) { return o->CalcType; }, [](O* o, TQmDBCalcType t) { o->CalcType = t; })
        .Default(qmdcSum);
    p.Property("AggrBandName", [](const O* o) { return o->AggrBandName; },
               [](O* o, const AnsiString& s) { o->AggrBandName = s; });
    p.Property("ResetAfterPrint", [](const O* o) { return o->ResetAfterPrint; },
               [](O* o, bool b) { o->ResetAfterPrint = b; })
        .Default(true);
    p.Property("Filter", [](const O* o) { return o->Filter; }, [](O* o, const AnsiString& s) { o->Filter = s; });
    p.Property("IntalizeValue", [](const O* o) { return o->IntalizeValue; },
               [](O* o, const AnsiString& s) { o->IntalizeValue = s; });
    p.Property("AggregateValue", [](const O* o) { return o->AggregateValue; },
               [](O* o, const AnsiString& s) { o->AggregateValue = s; });
    p.Property("ResetGroupName", [](const O* o) { return o->ResetGroupName; },
               [](O* o, const AnsiString& s) { o->ResetGroupName = s; });
    p.Property("TotalCalc", &O::TotalCalc, &O::SetTotalCalc).Default(false);
    p.Property("CalcNoVisible", &O::CalcNoVisible, &O::SetCalcNoVisible).Default(false);
}

TQmCalcMemoView::TQmCalcMemoView()
    : calcOptions_(TQmCalcOptions::Create(this)), valueList_(TStringList::Create()) {
    TypeCode = 4;
    BaseName = "CalcMemo";
    SetStretched(false);
    SetFlag(QmFlag::WordWrap, false);
}

TQmCalcMemoView::~TQmCalcMemoView() = default;

void TQmCalcMemoView::SetResultExpression(const AnsiString& v) {
    resultExpression_ = ParentReport && ParentReport->DrawMode == 2 && !v.empty() ? ParentReport->Parser()->ToPostfix(v)
                                                                                   : v;
}

bool TQmCalcMemoView::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                   const std::vector<Variant>& arguments) {
    const AnsiString name = UpperCase(path);
    if (name == "VALUE" || name == "CALCVALUE" || name == "ASFLOAT") {
        value = GetValue();
        return true;
    }
    if (name == "RESET") {
        Reset();
        return true;
    }
    return TQmCustomMemoView::GetPropValue(object, path, value, arguments);
}

void TQmCalcMemoView::LoadFromStream(TStream* stream) {
    TQmCustomMemoView::LoadFromStream(stream);
    const Word version = ReadWord(stream);
    if (InPreparedPage) return;
    calcOptions_->ResetAfterPrint = ReadBoolean(stream);
    calcOptions_->CalcType = TQmDBCalcType(ReadByte(stream));
    ReadString(stream, calcOptions_->AggrBandName);
    ReadString(stream, calcOptions_->Filter);
    ReadString(stream, calcOptions_->IntalizeValue);
    ReadString(stream, calcOptions_->AggregateValue);
    resultExpression_.clear();
    if (version >= 1) ReadString(stream, resultExpression_);
    calcOptions_->ResetGroupName.clear();
    if (version >= 2) ReadString(stream, calcOptions_->ResetGroupName);
}

void TQmCalcMemoView::SaveToStream(TStream* stream) {
    TQmCustomMemoView::SaveToStream(stream);
    WriteWord(stream, kCalcRecordVersion);
    if (InPreparedPage) return;
    try {
        WriteBoolean(stream, calcOptions_->ResetAfterPrint);
        WriteByte(stream, Byte(calcOptions_->CalcType));
        WriteString(stream, calcOptions_->AggrBandName);
        WriteString(stream, Trim(calcOptions_->Filter));
        WriteString(stream, calcOptions_->IntalizeValue);
        WriteString(stream, calcOptions_->AggregateValue);
        WriteString(stream, resultExpression_);
        WriteString(stream, calcOptions_->ResetGroupName);
    } catch (EQmTextTooLong& e) {
        e.SetOwner(Name());
        throw;
    }
}

void TQmCalcMemoView::Prepare() {
    TQmCustomMemoView::Prepare();
    Reset();
}

void TQmCalcMemoView::PrepareForPass(bool finalPassOfTwo) {
    if (finalPassOfTwo) {
        readIndex_ = 0;
        return;
    }
    AggregateExpression.clear();
    if (ResetBand) calcOptions_->ResetAfterPrint = false;
    ClearTotals();
    TQmParser* parser = ParentReport->Parser();
    auto postfix = [parser](const AnsiString& text) { return text.empty() ? text : parser->ToPostfix(text); };
    filterExpression_ = postfix(Trim(calcOptions_->Filter));
    resultExpression_ = postfix(resultExpression_);
    if (calcOptions_->CalcType == qmdcUser) {
        calcOptions_->IntalizeValue = postfix(calcOptions_->IntalizeValue);
        calcOptions_->AggregateValue = postfix(calcOptions_->AggregateValue);
    }
    if (Memo->Count() == 0) return;
    const AnsiString line = Memo->Strings(0);
    const std::size_t open = line.find('[');
    if (open == AnsiString::npos) return;
    int start = static_cast<int>(open) + 1, end = 0;
    AnsiString expression = ExtractBracketedText(line, start, end);
    AnsiString formatText;
    TQmDisplayFormat format;
    SplitExpressionFormat(expression, formatText, format);
    AggregateExpression = "[" + expression + "]";
}

Variant TQmCalcMemoView::Evaluate(const AnsiString& postfix) {
    ParentReport->CurrentObject = this;
    return ParentReport->Parser()->CalcPostfix(postfix);
}

double TQmCalcMemoView::NumberOf(const Variant& value) const {
    if (VarIsNull(value) || VarIsEmpty(value)) return 0;
    if (VarIsStr(value)) return value.AsString().empty() ? 0 : StrToFloat(value.AsString());
    return VarAsType(value, varDouble).AsDouble();
}

void TQmCalcMemoView::Accumulate() {
    if (!ParentReport) return;
    const TQmView* band = ParentReport->CurrentBand;
    if (!band || !SameText(band->Name(), calcOptions_->AggrBandName)) return;
    if (ParentReport->AppendBlanking) {
        if (!initialized_) {
            value_ = 0;
            currency_ = 0;
            initialized_ = true;
        }
        return;
    }
    const TQmDBCalcType type = calcOptions_->CalcType;
    if (!initialized_) {
        value_ = 0;
        currency_ = 0;
        if (type == qmdcAvg) {
            averageTotal_ = 0;
            averageCount_ = 0;
        } else if (type == qmdcMax) {
            value_ = -1E300;
            currency_ = std::numeric_limits<Int64>::min() + 1;
        } else if (type == qmdcMin) {
            value_ = 1E300;
            currency_ = std::numeric_limits<Int64>::max();
        } else if (type == qmdcUser) {
            value_ = NumberOf(Evaluate(calcOptions_->IntalizeValue));
            currency_ = Scaled(value_);
        }
        initialized_ = true;
    }
    // A record of a band that is not shown counts only when asked for.
    if (!band->Visible && !calcOptions_->CalcNoVisible()) return;
    if (!filterExpression_.empty() && NumberOf(Evaluate(filterExpression_)) == 0) return;

    const bool suppress = RepeatedOptions()->SuppressRepeated();
    double v = 0;
    if (type != qmdcCount || suppress) v = NumberOf(ParentReport->Parser()->Calc(Variant(AggregateExpression)));
    Variant masterValue;
    const bool hasMaster = MasterMemo && MasterMemo->Memo->Count() > 0;
    if (hasMaster) masterValue = ParentReport->Parser()->Calc(Variant(MasterMemo->Memo->Text()));
    const bool accept = !suppress || (hasMaster ? VarToStr(masterValue) != VarToStr(lastMasterValue_) : v != lastValue_);
    if (!accept) return;
    lastValue_ = v;
    lastMasterValue_ = masterValue;
    switch (type) {
    case qmdcSum:
        value_ += v;
        currency_ = Round(v * Currency::Scale + static_cast<double>(currency_));
        break;
    case qmdcCount:
        value_ += 1;
        currency_ += Currency::Scale;
        break;
    case qmdcAvg:
        averageTotal_ += v;
        averageCount_ += 1;
        value_ = averageTotal_ / averageCount_;
        currency_ = Scaled(value_);
        break;
    case qmdcMax:
        value_ = std::max(value_, v);
        currency_ = std::max(currency_, Scaled(v));
        break;
    case qmdcMin:
        value_ = std::min(value_, v);
        currency_ = std::min(currency_, Scaled(v));
        break;
    case qmdcUser:
        value_ = NumberOf(Evaluate(calcOptions_->AggregateValue));
        currency_ = Scaled(value_);
        break;
    }
    initialized_ = true;
}

double TQmCalcMemoView::GetValue() const {
    if (readIndex_ < valueList_->Count()) return StrToFloat(valueList_->Strings(readIndex_));
    return IsCurrency() ? static_cast<double>(currency_) / Currency::Scale : value_;
}

void TQmCalcMemoView::ClearTotals() {
    valueList_->Clear();
    readIndex_ = 0;
}

void TQmCalcMemoView::StoreTotal(bool record) {
    if (!ParentReport || !ParentReport->DoublePass || !OwnBand || !OwnBand->Visible) return;
    const bool firstPass = !ParentReport->FinalPass;
    const AnsiString text = IsCurrency() ? CurrToStr(Currency::FromScaled(currency_)) : FloatToStr(value_);
    if (calcOptions_->TotalCalc()) {
        if (!firstPass) return;
        if (valueList_->Count() == 0) {
            valueList_->Add(text);
            ++readIndex_;
        } else {
            valueList_->SetStrings(0, text);
        }
        return;
    }
    const auto* band = dynamic_cast<const TQmCustomBandView*>(OwnBand);
    if (!band || !KeepsTotalsPerOccurrence(band->BandType)) return;
    if (record && firstPass) valueList_->Add(text);
    ++readIndex_;
}

void TQmCalcMemoView::Print(TStream* stream) {
    const double v = GetValue();
    if (IsCurrency()) {
        currency_ = Scaled(v);
        if (ParentReport) ParentReport->CurrentValue = Currency(v);
    } else {
        value_ = v;
        if (ParentReport) ParentReport->CurrentValue = v;
    }
    StoreTotal(false);
    TQmCustomMemoView::Print(stream);
    if (calcOptions_->ResetAfterPrint) Reset();
}

void TQmCalcMemoView::PrepareText() {
    Memo1->Clear();
    Memo1->Add(FormatCalcText(Memo->Count() > 0 ? Memo->Strings(0) : AnsiString()));
}

AnsiString TQmCalcMemoView::FormatCalcText(const AnsiString& source) {
    Variant shown;
    if (!resultExpression_.empty()) {
        shown = Evaluate(resultExpression_);
        if (VarIsNull(shown) || VarIsEmpty(shown)) shown = AnsiString();
    } else if (IsCurrency()) {
        shown = Currency::FromScaled(currency_);
    } else {
        shown = value_;
    }
    const bool hideZeros = Flag(QmFlag::HideZeros);
    AnsiString text = source;
    bool anyExpression = false;
    for (std::size_t at = text.find('['); at != AnsiString::npos; at = text.find('[')) {
        int start = static_cast<int>(at) + 1, end = 0;
        AnsiString expression = ExtractBracketedText(text, start, end);
        if (end > static_cast<int>(text.size())) break;
        anyExpression = true;
        text.erase(at, static_cast<std::size_t>(end) - at);
        AnsiString formatText = DisplayFormat();
        TQmDisplayFormat format = PackedFormat;
        SplitExpressionFormat(expression, formatText, format);
        Variant value = shown;
        if (hideZeros) HideZeroValue(value);
        AnsiString formatted;
        if (VarIsStr(value) && value.AsString().empty())
            formatted.clear();
        else if (format.Kind != TQmDisplayFormat::General)
            formatted = FormatValue(value, format, formatText);
        else if (VarType(value) == varDouble || VarType(value) == varSingle)
            formatted = FormatFloat("#.########", value.AsDouble());
        else
            formatted = VarToStr(value);
        if (OutBigNum() && !formatted.empty())
            formatted = CurrToChineseCapitals(Currency::FromScaled(Scaled(StrToFloat(formatted))));
        text.insert(at, formatted);
    }
    const TQmDBCalcType type = calcOptions_->CalcType;
    if (!anyExpression && (type == qmdcCount || type == qmdcUser)) {
        if (NumberOf(shown) == 0 && hideZeros)
            text.clear();
        else
            text += FormatValue(shown, PackedFormat, DisplayFormat());
    }
    return text;
}

void TQmCalcMemoView::Published(TPublished<TQmCalcMemoView>& p) {
    using V = TQmCalcMemoView;
    PublishTextOptions(p);
    p.Property("CalcOptions", &V::CalcOptions, [](V* v, TQmCalcOptions* o) {
        v->CalcOptions()->CalcType = o->CalcType;
        v->CalcOptions()->AggrBandName = o->AggrBandName;
        v->CalcOptions()->ResetAfterPrint = o->ResetAfterPrint;
        v->CalcOptions()->Filter = o->Filter;
        v->CalcOptions()->IntalizeValue = o->IntalizeValue;
        v->CalcOptions()->AggregateValue = o->AggregateValue;
        v->CalcOptions()->ResetGroupName = o->ResetGroupName;
    });
    PublishFlag(p, "IsCurrency", QmFlag::IsCurrency, false);
    PublishFlag(p, "OutBigNum", QmFlag::OutBigNum, false);
    p.Property("ResultExpression", &V::ResultExpression, &V::SetResultExpression);
}

TQmAggregateNames::TQmAggregateNames() : Names(TStringList::Create()) {
    for (const char* name : {"AVG", "COUNT", "MAX", "MIN", "SUM"}) Names->Add(name);
}

void TAggregateFunctionsSplitter::SplitMemo(TStrings* lines) {
    for (int i = 0; i < lines->Count(); ++i) {
        const AnsiString line = lines->Strings(i);
        for (std::size_t at = line.find('['); at != AnsiString::npos; at = line.find('[', at)) {
            int start = static_cast<int>(at) + 1, end = 0;
            const AnsiString expression = ExtractBracketedText(line, start, end);
            if (end > static_cast<int>(line.size())) break;
            Split("[" + expression + "]");
            at = static_cast<std::size_t>(end);
        }
    }
}

// The band kinds: defaults, the setters' rules, the band record and the
// properties each kind publishes.
#include "report/core/qm_band.h"

#include <cctype>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

SERVIORA_REGISTER_CLASS(TQmBandReportTitle);
SERVIORA_REGISTER_CLASS(TQmBandReportSummary);
SERVIORA_REGISTER_CLASS(TQmBandPageHeader);
SERVIORA_REGISTER_CLASS(TQmBandPageFooter);
SERVIORA_REGISTER_CLASS(TQmBandHeader);
SERVIORA_REGISTER_CLASS(TQmBandFooter);
SERVIORA_REGISTER_CLASS(TQmBandMasterData);
SERVIORA_REGISTER_CLASS(TQmBandDetailData);
SERVIORA_REGISTER_CLASS(TQmBandOverlay);
SERVIORA_REGISTER_CLASS(TQmBandColumnHeader);
SERVIORA_REGISTER_CLASS(TQmBandColumnFooter);
SERVIORA_REGISTER_CLASS(TQmBandGroupHeader);
SERVIORA_REGISTER_CLASS(TQmBandGroupFooter);
SERVIORA_REGISTER_CLASS(TQmBandCrossHeader);
SERVIORA_REGISTER_CLASS(TQmBandCrossData);
SERVIORA_REGISTER_CLASS(TQmBandCrossFooter);
SERVIORA_REGISTER_CLASS(TQmBandChild);

namespace {

constexpr Word kBandRecordVersion = 5;

bool StartsCount(const AnsiString& text, bool minusToo) {
    if (text.empty()) return false;
    const char c = text[0];
    return (c >= '1' && c <= '9') || (minusToo && c == '-');
}

// A data-source name that counts rows; "0" counts none, so it is no name.
bool IsRowCount(const AnsiString& text) { return StartsCount(text, true) || text == "0"; }

}  // namespace

TQmCustomBandView::TQmCustomBandView()
    : ColumnGap(ToInternalUnits(qmutScreenPixels, 20)),
      ColumnWidth(ToInternalUnits(qmutScreenPixels, 200)),
      font_(TFont::Create()),
      aggregates_(TQmVariables::Create()) {
    IsBand = true;
    SetFlag(QmBandFlag::PrintColumnFirst, true);
}

TQmCustomBandView::~TQmCustomBandView() = default;

AnsiString TQmCustomBandView::Trim(const AnsiString& text) { return ::Trim(text); }

AnsiString TQmCustomBandView::PreparedCondition(const AnsiString& text) const {
    const AnsiString trimmed = Trim(text);
    if (ParentReport && ParentReport->Building && !trimmed.empty())
        return ParentReport->Parser()->ToPostfix(trimmed);
    return trimmed;
}

void TQmCustomBandView::SetDataSetName(const AnsiString& v) {
    const AnsiString name = Trim(v);
    if (!IsRowCount(name)) {
        dataSetName_ = name;
        dataSetIsCount_ = false;
        return;
    }
    dataSetIsCount_ = true;
    if (StrToIntDef(name, 0) > 0) dataSetName_ = name;
}

void TQmCustomBandView::SetCrossDataSetName(const AnsiString& v) {
    crossDataSetName_ = v;
    crossDataSetIsCount_ = StartsCount(v, false);
}

double TQmCustomBandView::GetColumnLength(int index) const {
    const Integer values[] = {ColumnGap, ColumnWidth, ColumnOffset};
    return FromInternalUnits(values[index], GetUnitType());
}

void TQmCustomBandView::SetColumnLength(int index, double value) {
    Integer* fields[] = {&ColumnGap, &ColumnWidth, &ColumnOffset};
    *fields[index] = ToInternalUnits(GetUnitType(), value);
}

void TQmCustomBandView::LoadFromStream(TStream* stream) {
    TQmReportView::LoadFromStream(stream);
    const Word version = ReadWord(stream);
    ReadString(stream, dataSetName_);
    dataSetIsCount_ = StartsCount(dataSetName_, true);
    ReadString(stream, crossDataSetName_);
    crossDataSetIsCount_ = StartsCount(crossDataSetName_, false);
    ReadBoolean(stream);
    ReadFont(stream, font_.get());
    LinesPerPage = ReadInteger(stream);
    ReadString(stream, newPageCondition_);
    ReadString(stream, masterBandName_);
    RangeBegin = TQmRangeBegin(ReadByte(stream));
    RangeEnd = TQmRangeEnd(ReadByte(stream));
    RangeEndCount = ReadInteger(stream);
    ColumnGap = ReadInteger(stream);
    Columns = ReadInteger(stream);
    ColumnWidth = ReadInteger(stream);
    ReadString(stream, printCondition_);
    ColumnOffset = version >= 1 ? ReadInteger(stream) : 0;
    childBand_.clear();
    if (version >= 2) ReadString(stream, childBand_);
    BandFlags = 0;
    dataBandName_.clear();
    if (version >= 3) {
        BandFlags = ReadLongWord(stream);
        ReadString(stream, dataBandName_);
    }
    outlineText_.clear();
    if (version >= 5) ReadString(stream, outlineText_);
    // Data bands of the first records kept a condition nothing evaluated.
    if (version < 4 && (BandType == qmbtMasterData || BandType == qmbtDetailData)) printCondition_.clear();
}

void TQmCustomBandView::SaveToStream(TStream* stream) {
    TQmReportView::SaveToStream(stream);
    try {
        WriteWord(stream, kBandRecordVersion);
        WriteString(stream, dataSetName_);
        WriteString(stream, crossDataSetName_);
        WriteBoolean(stream, false);
        WriteFont(stream, font_.get());
        WriteInteger(stream, LinesPerPage);
        WriteString(stream, newPageCondition_);
        WriteString(stream, masterBandName_);
        WriteByte(stream, Byte(RangeBegin));
        WriteByte(stream, Byte(RangeEnd));
        WriteInteger(stream, RangeEndCount);
        WriteInteger(stream, ColumnGap);
        WriteInteger(stream, Columns);
        WriteInteger(stream, ColumnWidth);
        WriteString(stream, printCondition_);
        WriteInteger(stream, ColumnOffset);
        WriteString(stream, childBand_);
        WriteLongWord(stream, BandFlags);
        WriteString(stream, dataBandName_);
        WriteString(stream, outlineText_);
    } catch (EQmTextTooLong& e) {
        e.SetOwner(Name());
        throw;
    }
}

template <class C>
void TQmCustomBandView::PublishKind(TPublished<C>& p, std::initializer_list<const char*> names) {
    struct FlagName {
        const char* name;
        Cardinal bit;
    };
    static const FlagName flags[] = {
        {"NewPageAfter", QmBandFlag::NewPageAfter},
        {"PrintIfSubsetEmpty", QmBandFlag::PrintIfSubsetEmpty},
        {"PageBreaked", QmBandFlag::PageBreaked},
        {"PrintOnFirstPage", QmBandFlag::PrintOnFirstPage},
        {"PrintOnLastPage", QmBandFlag::PrintOnLastPage},
        {"ReprintOnNewPage", QmBandFlag::ReprintOnNewPage},
        {"AutoAppendBlank", QmBandFlag::AutoAppendBlank},
        {"PrintColumnFirst", QmBandFlag::PrintColumnFirst},
        {"ReprintOnNewColumn", QmBandFlag::ReprintOnNewColumn},
        {"PrintIfEmpty", QmBandFlag::PrintIfEmpty},
        {"PrintAtDesignPos", QmBandFlag::PrintAtDesignPos},
        {"HideIfEmpty", QmBandFlag::HideIfEmpty},
        {"PrintBeforeSummaryBand", QmBandFlag::PrintBeforeSummaryBand},
        {"PrintChildIfInvisible", QmBandFlag::PrintChildIfInvisible},
        {"AlignToBottom", QmBandFlag::AlignToBottom},
        {"Stretched", QmFlag::Stretched},
    };
    static const FlagName keeps[] = {{"KeepChild", QmKeepFlag::KeepChild},
                                     {"KeepFooter", QmKeepFlag::KeepFooter},
                                     {"KeepTogether", QmKeepFlag::KeepTogether},
                                     {"AdjustColumns", QmKeepFlag::AdjustColumns}};
    using V = TQmCustomBandView;
    p.Property("Font", &V::Font, &V::SetFont);
    for (const AnsiString name : names) {
        bool done = false;
        for (const FlagName& f : flags)
            if (name == f.name) {
                const Cardinal bit = f.bit;
                p.Property(
                     f.name, [bit](const C* v) { return v->Flag(bit); }, [bit](C* v, bool on) { v->SetFlag(bit, on); })
                    .Default(bit == QmBandFlag::PrintColumnFirst);
                done = true;
            }
        for (const FlagName& f : keeps)
            if (name == f.name) {
                const Cardinal bit = f.bit;
                p.Property(
                    f.name, [bit](const C* v) { return v->KeepFlag(bit); },
                    [bit](C* v, bool on) { v->SetKeepFlag(bit, on); });
                done = true;
            }
        if (done) continue;
        if (name == "ChildBand") p.Property("ChildBand", &V::ChildBand, &V::SetChildBand);
        if (name == "OutlineText") p.Property("OutlineText", &V::OutlineText, &V::SetOutlineText);
        if (name == "DataBandName") p.Property("DataBandName", &V::DataBandName, &V::SetDataBandName);
        if (name == "MasterBandName") p.Property("MasterBandName", &V::MasterBandName, &V::SetMasterBandName);
        if (name == "GroupHeaderBandName")
            p.Property("GroupHeaderBandName", &V::MasterBandName, &V::SetMasterBandName);
        if (name == "PrintCondition") p.Property("PrintCondition", &V::PrintCondition, &V::SetPrintCondition);
        if (name == "GroupCondition") p.Property("GroupCondition", &V::PrintCondition, &V::SetPrintCondition);
        if (name == "NewPageCondition")
            p.Property("NewPageCondition", &V::NewPageCondition, &V::SetNewPageCondition);
        if (name == "DataSetName") p.Property("DataSetName", &V::DataSetName, &V::SetDataSetName);
        if (name == "DataSource")
            p.Property("DataSource", [](const C* v) { return v->DataSource; },
                       [](C* v, const AnsiString& s) { v->DataSource = s; });
        if (name == "LinesPerPage")
            p.Property("LinesPerPage", [](const C* v) { return v->LinesPerPage; },
                       [](C* v, Integer n) { v->LinesPerPage = n; })
                .Default(0);
        if (name == "Columns")
            p.Property("Columns", [](const C* v) { return v->Columns; }, [](C* v, Integer n) { v->Columns = n; })
                .Default(1);
        if (name == "RangeBegin")
            p.Property("RangeBegin", [](const C* v) { return v->RangeBegin; },
                       [](C* v, TQmRangeBegin r) { v->RangeBegin = r; })
                .Default(qmrbDefault);
        if (name == "RangeEnd")
            p.Property("RangeEnd", [](const C* v) { return v->RangeEnd; }, [](C* v, TQmRangeEnd r) { v->RangeEnd = r; })
                .Default(qmreDefault);
        if (name == "RangeEndCount")
            p.Property("RangeEndCount", [](const C* v) { return v->RangeEndCount; },
                       [](C* v, Integer n) { v->RangeEndCount = n; })
                .Default(0);
        const char* const lengths[] = {"ColumnGap", "ColumnWidth", "ColumnOffset"};
        for (int i = 0; i < 3; ++i)
            if (name == lengths[i])
                p.Property(lengths[i], [i](const C* v) { return v->GetColumnLength(i); },
                           [i](C* v, double x) { v->SetColumnLength(i, x); });
    }
    p.Property("OnAfterPrint", &V::OnAfterPrint, &V::SetOnAfterPrint);
}

#define QM_BAND_CONSTRUCTOR(Class, Type, Code, Base) \
    Class::Class() {                                  \
        BandType = Type;                              \
        TypeCode = Code;                              \
        BaseName = Base;                              \
    }

QM_BAND_CONSTRUCTOR(TQmBandReportTitle, qmbtReportTitle, 50, "ReportTitle")
QM_BAND_CONSTRUCTOR(TQmBandHeader, qmbtHeader, 56, "Header")
QM_BAND_CONSTRUCTOR(TQmBandFooter, qmbtFooter, 57, "Footer")
QM_BAND_CONSTRUCTOR(TQmBandMasterData, qmbtMasterData, 60, "MasterData")
QM_BAND_CONSTRUCTOR(TQmBandDetailData, qmbtDetailData, 61, "DetailData")
QM_BAND_CONSTRUCTOR(TQmBandOverlay, qmbtOverlay, 66, "Overlay")
QM_BAND_CONSTRUCTOR(TQmBandColumnHeader, qmbtColumnHeader, 54, "ColumnHeader")
QM_BAND_CONSTRUCTOR(TQmBandColumnFooter, qmbtColumnFooter, 55, "ColumnFooter")
QM_BAND_CONSTRUCTOR(TQmBandGroupHeader, qmbtGroupHeader, 58, "GroupHeader")
QM_BAND_CONSTRUCTOR(TQmBandGroupFooter, qmbtGroupFooter, 59, "GroupFooter")
QM_BAND_CONSTRUCTOR(TQmBandChild, qmbtChild, 62, "Child")

#undef QM_BAND_CONSTRUCTOR

TQmBandReportSummary::TQmBandReportSummary() {
    BandType = qmbtReportSummary;
    TypeCode = 51;
    BaseName = "ReportSummary";
    SetFlag(QmBandFlag::PageBreaked, true);
}

TQmBandPageHeader::TQmBandPageHeader() {
    BandType = qmbtPageHeader;
    TypeCode = 52;
    BaseName = "PageHeader";
    SetFlag(QmBandFlag::PrintOnFirstPage | QmBandFlag::PrintOnLastPage, true);
}

TQmBandPageFooter::TQmBandPageFooter() {
    BandType = qmbtPageFooter;
    TypeCode = 53;
    BaseName = "PageFooter";
    SetFlag(QmBandFlag::PrintOnFirstPage | QmBandFlag::PrintOnLastPage, true);
}

TQmBandCrossHeader::TQmBandCrossHeader() {
    BandType = qmbtCrossHeader;
    TypeCode = 63;
    BaseName = "CrossHeader";
    IsCrossBand = true;
}

TQmBandCrossData::TQmBandCrossData() {
    BandType = qmbtCrossData;
    TypeCode = 64;
    BaseName = "CrossData";
    IsCrossBand = true;
}

TQmBandCrossFooter::TQmBandCrossFooter() {
    BandType = qmbtCrossFooter;
    TypeCode = 65;
    BaseName = "CrossFooter";
    IsCrossBand = true;
}

// ---- What each kind publishes ----------------------------------------------

void TQmBandReportTitle::Published(TPublished<TQmBandReportTitle>& p) {
    PublishKind(p, {"HideIfEmpty", "Stretched", "PageBreaked", "ChildBand", "KeepChild", "PrintChildIfInvisible",
                    "OutlineText"});
}

void TQmBandReportSummary::Published(TPublished<TQmBandReportSummary>& p) {
    PublishKind(p, {"HideIfEmpty", "Stretched", "ChildBand", "KeepChild", "PrintChildIfInvisible", "AlignToBottom",
                    "OutlineText"});
}

void TQmBandPageHeader::Published(TPublished<TQmBandPageHeader>& p) {
    PublishKind(p, {"HideIfEmpty", "Stretched", "PageBreaked", "PrintOnFirstPage", "PrintOnLastPage",
                    "PrintChildIfInvisible", "OutlineText"});
}

void TQmBandPageFooter::Published(TPublished<TQmBandPageFooter>& p) {
    PublishKind(p, {"HideIfEmpty", "PrintOnFirstPage", "PrintOnLastPage", "PrintChildIfInvisible", "OutlineText"});
}

void TQmBandHeader::Published(TPublished<TQmBandHeader>& p) {
    PublishKind(p, {"HideIfEmpty", "NewPageAfter", "Stretched", "PageBreaked", "ReprintOnNewPage",
                    "ReprintOnNewColumn", "ChildBand", "KeepChild", "PrintChildIfInvisible", "DataBandName",
                    "OutlineText"});
}

void TQmBandFooter::Published(TPublished<TQmBandFooter>& p) {
    PublishKind(p, {"HideIfEmpty", "NewPageAfter", "Stretched", "PageBreaked", "ChildBand", "KeepChild",
                    "PrintChildIfInvisible", "DataBandName", "OutlineText"});
}

void TQmBandMasterData::Published(TPublished<TQmBandMasterData>& p) {
    PublishKind(p, {"PrintCondition", "HideIfEmpty", "NewPageAfter", "Stretched", "PageBreaked", "ColumnGap",
                    "Columns", "ColumnWidth", "ColumnOffset", "DataSetName", "PrintIfSubsetEmpty",
                    "PrintColumnFirst", "LinesPerPage", "AutoAppendBlank", "RangeBegin", "RangeEnd",
                    "RangeEndCount", "PrintChildIfInvisible", "PrintIfEmpty", "NewPageCondition", "OutlineText",
                    "AdjustColumns", "ChildBand", "KeepChild", "KeepFooter", "KeepTogether"});
}

void TQmBandDetailData::Published(TPublished<TQmBandDetailData>& p) { PublishKind(p, {"MasterBandName"}); }

void TQmBandOverlay::Published(TPublished<TQmBandOverlay>& p) { PublishKind(p, {"PrintChildIfInvisible"}); }

void TQmBandColumnHeader::Published(TPublished<TQmBandColumnHeader>& p) {
    PublishKind(p, {"HideIfEmpty", "Stretched", "PageBreaked", "ReprintOnNewColumn", "PrintChildIfInvisible",
                    "OutlineText"});
}

void TQmBandColumnFooter::Published(TPublished<TQmBandColumnFooter>& p) {
    PublishKind(p, {"HideIfEmpty", "PrintBeforeSummaryBand", "PrintChildIfInvisible", "OutlineText"});
}

void TQmBandGroupHeader::Published(TPublished<TQmBandGroupHeader>& p) {
    PublishKind(p, {"HideIfEmpty", "NewPageAfter", "Stretched", "PageBreaked", "GroupCondition", "ReprintOnNewPage",
                    "ReprintOnNewColumn", "MasterBandName", "PrintChildIfInvisible", "OutlineText", "ChildBand",
                    "KeepChild", "KeepTogether", "KeepFooter"});
}

void TQmBandGroupFooter::Published(TPublished<TQmBandGroupFooter>& p) {
    PublishKind(p, {"NewPageAfter", "HideIfEmpty", "Stretched", "PageBreaked", "PrintChildIfInvisible",
                    "GroupHeaderBandName", "ChildBand", "KeepChild", "OutlineText"});
}

void TQmBandCrossHeader::Published(TPublished<TQmBandCrossHeader>& p) {
    PublishKind(p, {"ReprintOnNewPage", "Stretched", "PrintAtDesignPos"});
}

void TQmBandCrossData::Published(TPublished<TQmBandCrossData>& p) {
    PublishKind(p, {"DataSource", "PrintAtDesignPos", "AutoAppendBlank", "ColumnGap", "Columns"});
}

void TQmBandCrossFooter::Published(TPublished<TQmBandCrossFooter>& p) { PublishKind(p, {"PrintAtDesignPos"}); }

void TQmBandChild::Published(TPublished<TQmBandChild>& p) {
    PublishKind(p, {"NewPageAfter", "PrintChildIfInvisible", "ChildBand", "KeepChild", "OutlineText"});
}

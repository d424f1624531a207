// Registration of the report classes for scripts, in their fixed order.
#include "report/core/qm_reportbindings.h"

#include <cmath>

#include "platform/rtl/fileutils.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "report/core/qm_band.h"
#include "report/core/qm_calcmemoview.h"
#include "report/core/qm_const1.h"
#include "report/core/qm_dataset.h"
#include "report/core/qm_dialogcomponent.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_pictureview.h"
#include "report/core/qm_shapeview.h"
#include "report/core/qm_structureviews.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

using namespace bindargs;

constexpr const char* classUnit = "Qm_Class";
constexpr Integer noColor = 0x1FFFFFFF;

void DefineBytes(TKpInterpreterAdapter& a, const char* unit, std::initializer_list<std::pair<const char*, Byte>> constants) {
    for (const auto& [name, value] : constants) a.DefineConstant(unit, name, Variant(value));
}

void RegisterColors(TKpInterpreterAdapter& a) {
    for (std::size_t i = 0; i < QmColorNames.size(); ++i) {
        const Integer value = i == 16 ? noColor : Integer(QmColorNames[i].Value);
        a.DefineConstant(classUnit, QmColorNames[i].Name, Variant(value));
    }
    a.DefineConstant(classUnit, "clNone", Variant(noColor));
}

template <int Index>
void GetScreenBound(Variant& v, Frame& f) {
    v = Self<TQmView>(f)->GetspBound(Index);
}

template <int Index>
void SetScreenBound(const Variant& v, Frame& f) {
    Self<TQmView>(f)->SetspBound(Index, v.AsInteger());
}

void RegisterScreenGeometry(TKpInterpreterAdapter& a) {
    const TClass c = TQmView::StaticClass();
    a.DefineClass(classUnit, c);
    a.DefineGetter(c, "spLeft", GetScreenBound<0>, 0, {}, 0);
    a.DefineSetter(c, "spLeft", SetScreenBound<0>, 0, {});
    a.DefineGetter(c, "spTop", GetScreenBound<1>, 0, {}, 0);
    a.DefineSetter(c, "spTop", SetScreenBound<1>, 0, {});
    a.DefineGetter(c, "spWidth", GetScreenBound<2>, 0, {}, 0);
    a.DefineSetter(c, "spWidth", SetScreenBound<2>, 0, {});
    a.DefineGetter(c, "spHeight", GetScreenBound<3>, 0, {}, 0);
    a.DefineSetter(c, "spHeight", SetScreenBound<3>, 0, {});
}

void RegisterClasses(TKpInterpreterAdapter& a) {
    const TClass memo = TQmMemoView::StaticClass();
    a.DefineClass(classUnit, memo);
    a.DefineGetter(memo, "Create", [](Variant& v, Frame&) { v = ObjectToVariant(TQmMemoView::Create()); }, 0, {}, 0);
    for (TClass c : std::initializer_list<TClass>{TQmDialogComponent::StaticClass(), TQmDialogControl::StaticClass(),
                     TQmReportView::StaticClass(), TQmStretcheableView::StaticClass(),
                     TQmCalcMemoView::StaticClass(), TQmPictureView::StaticClass(), TQmShapeView::StaticClass(),
                     TQmSubReportView::StaticClass(), TQmCustomBandView::StaticClass(), TQmBand::StaticClass(),
                     TQmBandReportTitle::StaticClass(), TQmBandReportSummary::StaticClass(),
                     TQmBandPageHeader::StaticClass(), TQmBandPageFooter::StaticClass(),
                     TQmBandColumnHeader::StaticClass(), TQmBandColumnFooter::StaticClass(),
                     TQmBandHeader::StaticClass(), TQmBandFooter::StaticClass(), TQmBandMasterData::StaticClass(),
                     TQmBandDetailData::StaticClass(), TQmBandGroupHeader::StaticClass(),
                     TQmBandGroupFooter::StaticClass(), TQmBandOverlay::StaticClass(),
                     TQmBandCrossHeader::StaticClass(), TQmBandCrossData::StaticClass(),
                     TQmBandCrossFooter::StaticClass(), TQmBandChild::StaticClass(), TQmCustomPage::StaticClass(),
                     TQmDialogPage::StaticClass(), TQmReportPage::StaticClass(), TQmReport::StaticClass()})
        a.DefineClass(classUnit, c);
}

void RegisterConstants(TKpInterpreterAdapter& a) {
    DefineBytes(a, classUnit, {{"qmpoPortrait", 0}, {"qmpoLandscape", 1}, {"qmvTop", 0}, {"qmvBottom", 2},
                               {"qmvCenter", 1}, {"qmhLeft", 0}, {"qmhCenter", 1}, {"qmhRight", 2}, {"qmhTop", 3},
                               {"qmdmDesigning", 0}, {"qmdmPrinting", 1}, {"qmdmPreviewing", 2}, {"qmdmAll", 0},
                               {"qmdmAfterCalcHeight", 1}, {"qmdmPart", 2}, {"qmppAll", 0}, {"qmppOdd", 1},
                               {"qmppEven", 2}, {"qmcdTopBottomLeftRight", 0}, {"qmcdLeftRightTopBottom", 1},
                               {"qmdcSum", 0}, {"qmdcCount", 1}, {"qmdcAvg", 2}, {"qmdcMax", 3}, {"qmdcMin", 4},
                               {"qmdcUser", 5}, {"qmrtNone", 0}, {"qmrt90", 1}, {"qmrt180", 2}, {"qmrt270", 3},
                               {"qmrt360", 4}, {"qmstNone", 0}, {"qmstByWidth", 1}, {"qmstByHeight", 2},
                               {"qmReportPerReport", 0}, {"qmPagePerPage", 1}, {"qmbaNone", 0}, {"qmbaLeft", 1},
                               {"qmbaRight", 2}, {"qmbaBottom", 3}, {"qmbaTop", 4}, {"qmbaCenter", 5},
                               {"qmsmAlways", 0}, {"qmsmNever", 1}, {"qmsmWhenOverlapped", 2}, {"qmstFixed", 0},
                               {"qmstChild", 1}, {"qmskRectangle", 0}, {"qmskRoundRectangle", 1},
                               {"qmskEllipse", 2}, {"qmskTriangle", 3}, {"qmskDiagonal1", 4}, {"qmskDiagonal2", 5},
                               {"qmskSquare", 6}, {"qmskRoundSquare", 7}, {"qmskCircle", 8}, {"qmHorLine", 9},
                               {"qmRightAndLeft", 10}, {"qmTopAndBottom", 11}, {"qmVertLine", 12}});
    DefineBytes(a, "Qm_Common", {{"qmutScreenPixels", 0}, {"qmutInches", 1}, {"qmutMillimeters", 2},
                                 {"qmutMMThousandths", 3}});
    DefineBytes(a, classUnit, {{"qmptMetafile", 0}, {"qmptBitmap", 1}, {"qmpsPicture", 0}, {"qmpsFileName", 1}});
    static const char* const bandTypes[] = {
        "qmbtReportTitle", "qmbtReportSummary", "qmbtPageHeader", "qmbtPageFooter", "qmbtHeader", "qmbtFooter",
        "qmbtMasterData", "qmbtDetailData", "qmbtOverlay", "qmbtColumnHeader", "qmbtColumnFooter",
        "qmbtGroupHeader", "qmbtGroupFooter", "qmbtCrossHeader", "qmbtCrossData", "qmbtCrossFooter", "qmbtChild",
        "qmbtNone"};
    Byte type = 0;
    for (const char* name : bandTypes) a.DefineConstant(classUnit, name, Variant(type++));
}

// A picture loaded from an existing file, else cleared; answers whether it loaded.
bool LoadOrClear(TPicture* picture, const AnsiString& fileName) {
    if (!fileName.empty() && FileExists(fileName)) {
        picture->LoadFromFile(fileName);
        return true;
    }
    picture->Assign(nullptr);
    return false;
}

void LoadPageBackground(TQmReportPage* page, const AnsiString& fileName) {
    if (!LoadOrClear(page->BackPicture(), fileName)) {
        page->BackPictureWidth = page->BackPictureHeight = -1;
        return;
    }
    TGraphic* graphic = page->BackPicture()->Graphic();
    if (!graphic) return;
    int horizontal = 96, vertical = 96;
    GetGraphicResolution(graphic, horizontal, vertical);
    page->BackPictureWidth = Integer(std::lround(graphic->Width() * 96.0 / horizontal));
    page->BackPictureHeight = Integer(std::lround(graphic->Height() * 96.0 / vertical));
}

void RegisterMembers(TKpInterpreterAdapter& a) {
    const TClass band = TQmBand::StaticClass();
    a.DefineGetter(band, "Next", [](Variant&, Frame& f) { if (TQmDataset* d = Self<TQmBand>(f)->Dataset) d->Next(); }, 0, {}, 0);
    a.DefineGetter(band, "Prior", [](Variant&, Frame& f) { if (TQmDataset* d = Self<TQmBand>(f)->Dataset) d->Prior(); }, 0, {}, 0);
    a.DefineGetter(band, "First", [](Variant&, Frame& f) { if (TQmDataset* d = Self<TQmBand>(f)->Dataset) d->First(); }, 0, {}, 0);
    a.DefineIndexedGetter(band, "Objects", [](Variant& v, Frame& f) {
        const auto& objects = Self<TQmBand>(f)->Objects;
        const Integer index = IntArg(f, 0);
        if (index < 0 || std::size_t(index) >= objects.size()) throw EListError(Format("List index out of bounds (%d)", {index}));
        v = ObjectToVariant(objects[std::size_t(index)]);
    }, 1, {0}, 0);
    const TClass picture = TQmPictureView::StaticClass();
    a.DefineGetter(picture, "LoadFromFile", [](Variant&, Frame& f) { LoadOrClear(Self<TQmPictureView>(f)->Picture(), StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(picture, "Assign", [](Variant&, Frame& f) { Self<TQmPictureView>(f)->Picture()->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(TQmCalcMemoView::StaticClass(), "Reset", [](Variant&, Frame& f) { Self<TQmCalcMemoView>(f)->Reset(); }, 0, {}, 0);
    a.DefineGetter(TQmCustomPage::StaticClass(), "FindObject", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TQmCustomPage>(f)->FindObject(StrArg(f, 0))); }, 1, {0}, 0);
    const TClass page = TQmReportPage::StaticClass();
    a.DefineGetter(page, "LoadFromFile", [](Variant&, Frame& f) { LoadPageBackground(Self<TQmReportPage>(f), StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(page, "ChangePaper", [](Variant&, Frame& f) {
        Self<TQmReportPage>(f)->ChangePaper(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3), Byte(IntArg(f, 4)));
    }, 5, {0, 0, 0, 0, 0}, 0);
    a.DefineGetter(TQmDialogPage::StaticClass(), "Close", [](Variant&, Frame& f) {
        if (TForm* form = Self<TQmDialogPage>(f)->Form()) form->Close();
    }, 0, {}, 0);
}

void RegisterDataset(TKpInterpreterAdapter& a) {
    constexpr const char* unit = "Qm_DataSet";
    DefineBytes(a, unit, {{"qmrbFirst", 0}, {"qmrbCurrent", 1}, {"qmreLast", 0}, {"qmreCurrent", 1}, {"qmreCount", 2}});
    const TClass c = TQmDataset::StaticClass();
    a.DefineClass(unit, c);
    a.DefineGetter(c, "Next", [](Variant&, Frame& f) { Self<TQmDataset>(f)->Next(); }, 0, {}, 0);
    a.DefineGetter(c, "Prior", [](Variant&, Frame& f) { Self<TQmDataset>(f)->Prior(); }, 0, {}, 0);
    a.DefineGetter(c, "First", [](Variant&, Frame& f) { Self<TQmDataset>(f)->First(); }, 0, {}, 0);
    a.DefineGetter(c, "Last", [](Variant&, Frame& f) { Self<TQmDataset>(f)->Last(); }, 0, {}, 0);
    a.DefineGetter(c, "Eof", [](Variant& v, Frame& f) { v = Self<TQmDataset>(f)->Eof(); }, 0, {}, 0);
    a.DefineGetter(c, "Active", [](Variant& v, Frame& f) { v = Self<TQmDataset>(f)->Active(); }, 0, {}, 0);
    a.DefineGetter(c, "RecordNo", [](Variant& v, Frame& f) { v = Self<TQmDataset>(f)->RecordNo(); }, 0, {}, 0);
    a.DefineGetter(c, "FieldValue", [](Variant& v, Frame& f) { Self<TQmDataset>(f)->GetFieldValue(StrArg(f, 0), false, v); }, 1, {0}, 0);
    a.DefineGetter(c, "IsBlobField", [](Variant& v, Frame& f) { v = Self<TQmDataset>(f)->IsBlobField(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "FieldIsNull", [](Variant& v, Frame& f) { v = Self<TQmDataset>(f)->FieldIsNull(StrArg(f, 0)); }, 1, {0}, 0);
}

}  // namespace

void TQmReportPageEvent::BeginPageEvent(Integer PageNo) {
    Variant result;
    InvokeHandler(nullptr, {Variant(PageNo)}, result);
}

void TQmReportPageEvent::EndPageEvent(Integer PageNo) {
    Variant result;
    InvokeHandler(nullptr, {Variant(PageNo)}, result);
}

void TQmReportPageEvent::PreviewClickEvent(TQmView* View, TMouseButton Button, TShiftState Shift, bool& Modified) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(View), Variant(Byte(Button)), SetToVariant(Cardinal(Shift.Bits())), Variant(Modified)},
                  result);
    Modified = GetFrame().ArgValues[3].AsBoolean();
}

void RegisterReportBindings(TKpInterpreterAdapter& a) {
    a.DefineUnit(classUnit);
    a.DefineUnit("Qm_Common");
    a.DefineUnit("Qm_DataSet");
    RegisterColors(a);
    DefineBytes(a, classUnit, {{"qmgtMemo", 0}, {"qmgtPicture", 1}, {"qmgtCalcMemo", 4}, {"qmgtBand", 5},
                               {"gtShape", 6}, {"qmgtAddIn", 100}});
    RegisterScreenGeometry(a);
    RegisterClasses(a);
    RegisterConstants(a);
    RegisterMembers(a);
    RegisterDataset(a);
    using Event = TQmReportPageEvent;
    a.DefineEventType(classUnit, "TQmBeginPageEvent", Event::StaticClass(), &Event::BeginPageEvent);
    a.DefineEventType(classUnit, "TQmEndPageEvent", Event::StaticClass(), &Event::EndPageEvent);
    a.DefineEventType(classUnit, "TQmPreviewClickEvent", Event::StaticClass(), &Event::PreviewClickEvent);
}

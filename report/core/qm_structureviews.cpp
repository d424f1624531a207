// Outline entries and sub-reports: their records.
#include "report/core/qm_structureviews.h"

#include "report/core/qm_pages.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

SERVIORA_REGISTER_CLASS(TQmOutlineView);
SERVIORA_REGISTER_CLASS(TQmSubReportView);

TQmOutlineView::TQmOutlineView() {
    TypeCode = 7;
    BaseName = "Outline";
}

void TQmOutlineView::LoadFromStream(TStream* stream) {
    ReadWord(stream);
    ReadString(stream, Caption);
    PageNo = ReadInteger(stream);
    Level = ReadInteger(stream);
    Top = ReadInteger(stream);
}

void TQmOutlineView::SaveToStream(TStream* stream) {
    WriteWord(stream, 0);
    WriteString(stream, Caption);
    WriteInteger(stream, PageNo);
    WriteInteger(stream, Level);
    WriteInteger(stream, Top);
}

void TQmOutlineView::Print(TStream* stream) { WriteObject(stream); }

AnsiString TQmOutlineView::GetOutlineText() const {
    return Caption + '\x01' + IntToStr(PageNo) + '\x01' + IntToStr(GetspBound(1)) + '\x01' + IntToStr(Level);
}

TQmSubReportView::TQmSubReportView() {
    TypeCode = 2;
    BaseName = "SubReport";
}

TQmCustomPage* TQmSubReportView::GetSubPage() const {
    return ParentReport && SubPage >= 0 ? ParentReport->Pages()->GetPage(SubPage) : nullptr;
}

void TQmSubReportView::Prepare() {
    if (!ParentReport || (ParentReport->DoublePass && ParentReport->FinalPass)) return;
    auto* page = dynamic_cast<TQmReportPage*>(GetSubPage());
    if (!page) return;
    page->IsSubReportPage = true;
    page->SubReportObject = this;
    if (SubReportType == qmstFixed) page->TemplatePageNo = SubPage + 1;
}

void TQmSubReportView::LoadFromStream(TStream* stream) {
    TQmReportView::LoadFromStream(stream);
    ReadWord(stream);
    SubReportType = TQmSubReportType(ReadByte(stream));
    SubPage = ReadWord(stream);
}

void TQmSubReportView::SaveToStream(TStream* stream) {
    TQmReportView::SaveToStream(stream);
    WriteWord(stream, 0);
    WriteByte(stream, Byte(SubReportType));
    WriteWord(stream, static_cast<Word>(SubPage));
}

void TQmSubReportView::Published(TPublished<TQmSubReportView>& p) {
    using V = TQmSubReportView;
    p.Property("SubReportType", [](const V* v) { return v->SubReportType; },
               [](V* v, TQmSubReportType t) { v->SubReportType = t; })
        .Default(qmstChild);
    p.Property("ReprintLastPage", &V::ReprintLastPage, &V::SetReprintLastPage).Default(false);
}

// THeaderControl and its sections over "SysHeader32".
#include "platform/ui/comctrls_header.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/commctrl.h"

// ---- sections ----------------------------------------------------------------------

void THeaderSection::SetText(const AnsiString& v) {
    text_ = v;
    header_->MirrorSection(*this, false);
}

void THeaderSection::SetWidth(Integer v) {
    width_ = Clamped(v);
    header_->MirrorSection(*this, false);
}

void THeaderSection::SetAlignment(TAlignment v) {
    alignment_ = v;
    header_->MirrorSection(*this, false);
}

void THeaderSection::SetMinWidth(Integer v) {
    minWidth_ = std::max<Integer>(0, v);
    SetWidth(width_);
}

void THeaderSection::SetMaxWidth(Integer v) {
    maxWidth_ = std::max<Integer>(0, v);
    SetWidth(width_);
}

Integer THeaderSection::Left() const {
    Integer left = 0;
    for (int i = 0; i < index_; ++i) left += header_->Sections()->Items(i)->Width();
    return left;
}

THeaderSections::~THeaderSections() = default;

THeaderSection* THeaderSections::Add() {
    sections_.push_back(std::make_unique<THeaderSection>(header_, Count()));
    header_->MirrorSection(*sections_.back(), true);
    return sections_.back().get();
}

void THeaderSections::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    if (header_->HandleAllocated()) SendMessage(header_->Handle(), HDM_DELETEITEM, WPARAM(index), 0);
    sections_.erase(sections_.begin() + index);
    for (int i = index; i < Count(); ++i) sections_[std::size_t(i)]->index_ = i;
}

void THeaderSections::Clear() {
    while (Count() > 0) Delete(Count() - 1);
}

// ---- the control ---------------------------------------------------------------------

void THeaderControl::Published(TPublished<THeaderControl>& p) {
    p.Property("Style", &THeaderControl::Style, &THeaderControl::SetStyle).Default(hsButtons);
    p.Property("OnSectionClick", &THeaderControl::OnSectionClick, &THeaderControl::SetOnSectionClick);
    p.Property("OnSectionResize", &THeaderControl::OnSectionResize, &THeaderControl::SetOnSectionResize);
    p.Property("OnSectionTrack", &THeaderControl::OnSectionTrack, &THeaderControl::SetOnSectionTrack);
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>(this)) {
    // The window tracks the mouse and holds the capture itself.
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 250, 17);
    SetAlign(alTop);
}

THeaderControl::~THeaderControl() = default;

void THeaderControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "SysHeader32");
    params.Style |= HDS_FULLDRAG | (style_ == hsButtons ? HDS_BUTTONS : 0);
}

void THeaderControl::CreateWnd() {
    TWinControl::CreateWnd();
    for (int i = 0; i < sections_->Count(); ++i) MirrorSection(*sections_->Items(i), true);
}

void THeaderControl::SetStyle(THeaderStyle v) {
    if (style_ == v) return;
    style_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void THeaderControl::MirrorSection(const THeaderSection& section, bool insert) {
    if (!HandleAllocated()) return;
    HDITEMA item;
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<char*>(section.text_.c_str());
    item.cxy = section.width_;
    item.fmt = HDF_STRING | (section.alignment_ == taRightJustify ? HDF_RIGHT
                             : section.alignment_ == taCenter     ? HDF_CENTER
                                                                  : HDF_LEFT);
    SendMessage(Handle(), insert ? HDM_INSERTITEM : HDM_SETITEM, WPARAM(section.index_), LPARAM(&item));
}

void THeaderControl::SectionClick(THeaderSection* section) { onSectionClick_(this, section); }
void THeaderControl::SectionResize(THeaderSection* section) { onSectionResize_(this, section); }
void THeaderControl::SectionTrack(THeaderSection* section, int width, TSectionTrackState state) {
    onSectionTrack_(this, section, width, state);
}

void THeaderControl::CNNotify(TMessage& Message) {
    auto& notice = *reinterpret_cast<NMHEADERA*>(Message.LParam);
    if (notice.iItem < 0 || notice.iItem >= sections_->Count()) return;
    THeaderSection* section = sections_->Items(notice.iItem);
    HDITEMA* item = notice.pitem;
    const bool hasWidth = item && (item->mask & HDI_WIDTH);
    switch (notice.hdr.code) {
    case HDN_ITEMCLICK:
        if (section->AllowClick()) SectionClick(section);
        break;
    case HDN_BEGINTRACK:
        if (hasWidth) SectionTrack(section, item->cxy, tsTrackBegin);
        break;
    case HDN_TRACK:
    case HDN_ENDTRACK:
        // The window takes the width back, kept between the section's limits.
        if (!hasWidth) break;
        item->cxy = section->Clamped(item->cxy);
        SectionTrack(section, item->cxy, notice.hdr.code == HDN_TRACK ? tsTrackMove : tsTrackEnd);
        break;
    case HDN_ITEMCHANGED:
        if (hasWidth && item->cxy != section->width_) {
            section->width_ = item->cxy;
            SectionResize(section);
        }
        break;
    default:
        break;
    }
}

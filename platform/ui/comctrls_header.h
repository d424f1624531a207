// THeaderControl over the platform's "SysHeader32" class: Sections (Text,
// Width kept between MinWidth and MaxWidth, Alignment, AllowClick) kept by
// the control and mirrored into the window, which reports clicks and
// divider drags back as OnSectionClick, OnSectionTrack and OnSectionResize.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/ui/stdctrls_edit.h"

SERVIORA_ENUM(THeaderStyle, hsButtons, hsFlat)
SERVIORA_ENUM(TSectionTrackState, tsTrackBegin, tsTrackMove, tsTrackEnd)

class THeaderControl;

class THeaderSection {
public:
    THeaderSection(THeaderControl* header, int index) : header_(header), index_(index) {}
    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& v);
    Integer Width() const { return width_; }
    // Kept between MinWidth and MaxWidth.
    void SetWidth(Integer v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    Integer MinWidth() const { return minWidth_; }
    void SetMinWidth(Integer v);
    Integer MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(Integer v);
    bool AllowClick() const { return allowClick_; }
    void SetAllowClick(bool v) { allowClick_ = v; }
    int Index() const { return index_; }
    // The section's edges in the control's client coordinates.
    Integer Left() const;
    Integer Right() const { return Left() + width_; }

private:
    friend class THeaderControl;
    friend class THeaderSections;
    Integer Clamped(Integer width) const { return std::clamp(width, minWidth_, std::max(minWidth_, maxWidth_)); }

    THeaderControl* header_;
    int index_;
    AnsiString text_;
    Integer width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    Integer minWidth_ = 0, maxWidth_ = 10000;
    bool allowClick_ = true;
};

class THeaderSections {
public:
    explicit THeaderSections(THeaderControl* header) : header_(header) {}
    ~THeaderSections();
    // A new section at the end, 50 pixels wide.
    THeaderSection* Add();
    void Delete(int index);
    void Clear();
    int Count() const { return int(sections_.size()); }
    THeaderSection* Items(int index) const { return sections_.at(std::size_t(index)).get(); }

private:
    THeaderControl* header_;
    std::vector<std::unique_ptr<THeaderSection>> sections_;
};

using TSectionNotifyEvent = TEvent<void(THeaderControl* HeaderControl, THeaderSection* Section)>;
using TSectionTrackEvent =
    TEvent<void(THeaderControl* HeaderControl, THeaderSection* Section, int Width, TSectionTrackState State)>;

class THeaderControl : public TWinControl {
    SERVIORA_CLASS(THeaderControl, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit THeaderControl(TComponent* owner);
    ~THeaderControl() override;

    THeaderSections* Sections() const { return sections_.get(); }
    THeaderStyle Style() const { return style_; }
    void SetStyle(THeaderStyle v);

    const TSectionNotifyEvent& OnSectionClick() const { return onSectionClick_; }
    void SetOnSectionClick(TSectionNotifyEvent v) { onSectionClick_ = std::move(v); }
    const TSectionNotifyEvent& OnSectionResize() const { return onSectionResize_; }
    void SetOnSectionResize(TSectionNotifyEvent v) { onSectionResize_ = std::move(v); }
    const TSectionTrackEvent& OnSectionTrack() const { return onSectionTrack_; }
    void SetOnSectionTrack(TSectionTrackEvent v) { onSectionTrack_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void SectionClick(THeaderSection* section);
    virtual void SectionResize(THeaderSection* section);
    virtual void SectionTrack(THeaderSection* section, int width, TSectionTrackState state);
    void CNNotify(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_NOTIFY, CNNotify)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    friend class THeaderSection;
    friend class THeaderSections;
    // Puts a section into the window (a new one when `insert`).
    void MirrorSection(const THeaderSection& section, bool insert);

    std::unique_ptr<THeaderSections> sections_;
    THeaderStyle style_ = hsButtons;
    TSectionNotifyEvent onSectionClick_, onSectionResize_;
    TSectionTrackEvent onSectionTrack_;
};

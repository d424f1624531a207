// TVxFrameController: one set of frame and colour settings that linked
// controls take over, either through their framing notification or through
// their published properties of the same names.
#pragma once

#include <vector>

#include "platform/rtl/component.h"
#include "platform/ui/colors.h"
#include "styled/VxRegIniFile.h"
#include "styled/VxTypes.h"

SERVIORA_ENUM(TVxFrameControllerProperty, fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor,
              fcpReadOnlyColorOnFocus, fcpParentColor, fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor,
              fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle, fcpFrameVisible,
              fcpFramingPreference, fcpAll)
// Which settings a linked control accepts; bit i is element i.
using TVxFrameControllerNotifications = TSet<TVxFrameControllerProperty>;
inline constexpr Word AllFrameControllerNotifications = 0xFFFF;
SERVIORA_ENUM(TFramingPreference, fpCustomFraming, fpXPThemes)

// Implemented by controls that apply the controller's settings themselves.
class IVxFramingNotification {
public:
    virtual ~IVxFramingNotification() = default;
    virtual void FrameSettingsChanged() = 0;
};

class TVxFrameController : public TComponent {
    SERVIORA_CLASS(TVxFrameController, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TVxFrameController(TComponent* owner) : TComponent(owner) {}

    void LinkControl(TComponent* control);
    void UnlinkControl(TComponent* control);
    void SuspendPushes() { ++updateCount_; }
    void ResumePushes();
    virtual void PushToControl(TComponent* control, TVxFrameControllerProperty which);
    virtual void PushToAll(TVxFrameControllerProperty which);
    void Assign(TPersistent* source) override;

    TColor Color() const { return color_; }
    virtual void SetColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    virtual void SetParentColor(bool v);
    TColor FlatButtonColor() const { return flatButtonColor_; }
    virtual void SetFlatButtonColor(TColor v) { Change(flatButtonColor_, v, fcpFlatButtonColor); }
    bool FlatButtons() const { return flatButtons_; }
    virtual void SetFlatButtons(bool v) { Change(flatButtons_, v, fcpFlatButtons); }
    TColor DisabledColor() const { return disabledColor_; }
    virtual void SetDisabledColor(TColor v) { Change(disabledColor_, v, fcpDisabledColor); }
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    virtual void SetReadOnlyColor(TColor v) { Change(readOnlyColor_, v, fcpReadOnlyColor); }
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    virtual void SetReadOnlyColorOnFocus(bool v) { Change(readOnlyColorOnFocus_, v, fcpReadOnlyColorOnFocus); }
    TColor FocusColor() const { return focusColor_; }
    virtual void SetFocusColor(TColor v) { Change(focusColor_, v, fcpFocusColor); }
    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor v) { Change(frameColor_, v, fcpFrameColor); }
    TColor FrameHotColor() const { return frameHotColor_; }
    virtual void SetFrameHotColor(TColor v) { Change(frameHotColor_, v, fcpFrameHotColor); }
    bool FrameHotTrack() const { return frameHotTrack_; }
    virtual void SetFrameHotTrack(bool v);
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    virtual void SetFrameHotStyle(TFrameStyle v) { Change(frameHotStyle_, v, fcpFrameHotStyle); }
    TSides FrameSides() const { return frameSides_; }
    virtual void SetFrameSides(TSides v) { Change(frameSides_, v, fcpFrameSides); }
    TFrameStyle FrameStyle() const { return frameStyle_; }
    virtual void SetFrameStyle(TFrameStyle v) { Change(frameStyle_, v, fcpFrameStyle); }
    bool FrameVisible() const { return frameVisible_; }
    virtual void SetFrameVisible(bool v) { Change(frameVisible_, v, fcpFrameVisible); }
    TFramingPreference FramingPreference() const { return framingPreference_; }
    virtual void SetFramingPreference(TFramingPreference v) { Change(framingPreference_, v, fcpFramingPreference); }
    TVxRegIniFile* RegIniFile() const { return regIniFile_; }
    virtual void SetRegIniFile(TVxRegIniFile* v);

protected:
    void DefineProperties(TFiler* filer) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    template <class T>
    void Change(T& field, const T& value, TVxFrameControllerProperty which) {
        if (field == value) return;
        field = value;
        PushToAll(which);
    }
    void PushProperty(TComponent* control, TVxFrameControllerProperty which);
    bool ColorStored() const { return !parentColor_; }

    TColor color_ = clWindow;
    TColor focusColor_ = clWindow;
    TColor disabledColor_ = clBtnFace;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    bool parentColor_ = false;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = true;
    TColor frameColor_ = clBtnShadow;
    TColor frameHotColor_ = clBtnShadow;
    bool frameHotTrack_ = false;
    TFrameStyle frameHotStyle_ = fsFlatBold;
    TSides frameSides_ = AllSides;
    TFrameStyle frameStyle_ = fsFlat;
    bool frameVisible_ = false;
    TFramingPreference framingPreference_ = fpXPThemes;
    TVxRegIniFile* regIniFile_ = nullptr;
    int updateCount_ = 0;
    std::vector<TComponent*> controls_;
};

// Moves `control`'s link (held in `link`) to `controller`: unlinked from the
// old one, linked to and freed-notified by the new one.
void RelinkFrameController(TComponent* control, TVxFrameController*& link, TVxFrameController* controller);

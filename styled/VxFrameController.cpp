// The frame controller's settings and how they reach the linked controls.
#include "styled/VxFrameController.h"

#include <algorithm>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/reader.h"
#include "platform/ui/controls.h"
#include "styled/VxOldPropReader.h"

SERVIORA_REGISTER_CLASS(TVxFrameController);

namespace {

// The property each element stands for, in element order.
const char* const kPropertyNames[] = {
    "Color",          "FocusColor",    "DisabledColor",  "ReadOnlyColor",    "ReadOnlyColorOnFocus", "ParentColor",
    "FlatButtonColor", "FlatButtons",  "FrameColor",     "FrameHotColor",    "FrameHotTrack",        "FrameHotStyle",
    "FrameSides",     "FrameStyle",    "FrameVisible",   "FramingPreference",
};

// The order of a full push: ParentColor first, so that Color can be left
// to the parent.
constexpr TVxFrameControllerProperty kFullPushOrder[] = {
    fcpParentColor,   fcpColor,           fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor,
    fcpFlatButtonColor, fcpFlatButtons,   fcpFrameColor,    fcpFrameHotColor, fcpFrameHotTrack,        fcpFrameHotStyle,
    fcpFrameSides,    fcpFrameStyle,      fcpFrameVisible,  fcpFramingPreference,
};

Word NotificationMask(TControl* control) {
    if (!IsPublishedProp(control, "FrameControllerNotifications")) return AllFrameControllerNotifications;
    return Word(GetOrdProp(control, "FrameControllerNotifications"));
}

}  // namespace

void TVxFrameController::LinkControl(TComponent* control) {
    if (std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
    controls_.push_back(control);
    PushToControl(control, fcpAll);
}

void RelinkFrameController(TComponent* control, TVxFrameController*& link, TVxFrameController* controller) {
    if (link == controller) return;
    if (link) {
        link->UnlinkControl(control);
        link->RemoveFreeNotification(control);
    }
    link = controller;
    if (controller) {
        controller->FreeNotification(control);
        controller->LinkControl(control);
    }
}

void TVxFrameController::UnlinkControl(TComponent* control) {
    std::erase(controls_, control);
    if (controls_.empty()) controls_.shrink_to_fit();
}

void TVxFrameController::ResumePushes() {
    if (--updateCount_ > 0) return;
    updateCount_ = 0;
    PushToAll(fcpAll);
}

void TVxFrameController::PushToAll(TVxFrameControllerProperty which) {
    if (updateCount_ > 0) return;
    for (TComponent* control : std::vector<TComponent*>(controls_)) PushToControl(control, which);
}

void TVxFrameController::PushToControl(TComponent* component, TVxFrameControllerProperty which) {
    auto* control = dynamic_cast<TControl*>(component);
    if (!control) return;
    const Word mask = NotificationMask(control);
    if (auto* listener = dynamic_cast<IVxFramingNotification*>(control)) {
        listener->FrameSettingsChanged();
        return;
    }
    auto accepted = [mask](TVxFrameControllerProperty property) { return (mask >> property) & 1; };
    if (which != fcpAll) {
        if (accepted(which)) PushProperty(control, which);
        return;
    }
    for (TVxFrameControllerProperty property : kFullPushOrder)
        if (accepted(property) && !(property == fcpColor && parentColor_)) PushProperty(control, property);
}

void TVxFrameController::PushProperty(TComponent* control, TVxFrameControllerProperty which) {
    const char* name = kPropertyNames[which];
    if (!IsPublishedProp(control, name)) return;
    if (which == fcpFrameSides)
        SetSetProp(control, name, GetSetProp(this, name));
    else
        SetOrdProp(control, name, GetOrdProp(this, name));
}

void TVxFrameController::SetColor(TColor v) {
    if (color_ == v) return;
    if (color_ == focusColor_) focusColor_ = v;
    color_ = v;
    parentColor_ = false;
    PushToAll(fcpColor);
}

void TVxFrameController::SetParentColor(bool v) {
    if (parentColor_ == v) return;
    parentColor_ = v;
    PushToAll(fcpParentColor);
    if (!parentColor_) PushToAll(fcpColor);
}

void TVxFrameController::SetFrameHotTrack(bool v) {
    if (frameHotTrack_ == v) return;
    frameHotTrack_ = v;
    if (v) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(csLoading)) frameSides_ = AllSides;
    }
    PushToAll(fcpFrameHotTrack);
}

void TVxFrameController::SetRegIniFile(TVxRegIniFile* v) {
    regIniFile_ = v;
    if (v) v->FreeNotification(this);
}

void TVxFrameController::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TVxFrameController*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    SuspendPushes();
    SetColor(other->color_);
    SetDisabledColor(other->disabledColor_);
    SetReadOnlyColor(other->readOnlyColor_);
    SetReadOnlyColorOnFocus(other->readOnlyColorOnFocus_);
    SetFlatButtonColor(other->flatButtonColor_);
    SetFlatButtons(other->flatButtons_);
    SetFocusColor(other->focusColor_);
    SetFrameColor(other->frameColor_);
    SetFrameHotColor(other->frameHotColor_);
    SetFrameHotStyle(other->frameHotStyle_);
    SetFrameHotTrack(other->frameHotTrack_);
    SetFrameSides(other->frameSides_);
    SetFrameStyle(other->frameStyle_);
    SetFrameVisible(other->frameVisible_);
    SetFramingPreference(other->framingPreference_);
    SetParentColor(other->parentColor_);
    ResumePushes();
}

void TVxFrameController::DefineProperties(TFiler* filer) {
    TComponent::DefineProperties(filer);
    filer->DefineProperty(
        "FrameFlat",
        [this](TReader* reader) {
            frameHotTrack_ = reader->ReadBoolean();
            if (!frameHotTrack_) return;
            frameStyle_ = fsStatus;
            frameHotStyle_ = fsLowered;
        },
        nullptr, false);
    filer->DefineProperty(
        "FrameFocusStyle",
        [this](TReader* reader) {
            const int style = GetEnumValue(TTypeInfoOf<TFrameStyle>::Get(), reader->ReadIdent());
            if (style >= 0) frameHotStyle_ = TFrameStyle(Int64(style));
        },
        nullptr, false);
    filer->DefineProperty("FrameFlatStyle", &TVxOldPropReader::DropIdent, nullptr, false);
}

void TVxFrameController::Loaded() {
    TComponent::Loaded();
    PushToAll(fcpAll);
}

void TVxFrameController::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == regIniFile_) regIniFile_ = nullptr;
}

void TVxFrameController::Published(TPublished<TVxFrameController>& p) {
    using C = TVxFrameController;
    p.Property("Color", &C::Color, &C::SetColor)
        .TypeName("TColor")
        .Default(clWindow)
        .Stored(&C::ColorStored);
    p.Property("FocusColor", &C::FocusColor, &C::SetFocusColor).TypeName("TColor").Default(clWindow);
    p.Property("DisabledColor", &C::DisabledColor, &C::SetDisabledColor).TypeName("TColor").Default(clBtnFace);
    p.Property("ReadOnlyColor", &C::ReadOnlyColor, &C::SetReadOnlyColor).TypeName("TColor").Default(clInfoBk);
    p.Property("ReadOnlyColorOnFocus", &C::ReadOnlyColorOnFocus, &C::SetReadOnlyColorOnFocus).Default(false);
    p.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    p.Property("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor).TypeName("TColor").Default(clBtnFace);
    p.Property("FlatButtons", &C::FlatButtons, &C::SetFlatButtons).Default(true);
    p.Property("FrameColor", &C::FrameColor, &C::SetFrameColor).TypeName("TColor").Default(clBtnShadow);
    p.Property("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor).TypeName("TColor").Default(clBtnShadow);
    p.Property("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack).Default(false);
    p.Property("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle).Default(fsFlatBold);
    p.Property("FrameSides", &C::FrameSides, &C::SetFrameSides).Default(Int64(AllSides.Bits()));
    p.Property("FrameStyle", &C::FrameStyle, &C::SetFrameStyle).Default(fsFlat);
    p.Property("FrameVisible", &C::FrameVisible, &C::SetFrameVisible).Default(false);
    p.Property("FramingPreference", &C::FramingPreference, &C::SetFramingPreference).Default(fpXPThemes);
    p.Property("RegIniFile", &C::RegIniFile, &C::SetRegIniFile);
}

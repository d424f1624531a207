// The control helpers of the engine's dialogs and preview: enabling with
// the matching colours, components by path, localized captions, property
// values by name and the window placement kept below the engine's key.
#include "platform/rtl/classregistry.h"
#include "platform/rtl/moduleregistry.h"
#include "platform/rtl/registry.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "report/core/qm_common.h"
#include "report/core/qm_utils.h"

void SetControlsEnabled(std::initializer_list<TControl*> controls, bool enabled) {
    for (TControl* control : controls) {
        if (auto* label = dynamic_cast<TCustomLabel*>(control))
            label->Font()->SetColor(enabled ? clWindowText : clGrayText);
        else if (dynamic_cast<TWinControl*>(control))
            control->SetColor(enabled ? clWindow : clBtnFace);
        control->SetEnabled(enabled);
    }
}

void SetChildControlsEnabled(TWinControl* parent, bool enabled) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->ControlCount() > 0)
            SetChildControlsEnabled(windowed, enabled);
        if (dynamic_cast<TCustomEdit*>(child) || dynamic_cast<TCustomComboBox*>(child))
            child->SetColor(enabled ? clWindow : clInactiveBorder);
        child->SetEnabled(enabled);
    }
}

namespace {

// nullptr when a part of the path names nothing; a path without a dot and
// without an owner names nothing either.
TComponent* ResolveComponentPath(TComponent* owner, const AnsiString& path) {
    const std::size_t dot = path.find('.');
    if (dot == AnsiString::npos) return owner ? owner->FindComponent(path) : nullptr;
    TComponent* global = FindGlobalComponent(path.substr(0, dot));
    return global ? ResolveComponentPath(global, path.substr(dot + 1)) : nullptr;
}

}  // namespace

TComponent* FindComponentByPath(TComponent* owner, const AnsiString& path) {
    if (path.empty() || (!owner && path.find('.') == AnsiString::npos)) return nullptr;
    TComponent* component = ResolveComponentPath(owner, path);
    if (!component) throw EClassNotFound("Missing " + path);
    return component;
}

void LocalizeControlText(TObject* control, const AnsiString& propName, int id) {
    const AnsiString text = LoadReportString(id);
    if (!text.empty() && IsPublishedProp(control, propName)) SetStrProp(control, propName, text);
}

Variant GetControlPropValue(TComponent* owner, const AnsiString& path, const AnsiString& propName) {
    TComponent* component = nullptr;
    try {
        component = FindComponentByPath(owner, path);
    } catch (const EClassNotFound&) {
        return 0;  // an expression asking for a control that is not there reads 0
    }
    PPropInfo prop = component ? GetPropInfo(component, propName) : nullptr;
    if (!prop) return 0;
    switch (prop->Kind()) {
    case tkInteger:
    case tkEnumeration: return static_cast<Integer>(GetOrdProp(component, prop));
    case tkFloat: return prop->Access().GetFloat(component);
    case tkString:
    case tkLString: return GetStrProp(component, prop);
    default: return 0;
    }
}

namespace {

AnsiString PlacementSection(TCustomForm* form) { return "Form\\" + form->ClassName(); }

}  // namespace

void SaveFormPlacement(const AnsiString& subKey, TCustomForm* form) {
    TRegIniFile settings(QmRegRootKey + subKey);
    const AnsiString section = PlacementSection(form);
    settings.WriteInteger(section, "XPosition", form->Left());
    settings.WriteInteger(section, "YPosition", form->Top());
    settings.WriteInteger(section, "Width", form->Width());
    settings.WriteInteger(section, "Height", form->Height());
    settings.WriteBool(section, "Maximized", form->WindowState() == wsMaximized);
}

void RestoreFormPlacement(const AnsiString& subKey, TCustomForm* form) {
    TRegIniFile settings(QmRegRootKey + subKey);
    const AnsiString section = PlacementSection(form);
    if (!settings.ReadBool(section, "Maximized", true)) form->SetWindowState(wsNormal);
    form->SetBounds(settings.ReadInteger(section, "XPosition", form->Left()),
                    settings.ReadInteger(section, "YPosition", form->Top()),
                    settings.ReadInteger(section, "Width", form->Width()),
                    settings.ReadInteger(section, "Height", form->Height()));
}

// Which painter serves which child control: by the control's class, by the
// skin's class map for other libraries' controls, or by the window class
// for windows without a control object; and the form's list of painters.
#include <algorithm>
#include <memory>

#include "platform/rtl/sysutils.h"
#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/win/commctrl.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSubClassBoxes.h"
#include "skin/WinSubClassButtons.h"
#include "skin/WinSubClassCheck.h"

namespace {

template <class Painter>
Painter* Make(TComponent* owner) {
    return new Painter(owner);
}

AnsiString WindowClassLower(HWND window) {
    char name[101] = {};
    GetClassName(window, name, 100);
    return LowerCase(AnsiString(name));
}

}  // namespace

// ---- the painter list ----

bool TWinSkinForm::AddPainter(TSkinControl* painter) {
    if (std::find(Painters.begin(), Painters.end(), painter) != Painters.end()) return true;
    Painters.push_back(painter);
    return false;
}

void TWinSkinForm::RemovePainter(TSkinControl* painter) { std::erase(Painters, painter); }

TSkinControl* TWinSkinForm::FindPainter(HWND window) const {
    for (TSkinControl* painter : Painters)
        if (painter->Handle == window) return painter;
    return nullptr;
}

void TWinSkinForm::FreeDestroyedPainters() {
    std::vector<TSkinControl*> destroyed;
    for (TSkinControl* painter : Painters)
        if (painter->PainterState == TSkinControl::kWindowDestroyed) destroyed.push_back(painter);
    for (TSkinControl* painter : destroyed) delete painter;
}

void TWinSkinForm::FreePainters() {
    while (!Painters.empty()) {
        TSkinControl* painter = Painters.front();
        Painters.erase(Painters.begin());
        if (painter->PainterState != TSkinControl::kWindowDestroyed) painter->RestoreColor();
        painter->SkinForm = nullptr;
        delete painter;
    }
}

bool TWinSkinForm::IsControlSkinned(TControl* control) const {
    if (!control) return false;
    if (control->Perform(WM_SKINQUERY, 0, 0) == 1) return true;
    return std::any_of(Painters.begin(), Painters.end(),
                       [control](TSkinControl* painter) { return painter->Control == control; });
}

// ---- class-library controls ----

void TWinSkinForm::SkinControls(TWinControl* form) {
    FreeDestroyedPainters();
    SkinComponents(form);
    std::vector<TWinControl*> tabOrder;
    form->GetTabOrderList(tabOrder);
    for (TWinControl* control : tabOrder) {
        if (!control->HandleAllocated() || control->Tag() == SkinData->DisableTag()) continue;
        if (control->Perform(WM_SKINQUERY, 0, 0) == 1) continue;
        SkinControl(control, form);
    }
}

void TWinSkinForm::SkinComponents(TComponent* owner) {
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(owner->Components(i)))
            SkinControl(control, control->Parent());
    if (SkinData->SkinControls().Contains(xcPopupMenu)) SetPopupMenusOwnerDraw(owner, true);
}

void TWinSkinForm::SkinChildren(TWinControl* parent) {
    for (int i = 0; i < parent->ControlCount(); ++i) SkinControl(parent->Controls(i), parent);
}

void TWinSkinForm::SkinControl(TControl* control, TWinControl*) {
    const TSkinControlTypes kinds = SkinData->SkinControls();
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (control->Tag() == SkinData->DisableTag()) {
        const AnsiString name = LowerCase(control->ClassName());
        if (windowed && (name.find("radiogroup") != AnsiString::npos || name.find("checkgroup") != AnsiString::npos))
            for (int i = 0; i < windowed->ControlCount(); ++i) windowed->Controls(i)->SetTag(SkinData->DisableTag());
        return;
    }
    if (!control->Parent() || IsControlSkinned(control)) return;
    if (windowed && !windowed->HandleAllocated()) {
        try {
            windowed->HandleNeeded();
        } catch (const Exception&) {
            return;
        }
    }
    const AnsiString className = UpperCase(control->ClassName());
    if (SkinData->OnSkinControl()) {
        TComponent* supplied = nullptr;
        SkinData->OnSkinControl()(this, SkinData, Form, control, className, supplied);
        if (supplied) {
            auto* painter = dynamic_cast<TSkinControl*>(supplied);
            if (painter && !AddPainter(painter)) {
                RemovePainter(painter);
                painter->AttachControl(this, SkinData, SharedCanvas.get(), painter->SwapColor);
                if (auto* panel = dynamic_cast<TCustomPanel*>(control)) SkinChildren(panel);
            }
            return;
        }
    }
    if (SkinOtherLibrary(className, control) || className == "TDBCOMBOBOXVYN") return;
    auto attach = [this](TSkinControl* painter, bool swapColor) {
        painter->AttachControl(this, SkinData, SharedCanvas.get(), swapColor);
    };
    if (dynamic_cast<TCustomCheckBox*>(control)) {
        if (kinds.Contains(xcCheckBox)) return attach(Make<TSkinCheckBox>(control), false);
    }
    if (auto* group = dynamic_cast<TCustomRadioGroup*>(control); group && kinds.Contains(xcRadioButton)) {
        for (int i = 0; i < group->ControlCount(); ++i)
            Make<TSkinRadioButton>(group->Controls(i))->AttachControl(this, SkinData, SharedCanvas.get(), false);
        return attach(Make<TSkinGroupBox>(control), true);
    }
    if (auto* box = dynamic_cast<TCustomGroupBox*>(control); box && kinds.Contains(xcPanel)) {
        SkinChildren(box);
        return attach(Make<TSkinGroupBox>(control), false);
    }
    if (dynamic_cast<TRadioButton*>(control) && kinds.Contains(xcRadioButton))
        return attach(Make<TSkinRadioButton>(control), false);
    if (dynamic_cast<TBitBtn*>(control)) {
        if (kinds.Contains(xcBitBtn)) attach(Make<TSkinBitButton>(control), false);
        return;
    }
    if (auto* panel = dynamic_cast<TCustomPanel*>(control); panel && kinds.Contains(xcPanel)) {
        SkinChildren(panel);
        SetPropByName(panel, "Transparent", "True");
        return attach(Make<TSkinBox>(control), true);
    }
    if (dynamic_cast<TButton*>(control) && kinds.Contains(xcButton)) return attach(Make<TSkinButton>(control), false);
    if (auto* embedded = dynamic_cast<TCustomForm*>(control)) {
        attach(Make<TSkinBox>(control), true);
        SkinComponents(embedded);
    }
}

bool TWinSkinForm::SkinOtherLibrary(const AnsiString& className, TControl* control) {
    const AnsiString key = LowerCase(className) + "=";
    AnsiString kind;
    bool listed = false;
    for (int i = 0; i < SkinData->Skin3rd()->Count() && !listed; ++i) {
        const AnsiString line = LowerCase(SkinData->Skin3rd()->Strings(i));
        if (line.starts_with(key)) {
            kind = line.substr(key.size(), 50);
            listed = true;
        }
    }
    if (!listed) return false;
    const TSkinControlTypes kinds = SkinData->SkinControls();
    auto attach = [this](TSkinControl* painter, bool swapColor) {
        painter->AttachControl(this, SkinData, SharedCanvas.get(), swapColor);
    };
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (kind == "combobox" || kind == "comboboxex" || kind == "edit" || kind == "nil") return true;
    if (kind == "radiobutton" && kinds.Contains(xcRadioButton)) {
        attach(Make<TSkinRadioButton>(control), false);
    } else if (kind == "checkbox" && kinds.Contains(xcCheckBox)) {
        attach(Make<TSkinCheckBox>(control), false);
    } else if (kind == "panel" && kinds.Contains(xcPanel)) {
        SetPropByName(control, "Transparent", "True");
        attach(Make<TSkinBox>(control), true);
    } else if (kind == "button" && kinds.Contains(xcButton)) {
        attach(Make<TSkinButton>(control), false);
    } else if (kind == "bitbtn" && kinds.Contains(xcButton)) {
        attach(Make<TSkinBitButton>(control), false);
    } else if (kind == "pngbitbtn" && kinds.Contains(xcButton)) {
        auto* painter = Make<TSkinBitButton>(control);
        painter->GraphicPropName = "PngImage";
        attach(painter, false);
    } else if (kind == "container" && windowed) {
        SkinChildren(windowed);
    } else if (kind == "groupbox" && kinds.Contains(xcGroupBox)) {
        attach(Make<TSkinGroupBox>(control), true);
    } else if ((kind == "radiogroup" && kinds.Contains(xcGroupBox)) || (kind == "checkgroup" && kinds.Contains(xcPanel))) {
        if (windowed && kinds.Contains(xcRadioButton))
            for (int i = 0; i < windowed->ControlCount(); ++i) {
                TControl* child = windowed->Controls(i);
                TSkinControl* painter = kind == "radiogroup" ? static_cast<TSkinControl*>(Make<TSkinRadioButton>(child))
                                                             : Make<TSkinCheckBox>(child);
                painter->AttachControl(this, SkinData, SharedCanvas.get(), false);
            }
        if (kinds.Contains(xcGroupBox)) attach(Make<TSkinGroupBox>(control), true);
    }
    return true;
}

// ---- raw windows ----

void TWinSkinForm::SkinChildWindows(HWND window) {
    for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLong(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(child);
}

void TWinSkinForm::SkinChildWindow(HWND window) {
    if (!window || FindPainter(window)) return;
    const AnsiString name = WindowClassLower(window);
    const LONG style = GetWindowLong(window, GWL_STYLE);
    const TSkinControlTypes kinds = SkinData->SkinControls();
    TSkinControl* painter = nullptr;
    if (name == "button") {
        // Classified by the button type, the style's low four bits.
        switch (style & BS_TYPEMASK) {
        case BS_OWNERDRAW:
        case BS_GROUPBOX: break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            if (kinds.Contains(xcCheckBox)) painter = Make<TSkinCheckBox>(this);
            break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            if (kinds.Contains(xcRadioButton)) painter = Make<TSkinRadioButton>(this);
            break;
        default:
            if (!(style & BS_BITMAP) && kinds.Contains(xcButton)) painter = Make<TSkinButton>(this);
            break;
        }
    } else if (name == "scrollbar" && !(style & WS_TABSTOP)) {
        painter = Make<TSkinSizer>(this);
    } else if (name == "#32770" && !(style & WS_TABSTOP)) {
        SkinChildWindows(window);
        painter = Make<TSkinBoxH>(this);
    } else if (name == "tpanel") {
        SkinChildWindows(window);
        if (TControl* control = ControlOfWindow(window)) control->SetColor(SkinData->Colour(TSkinData::kButtonFaceIndex));
    } else if (name == "tcheckbox" && kinds.Contains(xcCheckBox)) {
        painter = Make<TSkinCheckBox>(this);
    } else if (name == "tbutton" && kinds.Contains(xcButton)) {
        painter = Make<TSkinButton>(this);
    } else if (name == "toolbarwindow32") {
        painter = Make<TSkinBoxH>(this);
    }
    if (painter) painter->AttachWindow(window, SkinData, SharedCanvas.get(), this);
}

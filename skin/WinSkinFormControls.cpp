// Which painter serves which child control: by the control's class, by the
// skin's class map for other libraries' controls, or by the window class
// for windows without a control object; and the form's list of painters.
#include <algorithm>
#include <memory>

#include "platform/rtl/sysutils.h"
#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/comctrls_listview.h"
#include "platform/ui/comctrls_statusbar.h"
#include "platform/ui/forms.h"
#include "platform/ui/grids.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/ui/stdctrls_scrollbar.h"
#include "platform/win/commctrl.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSubClassBoxes.h"
#include "skin/WinSubClassButtons.h"
#include "skin/WinSubClassCheck.h"
#include "skin/WinSubClassEdit.h"
#include "skin/WinSubClassMedia.h"
#include "skin/WinSubClassRange.h"
#include "skin/WinSubClassScroll.h"
#include "skin/WinSubClassTabs.h"

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

// A windowed control whose window rectangle is larger than its client area.
bool HasBorder(TWinControl* control) {
    RECT window, client;
    GetWindowRect(control->Handle(), &window);
    GetClientRect(control->Handle(), &client);
    return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

// A control that shows scroll bars of its own.
bool IsScrollingControl(TWinControl* control) {
    if (GetWindowLong(control->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) return true;
    return dynamic_cast<TCustomListBox*>(control) || dynamic_cast<TCustomMemo*>(control) ||
           dynamic_cast<TScrollBox*>(control);
}

template <class Painter>
Painter* AttachScroll(TWinSkinForm* form, TSkinData* skin, TCanvas* canvas, TWinControl* control, int mode = 0) {
    auto* painter = new Painter(control);
    painter->Mode = mode;
    painter->AttachScrollControl(control, skin, canvas, form);
    return painter;
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

void TWinSkinForm::ResetScrollPainter(HWND window) {
    auto found = std::find_if(Painters.rbegin(), Painters.rend(),
                              [window](TSkinControl* painter) { return painter->Handle == window; });
    if (found == Painters.rend()) return;
    TSkinControl* old = *found;
    TWinControl* control = old->Control;
    const bool listView = dynamic_cast<TSkinListView*>(old) != nullptr;
    delete old;
    if (!control) return;
    if (listView)
        AttachScroll<TSkinListView>(this, SkinData, SharedCanvas.get(), control);
    else
        AttachScroll<TSkinScrollbar>(this, SkinData, SharedCanvas.get(), control);
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
    const bool hasTabs = SkinData->Tabs() && SkinData->Tabs()->Bitmap && !SkinData->Tabs()->Bitmap->Empty();
    if (auto* tabControl = dynamic_cast<TCustomTabControl*>(control); tabControl && kinds.Contains(xcTab) && hasTabs) {
        if (dynamic_cast<TPageControl*>(control)) {
            const AnsiString style = LowerCase(GetEnumPropByName(control, "Style"));
            if (!style.empty() && style != "tstabs") return attach(Make<TSkinTabBtn>(control), false);
            return attach(Make<TSkinTab>(control), false);
        }
        auto* painter = Make<TSkinTab>(control);
        painter->Mode = 2;
        return attach(painter, false);
    }
    if (className == "TTABSET" && kinds.Contains(xcTab) && hasTabs) return attach(Make<TSkinTab31>(control), false);
    if (dynamic_cast<TTabSheet*>(control) && kinds.Contains(xcTab) && hasTabs)
        return attach(Make<TSkinTabSheet>(control), false);
    if (className == "TTABBEDNOTEBOOK" && kinds.Contains(xcTab) && hasTabs) return attach(Make<TSkinTab>(control), false);
    if (dynamic_cast<TCustomCheckBox*>(control)) {
        if (kinds.Contains(xcCheckBox)) return attach(Make<TSkinCheckBox>(control), false);
    }
    if ((className == "TUPDOWN" || className == "TSPINBUTTON") && kinds.Contains(xcSpin))
        return attach(Make<TSkinUpDown>(control), false);
    if (className == "TMEDIAPLAYER" && kinds.Contains(xcButton)) return attach(Make<TSkinMP>(control), false);
    if (auto* group = dynamic_cast<TCustomRadioGroup*>(control); group && kinds.Contains(xcRadioButton)) {
        for (int i = 0; i < group->ControlCount(); ++i)
            Make<TSkinRadioButton>(group->Controls(i))->AttachControl(this, SkinData, SharedCanvas.get(), false);
        return attach(Make<TSkinGroupBox>(control), true);
    }
    if (className == "TDBNAVIGATOR" && windowed && kinds.Contains(xcPanel)) {
        attach(Make<TSkinBox>(control), true);
        for (int i = 0; i < windowed->ControlCount(); ++i) SkinControl(windowed->Controls(i), windowed);
        return;
    }
    const bool styledCheck = className == "TVXDBCHECKBOX" || className == "TVXCHECKBOX";
    const bool styledRadio = className == "TVXRADIOBUTTON" || className == "TVXDBRADIOBUTTON";
    if ((styledCheck && kinds.Contains(xcCheckBox)) || (styledRadio && kinds.Contains(xcRadioButton))) {
        auto* painter = Make<TSkinObjImage>(control);
        painter->Kind = styledCheck ? TSkinObjImage::kCheckBox : TSkinObjImage::kRadioButton;
        return attach(painter, true);
    }
    if (auto* box = dynamic_cast<TCustomGroupBox*>(control); box && kinds.Contains(xcPanel)) {
        SkinChildren(box);
        return attach(Make<TSkinGroupBox>(control), false);
    }
    if (dynamic_cast<TRadioButton*>(control) && kinds.Contains(xcRadioButton))
        return attach(Make<TSkinRadioButton>(control), false);
    if (dynamic_cast<TCustomStatusBar*>(control) && kinds.Contains(xcStatusBar))
        return attach(Make<TSkinStatusBar>(control), false);
    if (auto* bar = dynamic_cast<TScrollBar*>(control); bar && kinds.Contains(xcScrollbar)) {
        Make<TSkinScControl>(control)->AttachScrollBarControl(bar, SkinData, SharedCanvas.get(), this);
        return;
    }
    if (dynamic_cast<TCustomComboBox*>(control) && kinds.Contains(xcCombo))
        return attach(Make<TSkinComBox>(control), false);
    if (dynamic_cast<TDateTimePicker*>(control) && kinds.Contains(xcEdit)) {
        if (LowerCase(GetEnumPropByName(control, "DateMode")) == "dmupdown" ||
            LowerCase(GetEnumPropByName(control, "Kind")) == "dtktime")
            return attach(Make<TSkinEdit>(control), false);
        return attach(Make<TSkinDateTime>(control), false);
    }
    if (className == "TRICHEDIT" && windowed && kinds.Contains(xcScrollbar)) {
        AttachScroll<TSkinScrollbar>(this, SkinData, SharedCanvas.get(), windowed);
        return;
    }
    if (dynamic_cast<TSpeedButton*>(control)) {
        if (kinds.Contains(xcSpeedButton))
            Make<TSkinSpeedButton>(control)->AttachGraphicControl(this, SkinData, SharedCanvas.get());
        return;
    }
    if (dynamic_cast<TBitBtn*>(control)) {
        if (kinds.Contains(xcBitBtn)) attach(Make<TSkinBitButton>(control), false);
        return;
    }
    if (auto* panel = dynamic_cast<TCustomPanel*>(control); panel && kinds.Contains(xcPanel)) {
        SkinChildren(panel);
        SetPropByName(panel, "Transparent", "True");
        return attach(Make<TSkinBox>(control), true);
    }
    if (windowed && kinds.Contains(xcScrollbar)) {
        if (dynamic_cast<TListView*>(control)) {
            AttachScroll<TSkinListView>(this, SkinData, SharedCanvas.get(), windowed);
            return;
        }
        if (dynamic_cast<TCustomMemo*>(control) || dynamic_cast<TCustomGrid*>(control) ||
            IsScrollingControl(windowed)) {
            AttachScroll<TSkinScrollbar>(this, SkinData, SharedCanvas.get(), windowed);
            return;
        }
    }
    if (dynamic_cast<TButton*>(control) && kinds.Contains(xcButton)) return attach(Make<TSkinButton>(control), false);
    if (auto* edit = dynamic_cast<TCustomEdit*>(control); edit && kinds.Contains(xcEdit)) {
        if (HasBorder(edit)) attach(Make<TSkinEdit>(control), false);
        return;
    }
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
    if (kind == "nil") return true;
    if ((kind == "combobox" || kind == "comboboxex") && kinds.Contains(xcCombo)) {
        auto* painter = Make<TSkinComBox>(control);
        painter->Extended = kind == "comboboxex";
        attach(painter, false);
    } else if (kind == "edit" && kinds.Contains(xcEdit)) {
        if (windowed && HasBorder(windowed)) attach(Make<TSkinEdit>(control), false);
    } else if (kind == "trackbar" && kinds.Contains(xcButton)) {
        SetPropByName(control, "Transparent", "True");
        attach(Make<TSkinTrackBar>(control), false);
    } else if (kind == "datetimepicker" && kinds.Contains(xcCombo)) {
        attach(Make<TSkinDateTime>(control), false);
    } else if (kind == "tab" && kinds.Contains(xcTab) && SkinData->Tabs()) {
        attach(Make<TSkinTab>(control), false);
    } else if (kind == "bavpagecontrol" && kinds.Contains(xcTab)) {
        auto* painter = Make<TSkinBavPage>(control);
        painter->Kind = TSkinBavPage::kTabBackgrounds;
        attach(painter, true);
    } else if (kind == "progress" && kinds.Contains(xcProgress)) {
        attach(Make<TSkinProgress>(control), false);
    } else if ((kind == "scrollbar" || kind == "singlescrollbar") && windowed && kinds.Contains(xcScrollbar)) {
        AttachScroll<TSkinScrollbar>(this, SkinData, SharedCanvas.get(), windowed, kind == "singlescrollbar" ? 1 : 0);
        if (kind == "scrollbar") SkinChildren(windowed);
    } else if (kind == "embedscrollbar" && windowed && kinds.Contains(xcScrollbar)) {
        for (int i = 0; i < windowed->ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i));
            if (!child) continue;
            if (auto* bar = dynamic_cast<TScrollBar*>(child))
                Make<TSkinScControl>(child)->AttachScrollBarControl(bar, SkinData, SharedCanvas.get(), this);
            else if (IsScrollingControl(child))
                AttachScroll<TSkinScrollbar>(this, SkinData, SharedCanvas.get(), child);
        }
    } else if (kind == "radiobutton" && kinds.Contains(xcRadioButton)) {
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
    } else if (kind == "mediaplayer" && kinds.Contains(xcButton)) {
        attach(Make<TSkinMP>(control), false);
    } else if (kind == "menubtn" && kinds.Contains(xcButton)) {
        attach(Make<TSkinMenuButton>(control), false);
    } else if (kind == "pngbitbtn" && kinds.Contains(xcButton)) {
        auto* painter = Make<TSkinBitButton>(control);
        painter->GraphicPropName = "PngImage";
        attach(painter, false);
    } else if ((kind == "speedbutton" && kinds.Contains(xcSpeedButton)) || (kind == "pngspeedbutton" && kinds.Contains(xcButton))) {
        auto* painter = Make<TSkinSpeedButton>(control);
        if (kind == "pngspeedbutton") painter->GraphicPropName = "PngImage";
        painter->AttachGraphicControl(this, SkinData, SharedCanvas.get());
    } else if (kind == "container" && windowed) {
        SkinChildren(windowed);
    } else if (kind == "groupbox" && kinds.Contains(xcGroupBox)) {
        attach(Make<TSkinGroupBox>(control), true);
    } else if ((kind == "radiogroup" && kinds.Contains(xcGroupBox)) || (kind == "checkgroup" && kinds.Contains(xcPanel))) {
        if (windowed && kinds.Contains(xcRadioButton))
            for (int i = 0; i < windowed->ControlCount(); ++i) {
                TControl* child = windowed->Controls(i);
                // The styled library's own buttons take the skin's glyphs.
                if (UpperCase(child->ClassName()).find("TVX") != AnsiString::npos) {
                    auto* painter = Make<TSkinObjImage>(child);
                    painter->Kind = kind == "radiogroup" ? TSkinObjImage::kRadioButton : TSkinObjImage::kCheckBox;
                    painter->AttachControl(this, SkinData, SharedCanvas.get(), true);
                    continue;
                }
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
    } else if (name == "combobox") {
        if (kinds.Contains(xcCombo) && (style & 3) != CBS_SIMPLE) painter = Make<TSkinComBox>(this);
    } else if (name == "comboboxex32") {
        HWND combo = GetTopWindow(window);
        if (kinds.Contains(xcCombo) && combo) {
            Make<TSkinComBox>(this)->AttachWindow(combo, SkinData, SharedCanvas.get(), this);
            return;
        }
    } else if (name == "systreeview32") {
        return;
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
    } else if (name == "tcombobox" && kinds.Contains(xcCombo)) {
        painter = Make<TSkinComBox>(this);
    } else if (name == "tprogressbar") {
        painter = Make<TSkinProgress>(this);
    } else if (name == "systabcontrol32" && kinds.Contains(xcTab) && !(style & 0x2000)) {
        painter = Make<TSkinTab>(this);
    } else if (name == "toolbarwindow32") {
        painter = Make<TSkinBoxH>(this);
    } else if (name == "edit" && kinds.Contains(xcEdit)) {
        painter = Make<TSkinEdit>(this);
    }
    if (painter) painter->AttachWindow(window, SkinData, SharedCanvas.get(), this);
}

// Registration of the script unit "StdCtrls": one small callback per member.
// Strings assigned to Lines and Items are copied; the standard controls are
// entered in the streaming class registry for script forms.
#include "script/bindings/qm_kpinterpreter_stdctrls.h"

#include <vector>

#include "platform/rtl/classregistry.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/ui/stdctrls_statictext.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreter_windows.h"

namespace {

using namespace bindargs;

constexpr const char* unitName = "StdCtrls";

// The classes in order of registration, entered last in the streaming registry.
using ClassList = std::vector<TClass>;

template <class T>
TClass DefineControlClass(TKpInterpreterAdapter& a, ClassList& registered) {
    a.DefineClass(unitName, T::StaticClass());
    a.DefineGetter(T::StaticClass(), "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new T(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    registered.push_back(T::StaticClass());
    return T::StaticClass();
}

void RegisterEdits(TKpInterpreterAdapter& a, ClassList& classes) {
    const TClass c = DefineControlClass<TCustomEdit>(a, classes);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TCustomEdit>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "ClearSelection", [](Variant&, Frame& f) { Self<TCustomEdit>(f)->ClearSelection(); }, 0, {}, 0);
    a.DefineGetter(c, "CopyToClipboard", [](Variant&, Frame& f) { Self<TCustomEdit>(f)->CopyToClipboard(); }, 0, {}, 0);
    a.DefineGetter(c, "CutToClipboard", [](Variant&, Frame& f) { Self<TCustomEdit>(f)->CutToClipboard(); }, 0, {}, 0);
    a.DefineGetter(c, "PasteFromClipboard", [](Variant&, Frame& f) { Self<TCustomEdit>(f)->PasteFromClipboard(); }, 0, {}, 0);
    a.DefineGetter(c, "SelectAll", [](Variant&, Frame& f) { Self<TCustomEdit>(f)->SelectAll(); }, 0, {}, 0);
    // The selection copied into the script's string, never beyond its length,
    // and handed back through the var argument.
    a.DefineGetter(c, "GetSelTextBuf", [](Variant& v, Frame& f) {
        v = CopyIntoStringArg(f, 0, IntArg(f, 1), [&f](char* buffer, Integer size) { return Self<TCustomEdit>(f)->GetSelTextBuf(buffer, size); });
    }, 2, {varParamFlag, 0}, 0);
    a.DefineGetter(c, "SetSelTextBuf", [](Variant&, Frame& f) { Self<TCustomEdit>(f)->SetSelTextBuf(StrArg(f, 0).c_str()); }, 1, {0}, 0);
    a.DefineGetter(c, "Modified", [](Variant& v, Frame& f) { v = Self<TCustomEdit>(f)->Modified(); }, 0, {}, 0);
    a.DefineSetter(c, "Modified", [](const Variant& v, Frame& f) { Self<TCustomEdit>(f)->SetModified(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "SelLength", [](Variant& v, Frame& f) { v = Self<TCustomEdit>(f)->SelLength(); }, 0, {}, 0);
    a.DefineSetter(c, "SelLength", [](const Variant& v, Frame& f) { Self<TCustomEdit>(f)->SetSelLength(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "SelStart", [](Variant& v, Frame& f) { v = Self<TCustomEdit>(f)->SelStart(); }, 0, {}, 0);
    a.DefineSetter(c, "SelStart", [](const Variant& v, Frame& f) { Self<TCustomEdit>(f)->SetSelStart(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "SelText", [](Variant& v, Frame& f) { v = Self<TCustomEdit>(f)->SelText(); }, 0, {}, 0);
    a.DefineSetter(c, "SelText", [](const Variant& v, Frame& f) { Self<TCustomEdit>(f)->SetSelText(VarToStr(v)); }, 0, {});
    DefineControlClass<TEdit>(a, classes);
    DefineByteOrdinals(a, unitName, {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
    const TClass m = DefineControlClass<TCustomMemo>(a, classes);
    a.DefineGetter(m, "Lines", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCustomMemo>(f)->Lines()); }, 0, {}, 0);
    a.DefineSetter(m, "Lines", [](const Variant& v, Frame& f) { Self<TCustomMemo>(f)->SetLines(CheckedCast<TStrings>(v)); }, 0, {});
    DefineControlClass<TMemo>(a, classes);
}

void RegisterComboAndButton(TKpInterpreterAdapter& a, ClassList& classes) {
    const TClass c = DefineControlClass<TCustomComboBox>(a, classes);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TCustomComboBox>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "SelectAll", [](Variant&, Frame& f) { Self<TCustomComboBox>(f)->SelectAll(); }, 0, {}, 0);
    a.DefineGetter(c, "Canvas", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCustomComboBox>(f)->Canvas()); }, 0, {}, 0);
    a.DefineGetter(c, "DroppedDown", [](Variant& v, Frame& f) { v = Self<TCustomComboBox>(f)->DroppedDown(); }, 0, {}, 0);
    a.DefineSetter(c, "DroppedDown", [](const Variant& v, Frame& f) { Self<TCustomComboBox>(f)->SetDroppedDown(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Items", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCustomComboBox>(f)->Items()); }, 0, {}, 0);
    a.DefineSetter(c, "Items", [](const Variant& v, Frame& f) { Self<TCustomComboBox>(f)->SetItems(CheckedCast<TStrings>(v)); }, 0, {});
    a.DefineGetter(c, "ItemIndex", [](Variant& v, Frame& f) { v = Self<TCustomComboBox>(f)->ItemIndex(); }, 0, {}, 0);
    a.DefineSetter(c, "ItemIndex", [](const Variant& v, Frame& f) { Self<TCustomComboBox>(f)->SetItemIndex(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "SelLength", [](Variant& v, Frame& f) { v = Self<TCustomComboBox>(f)->SelLength(); }, 0, {}, 0);
    a.DefineSetter(c, "SelLength", [](const Variant& v, Frame& f) { Self<TCustomComboBox>(f)->SetSelLength(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "SelStart", [](Variant& v, Frame& f) { v = Self<TCustomComboBox>(f)->SelStart(); }, 0, {}, 0);
    a.DefineSetter(c, "SelStart", [](const Variant& v, Frame& f) { Self<TCustomComboBox>(f)->SetSelStart(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "SelText", [](Variant& v, Frame& f) { v = Self<TCustomComboBox>(f)->SelText(); }, 0, {}, 0);
    a.DefineSetter(c, "SelText", [](const Variant& v, Frame& f) { Self<TCustomComboBox>(f)->SetSelText(VarToStr(v)); }, 0, {});
    DefineControlClass<TComboBox>(a, classes);
    const TClass b = DefineControlClass<TButton>(a, classes);
    a.DefineGetter(b, "Click", [](Variant&, Frame& f) { Self<TButton>(f)->Click(); }, 0, {}, 0);
}

void RegisterListBox(TKpInterpreterAdapter& a, ClassList& classes) {
    const TClass c = DefineControlClass<TCustomListBox>(a, classes);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TCustomListBox>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "ItemAtPos", [](Variant& v, Frame& f) { v = Self<TCustomListBox>(f)->ItemAtPos(VariantToPoint(Arg(f, 0)), BoolArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "ItemRect", [](Variant& v, Frame& f) { v = RectToVariant(Self<TCustomListBox>(f)->ItemRect(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Canvas", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCustomListBox>(f)->Canvas()); }, 0, {}, 0);
    a.DefineGetter(c, "SelCount", [](Variant& v, Frame& f) { v = Self<TCustomListBox>(f)->SelCount(); }, 0, {}, 0);
    a.DefineGetter(c, "Items", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCustomListBox>(f)->Items()); }, 0, {}, 0);
    a.DefineSetter(c, "Items", [](const Variant& v, Frame& f) { Self<TCustomListBox>(f)->SetItems(CheckedCast<TStrings>(v)); }, 0, {});
    a.DefineGetter(c, "ItemIndex", [](Variant& v, Frame& f) { v = Self<TCustomListBox>(f)->ItemIndex(); }, 0, {}, 0);
    a.DefineSetter(c, "ItemIndex", [](const Variant& v, Frame& f) { Self<TCustomListBox>(f)->SetItemIndex(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "TopIndex", [](Variant& v, Frame& f) { v = Self<TCustomListBox>(f)->TopIndex(); }, 0, {}, 0);
    a.DefineSetter(c, "TopIndex", [](const Variant& v, Frame& f) { Self<TCustomListBox>(f)->SetTopIndex(v.AsInteger()); }, 0, {});
    a.DefineIndexedGetter(c, "Selected", [](Variant& v, Frame& f) { v = Self<TCustomListBox>(f)->Selected(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineIndexedSetter(c, "Selected", [](const Variant& v, Frame& f) { Self<TCustomListBox>(f)->SetSelected(IntArg(f, 0), v.AsBoolean()); }, 1, {1});
    DefineControlClass<TListBox>(a, classes);
}

}  // namespace

void TKpInterpreterStdCtrlsEvent::DrawItemEvent(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Control), Variant(Index), RectToVariant(Rect), SetToVariant(Cardinal(State.Bits()))}, result);
}

void TKpInterpreterStdCtrlsEvent::MeasureItemEvent(TWinControl* Control, int Index, int& Height) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Control), Variant(Index), Variant(Height)}, result);
    Height = GetFrame().ArgValues[2].AsInteger();
}

// The code goes out as a set whose value is the code's ordinal.
void TKpInterpreterStdCtrlsEvent::ScrollEvent(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), SetToVariant(Cardinal(ScrollCode)), Variant(ScrollPos)}, result);
    ScrollPos = GetFrame().ArgValues[2].AsInteger();
}

void RegisterStdCtrlsBindings(TKpInterpreterAdapter& a) {
    a.DefineUnit(unitName);
    ClassList classes;
    DefineControlClass<TGroupBox>(a, classes);
    DefineByteOrdinals(a, unitName, {"tlTop", "tlCenter", "tlBottom"});
    const TClass label = DefineControlClass<TCustomLabel>(a, classes);
    a.DefineGetter(label, "Canvas", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCustomLabel>(f)->Canvas()); }, 0, {}, 0);
    DefineControlClass<TLabel>(a, classes);
    DefineByteOrdinals(a, unitName, {"ecNormal", "ecUpperCase", "ecLowerCase"});
    RegisterEdits(a, classes);
    DefineByteOrdinals(a, unitName, {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
    Cardinal state = 0;
    for (const char* name : {"odSelected", "odGrayed", "odDisabled", "odChecked", "odFocused"})
        a.DefineConstant(unitName, name, Variant(state++));
    RegisterComboAndButton(a, classes);
    DefineByteOrdinals(a, unitName, {"cbUnchecked", "cbChecked", "cbGrayed"});
    DefineControlClass<TCustomCheckBox>(a, classes);
    DefineControlClass<TCheckBox>(a, classes);
    DefineControlClass<TRadioButton>(a, classes);
    DefineByteOrdinals(a, unitName, {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
    RegisterListBox(a, classes);
    DefineByteOrdinals(a, unitName, {"scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition", "scTrack", "scTop",
                           "scBottom", "scEndScroll"});
    const TClass bar = DefineControlClass<TScrollBar>(a, classes);
    a.DefineGetter(bar, "SetParams", [](Variant&, Frame& f) { Self<TScrollBar>(f)->SetParams(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
    DefineByteOrdinals(a, unitName, {"sbsNone", "sbsSingle", "sbsSunken"});
    DefineControlClass<TCustomStaticText>(a, classes);
    DefineControlClass<TStaticText>(a, classes);
    using Event = TKpInterpreterStdCtrlsEvent;
    a.DefineEventType(unitName, "TDrawItemEvent", Event::StaticClass(), &Event::DrawItemEvent);
    a.DefineEventType(unitName, "TMeasureItemEvent", Event::StaticClass(), &Event::MeasureItemEvent);
    a.DefineEventType(unitName, "TScrollEvent", Event::StaticClass(), &Event::ScrollEvent);
    for (TClass c : classes) RegisterClass(c);
}

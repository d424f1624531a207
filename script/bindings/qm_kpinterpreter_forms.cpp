// Registration of the script unit "Forms": one small callback per member.
// Enumerated properties read as bytes, margins and increments as words and
// the screen's cursor as a 16-bit signed value; handles go out as integers
// and come in as their low 32 bits.
#include "script/bindings/qm_kpinterpreter_forms.h"

#include <cstdint>

#include "platform/print/printforms.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datamodule.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"
#include "platform/ui/menus.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

constexpr const char* unitName = "Forms";

template <class T>
void DefineOwnedCreate(TKpInterpreterAdapter& a, const char* name = "Create") {
    a.DefineGetter(T::StaticClass(), name, [](Variant& v, Frame& f) { v = ObjectToVariant(T::Create(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
}

// "CreateNew": the module without its description.
template <class T>
void DefineCreateNew(TKpInterpreterAdapter& a) {
    a.DefineGetter(T::StaticClass(), "CreateNew", [](Variant& v, Frame& f) { v = ObjectToVariant(T::Create(ObjArg<TComponent>(f, 0), 0)); }, 1, {0}, 0);
}

// A method without arguments and result, registered on `T` (the method
// may be an ancestor's).
template <class T, auto Method>
void DefineProcedure(TKpInterpreterAdapter& a, const char* name) {
    a.DefineGetter(T::StaticClass(), name, [](Variant&, Frame& f) { (Self<T>(f)->*Method)(); }, 0, {}, 0);
}

void RegisterScrollBars(TKpInterpreterAdapter& a) {
    const TClass c = TControlScrollBar::StaticClass();
    a.DefineClass(unitName, c);
    a.DefineGetter(c, "Assign", [](Variant&, Frame& f) { Self<TControlScrollBar>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Kind", [](Variant& v, Frame& f) { v = Byte(Self<TControlScrollBar>(f)->Kind()); }, 0, {}, 0);
    a.DefineGetter(c, "ScrollPos", [](Variant& v, Frame& f) { v = Self<TControlScrollBar>(f)->ScrollPos(); }, 0, {}, 0);
    a.DefineGetter(c, "Margin", [](Variant& v, Frame& f) { v = Self<TControlScrollBar>(f)->Margin(); }, 0, {}, 0);
    a.DefineSetter(c, "Margin", [](const Variant& v, Frame& f) { Self<TControlScrollBar>(f)->SetMargin(Word(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "Increment", [](Variant& v, Frame& f) { v = Self<TControlScrollBar>(f)->Increment(); }, 0, {}, 0);
    a.DefineSetter(c, "Increment", [](const Variant& v, Frame& f) { Self<TControlScrollBar>(f)->SetIncrement(Word(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "Range", [](Variant& v, Frame& f) { v = Self<TControlScrollBar>(f)->Range(); }, 0, {}, 0);
    a.DefineSetter(c, "Range", [](const Variant& v, Frame& f) { Self<TControlScrollBar>(f)->SetRange(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Position", [](Variant& v, Frame& f) { v = Self<TControlScrollBar>(f)->Position(); }, 0, {}, 0);
    a.DefineSetter(c, "Position", [](const Variant& v, Frame& f) { Self<TControlScrollBar>(f)->SetPosition(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Tracking", [](Variant& v, Frame& f) { v = Self<TControlScrollBar>(f)->Tracking(); }, 0, {}, 0);
    a.DefineSetter(c, "Tracking", [](const Variant& v, Frame& f) { Self<TControlScrollBar>(f)->SetTracking(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Visible", [](Variant& v, Frame& f) { v = Self<TControlScrollBar>(f)->Visible(); }, 0, {}, 0);
    a.DefineSetter(c, "Visible", [](const Variant& v, Frame& f) { Self<TControlScrollBar>(f)->SetVisible(v.AsBoolean()); }, 0, {});
}

void RegisterScrollingControl(TKpInterpreterAdapter& a) {
    using T = TScrollingWinControl;
    const TClass c = T::StaticClass();
    a.DefineClass(unitName, c);
    DefineOwnedCreate<T>(a);
    DefineProcedure<T, &T::DisableAutoRange>(a, "DisableAutoRange");
    DefineProcedure<T, &T::EnableAutoRange>(a, "EnableAutoRange");
    a.DefineGetter(c, "ScrollInView", [](Variant&, Frame& f) { Self<T>(f)->ScrollInView(ObjArg<TControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "HorzScrollBar", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->HorzScrollBar()); }, 0, {}, 0);
    a.DefineSetter(c, "HorzScrollBar", [](const Variant& v, Frame& f) { Self<T>(f)->SetHorzScrollBar(CheckedCast<TControlScrollBar>(v)); }, 0, {});
    a.DefineGetter(c, "VertScrollBar", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->VertScrollBar()); }, 0, {}, 0);
    a.DefineSetter(c, "VertScrollBar", [](const Variant& v, Frame& f) { Self<T>(f)->SetVertScrollBar(CheckedCast<TControlScrollBar>(v)); }, 0, {});
}

void RegisterScrollBox(TKpInterpreterAdapter& a) {
    const TClass c = TScrollBox::StaticClass();
    a.DefineClass(unitName, c);
    DefineOwnedCreate<TScrollBox>(a);
    a.DefineGetter(c, "BorderStyle", [](Variant& v, Frame& f) { v = Byte(Self<TScrollBox>(f)->BorderStyle()); }, 0, {}, 0);
    a.DefineSetter(c, "BorderStyle", [](const Variant& v, Frame& f) { Self<TScrollBox>(f)->SetBorderStyle(TFormBorderStyle(v.AsInteger())); }, 0, {});
}

void RegisterCustomForm(TKpInterpreterAdapter& a) {
    using T = TCustomForm;
    const TClass c = T::StaticClass();
    a.DefineClass(unitName, c);
    DefineProcedure<T, &T::Close>(a, "Close");
    DefineProcedure<T, &T::Hide>(a, "Hide");
    a.DefineGetter(c, "Print", [](Variant&, Frame& f) { PrintForm(Self<T>(f)); }, 0, {}, 0);
    DefineProcedure<T, &T::Release>(a, "Release");
    DefineProcedure<T, &T::SetFocus>(a, "SetFocus");
    DefineProcedure<T, &T::Show>(a, "Show");
    a.DefineGetter(c, "CloseQuery", [](Variant& v, Frame& f) { v = Self<T>(f)->CloseQuery(); }, 0, {}, 0);
    a.DefineGetter(c, "ShowModal", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->ShowModal()); }, 0, {}, 0);
    a.DefineGetter(c, "GetFormImage", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->GetFormImage()); }, 0, {}, 0);
    a.DefineGetter(c, "DefocusControl", [](Variant&, Frame& f) { Self<T>(f)->DefocusControl(ObjArg<TWinControl>(f, 0), BoolArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "FocusControl", [](Variant&, Frame& f) { Self<T>(f)->FocusControl(ObjArg<TWinControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "SendCancelMode", [](Variant&, Frame& f) { Self<T>(f)->SendCancelMode(ObjArg<TControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "SetFocusedControl", [](Variant& v, Frame& f) { v = Self<T>(f)->SetFocusedControl(ObjArg<TWinControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Active", [](Variant& v, Frame& f) { v = Self<T>(f)->Active(); }, 0, {}, 0);
    a.DefineGetter(c, "Canvas", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->Canvas()); }, 0, {}, 0);
    a.DefineGetter(c, "ActiveControl", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->ActiveControl()); }, 0, {}, 0);
    a.DefineSetter(c, "ActiveControl", [](const Variant& v, Frame& f) { Self<T>(f)->SetActiveControl(CheckedCast<TWinControl>(v)); }, 0, {});
    a.DefineGetter(c, "ActiveOleControl", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->ActiveOleControl()); }, 0, {}, 0);
    a.DefineSetter(c, "ActiveOleControl", [](const Variant& v, Frame& f) { Self<T>(f)->SetActiveOleControl(CheckedCast<TWinControl>(v)); }, 0, {});
    a.DefineGetter(c, "DropTarget", [](Variant& v, Frame& f) { v = Self<T>(f)->DropTarget(); }, 0, {}, 0);
    a.DefineSetter(c, "DropTarget", [](const Variant& v, Frame& f) { Self<T>(f)->SetDropTarget(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "HelpFile", [](Variant& v, Frame& f) { v = Self<T>(f)->HelpFile(); }, 0, {}, 0);
    a.DefineSetter(c, "HelpFile", [](const Variant& v, Frame& f) { Self<T>(f)->SetHelpFile(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "KeyPreview", [](Variant& v, Frame& f) { v = Self<T>(f)->KeyPreview(); }, 0, {}, 0);
    a.DefineSetter(c, "KeyPreview", [](const Variant& v, Frame& f) { Self<T>(f)->SetKeyPreview(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Menu", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->Menu()); }, 0, {}, 0);
    a.DefineSetter(c, "Menu", [](const Variant& v, Frame& f) { Self<T>(f)->SetMenu(CheckedCast<TMainMenu>(v)); }, 0, {});
    a.DefineGetter(c, "ModalResult", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->ModalResult()); }, 0, {}, 0);
    a.DefineSetter(c, "ModalResult", [](const Variant& v, Frame& f) { Self<T>(f)->SetModalResult(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "WindowState", [](Variant& v, Frame& f) { v = Byte(Self<T>(f)->WindowState()); }, 0, {}, 0);
    a.DefineSetter(c, "WindowState", [](const Variant& v, Frame& f) { Self<T>(f)->SetWindowState(TWindowState(v.AsInteger())); }, 0, {});
}

void RegisterFormAndDataModule(TKpInterpreterAdapter& a) {
    a.DefineClass(unitName, TForm::StaticClass());
    DefineOwnedCreate<TForm>(a);
    DefineCreateNew<TForm>(a);
    DefineProcedure<TForm, &TForm::ArrangeIcons>(a, "ArrangeIcons");
    DefineProcedure<TForm, &TForm::Cascade>(a, "Cascade");
    DefineProcedure<TForm, &TForm::Next>(a, "Next");
    DefineProcedure<TForm, &TForm::Previous>(a, "Previous");
    DefineProcedure<TForm, &TForm::Tile>(a, "Tile");
    a.DefineClass(unitName, TDataModule::StaticClass());
    DefineOwnedCreate<TDataModule>(a);
    DefineCreateNew<TDataModule>(a);
}

void RegisterScreen(TKpInterpreterAdapter& a) {
    using T = TScreen;
    const TClass c = T::StaticClass();
    a.DefineClass(unitName, c);
    DefineOwnedCreate<T>(a);
    a.DefineGetter(c, "ActiveControl", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->ActiveControl()); }, 0, {}, 0);
    a.DefineGetter(c, "ActiveCustomForm", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->ActiveCustomForm()); }, 0, {}, 0);
    a.DefineGetter(c, "ActiveForm", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->ActiveForm()); }, 0, {}, 0);
    a.DefineGetter(c, "Fonts", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->Fonts()); }, 0, {}, 0);
    a.DefineGetter(c, "Imes", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->Imes()); }, 0, {}, 0);
    a.DefineGetter(c, "CustomFormCount", [](Variant& v, Frame& f) { v = Self<T>(f)->CustomFormCount(); }, 0, {}, 0);
    a.DefineGetter(c, "DataModuleCount", [](Variant& v, Frame& f) { v = Self<T>(f)->DataModuleCount(); }, 0, {}, 0);
    a.DefineGetter(c, "FormCount", [](Variant& v, Frame& f) { v = Self<T>(f)->FormCount(); }, 0, {}, 0);
    a.DefineGetter(c, "DefaultKbLayout", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->DefaultKbLayout()); }, 0, {}, 0);
    a.DefineGetter(c, "Height", [](Variant& v, Frame& f) { v = Self<T>(f)->Height(); }, 0, {}, 0);
    a.DefineGetter(c, "PixelsPerInch", [](Variant& v, Frame& f) { v = Self<T>(f)->PixelsPerInch(); }, 0, {}, 0);
    a.DefineGetter(c, "Width", [](Variant& v, Frame& f) { v = Self<T>(f)->Width(); }, 0, {}, 0);
    a.DefineGetter(c, "DefaultIme", [](Variant& v, Frame& f) { v = AnsiString(Self<T>(f)->DefaultIme()); }, 0, {}, 0);
    a.DefineGetter(c, "CustomForms", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->CustomForms(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "DataModules", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->DataModules(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Cursors", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->Cursors(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineSetter(c, "Cursors", [](const Variant& v, Frame& f) { Self<T>(f)->SetCursors(IntArg(f, 0), HCURSOR(Cardinal(v.AsInt64()))); }, 1, {1});
    a.DefineIndexedGetter(c, "Forms", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->Forms(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Cursor", [](Variant& v, Frame& f) { v = std::int16_t(Self<T>(f)->Cursor()); }, 0, {}, 0);
    a.DefineSetter(c, "Cursor", [](const Variant& v, Frame& f) { Self<T>(f)->SetCursor(TCursor(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "IconFont", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->IconFont()); }, 0, {}, 0);
    a.DefineSetter(c, "IconFont", [](const Variant& v, Frame& f) { Self<T>(f)->SetIconFont(CheckedCast<TFont>(v)); }, 0, {});
}

void RegisterApplicationMethods(TKpInterpreterAdapter& a) {
    using T = TApplication;
    const TClass c = T::StaticClass();
    DefineProcedure<T, &T::BringToFront>(a, "BringToFront");
    DefineProcedure<T, &T::CancelHint>(a, "CancelHint");
    DefineProcedure<T, &T::HandleMessage>(a, "HandleMessage");
    DefineProcedure<T, &T::HideHint>(a, "HideHint");
    DefineProcedure<T, &T::Initialize>(a, "Initialize");
    DefineProcedure<T, &T::Minimize>(a, "Minimize");
    DefineProcedure<T, &T::NormalizeAllTopMosts>(a, "NormalizeAllTopMosts");
    a.DefineGetter(c, "NormalizeTopMosts", [](Variant&, Frame& f) { Self<T>(f)->NormalizeTopMosts(); }, 0, {}, 0);
    DefineProcedure<T, &T::ProcessMessages>(a, "ProcessMessages");
    DefineProcedure<T, &T::Restore>(a, "Restore");
    DefineProcedure<T, &T::RestoreTopMosts>(a, "RestoreTopMosts");
    DefineProcedure<T, &T::Run>(a, "Run");
    DefineProcedure<T, &T::Terminate>(a, "Terminate");
    a.DefineGetter(c, "ControlDestroyed", [](Variant&, Frame& f) { Self<T>(f)->ControlDestroyed(ObjArg<TControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "HandleException", [](Variant&, Frame& f) { Self<T>(f)->HandleException(VariantToObject(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "ShowException", [](Variant&, Frame& f) {
        if (const Exception* e = ObjArg<Exception>(f, 0)) Self<T>(f)->ShowException(*e);
    }, 1, {0}, 0);
    // The class as given, unchecked; the new instance goes into the variable.
    a.DefineGetter(c, "CreateForm", [](Variant&, Frame& f) {
        TComponent* instance = nullptr;
        Self<T>(f)->CreateForm(static_cast<TComponentClass>(VariantToClass(Arg(f, 0))), instance);
        SetArg(f, 1, ObjectToVariant(instance));
    }, 2, {0, varParamFlag}, 0);
    a.DefineGetter(c, "HelpCommand", [](Variant& v, Frame& f) { v = Self<T>(f)->HelpCommand(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "HelpContext", [](Variant& v, Frame& f) { v = Self<T>(f)->HelpContext(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "HelpJump", [](Variant& v, Frame& f) { v = Self<T>(f)->HelpJump(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "MessageBox", [](Variant& v, Frame& f) { v = Self<T>(f)->MessageBox(StrArg(f, 0), StrArg(f, 1), UINT(IntArg(f, 2))); }, 3, {0, 0, 0}, 0);
}

void RegisterApplicationProperties(TKpInterpreterAdapter& a) {
    using T = TApplication;
    const TClass c = T::StaticClass();
    a.DefineGetter(c, "Active", [](Variant& v, Frame& f) { v = Self<T>(f)->Active(); }, 0, {}, 0);
    a.DefineGetter(c, "CurrentHelpFile", [](Variant& v, Frame& f) { v = Self<T>(f)->CurrentHelpFile(); }, 0, {}, 0);
    a.DefineGetter(c, "ExeName", [](Variant& v, Frame& f) { v = Self<T>(f)->ExeName(); }, 0, {}, 0);
    a.DefineGetter(c, "MainForm", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->MainForm()); }, 0, {}, 0);
    a.DefineGetter(c, "Terminated", [](Variant& v, Frame& f) { v = Self<T>(f)->Terminated(); }, 0, {}, 0);
    a.DefineGetter(c, "DialogHandle", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->DialogHandle()); }, 0, {}, 0);
    a.DefineSetter(c, "DialogHandle", [](const Variant& v, Frame& f) { Self<T>(f)->SetDialogHandle(HWND(Cardinal(v.AsInt64()))); }, 0, {});
    a.DefineGetter(c, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->Handle()); }, 0, {}, 0);
    a.DefineSetter(c, "Handle", [](const Variant& v, Frame& f) { Self<T>(f)->SetHandle(HWND(Cardinal(v.AsInt64()))); }, 0, {});
    a.DefineGetter(c, "HelpFile", [](Variant& v, Frame& f) { v = Self<T>(f)->HelpFile(); }, 0, {}, 0);
    a.DefineSetter(c, "HelpFile", [](const Variant& v, Frame& f) { Self<T>(f)->SetHelpFile(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Hint", [](Variant& v, Frame& f) { v = Self<T>(f)->Hint(); }, 0, {}, 0);
    a.DefineSetter(c, "Hint", [](const Variant& v, Frame& f) { Self<T>(f)->SetHint(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "HintColor", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->HintColor()); }, 0, {}, 0);
    a.DefineSetter(c, "HintColor", [](const Variant& v, Frame& f) { Self<T>(f)->SetHintColor(TColor(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "HintPause", [](Variant& v, Frame& f) { v = Self<T>(f)->HintPause(); }, 0, {}, 0);
    a.DefineSetter(c, "HintPause", [](const Variant& v, Frame& f) { Self<T>(f)->SetHintPause(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "HintShortPause", [](Variant& v, Frame& f) { v = Self<T>(f)->HintShortPause(); }, 0, {}, 0);
    a.DefineSetter(c, "HintShortPause", [](const Variant& v, Frame& f) { Self<T>(f)->SetHintShortPause(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "HintHidePause", [](Variant& v, Frame& f) { v = Self<T>(f)->HintHidePause(); }, 0, {}, 0);
    a.DefineSetter(c, "HintHidePause", [](const Variant& v, Frame& f) { Self<T>(f)->SetHintHidePause(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Icon", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->Icon()); }, 0, {}, 0);
    a.DefineSetter(c, "Icon", [](const Variant& v, Frame& f) { Self<T>(f)->SetIcon(CheckedCast<TIcon>(v)); }, 0, {});
    a.DefineGetter(c, "ShowHint", [](Variant& v, Frame& f) { v = Self<T>(f)->ShowHint(); }, 0, {}, 0);
    a.DefineSetter(c, "ShowHint", [](const Variant& v, Frame& f) { Self<T>(f)->SetShowHint(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "ShowMainForm", [](Variant& v, Frame& f) { v = Self<T>(f)->ShowMainForm(); }, 0, {}, 0);
    a.DefineSetter(c, "ShowMainForm", [](const Variant& v, Frame& f) { Self<T>(f)->SetShowMainForm(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Title", [](Variant& v, Frame& f) { v = Self<T>(f)->Title(); }, 0, {}, 0);
    a.DefineSetter(c, "Title", [](const Variant& v, Frame& f) { Self<T>(f)->SetTitle(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "UpdateFormatSettings", [](Variant& v, Frame& f) { v = Self<T>(f)->UpdateFormatSettings(); }, 0, {}, 0);
    a.DefineSetter(c, "UpdateFormatSettings", [](const Variant& v, Frame& f) { Self<T>(f)->SetUpdateFormatSettings(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "UpdateMetricSettings", [](Variant& v, Frame& f) { v = Self<T>(f)->UpdateMetricSettings(); }, 0, {}, 0);
    a.DefineSetter(c, "UpdateMetricSettings", [](const Variant& v, Frame& f) { Self<T>(f)->SetUpdateMetricSettings(v.AsBoolean()); }, 0, {});
}

void RegisterApplication(TKpInterpreterAdapter& a) {
    a.DefineClass(unitName, TApplication::StaticClass());
    DefineOwnedCreate<TApplication>(a);
    RegisterApplicationMethods(a);
    RegisterApplicationProperties(a);
}

void RegisterFunctions(TKpInterpreterAdapter& a) {
    a.DefineFunction(unitName, "Application", [](Variant& v, Frame&) { v = ObjectToVariant(Application); }, 0, {}, 0);
    a.DefineFunction(unitName, "Screen", [](Variant& v, Frame&) { v = ObjectToVariant(Screen); }, 0, {}, 0);
    a.DefineFunction(unitName, "GetParentForm", [](Variant& v, Frame& f) { v = ObjectToVariant(GetParentForm(ObjArg<TControl>(f, 0))); }, 1, {0}, 0);
    a.DefineFunction(unitName, "ValidParentForm", [](Variant& v, Frame& f) { v = ObjectToVariant(ValidParentForm(ObjArg<TControl>(f, 0))); }, 1, {0}, 0);
    a.DefineFunction(unitName, "DisableTaskWindows", [](Variant& v, Frame& f) { v = PointerToVariant(DisableTaskWindows(HandleArg(f, 0))); }, 1, {0}, 0);
    a.DefineFunction(unitName, "EnableTaskWindows", [](Variant&, Frame& f) {
        EnableTaskWindows(static_cast<TTaskWindowList*>(VariantToPointer(Arg(f, 0))));
    }, 1, {0}, 0);
    a.DefineFunction(unitName, "IsAccel", [](Variant& v, Frame& f) { v = IsAccel(Word(IntArg(f, 0)), StrArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineFunction(unitName, "KeysToShiftState", [](Variant& v, Frame& f) { v = SetToVariant(Byte(KeysToShiftState(WPARAM(Word(IntArg(f, 0)))).Bits())); }, 1, {0}, 0);
    a.DefineFunction(unitName, "KeyDataToShiftState", [](Variant& v, Frame& f) { v = SetToVariant(Byte(KeyDataToShiftState(LPARAM(IntArg(f, 0))).Bits())); }, 1, {0}, 0);
    a.DefineFunction(unitName, "ForegroundTask", [](Variant& v, Frame&) { v = ForegroundTask(); }, 0, {}, 0);
}

}  // namespace

void TKpInterpreterFormsEvent::CloseEvent(TObject* Sender, TCloseAction& Action) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(Byte(Action))}, result);
    Action = TCloseAction(GetFrame().ArgValues[1].AsInteger() & 0xFF);
}

void TKpInterpreterFormsEvent::CloseQueryEvent(TObject* Sender, bool& CanClose) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(CanClose)}, result);
    CanClose = GetFrame().ArgValues[1].AsBoolean();
}

void TKpInterpreterFormsEvent::ExceptionEvent(TObject* Sender, const std::exception_ptr& E) {
    TObject* error = nullptr;
    try {
        if (E) std::rethrow_exception(E);
    } catch (TObject& object) {
        error = &object;
    } catch (...) {
    }
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), ObjectToVariant(error)}, result);
}

void TKpInterpreterFormsEvent::IdleEvent(TObject* Sender, bool& Done) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(Done)}, result);
    Done = GetFrame().ArgValues[1].AsBoolean();
}

void TKpInterpreterFormsEvent::ShowHintEvent(AnsiString&, bool&, THintInfo&) { RaiseNotImplemented("TShowHintEvent"); }

void RegisterFormsBindings(TKpInterpreterAdapter& a) {
    a.DefineUnit(unitName);
    DefineOrdinals(a, unitName, {"sbHorizontal", "sbVertical"});
    RegisterScrollBars(a);
    RegisterScrollingControl(a);
    DefineOrdinals(a, unitName, {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    RegisterScrollBox(a);
    DefineOrdinals(a, unitName, {"wsNormal", "wsMinimized", "wsMaximized"});
    DefineOrdinals(a, unitName, {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
    DefineOrdinals(a, unitName, {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
    DefineOrdinals(a, unitName, {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"});
    DefineOrdinals(a, unitName, {"poNone", "poProportional", "poPrintToFit"});
    DefineOrdinals(a, unitName, {"saIgnore", "saRestore", "saMinimize", "saMaximize"});
    DefineOrdinals(a, unitName, {"tbHorizontal", "tbVertical"});
    DefineOrdinals(a, unitName, {"caNone", "caHide", "caFree", "caMinimize"});
    DefineOrdinals(a, unitName, {"fsCreating", "fsVisible", "fsShowing", "fsModal", "fsCreatedMDIChild", "fsActivated"});
    RegisterCustomForm(a);
    RegisterFormAndDataModule(a);
    RegisterScreen(a);
    DefineOrdinals(a, unitName, {"tmShow", "tmHide"});
    RegisterApplication(a);
    RegisterFunctions(a);
    using Event = TKpInterpreterFormsEvent;
    a.DefineEventType(unitName, "TCloseEvent", Event::StaticClass(), &Event::CloseEvent);
    a.DefineEventType(unitName, "TCloseQueryEvent", Event::StaticClass(), &Event::CloseQueryEvent);
    a.DefineEventType(unitName, "TExceptionEvent", Event::StaticClass(), &Event::ExceptionEvent);
    a.DefineEventType(unitName, "TIdleEvent", Event::StaticClass(), &Event::IdleEvent);
    a.DefineEventType(unitName, "TShowHintEvent", Event::StaticClass(), &Event::ShowHintEvent);
    RegisterClass(TScrollBox::StaticClass());
}

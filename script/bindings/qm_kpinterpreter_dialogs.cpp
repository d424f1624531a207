// Registration of the script unit "Dialogs": one small callback per member.
// Option sets go out as masks of their own widths, button sets come in
// through VariantToSet, modal results go out as integers.
#include "script/bindings/qm_kpinterpreter_dialogs.h"

#include "platform/print/printdialogs.h"
#include "platform/rtl/classregistry.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/dialogs_color.h"
#include "platform/ui/dialogs_find.h"
#include "platform/ui/dialogs_font.h"
#include "platform/ui/filedialogs.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreter_windows.h"

namespace {

using namespace bindargs;

constexpr const char* unitName = "Dialogs";

// A concrete dialog: its class, "Create" of exactly it and "Execute"
// through its own virtual Execute.
template <class T>
TClass DefineDialogClass(TKpInterpreterAdapter& a) {
    const TClass c = T::StaticClass();
    a.DefineClass(unitName, c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(T::Create(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Execute", [](Variant& v, Frame& f) { v = Self<TCommonDialog>(f)->Execute(); }, 0, {}, 0);
    return c;
}

// "Options" as a set of `Mask` bits.
template <class T, Cardinal Mask>
void DefineOptions(TKpInterpreterAdapter& a) {
    using Options = decltype(std::declval<T>().Options());
    a.DefineGetter(T::StaticClass(), "Options", [](Variant& v, Frame& f) { v = SetToVariant(Cardinal(Self<T>(f)->Options().Bits()) & Mask); }, 0, {}, 0);
    a.DefineSetter(T::StaticClass(), "Options", [](const Variant& v, Frame& f) { Self<T>(f)->SetOptions(Options::FromBits(VariantToSet(v) & Mask)); }, 0, {});
}

template <class T, class Value, Value (T::*Get)() const, void (T::*Set)(Value)>
void DefineInteger(TKpInterpreterAdapter& a, const char* name) {
    a.DefineGetter(T::StaticClass(), name, [](Variant& v, Frame& f) { v = Integer((Self<T>(f)->*Get)()); }, 0, {}, 0);
    a.DefineSetter(T::StaticClass(), name, [](const Variant& v, Frame& f) { (Self<T>(f)->*Set)(Value(v.AsInteger())); }, 0, {});
}

template <class T, class Value, Value (T::*Get)() const, void (T::*Set)(Value)>
void DefineByte(TKpInterpreterAdapter& a, const char* name) {
    a.DefineGetter(T::StaticClass(), name, [](Variant& v, Frame& f) { v = Byte((Self<T>(f)->*Get)()); }, 0, {}, 0);
    a.DefineSetter(T::StaticClass(), name, [](const Variant& v, Frame& f) { (Self<T>(f)->*Set)(Value(v.AsInteger())); }, 0, {});
}

template <class T, bool (T::*Get)() const, void (T::*Set)(bool)>
void DefineBoolean(TKpInterpreterAdapter& a, const char* name) {
    a.DefineGetter(T::StaticClass(), name, [](Variant& v, Frame& f) { v = (Self<T>(f)->*Get)(); }, 0, {}, 0);
    a.DefineSetter(T::StaticClass(), name, [](const Variant& v, Frame& f) { (Self<T>(f)->*Set)(v.AsBoolean()); }, 0, {});
}

template <class T, const AnsiString& (T::*Get)() const, void (T::*Set)(const AnsiString&)>
void DefineString(TKpInterpreterAdapter& a, const char* name) {
    a.DefineGetter(T::StaticClass(), name, [](Variant& v, Frame& f) { v = (Self<T>(f)->*Get)(); }, 0, {}, 0);
    a.DefineSetter(T::StaticClass(), name, [](const Variant& v, Frame& f) { (Self<T>(f)->*Set)(VarToStr(v)); }, 0, {});
}

// An object property set through a checked cast to `Value`.
template <class T, class Value, class Result, Result* (T::*Get)() const, void (T::*Set)(Value*)>
void DefineObject(TKpInterpreterAdapter& a, const char* name) {
    a.DefineGetter(T::StaticClass(), name, [](Variant& v, Frame& f) { v = ObjectToVariant((Self<T>(f)->*Get)()); }, 0, {}, 0);
    a.DefineSetter(T::StaticClass(), name, [](const Variant& v, Frame& f) { (Self<T>(f)->*Set)(CheckedCast<Value>(v)); }, 0, {});
}

void RegisterCommonDialog(TKpInterpreterAdapter& a) {
    using T = TCommonDialog;
    a.DefineClass(unitName, T::StaticClass());
    a.DefineGetter(T::StaticClass(), "Handle", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->Handle()); }, 0, {}, 0);
    DefineBoolean<T, &T::Ctl3D, &T::SetCtl3D>(a, "Ctl3D");
    DefineInteger<T, int, &T::HelpContext, &T::SetHelpContext>(a, "HelpContext");
}

void RegisterFileDialogs(TKpInterpreterAdapter& a) {
    using T = TOpenDialog;
    const TClass c = DefineDialogClass<T>(a);
    DefineByte<T, TFileEditStyle, &T::FileEditStyle, &T::SetFileEditStyle>(a, "FileEditStyle");
    a.DefineGetter(c, "Files", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->Files()); }, 0, {}, 0);
    DefineObject<T, TStrings, TStrings, &T::HistoryList, &T::SetHistoryList>(a, "HistoryList");
    DefineString<T, &T::DefaultExt, &T::SetDefaultExt>(a, "DefaultExt");
    DefineString<T, &T::FileName, &T::SetFileName>(a, "FileName");
    DefineString<T, &T::Filter, &T::SetFilter>(a, "Filter");
    DefineInteger<T, Integer, &T::FilterIndex, &T::SetFilterIndex>(a, "FilterIndex");
    DefineString<T, &T::InitialDir, &T::SetInitialDir>(a, "InitialDir");
    DefineOptions<T, 0xFFFFFFFF>(a);
    DefineString<T, &T::Title, &T::SetTitle>(a, "Title");
    DefineDialogClass<TSaveDialog>(a);
}

void RegisterColorDialog(TKpInterpreterAdapter& a) {
    using T = TColorDialog;
    DefineDialogClass<T>(a);
    DefineInteger<T, TColor, &T::Color, &T::SetColor>(a, "Color");
    DefineObject<T, TStrings, TStrings, &T::CustomColors, &T::SetCustomColors>(a, "CustomColors");
    DefineOptions<T, 0xFF>(a);
}

void RegisterFontAndSetupDialogs(TKpInterpreterAdapter& a) {
    using T = TFontDialog;
    DefineDialogClass<T>(a);
    DefineObject<T, TFont, TFont, &T::Font, &T::SetFont>(a, "Font");
    DefineByte<T, TFontDialogDevice, &T::Device, &T::SetDevice>(a, "Device");
    DefineInteger<T, int, &T::MinFontSize, &T::SetMinFontSize>(a, "MinFontSize");
    DefineInteger<T, int, &T::MaxFontSize, &T::SetMaxFontSize>(a, "MaxFontSize");
    DefineOptions<T, 0xFFFF>(a);
    DefineDialogClass<TPrinterSetupDialog>(a);
}

void RegisterPrintDialog(TKpInterpreterAdapter& a) {
    using T = TPrintDialog;
    DefineDialogClass<T>(a);
    DefineBoolean<T, &T::Collate, &T::SetCollate>(a, "Collate");
    DefineInteger<T, int, &T::Copies, &T::SetCopies>(a, "Copies");
    DefineInteger<T, int, &T::FromPage, &T::SetFromPage>(a, "FromPage");
    DefineInteger<T, int, &T::MinPage, &T::SetMinPage>(a, "MinPage");
    DefineInteger<T, int, &T::MaxPage, &T::SetMaxPage>(a, "MaxPage");
    DefineOptions<T, 0xFF>(a);
    DefineBoolean<T, &T::PrintToFile, &T::SetPrintToFile>(a, "PrintToFile");
    DefineByte<T, TPrintRange, &T::PrintRange, &T::SetPrintRange>(a, "PrintRange");
    DefineInteger<T, int, &T::ToPage, &T::SetToPage>(a, "ToPage");
}

void RegisterFindDialogs(TKpInterpreterAdapter& a) {
    using T = TFindDialog;
    const TClass c = T::StaticClass();
    a.DefineClass(unitName, c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(T::Create(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "CloseDialog", [](Variant&, Frame& f) { Self<T>(f)->CloseDialog(); }, 0, {}, 0);
    a.DefineGetter(c, "Execute", [](Variant& v, Frame& f) { v = Self<T>(f)->Execute(); }, 0, {}, 0);
    DefineInteger<T, int, &T::Left, &T::SetLeft>(a, "Left");
    a.DefineGetter(c, "Position", [](Variant& v, Frame& f) { v = PointToVariant(Self<T>(f)->Position()); }, 0, {}, 0);
    a.DefineSetter(c, "Position", [](const Variant& v, Frame& f) { Self<T>(f)->SetPosition(VariantToPoint(v)); }, 0, {});
    DefineInteger<T, int, &T::Top, &T::SetTop>(a, "Top");
    DefineString<T, &T::FindText, &T::SetFindText>(a, "FindText");
    DefineOptions<T, 0xFFFF>(a);
    const TClass r = TReplaceDialog::StaticClass();
    a.DefineClass(unitName, r);
    a.DefineGetter(r, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(TReplaceDialog::Create(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    DefineString<TReplaceDialog, &TReplaceDialog::ReplaceText, &TReplaceDialog::SetReplaceText>(a, "ReplaceText");
}

TMsgDlgButtons ButtonsArg(Frame& f, int index) { return TMsgDlgButtons::FromBits(VariantToSet(Arg(f, index))); }
TMsgDlgType TypeArg(Frame& f, int index) { return TMsgDlgType(IntArg(f, index)); }

// The variable's text when it holds a string; whatever it held, it gets a
// string back.
void InputQueryFunction(Variant& v, Frame& f) {
    AnsiString value = VarIsStr(Arg(f, 2)) ? StrArg(f, 2) : AnsiString();
    v = InputQuery(StrArg(f, 0), StrArg(f, 1), value);
    SetArg(f, 2, Variant(value));
}

void RegisterFunctions(TKpInterpreterAdapter& a) {
    a.DefineFunction(unitName, "CreateMessageDialog", [](Variant& v, Frame& f) {
        v = ObjectToVariant(CreateMessageDialog(StrArg(f, 0), TypeArg(f, 1), ButtonsArg(f, 2)));
    }, 3, {0, 0, 0}, 0);
    a.DefineFunction(unitName, "MessageDlg", [](Variant& v, Frame& f) {
        v = Integer(MessageDlg(StrArg(f, 0), TypeArg(f, 1), ButtonsArg(f, 2), IntArg(f, 3)));
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineFunction(unitName, "MessageDlgPos", [](Variant& v, Frame& f) {
        v = Integer(MessageDlgPos(StrArg(f, 0), TypeArg(f, 1), ButtonsArg(f, 2), IntArg(f, 3), IntArg(f, 4), IntArg(f, 5)));
    }, 6, {0, 0, 0, 0, 0, 0}, 0);
    a.DefineFunction(unitName, "MessageDlgPosHelp", [](Variant& v, Frame& f) {
        v = Integer(MessageDlgPosHelp(StrArg(f, 0), TypeArg(f, 1), ButtonsArg(f, 2), IntArg(f, 3), IntArg(f, 4), IntArg(f, 5), StrArg(f, 6)));
    }, 7, {0, 0, 0, 0, 0, 0, 0}, 0);
    a.DefineFunction(unitName, "ShowMessage", [](Variant&, Frame& f) { ShowMessage(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineFunction(unitName, "ShowMessageFmt", [](Variant&, Frame& f) { ShowMessageFmt(StrArg(f, 0), f.ToOpenArray(1)); }, 2, {0, 0}, 0);
    a.DefineFunction(unitName, "ShowMessagePos", [](Variant&, Frame& f) { ShowMessagePos(StrArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineFunction(unitName, "InputBox", [](Variant& v, Frame& f) { v = InputBox(StrArg(f, 0), StrArg(f, 1), StrArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineFunction(unitName, "InputQuery", InputQueryFunction, 3, {0, 0, varParamFlag}, 0);
}

}  // namespace

void RegisterDialogsBindings(TKpInterpreterAdapter& a) {
    a.DefineUnit(unitName);
    RegisterCommonDialog(a);
    DefineOrdinals(a, unitName, {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp",
                                 "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist",
                                 "ofFileMustExist", "ofCreatePrompt", "ofShareAware", "ofNoReadOnlyReturn",
                                 "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames", "ofOldStyleDialog",
                                 "ofNoDereferenceLinks"});
    DefineOrdinals(a, unitName, {"fsEdit", "fsComboBox"});
    RegisterFileDialogs(a);
    DefineOrdinals(a, unitName, {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"});
    RegisterColorDialog(a);
    DefineOrdinals(a, unitName, {"fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly", "fdForceFontExist",
                                 "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations", "fdNoSizeSel", "fdNoStyleSel",
                                 "fdNoVectorFonts", "fdShowHelp", "fdWysiwyg", "fdLimitSize", "fdScalableOnly",
                                 "fdApplyButton"});
    DefineOrdinals(a, unitName, {"fdScreen", "fdPrinter", "fdBoth"});
    RegisterFontAndSetupDialogs(a);
    DefineOrdinals(a, unitName, {"prAllPages", "prSelection", "prPageNums"});
    DefineOrdinals(a, unitName, {"poPrintToFile", "poPageNums", "poSelection", "poWarning", "poHelp", "poDisablePrintToFile"});
    RegisterPrintDialog(a);
    DefineOrdinals(a, unitName, {"frDown", "frFindNext", "frHideMatchCase", "frHideWholeWord", "frHideUpDown",
                                 "frMatchCase", "frDisableMatchCase", "frDisableUpDown", "frDisableWholeWord",
                                 "frReplace", "frReplaceAll", "frWholeWord", "frShowHelp"});
    RegisterFindDialogs(a);
    DefineOrdinals(a, unitName, {"mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom"});
    DefineOrdinals(a, unitName, {"mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore", "mbAll",
                                 "mbNoToAll", "mbYesToAll", "mbHelp"});
    DefineOrdinals(a, unitName, {"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry", "mrIgnore", "mrYes", "mrNo",
                                 "mrAll", "mrNoToAll", "mrYesToAll"});
    RegisterFunctions(a);
    RegisterClasses({TOpenDialog::StaticClass(), TSaveDialog::StaticClass(), TFontDialog::StaticClass(),
                     TColorDialog::StaticClass(), TPrintDialog::StaticClass(), TPrinterSetupDialog::StaticClass(),
                     TFindDialog::StaticClass(), TReplaceDialog::StaticClass()});
}

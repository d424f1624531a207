// Registration of the script unit "Controls": one small callback per member.
// Cursors and the tab order read as 16-bit signed values, the alignment,
// drag mode and input-method mode as bytes; controls made with an owner are
// freed by it.
#include "script/bindings/qm_kpinterpreter_controls.h"

#include <cstdint>
#include <vector>

#include "platform/rtl/list.h"
#include "platform/ui/forms.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreter_windows.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

constexpr const char* unitName = "Controls";

template <class T>
void DefineOwnedCreate(TKpInterpreterAdapter& a) {
    a.DefineGetter(T::StaticClass(), "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new T(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
}

// Members both control classes register, on the same platform operations.
void DefineRepaintMembers(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "Invalidate", [](Variant&, Frame& f) { Self<TControl>(f)->Invalidate(); }, 0, {}, 0);
    a.DefineGetter(c, "Repaint", [](Variant&, Frame& f) { Self<TControl>(f)->Repaint(); }, 0, {}, 0);
    a.DefineGetter(c, "SetBounds", [](Variant&, Frame& f) { Self<TControl>(f)->SetBounds(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3)); }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "Update", [](Variant&, Frame& f) { Self<TControl>(f)->Update(); }, 0, {}, 0);
}

template <const char* What>
void NotImplementedGet(Variant&, Frame&) { RaiseNotImplemented(What); }
template <const char* What>
void NotImplementedSet(const Variant&, Frame&) { RaiseNotImplemented(What); }

constexpr char clientRect[] = "TControl.ClientRect", controlState[] = "TControl.ControlState",
               controlStyle[] = "TControl.ControlStyle", windowProc[] = "TControl.WindowProc";

template <const char* What>
void DefineNotImplemented(TKpInterpreterAdapter& a, TClass c, bool writable) {
    const AnsiString name = AnsiString(What).substr(sizeof("TControl.") - 1);
    a.DefineGetter(c, name, NotImplementedGet<What>, 0, {}, 0);
    if (writable) a.DefineSetter(c, name, NotImplementedSet<What>, 0, {});
}

// The text copied into the script's string: never more than the string
// holds, and written back through the var argument.
void GetTextBuf(Variant& v, Frame& f) {
    v = CopyIntoStringArg(f, 0, IntArg(f, 1), [&f](char* buffer, Integer size) { return Self<TControl>(f)->GetTextBuf(buffer, size); });
}

void RegisterControlFirst(TKpInterpreterAdapter& a) {
    const TClass c = TControl::StaticClass();
    a.DefineClass(unitName, c);
    DefineOwnedCreate<TControl>(a);
    a.DefineGetter(c, "BeginDrag", [](Variant&, Frame& f) { Self<TControl>(f)->BeginDrag(BoolArg(f, 0), -1); }, 1, {0}, 0);
    a.DefineGetter(c, "BringToFront", [](Variant&, Frame& f) { Self<TControl>(f)->BringToFront(); }, 0, {}, 0);
    a.DefineGetter(c, "ClientToScreen", [](Variant& v, Frame& f) { v = PointToVariant(Self<TControl>(f)->ClientToScreen(VariantToPoint(Arg(f, 0)))); }, 1, {0}, 0);
    a.DefineGetter(c, "Dragging", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Dragging(); }, 0, {}, 0);
    a.DefineGetter(c, "DragDrop", [](Variant&, Frame& f) { Self<TControl>(f)->DragDrop(VariantToObject(Arg(f, 0)), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "EndDrag", [](Variant&, Frame& f) { Self<TControl>(f)->EndDrag(BoolArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "GetTextBuf", GetTextBuf, 2, {varParamFlag, 0}, 0);
    a.DefineGetter(c, "GetTextLen", [](Variant& v, Frame& f) { v = Self<TControl>(f)->GetTextLen(); }, 0, {}, 0);
    a.DefineGetter(c, "Hide", [](Variant&, Frame& f) { Self<TControl>(f)->Hide(); }, 0, {}, 0);
    a.DefineGetter(c, "Perform", [](Variant& v, Frame& f) { v = Integer(Self<TControl>(f)->Perform(HandleArg(f, 0), WPARAM(IntArg(f, 1)), LPARAM(IntArg(f, 2)))); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "Refresh", [](Variant&, Frame& f) { Self<TControl>(f)->Refresh(); }, 0, {}, 0);
    a.DefineGetter(c, "ScreenToClient", [](Variant& v, Frame& f) { v = PointToVariant(Self<TControl>(f)->ScreenToClient(VariantToPoint(Arg(f, 0)))); }, 1, {0}, 0);
    a.DefineGetter(c, "SendToBack", [](Variant&, Frame& f) { Self<TControl>(f)->SendToBack(); }, 0, {}, 0);
    a.DefineGetter(c, "SetTextBuf", [](Variant&, Frame& f) { Self<TControl>(f)->SetTextBuf(StrArg(f, 0).c_str()); }, 1, {0}, 0);
    a.DefineGetter(c, "Show", [](Variant&, Frame& f) { Self<TControl>(f)->Show(); }, 0, {}, 0);
    DefineRepaintMembers(a, c);
    a.DefineGetter(c, "Align", [](Variant& v, Frame& f) { v = Byte(Self<TControl>(f)->Align()); }, 0, {}, 0);
    a.DefineSetter(c, "Align", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetAlign(TAlign(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "BoundsRect", [](Variant& v, Frame& f) { v = RectToVariant(Self<TControl>(f)->BoundsRect()); }, 0, {}, 0);
    a.DefineSetter(c, "BoundsRect", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetBoundsRect(VariantToRect(v)); }, 0, {});
    a.DefineGetter(c, "ClientHeight", [](Variant& v, Frame& f) { v = Self<TControl>(f)->ClientHeight(); }, 0, {}, 0);
    a.DefineSetter(c, "ClientHeight", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetClientHeight(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "ClientOrigin", [](Variant& v, Frame& f) { v = PointToVariant(Self<TControl>(f)->ClientOrigin()); }, 0, {}, 0);
    DefineNotImplemented<clientRect>(a, c, false);
    a.DefineGetter(c, "ClientWidth", [](Variant& v, Frame& f) { v = Self<TControl>(f)->ClientWidth(); }, 0, {}, 0);
    a.DefineSetter(c, "ClientWidth", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetClientWidth(v.AsInteger()); }, 0, {});
    DefineNotImplemented<controlState>(a, c, true);
    DefineNotImplemented<controlStyle>(a, c, true);
    a.DefineGetter(c, "Parent", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TControl>(f)->Parent()); }, 0, {}, 0);
    a.DefineSetter(c, "Parent", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetParent(CheckedCast<TWinControl>(v)); }, 0, {});
    a.DefineGetter(c, "ShowHint", [](Variant& v, Frame& f) { v = Self<TControl>(f)->ShowHint(); }, 0, {}, 0);
    a.DefineSetter(c, "ShowHint", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetShowHint(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Visible", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Visible(); }, 0, {}, 0);
    a.DefineSetter(c, "Visible", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetVisible(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Enabled", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Enabled(); }, 0, {}, 0);
    a.DefineSetter(c, "Enabled", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetEnabled(v.AsBoolean()); }, 0, {});
    DefineNotImplemented<windowProc>(a, c, true);
    a.DefineGetter(c, "Left", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Left(); }, 0, {}, 0);
    a.DefineSetter(c, "Left", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetLeft(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Top", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Top(); }, 0, {}, 0);
    a.DefineSetter(c, "Top", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetTop(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Width", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Width(); }, 0, {}, 0);
    a.DefineSetter(c, "Width", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetWidth(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Height", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Height(); }, 0, {}, 0);
    a.DefineSetter(c, "Height", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetHeight(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Cursor", [](Variant& v, Frame& f) { v = std::int16_t(Self<TControl>(f)->Cursor()); }, 0, {}, 0);
    a.DefineSetter(c, "Cursor", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetCursor(TCursor(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "Hint", [](Variant& v, Frame& f) { v = Self<TControl>(f)->Hint(); }, 0, {}, 0);
    a.DefineSetter(c, "Hint", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetHint(VarToStr(v)); }, 0, {});
}

void RegisterWinControlFirst(TKpInterpreterAdapter& a) {
    const TClass c = TWinControl::StaticClass();
    a.DefineClass(unitName, c);
    DefineOwnedCreate<TWinControl>(a);
    a.DefineGetter(c, "CreateParented", [](Variant& v, Frame& f) { v = ObjectToVariant(TWinControl::CreateParented(HandleArg(f, 0))); }, 1, {0}, 0);
    // The message number in the variable; the answer comes back in it.
    a.DefineGetter(c, "Broadcast", [](Variant&, Frame& f) {
        TMessage message{UINT(Arg(f, 0).AsInt64()), 0, 0, 0};
        Self<TWinControl>(f)->Broadcast(message);
        SetArg(f, 0, Variant(Integer(message.Result)));
    }, 1, {varParamFlag}, 0);
    a.DefineGetter(c, "CanFocus", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->CanFocus(); }, 0, {}, 0);
    a.DefineGetter(c, "ContainsControl", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->ContainsControl(ObjArg<TControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "ControlAtPos", [](Variant& v, Frame& f) {
        v = ObjectToVariant(Self<TWinControl>(f)->ControlAtPos(VariantToPoint(Arg(f, 0)), BoolArg(f, 1), false));
    }, 2, {0, 0}, 0);
    a.DefineGetter(c, "DisableAlign", [](Variant&, Frame& f) { Self<TWinControl>(f)->DisableAlign(); }, 0, {}, 0);
    a.DefineGetter(c, "EnableAlign", [](Variant&, Frame& f) { Self<TWinControl>(f)->EnableAlign(); }, 0, {}, 0);
    a.DefineGetter(c, "Focused", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->Focused(); }, 0, {}, 0);
    a.DefineGetter(c, "GetTabOrderList", [](Variant&, Frame& f) {
        std::vector<TWinControl*> controls;
        Self<TWinControl>(f)->GetTabOrderList(controls);
        TList* list = ObjArg<TList>(f, 0);
        for (TWinControl* control : controls) list->Add(control);
    }, 1, {0}, 0);
    a.DefineGetter(c, "HandleAllocated", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->HandleAllocated(); }, 0, {}, 0);
    a.DefineGetter(c, "HandleNeeded", [](Variant&, Frame& f) { Self<TWinControl>(f)->HandleNeeded(); }, 0, {}, 0);
    a.DefineGetter(c, "InsertControl", [](Variant&, Frame& f) { Self<TWinControl>(f)->InsertControl(ObjArg<TControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "PaintTo", [](Variant&, Frame& f) { Self<TWinControl>(f)->PaintTo(HandleArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "RemoveControl", [](Variant&, Frame& f) { Self<TWinControl>(f)->RemoveControl(ObjArg<TControl>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Realign", [](Variant&, Frame& f) { Self<TWinControl>(f)->Realign(); }, 0, {}, 0);
    a.DefineGetter(c, "ScaleBy", [](Variant&, Frame& f) { Self<TWinControl>(f)->ScaleBy(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "ScrollBy", [](Variant&, Frame& f) { Self<TWinControl>(f)->ScrollBy(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "SetFocus", [](Variant&, Frame& f) { Self<TWinControl>(f)->SetFocus(); }, 0, {}, 0);
    DefineRepaintMembers(a, c);
    a.DefineGetter(c, "UpdateControlState", [](Variant&, Frame& f) { Self<TWinControl>(f)->UpdateControlState(); }, 0, {}, 0);
    a.DefineGetter(c, "Brush", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TWinControl>(f)->Brush()); }, 0, {}, 0);
    a.DefineIndexedGetter(c, "Controls", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TWinControl>(f)->Controls(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "ControlCount", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->ControlCount(); }, 0, {}, 0);
    a.DefineGetter(c, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<TWinControl>(f)->Handle()); }, 0, {}, 0);
    const THostGetCallback parentWindow = [](Variant& v, Frame& f) { v = Integer(Self<TWinControl>(f)->ParentWindow()); };
    const THostSetCallback setParentWindow = [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetParentWindow(HWND(v.AsInt64())); };
    a.DefineGetter(c, "ParentWindow", parentWindow, 0, {}, 0);
    a.DefineSetter(c, "ParentWindow", setParentWindow, 0, {});
    a.DefineGetter(c, "ParentWidget", parentWindow, 0, {}, 0);
    a.DefineSetter(c, "ParentWidget", setParentWindow, 0, {});
    a.DefineGetter(c, "Showing", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->Showing(); }, 0, {}, 0);
    a.DefineGetter(c, "TabOrder", [](Variant& v, Frame& f) { v = std::int16_t(Self<TWinControl>(f)->TabOrder()); }, 0, {}, 0);
    a.DefineSetter(c, "TabOrder", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetTabOrder(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "TabStop", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->TabStop(); }, 0, {}, 0);
    a.DefineSetter(c, "TabStop", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetTabStop(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "HelpContext", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->HelpContext(); }, 0, {}, 0);
    a.DefineSetter(c, "HelpContext", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetHelpContext(v.AsInteger()); }, 0, {});
}

void RegisterControlSecond(TKpInterpreterAdapter& a) {
    const TClass c = TControl::StaticClass();
    const THostGetCallback text = [](Variant& v, Frame& f) { v = Self<TControl>(f)->Text(); };
    const THostSetCallback setText = [](const Variant& v, Frame& f) { Self<TControl>(f)->SetText(VarToStr(v)); };
    a.DefineGetter(c, "Caption", text, 0, {}, 0);
    a.DefineSetter(c, "Caption", setText, 0, {});
    a.DefineGetter(c, "Color", [](Variant& v, Frame& f) { v = Integer(Self<TControl>(f)->Color()); }, 0, {}, 0);
    a.DefineSetter(c, "Color", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetColor(TColor(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "DesktopFont", [](Variant& v, Frame& f) { v = Self<TControl>(f)->DesktopFont(); }, 0, {}, 0);
    a.DefineSetter(c, "DesktopFont", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetDesktopFont(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "DragCursor", [](Variant& v, Frame& f) { v = std::int16_t(Self<TControl>(f)->DragCursor()); }, 0, {}, 0);
    a.DefineSetter(c, "DragCursor", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetDragCursor(TCursor(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "DragMode", [](Variant& v, Frame& f) { v = Byte(Self<TControl>(f)->DragMode()); }, 0, {}, 0);
    a.DefineSetter(c, "DragMode", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetDragMode(TDragMode(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "Font", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TControl>(f)->Font()); }, 0, {}, 0);
    a.DefineSetter(c, "Font", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetFont(CheckedCast<TFont>(v)); }, 0, {});
    a.DefineGetter(c, "IsControl", [](Variant& v, Frame& f) { v = Self<TControl>(f)->IsControl(); }, 0, {}, 0);
    a.DefineSetter(c, "IsControl", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetIsControl(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "MouseCapture", [](Variant& v, Frame& f) { v = Self<TControl>(f)->MouseCapture(); }, 0, {}, 0);
    a.DefineSetter(c, "MouseCapture", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetMouseCapture(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "ParentColor", [](Variant& v, Frame& f) { v = Self<TControl>(f)->ParentColor(); }, 0, {}, 0);
    a.DefineSetter(c, "ParentColor", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetParentColor(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "ParentFont", [](Variant& v, Frame& f) { v = Self<TControl>(f)->ParentFont(); }, 0, {}, 0);
    a.DefineSetter(c, "ParentFont", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetParentFont(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "ParentShowHint", [](Variant& v, Frame& f) { v = Self<TControl>(f)->ParentShowHint(); }, 0, {}, 0);
    a.DefineSetter(c, "ParentShowHint", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetParentShowHint(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "PopupMenu", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TControl>(f)->PopupMenu()); }, 0, {}, 0);
    a.DefineSetter(c, "PopupMenu", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetPopupMenu(CheckedCast<TPopupMenu>(v)); }, 0, {});
    a.DefineGetter(c, "Text", text, 0, {}, 0);
    a.DefineSetter(c, "Text", setText, 0, {});
    a.DefineGetter(c, "WindowText", [](Variant& v, Frame& f) {
        const char* raw = Self<TControl>(f)->RawWindowText();
        v = AnsiString(raw ? raw : "");
    }, 0, {}, 0);
    a.DefineSetter(c, "WindowText", [](const Variant& v, Frame& f) { Self<TControl>(f)->SetRawWindowText(VarToStr(v).c_str()); }, 0, {});
}

void RegisterWinControlSecond(TKpInterpreterAdapter& a) {
    const TClass c = TWinControl::StaticClass();
    a.DefineGetter(c, "Ctl3D", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->Ctl3D(); }, 0, {}, 0);
    a.DefineSetter(c, "Ctl3D", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetCtl3D(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "DefWndProc", [](Variant& v, Frame& f) { v = PointerToVariant(reinterpret_cast<void*>(LONG_PTR(Self<TWinControl>(f)->DefWndProc()))); }, 0, {}, 0);
    a.DefineSetter(c, "DefWndProc", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetDefWndProc(WNDPROC(reinterpret_cast<LONG_PTR>(VariantToPointer(v)))); }, 0, {});
    a.DefineGetter(c, "ImeMode", [](Variant& v, Frame& f) { v = Byte(Self<TWinControl>(f)->ImeMode()); }, 0, {}, 0);
    a.DefineSetter(c, "ImeMode", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetImeMode(TImeMode(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "ImeName", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->ImeName(); }, 0, {}, 0);
    a.DefineSetter(c, "ImeName", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetImeName(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "ParentCtl3D", [](Variant& v, Frame& f) { v = Self<TWinControl>(f)->ParentCtl3D(); }, 0, {}, 0);
    a.DefineSetter(c, "ParentCtl3D", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetParentCtl3D(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "WindowHandle", [](Variant& v, Frame& f) { v = Integer(Self<TWinControl>(f)->WindowHandle()); }, 0, {}, 0);
    a.DefineSetter(c, "WindowHandle", [](const Variant& v, Frame& f) { Self<TWinControl>(f)->SetWindowHandle(HWND(v.AsInt64())); }, 0, {});
}

void RegisterCustomControlPainting(TKpInterpreterAdapter& a) {
    a.DefineClass("IH_Controls", THackCustomControl::StaticClass());
    const TClass c = TCustomControl::StaticClass();
    a.DefineGetter(c, "Paint", [](Variant&, Frame& f) { THackCustomControl::CallPaint(Self<TCustomControl>(f)); }, 0, {}, 0);
    a.DefineGetter(c, "PaintWindow", [](Variant&, Frame& f) { THackCustomControl::CallPaintWindow(Self<TCustomControl>(f), HandleArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Canvas", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCustomControl>(f)->Canvas()); }, 0, {}, 0);
}

// Members only: the class itself has no entry, image lists reach them.
void RegisterDragImageLists(TKpInterpreterAdapter& a) {
    const TClass c = TDragImageList::StaticClass();
    using D = TDragImageList;
    a.DefineGetter(c, "HideDragImage", [](Variant&, Frame& f) { Self<D>(f)->HideDragImage(); }, 0, {}, 0);
    a.DefineGetter(c, "SetDragImage", [](Variant& v, Frame& f) { v = Self<D>(f)->SetDragImage(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "ShowDragImage", [](Variant&, Frame& f) { Self<D>(f)->ShowDragImage(); }, 0, {}, 0);
    a.DefineGetter(c, "DragCursor", [](Variant& v, Frame& f) { v = std::int16_t(Self<D>(f)->DragCursor()); }, 0, {}, 0);
    a.DefineSetter(c, "DragCursor", [](const Variant& v, Frame& f) { Self<D>(f)->SetDragCursor(TCursor(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "Dragging", [](Variant& v, Frame& f) { v = Self<D>(f)->Dragging(); }, 0, {}, 0);
    a.DefineGetter(c, "BeginDrag", [](Variant& v, Frame& f) { v = Self<D>(f)->BeginDrag(HandleArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "DragLock", [](Variant& v, Frame& f) { v = Self<D>(f)->DragLock(HandleArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "DragMove", [](Variant& v, Frame& f) { v = Self<D>(f)->DragMove(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "DragUnlock", [](Variant&, Frame& f) { Self<D>(f)->DragUnlock(); }, 0, {}, 0);
    a.DefineGetter(c, "EndDrag", [](Variant& v, Frame& f) { v = Self<D>(f)->EndDrag(); }, 0, {}, 0);
}

void RegisterImageLists(TKpInterpreterAdapter& a) {
    const TClass c = TCustomImageList::StaticClass();
    using L = TCustomImageList;
    a.DefineClass(unitName, c);
    DefineOwnedCreate<TCustomImageList>(a);
    a.DefineGetter(c, "CreateSize", [](Variant& v, Frame& f) { v = ObjectToVariant(L::CreateSize(IntArg(f, 0), IntArg(f, 1))); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Assign", [](Variant&, Frame& f) { Self<L>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Add", [](Variant& v, Frame& f) { v = Self<L>(f)->Add(ObjArg<TBitmap>(f, 0), ObjArg<TBitmap>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "AddIcon", [](Variant& v, Frame& f) { v = Self<L>(f)->AddIcon(ObjArg<TIcon>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "AddImages", [](Variant&, Frame& f) { Self<L>(f)->AddImages(ObjArg<L>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "AddMasked", [](Variant& v, Frame& f) { v = Self<L>(f)->AddMasked(ObjArg<TBitmap>(f, 0), TColor(IntArg(f, 1))); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<L>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "Delete", [](Variant&, Frame& f) { Self<L>(f)->Delete(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Draw", [](Variant&, Frame& f) {
        Self<L>(f)->Draw(ObjArg<TCanvas>(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3), true);
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "DrawOverlay", [](Variant&, Frame& f) {
        Self<L>(f)->DrawOverlay(ObjArg<TCanvas>(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3), IntArg(f, 4), true);
    }, 5, {0, 0, 0, 0, 0}, 0);
    a.DefineGetter(c, "FileLoad", [](Variant& v, Frame& f) {
        v = Self<L>(f)->FileLoad(TResType(IntArg(f, 0)), StrArg(f, 1), TColor(IntArg(f, 2)));
    }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "GetBitmap", [](Variant&, Frame& f) { Self<L>(f)->GetBitmap(IntArg(f, 0), ObjArg<TBitmap>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "GetHotSpot", [](Variant& v, Frame& f) { v = PointToVariant(Self<L>(f)->GetHotSpot()); }, 0, {}, 0);
    a.DefineGetter(c, "GetIcon", [](Variant&, Frame& f) { Self<L>(f)->GetIcon(IntArg(f, 0), ObjArg<TIcon>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "GetImageBitmap", [](Variant& v, Frame& f) { v = Integer(Self<L>(f)->GetImageBitmap()); }, 0, {}, 0);
    a.DefineGetter(c, "GetMaskBitmap", [](Variant& v, Frame& f) { v = Integer(Self<L>(f)->GetMaskBitmap()); }, 0, {}, 0);
    a.DefineGetter(c, "GetResource", [](Variant&, Frame&) {}, 5, {0, 0, 0, 0, 0}, 0);
    a.DefineGetter(c, "GetInstRes", [](Variant&, Frame&) {}, 6, {0, 0, 0, 0, 0, 0}, 0);
    a.DefineGetter(c, "HandleAllocated", [](Variant& v, Frame& f) { v = Self<L>(f)->HandleAllocated(); }, 0, {}, 0);
    a.DefineGetter(c, "Insert", [](Variant&, Frame& f) { Self<L>(f)->Insert(IntArg(f, 0), ObjArg<TBitmap>(f, 1), ObjArg<TBitmap>(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "InsertIcon", [](Variant&, Frame& f) { Self<L>(f)->InsertIcon(IntArg(f, 0), ObjArg<TIcon>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "InsertMasked", [](Variant&, Frame& f) {
        Self<L>(f)->InsertMasked(IntArg(f, 0), ObjArg<TBitmap>(f, 1), TColor(IntArg(f, 2)));
    }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "Move", [](Variant&, Frame& f) { Self<L>(f)->Move(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Overlay", [](Variant& v, Frame& f) { v = Self<L>(f)->Overlay(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "RegisterChanges", [](Variant&, Frame& f) { Self<L>(f)->RegisterChanges(ObjArg<TChangeLink>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "ResourceLoad", [](Variant& v, Frame& f) {
        v = Self<L>(f)->ResourceLoad(TResType(IntArg(f, 0)), StrArg(f, 1), TColor(IntArg(f, 2)));
    }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "ResInstLoad", [](Variant& v, Frame& f) {
        v = Self<L>(f)->ResInstLoad(HINSTANCE(HandleArg(f, 0)), TResType(IntArg(f, 1)), StrArg(f, 2), TColor(IntArg(f, 3)));
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(c, "Replace", [](Variant&, Frame& f) { Self<L>(f)->Replace(IntArg(f, 0), ObjArg<TBitmap>(f, 1), ObjArg<TBitmap>(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "ReplaceIcon", [](Variant&, Frame& f) { Self<L>(f)->ReplaceIcon(IntArg(f, 0), ObjArg<TIcon>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "ReplaceMasked", [](Variant&, Frame& f) {
        Self<L>(f)->ReplaceMasked(IntArg(f, 0), ObjArg<TBitmap>(f, 1), TColor(IntArg(f, 2)));
    }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "UnRegisterChanges", [](Variant&, Frame& f) { Self<L>(f)->UnRegisterChanges(ObjArg<TChangeLink>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Count", [](Variant& v, Frame& f) { v = Self<L>(f)->Count(); }, 0, {}, 0);
    a.DefineGetter(c, "Handle", [](Variant& v, Frame& f) { v = Integer(Self<L>(f)->Handle()); }, 0, {}, 0);
    // A handle set takes the images of the list behind it.
    a.DefineSetter(c, "Handle", [](const Variant& v, Frame& f) {
        if (L* source = ImageListFromHandle(HIMAGELIST(v.AsInt64())); source && source != Self<L>(f)) Self<L>(f)->Assign(source);
    }, 0, {});
    RegisterDragImageLists(a);
    a.DefineClass(unitName, TImageList::StaticClass());
}

// The cursor's identifier goes into the variable as a string Variant.
void CursorToIdentFunction(Variant& v, Frame& f) {
    AnsiString ident;
    const bool found = CursorToIdent(IntArg(f, 0), ident);
    if (found) SetArg(f, 1, ident);
    v = found;
}

// The cursor goes into the variable as an integer Variant.
void IdentToCursorFunction(Variant& v, Frame& f) {
    TCursor cursor = 0;
    const bool found = IdentToCursor(StrArg(f, 0), cursor);
    if (found) SetArg(f, 1, Variant(Integer(cursor)));
    v = found;
}

void RegisterFunctions(TKpInterpreterAdapter& a) {
    a.DefineFunction(unitName, "IsDragObject", [](Variant& v, Frame& f) { v = IsDragObject(VariantToObject(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineFunction(unitName, "FindControl", [](Variant& v, Frame& f) { v = ObjectToVariant(FindControl(HandleArg(f, 0))); }, 1, {0}, 0);
    a.DefineFunction(unitName, "FindVCLWindow", [](Variant& v, Frame& f) { v = ObjectToVariant(FindVCLWindow(VariantToPoint(Arg(f, 0)))); }, 1, {0}, 0);
    a.DefineFunction(unitName, "FindDragTarget", [](Variant& v, Frame& f) { v = ObjectToVariant(FindDragTarget(VariantToPoint(Arg(f, 0)), BoolArg(f, 1))); }, 2, {0, 0}, 0);
    a.DefineFunction(unitName, "GetCaptureControl", [](Variant& v, Frame&) { v = ObjectToVariant(GetCaptureControl()); }, 0, {}, 0);
    a.DefineFunction(unitName, "SetCaptureControl", [](Variant&, Frame& f) { SetCaptureControl(ObjArg<TControl>(f, 0)); }, 1, {0}, 0);
    a.DefineFunction(unitName, "CancelDrag", [](Variant&, Frame&) { CancelDrag(); }, 0, {}, 0);
    a.DefineFunction(unitName, "CursorToString", [](Variant& v, Frame& f) { v = CursorToString(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineFunction(unitName, "StringToCursor", [](Variant& v, Frame& f) { v = std::int16_t(StringToCursor(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineFunction(unitName, "CursorToIdent", CursorToIdentFunction, 2, {0, varParamFlag}, 0);
    a.DefineFunction(unitName, "IdentToCursor", IdentToCursorFunction, 2, {0, varParamFlag}, 0);
    a.DefineFunction(unitName, "GetShortHint", [](Variant& v, Frame& f) { v = GetShortHint(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineFunction(unitName, "GetLongHint", [](Variant& v, Frame& f) { v = GetLongHint(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineFunction(unitName, "InitWndProc", [](Variant& v, Frame& f) {
        v = Integer(InitWndProc(HandleArg(f, 0), UINT(IntArg(f, 1)), WPARAM(IntArg(f, 2)), LPARAM(IntArg(f, 3))));
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineFunction(unitName, "SendAppMessage", [](Variant& v, Frame& f) {
        v = Integer(SendAppMessage(HandleArg(f, 0), WPARAM(IntArg(f, 1)), LPARAM(IntArg(f, 2))));
    }, 3, {0, 0, 0}, 0);
    a.DefineFunction(unitName, "MoveWindowOrg", [](Variant&, Frame& f) { MoveWindowOrg(HandleArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3, {0, 0, 0}, 0);
}

}  // namespace

void TKpInterpreterControlsEvent::MouseEvent(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(Byte(Button)), SetToVariant(Cardinal(Shift.Bits())), Variant(X), Variant(Y)}, result);
}

void TKpInterpreterControlsEvent::MouseMoveEvent(TObject* Sender, TShiftState Shift, int X, int Y) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), SetToVariant(Cardinal(Shift.Bits())), Variant(X), Variant(Y)}, result);
}

void TKpInterpreterControlsEvent::KeyEvent(TObject* Sender, Word& Key, TShiftState Shift) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(Key), SetToVariant(Cardinal(Shift.Bits()))}, result);
    Key = Word(GetFrame().ArgValues[1].AsInteger() & 0xFFFF);
}

void TKpInterpreterControlsEvent::KeyPressEvent(TObject* Sender, char& Key) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(AnsiString(1, Key))}, result);
    const AnsiString text = VarToStr(GetFrame().ArgValues[1]);
    Key = text.empty() ? '\0' : text[0];
}

void TKpInterpreterControlsEvent::DragOverEvent(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), ObjectToVariant(Source), Variant(X), Variant(Y), SetToVariant(Cardinal(State)), Variant(Accept)}, result);
    Accept = GetFrame().ArgValues[5].AsBoolean();
}

void TKpInterpreterControlsEvent::DragDropEvent(TObject* Sender, TObject* Source, int X, int Y) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), ObjectToVariant(Source), Variant(X), Variant(Y)}, result);
}

void TKpInterpreterControlsEvent::StartDragEvent(TObject* Sender, TDragObject*& DragObject) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), ObjectToVariant(DragObject)}, result);
    DragObject = CheckedCast<TDragObject>(GetFrame().ArgValues[1]);
}

void TKpInterpreterControlsEvent::EndDragEvent(TObject* Sender, TObject* Target, int X, int Y) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), ObjectToVariant(Target), Variant(X), Variant(Y)}, result);
}

void RegisterControlsBindings(TKpInterpreterAdapter& a) {
    a.DefineUnit(unitName);
    DefineOrdinals(a, unitName, {"dmDragEnter", "dmDragLeave", "dmDragMove", "dmDragDrop", "dmDragCancel", "dmFindTarget"});
    DefineOrdinals(a, unitName, {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
    DefineOrdinals(a, unitName, {"csLButtonDown", "csClicked", "csPalette", "csReadingState", "csAlignmentNeeded",
                                 "csFocusing", "csCreating", "csPaintCopy"});
    DefineOrdinals(a, unitName, {"csAcceptsControls", "csCaptureMouse", "csDesignInteractive", "csClickEvents",
                                 "csFramed", "csSetCaption", "csOpaque", "csDoubleClicks", "csFixedWidth",
                                 "csFixedHeight", "csNoDesignVisible", "csReplicatable", "csNoStdEvents",
                                 "csDisplayDragImage", "csReflector", "csActionClient", "csMenuEvents"});
    DefineOrdinals(a, unitName, {"mbLeft", "mbRight", "mbMiddle"});
    DefineOrdinals(a, unitName, {"dmManual", "dmAutomatic"});
    DefineOrdinals(a, unitName, {"dsDragEnter", "dsDragLeave", "dsDragMove"});
    DefineOrdinals(a, unitName, {"sfLeft", "sfTop", "sfWidth", "sfHeight", "sfFont"});
    RegisterControlFirst(a);
    DefineOrdinals(a, unitName, {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira",
                                 "imSKata", "imKata", "imChinese", "imSHanguel", "imHanguel"});
    RegisterWinControlFirst(a);
    a.DefineClass(unitName, TGraphicControl::StaticClass());
    DefineOwnedCreate<TGraphicControl>(a);
    a.DefineClass(unitName, TCustomControl::StaticClass());
    DefineOwnedCreate<TCustomControl>(a);
    RegisterControlSecond(a);
    RegisterWinControlSecond(a);
    RegisterCustomControlPainting(a);
    DefineOrdinals(a, unitName, {"dsFocus", "dsSelected", "dsNormal", "dsTransparent"});
    DefineOrdinals(a, unitName, {"itImage", "itMask"});
    DefineOrdinals(a, unitName, {"rtBitmap", "rtCursor", "rtIcon"});
    DefineOrdinals(a, unitName, {"lrDefaultColor", "lrDefaultSize", "lrFromFile", "lrMap3DColors", "lrTransparent",
                                 "lrMonoChrome"});
    RegisterImageLists(a);
    RegisterFunctions(a);
    using Event = TKpInterpreterControlsEvent;
    a.DefineEventType(unitName, "TMouseEvent", Event::StaticClass(), &Event::MouseEvent);
    a.DefineEventType(unitName, "TMouseMoveEvent", Event::StaticClass(), &Event::MouseMoveEvent);
    a.DefineEventType(unitName, "TKeyEvent", Event::StaticClass(), &Event::KeyEvent);
    a.DefineEventType(unitName, "TKeyPressEvent", Event::StaticClass(), &Event::KeyPressEvent);
    a.DefineEventType(unitName, "TDragOverEvent", Event::StaticClass(), &Event::DragOverEvent);
    a.DefineEventType(unitName, "TDragDropEvent", Event::StaticClass(), &Event::DragDropEvent);
    a.DefineEventType(unitName, "TStartDragEvent", Event::StaticClass(), &Event::StartDragEvent);
    a.DefineEventType(unitName, "TEndDragEvent", Event::StaticClass(), &Event::EndDragEvent);
}

// Reading and writing published properties by name for controls of any
// library: the skin paints controls it knows only by their properties.
#pragma once

#include "platform/rtl/object.h"
#include "platform/rtl/types.h"
#include "platform/win/winuser.h"

// -1 for no instance, no such property or one that is not an integer.
Integer GetIntPropByName(TObject* instance, const AnsiString& name);
// The value's identifier ("True", "blGlyphLeft"); empty when there is none.
AnsiString GetEnumPropByName(TObject* instance, const AnsiString& name);
// A set property's members as text ("[btPlay,btStop]"); empty for anything else.
AnsiString GetSetPropByName(TObject* instance, const AnsiString& name);
// A string property's text; empty for anything else.
WideString GetTextPropByName(TObject* instance, const AnsiString& name);
// The object the property holds when it is of that class, else nullptr.
TObject* GetObjectPropByName(TObject* instance, const AnsiString& name, TClass cls);
// Integer (a bad number raises EConvertError), enumeration and string
// properties take Value; other kinds and missing properties are left alone.
void SetPropByName(TObject* instance, const AnsiString& name, const AnsiString& value);

WideString GetWindowTextWide(HWND window);

// Reading the attributes of one markup tag, shared by the renderer and the
// text operations. Names match in any case and only as whole attribute
// names; a value is the text between the double quotes after "name=", and
// an unquoted value reads as empty.
#pragma once

#include "platform/rtl/types.h"

namespace htmltags {

// The value of attribute `name` in `tag` ("<FONT COLOR="red">"), its case
// kept; empty when the tag has no such attribute or it is unquoted.
AnsiString Attribute(const AnsiString& tag, const AnsiString& name);
bool HasAttribute(const AnsiString& tag, const AnsiString& name);
// The value of `name` quoted or not: an unquoted value runs to the next
// blank or ">" (numbers such as SIZE=4).
AnsiString LooseAttribute(const AnsiString& tag, const AnsiString& name);
// The value, quoted or not, of the first attribute whose name begins with
// `letter`.
AnsiString AttributeStartingWith(const AnsiString& tag, char letter);
// The number at the start of `value`, up to the first non-digit; `whole`
// tells whether the value was nothing but digits (and not empty).
int LeadingNumber(const AnsiString& value, bool* whole = nullptr);

}  // namespace htmltags

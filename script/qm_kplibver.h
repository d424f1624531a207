// The version-information type the interpreter components publish for the
// designer; it carries no behaviour.
#pragma once

#include "platform/rtl/types.h"

using TKplibAboutInfo = AnsiString;

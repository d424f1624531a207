// The printer unit of the class library. Printing itself comes with the
// report engine; its page orientation is already named by components that
// store it.
#pragma once

#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TPrinterOrientation, poPortrait, poLandscape)

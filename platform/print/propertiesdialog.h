// The printer properties dialog of DocumentProperties' prompt mode: paper,
// orientation, copies, colour and duplex of one printer's settings.
#pragma once

#include "platform/print/printerbackend.h"
#include "platform/print/winspool.h"

// Shows the settings for editing (or lets the modal responder answer:
// kind "PrinterProperties", text and answer as "Name=value" lines for
// Paper, Orientation, Copies, Color and Duplex, the lists by item index).
// True and the settings changed when the user confirms.
bool RunPrinterPropertiesDialog(const PrinterDescription& printer, DEVMODEA& settings);

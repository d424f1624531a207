// Printing a form: its image on a page of the program's printer.
#pragma once

#include "platform/ui/forms.h"

// Prints the form's client area as drawn now, one page on Printer(), from
// the page's top left corner, sized by the form's PrintScale: poNone one
// printer dot per screen pixel, poProportional as large as it shows on the
// screen (the printer's resolution over the form's), poPrintToFit as large
// as the page allows with its proportions kept.
void PrintForm(TCustomForm* form);

// Printing a form: its image on a page of the program's printer.
#pragma once

#include "platform/ui/forms.h"

// Prints the form's client area as drawn now, one page on Printer(), at
// the printer's resolution as it shows at the screen's (shrunk to the page
// when it is larger), from the page's top left corner.
void PrintForm(TCustomForm* form);

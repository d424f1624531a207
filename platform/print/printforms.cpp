// Printing a form's image.
#include "platform/print/printforms.h"

#include <algorithm>
#include <memory>

#include "platform/print/printers.h"
#include "platform/ui/graphic.h"

void PrintForm(TCustomForm* form) {
    const std::unique_ptr<TBitmap> image(form->GetFormImage());
    TPrinter* printer = Printer();
    printer->Title = form->Caption();
    printer->BeginDoc();
    try {
        const double proportional = double(GetDeviceCaps(printer->Canvas()->Handle(), LOGPIXELSX)) / Screen->PixelsPerInch();
        const double fit = std::min(double(printer->PageWidth()) / std::max(1, image->Width()),
                                    double(printer->PageHeight()) / std::max(1, image->Height()));
        const double scale = std::min(proportional, fit);
        printer->Canvas()->StretchDraw(Rect(0, 0, int(image->Width() * scale), int(image->Height() * scale)), image.get());
    } catch (...) {
        printer->Abort();
        throw;
    }
    printer->EndDoc();
}

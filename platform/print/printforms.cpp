// Printing a form's image.
#include "platform/print/printforms.h"

#include <memory>

#include "platform/print/printers.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"

namespace {

TSize PrintSize(const TCustomForm* form, TPrinter& printer, int width, int height) {
    const HDC dc = printer.Canvas()->Handle();
    switch (form->PrintScale()) {
    case poProportional:
        return {MulDiv(width, GetDeviceCaps(dc, LOGPIXELSX), form->PixelsPerInch()),
                MulDiv(height, GetDeviceCaps(dc, LOGPIXELSY), form->PixelsPerInch())};
    case poPrintToFit: {
        if (width <= 0 || height <= 0) return {0, 0};
        const int fitWidth = MulDiv(width, printer.PageHeight(), height);
        if (fitWidth < printer.PageWidth()) return {fitWidth, printer.PageHeight()};
        return {printer.PageWidth(), MulDiv(height, printer.PageWidth(), width)};
    }
    case poNone:
        break;
    }
    return {width, height};
}

}  // namespace

void PrintForm(TCustomForm* form) {
    const std::unique_ptr<TBitmap> image(form->GetFormImage());
    TPrinter* printer = Printer();
    printer->Title = form->Caption();
    printer->BeginDoc();
    try {
        const TSize size = PrintSize(form, *printer, image->Width(), image->Height());
        printer->Canvas()->StretchDraw(Rect(0, 0, size.cx, size.cy), image.get());
    } catch (...) {
        printer->Abort();
        throw;
    }
    printer->EndDoc();
}

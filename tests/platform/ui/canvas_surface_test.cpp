// A canvas on a printer surface DC.
#include <gtest/gtest.h>

#include "platform/gdi/surfacedc.h"
#include "platform/ui/graphics.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace {

TEST(SurfaceDC, PrinterSurfacesReportTheirOwnResolution) {
    MemoryDC page(850, 1100);
    SurfaceDCOptions options;
    options.dpi = 100;
    options.printer = true;
    HDC dc = CreateSurfaceDC(page.bitmap(), options);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 100);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 850);
    EXPECT_EQ(GetDeviceCaps(dc, VERTSIZE), 279);
    // A canvas draws on it like on any DC.
    TControlCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 10, 10));
    canvas.FreeHandle();
    DeleteDC(dc);
    EXPECT_EQ(GetPixel(page, 5, 5), RGB(255, 0, 0));
}

}  // namespace

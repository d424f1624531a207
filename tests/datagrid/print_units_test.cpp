// What the print units prepare at the library's start-up: the printer
// object, the preview cursors and the page-title texts.
#include "datagrid/PrViewVyn.h"
#include "datagrid/PrnDbgvyn.h"
#include "datagrid/PrntsVyn.h"
#include "platform/print/printerbackend.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/forms.h"
#include "platform/win/resources.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "tests/datagrid/grid_fixture.h"

TEST(PrintUnits, TheCursorsTakeTheFirstFreeIds) {
    // A screen with no cursor of the program's yet (a library started
    // again registers its cursors again).
    const HCURSOR undefined = Screen->Cursors(crDefault);
    for (int id = 1; id <= 8; ++id) Screen->SetCursors(id, undefined);
    InitializePrViewVyn();
    EXPECT_EQ(crMagnifierVyn, 1);
    EXPECT_EQ(crHandVyn, 2);
    EXPECT_EQ(Screen->Cursors(crMagnifierVyn), LoadCursor(HInstance, "MAGNIFIERVYN"));
    EXPECT_EQ(Screen->Cursors(crHandVyn), LoadCursor(HInstance, "HANDVYN"));

    Screen->SetCursors(3, LoadCursor(0, IDC_CROSS));
    EXPECT_EQ(RegisterCursorResource("HANDVYN"), 4);
    try {
        RegisterCursorResource("NOCURSORVYN");
        ADD_FAILURE() << "no error";
    } catch (const EOutOfResources& error) {
        EXPECT_EQ(error.Message(), "Cannot load cursor resource");
    }
    Screen->SetCursors(3, undefined);
    Screen->SetCursors(4, undefined);
}

TEST(PrintUnits, TheFullPageAddsTheUnprintableEdges) {
    // 420 x 60 mm at 10 pixels per mm, 10 mm out of reach on every side.
    PrinterDescription strip;
    strip.Name = "Strip";
    strip.Papers = {{DMPAPER_USER, "Strip", 4200, 600}};
    strip.PixelsPerInch = 254;
    strip.Margins = {100, 100, 100, 100};
    SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{strip}, "Strip"));
    TVirtualPrinter* printer = VirtualPrinter();
    ASSERT_TRUE(printer);
    printer->SetPrinterIndex(0);
    EXPECT_EQ(printer->PageWidth(), 4000);
    EXPECT_EQ(printer->FullPageWidth(), 4200);
    EXPECT_EQ(printer->FullPageHeight(), 600);
    printer->SetOrientation(poLandscape);
    EXPECT_EQ(Printer()->Orientation, poLandscape);
    EXPECT_EQ(printer->FullPageWidth(), 600);
    printer->SetOrientation(poPortrait);
    printer->SetPrinterIndex(-1);
    SetPrinterBackend(nullptr);
}

TEST(PrintUnits, PageTitleMacrosAndTheCheckBoxCell) {
    ASSERT_TRUE(PageTitleMacros());
    EXPECT_EQ(PageTitleMacros()->Text(), "&[Page]\r\n&[ShortDate]\r\n&[Date]\r\n&[LongDate]\r\n&[Time]\r\n&[Pages]\r\n");
    EXPECT_EQ(PageTitleMacroValues()->Count(), 6);
    EXPECT_EQ(PageTitleMacroValues()->Strings(0), "");

    const HBITMAP boxes = LoadBitmap(0, OBM_CHECKBOXES);
    BITMAP info{};
    ASSERT_TRUE(GetObject(boxes, sizeof info, &info));
    DeleteObject(boxes);
    EXPECT_EQ(CheckBoxCellSize().cx, info.bmWidth / 4);
    EXPECT_EQ(CheckBoxCellSize().cy, info.bmHeight / 3);
}

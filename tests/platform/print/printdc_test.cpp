// A print job on the PDF printer: two pages on different papers written to
// a file, read back with poppler's tools — the page sizes, a square where
// it was drawn, Chinese text on the page.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>

#include "pdf_tools.h"
#include "platform/print/printerbackend.h"
#include "platform/print/winspool.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/modalresponder.h"
#include "platform/win/userdraw.h"
#include "platform/gdi/wingdi.h"
#include "support/temp_dir.h"

namespace {

int Mm(double mm, int dpi) { return static_cast<int>(std::lround(mm / 25.4 * dpi)); }

class PdfJobTest : public testing::Test {
protected:
    void TearDown() override { SetPrinterBackend(nullptr); }
    TempDir dir_;
};

TEST_F(PdfJobTest, TwoPagesOnTwoPapersWithASquareAndChineseText) {
    const std::string file = dir_.file("job.pdf");
    DEVMODEA a4{};
    a4.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
    a4.dmPaperSize = DMPAPER_A4;
    a4.dmOrientation = DMORIENT_PORTRAIT;
    HDC dc = CreateDC(nullptr, "PDF", nullptr, &a4);
    ASSERT_NE(dc, HDC(0));
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), Mm(210, dpi));

    DOCINFOA info{sizeof(DOCINFOA), "顾客取机凭证", file.c_str(), nullptr, 0};
    ASSERT_GT(StartDoc(dc, &info), 0);
    ASSERT_GT(StartPage(dc), 0);
    const RECT square{Mm(20, dpi), Mm(30, dpi), Mm(30, dpi), Mm(40, dpi)};
    FillRect(dc, &square, HBRUSH(GetStockObject(BLACK_BRUSH)));
    HFONT font = CreateFont(-Mm(8, dpi), 0, 0, 0, 400, 0, 0, 0, 134, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(dc, font);
    const AnsiString text = "顾客取机凭证";
    TextOut(dc, Mm(20, dpi), Mm(60, dpi), text.c_str(), static_cast<int>(text.size()));
    const AnsiString hidden = "看不见";
    const RECT nowhere{Mm(20, dpi), Mm(80, dpi), Mm(20, dpi), Mm(80, dpi)};
    ExtTextOut(dc, Mm(20, dpi), Mm(80, dpi), ETO_CLIPPED, &nowhere, hidden.c_str(), UINT(hidden.size()), nullptr);
    SelectObject(dc, old);
    DeleteObject(font);
    ASSERT_GT(EndPage(dc), 0);

    DEVMODEA a5 = a4;
    a5.dmPaperSize = DMPAPER_A5;
    a5.dmOrientation = DMORIENT_LANDSCAPE;
    dc = ResetDC(dc, &a5);
    ASSERT_NE(dc, HDC(0));
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), Mm(210, dpi));
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), Mm(148, dpi));
    ASSERT_GT(StartPage(dc), 0);
    ASSERT_GT(EndPage(dc), 0);
    ASSERT_GT(EndDoc(dc), 0);
    DeleteDC(dc);

    const std::string pages = CommandOutput("pdfinfo -f 1 -l 2 '" + file + "'");
    EXPECT_EQ(PageCount(pages), 2) << pages;
    // A4 portrait, then A5 landscape, in points.
    EXPECT_NE(pages.find("Page    1 size:  595 x 842 pts"), std::string::npos) << pages;
    EXPECT_NE(pages.find("Page    2 size:  595 x 420 pts"), std::string::npos) << pages;

    const int renderDpi = 100;
    const Pixmap page = RenderFirstPage(file, renderDpi, dir_.file("page"));
    ASSERT_EQ(page.width, Mm(210, renderDpi));
    // The square's edges lie within a pixel of 20..30 mm across and 30..40 mm down.
    EXPECT_TRUE(page.Dark(Mm(20, renderDpi) + 1, Mm(30, renderDpi) + 1));
    EXPECT_TRUE(page.Dark(Mm(30, renderDpi) - 2, Mm(40, renderDpi) - 2));
    EXPECT_FALSE(page.Dark(Mm(20, renderDpi) - 2, Mm(35, renderDpi)));
    EXPECT_FALSE(page.Dark(Mm(30, renderDpi) + 2, Mm(35, renderDpi)));
    EXPECT_FALSE(page.Dark(Mm(25, renderDpi), Mm(30, renderDpi) - 2));
    EXPECT_FALSE(page.Dark(Mm(25, renderDpi), Mm(40, renderDpi) + 2));
    int inked = 0;  // the text's strokes
    for (int y = Mm(60, renderDpi); y < Mm(70, renderDpi); ++y)
        for (int x = Mm(20, renderDpi); x < Mm(70, renderDpi); ++x) inked += page.Dark(x, y);
    EXPECT_GT(inked, 50);
    // The text stays text, where it was drawn: searchable in the file.
    const AnsiString words = Utf8ToAnsi(CommandOutput("pdftotext -f 1 -l 1 -bbox '" + file + "' -"));
    const std::size_t word = words.find(">顾客取机凭证</word>");
    ASSERT_NE(word, AnsiString::npos) << words;
    const auto attribute = [&](const char* name) {
        const std::size_t at = words.rfind(AnsiString(name) + "=\"", word) + std::strlen(name) + 2;
        return std::stod(words.substr(at, words.find('"', at) - at));
    };
    const double xMin = attribute("xMin"), yMin = attribute("yMin");
    EXPECT_NEAR(xMin, 20 / 25.4 * 72, 2);
    EXPECT_NEAR(yMin, 60 / 25.4 * 72, 3);
    EXPECT_EQ(words.find("看不见"), AnsiString::npos) << "clipped away, it is not there";
    CommandOutput("pdftoppm -png -r " + std::to_string(renderDpi) + " -f 1 -l 1 -singlefile '" + file + "' '" + ScreenshotDir() +
        "print-pdf'");
}

TEST_F(PdfJobTest, WithoutAnOutputFileTheUserChoosesOne) {
    ResetModalResponder();
    PushModalAnswer({1, dir_.file("chosen.pdf")});
    HDC dc = CreateDC(nullptr, "PDF", nullptr, nullptr);
    DOCINFOA info{sizeof(DOCINFOA), "x", nullptr, nullptr, 0};
    ASSERT_GT(StartDoc(dc, &info), 0);
    StartPage(dc);
    EndPage(dc);
    EndDoc(dc);
    EXPECT_EQ(PageCount(CommandOutput("pdfinfo '" + dir_.file("chosen.pdf") + "'")), 1);
    PushModalAnswer({0, ""});  // cancelled
    EXPECT_EQ(StartDoc(dc, &info), SP_ERROR);
    DeleteDC(dc);
    ResetModalResponder();
}

// A printer that cannot reach 5 mm left, 4 mm top, 6 mm right and 7 mm
// bottom of a portrait paper; a job on it goes to a file through Qt.
PrinterDescription MarginedPrinter(bool color) {
    PrinterDescription laser;
    laser.Name = "Laser";
    laser.Papers = {{DMPAPER_A4, "A4", 2100, 2970}};
    laser.PixelsPerInch = 300;
    laser.Margins = {50, 40, 60, 70};
    laser.Color = color;
    return laser;
}

TEST_F(PdfJobTest, ThePrintableAreaIsTheDeviceAndLiesAtItsOffsetOnThePaper) {
    SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{MarginedPrinter(true)}, "Laser"));
    struct Case {
        short orientation;
        double width, height, left, top;  // millimetres: the paper, the printable area's offset
        double printableWidth, printableHeight;
    };
    for (const Case& c : {Case{DMORIENT_PORTRAIT, 210, 297, 5, 4, 199, 286},
                          Case{DMORIENT_LANDSCAPE, 297, 210, 4, 6, 286, 199}}) {
        DEVMODEA mode{};
        mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
        mode.dmPaperSize = DMPAPER_A4;
        mode.dmOrientation = c.orientation;
        HDC dc = CreateDC(nullptr, "Laser", nullptr, &mode);
        ASSERT_NE(dc, HDC(0));
        const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), Mm(c.width, dpi)) << c.orientation;
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), Mm(c.height, dpi));
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), Mm(c.left, dpi));
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), Mm(c.top, dpi));
        EXPECT_NEAR(GetDeviceCaps(dc, HORZRES), Mm(c.printableWidth, dpi), 1);
        EXPECT_NEAR(GetDeviceCaps(dc, VERTRES), Mm(c.printableHeight, dpi), 1);
        DeleteDC(dc);
    }

    // A 10 mm square at the device's origin lies at the offset on paper.
    const std::string file = dir_.file("laser.pdf");
    HDC dc = CreateDC(nullptr, "Laser", nullptr, nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    DOCINFOA info{sizeof(DOCINFOA), "x", file.c_str(), nullptr, 0};
    ASSERT_GT(StartDoc(dc, &info), 0);
    StartPage(dc);
    const RECT square{0, 0, Mm(10, dpi), Mm(10, dpi)};
    FillRect(dc, &square, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EndPage(dc);
    EndDoc(dc);
    DeleteDC(dc);
    const int renderDpi = 100;
    const Pixmap page = RenderFirstPage(file, 100, dir_.file("laser"));
    ASSERT_EQ(page.width, Mm(210, renderDpi));
    EXPECT_TRUE(page.Dark(Mm(5, renderDpi) + 1, Mm(4, renderDpi) + 1));
    EXPECT_TRUE(page.Dark(Mm(15, renderDpi) - 2, Mm(14, renderDpi) - 2));
    EXPECT_FALSE(page.Dark(Mm(5, renderDpi) - 2, Mm(9, renderDpi)));
    EXPECT_FALSE(page.Dark(Mm(10, renderDpi), Mm(4, renderDpi) - 2));
    EXPECT_FALSE(page.Dark(Mm(15, renderDpi) + 2, Mm(9, renderDpi)));
}

// A job asked in monochrome, or on a printer without colour, comes out grey.
TEST_F(PdfJobTest, MonochromeJobsPrintInGrey) {
    struct Case {
        bool printerColor;
        short asked;
        bool grey;
    };
    for (const Case& c : {Case{true, DMCOLOR_COLOR, false}, Case{true, DMCOLOR_MONOCHROME, true},
                          Case{false, DMCOLOR_COLOR, true}}) {
        SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{MarginedPrinter(c.printerColor)}, "Laser"));
        DEVMODEA mode{};
        mode.dmFields = DM_COLOR;
        mode.dmColor = c.asked;
        const std::string file = dir_.file("colour.pdf");
        HDC dc = CreateDC(nullptr, "Laser", nullptr, &mode);
        DOCINFOA info{sizeof(DOCINFOA), "x", file.c_str(), nullptr, 0};
        ASSERT_GT(StartDoc(dc, &info), 0);
        StartPage(dc);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const RECT square{0, 0, 300, 300};
        FillRect(dc, &square, red);
        DeleteObject(red);
        EndPage(dc);
        EndDoc(dc);
        DeleteDC(dc);
        const Pixmap page = RenderFirstPage(file, 50, dir_.file("colour"));
        ASSERT_GT(page.width, 40);
        const auto* p = reinterpret_cast<const unsigned char*>(page.rgb.data()) + (std::size_t(25) * page.width + 25) * 3;
        EXPECT_EQ(p[0] == p[1] && p[1] == p[2], c.grey) << int(p[0]) << "," << int(p[1]) << "," << int(p[2]);
    }
}

// A printer DC's page bitmap is as large as the paper at printer
// resolution: deleting the DC, also after a reset, frees it.
TEST_F(PdfJobTest, DeletingAPrinterDCFreesItsPage) {
    const DWORD before = GetGuiResources(0, GR_GDIOBJECTS);
    DEVMODEA landscape{};
    landscape.dmFields = DM_ORIENTATION;
    landscape.dmOrientation = DMORIENT_LANDSCAPE;
    for (int round = 0; round < 3; ++round) {
        HDC dc = CreateIC(nullptr, "PDF", nullptr, nullptr);
        ASSERT_NE(dc, HDC(0));
        dc = ResetDC(dc, &landscape);
        ASSERT_NE(dc, HDC(0));
        EXPECT_GT(GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT));
        EXPECT_TRUE(DeleteDC(dc));
        EXPECT_EQ(GetGuiResources(0, GR_GDIOBJECTS), before);
    }
}

}  // namespace

// The spooler calls over a table of printers, and the system's printers
// with the PDF printer after them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/print/printerbackend.h"
#include "platform/print/winspool.h"
#include "platform/rtl/kernel.h"
#include "platform/ui/dialogs.h"

namespace {

class WinspoolTest : public testing::Test {
protected:
    void SetUp() override {
        PrinterDescription counter;
        counter.Name = "柜台打印机";
        counter.Port = "usb://counter";
        counter.Papers = {{9, "A4", 2100, 2970}, {256, "A paper name longer than sixty-four bytes is cut at sixty-four bytes", 0, 0}};
        counter.Bins = {{"Tray 1", 1}, {"Manual feed", 4}};
        counter.Driver = "Counter Driver";
        counter.Status = PRINTER_STATUS_PAPER_JAM;
        counter.Jobs = 3;
        counter.Color = false;
        PrinterDescription office;
        office.Name = "Office";
        SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{counter, office}, "柜台打印机"));
    }
    void TearDown() override { SetPrinterBackend(nullptr); }
};

TEST_F(WinspoolTest, EnumeratesIntoOneBuffer) {
    DWORD needed = 0, returned = 0;
    EXPECT_FALSE(EnumPrinters(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &returned));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(needed, 2 * sizeof(PRINTER_INFO_4A) + std::strlen("柜台打印机") + 1 + std::strlen("Office") + 1);
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(EnumPrinters(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &returned));
    ASSERT_EQ(returned, 2u);
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    EXPECT_STREQ(printers[0].pPrinterName, "柜台打印机");
    EXPECT_STREQ(printers[1].pPrinterName, "Office");
    EXPECT_EQ(printers[0].Attributes & PRINTER_ATTRIBUTE_DEFAULT, PRINTER_ATTRIBUTE_DEFAULT);

    EnumPrinters(PRINTER_ENUM_DEFAULT, nullptr, 5, nullptr, 0, &needed, &returned);
    buffer.assign(needed, 0);
    ASSERT_TRUE(EnumPrinters(PRINTER_ENUM_DEFAULT, nullptr, 5, buffer.data(), needed, &needed, &returned));
    ASSERT_EQ(returned, 1u);
    EXPECT_STREQ(reinterpret_cast<const PRINTER_INFO_5A*>(buffer.data())->pPortName, "usb://counter");
    EXPECT_FALSE(EnumPrinters(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &returned));
}

TEST_F(WinspoolTest, TheDefaultPrinterAndItsProfileEntry) {
    char name[64];
    DWORD size = 3;
    EXPECT_FALSE(GetDefaultPrinter(name, &size));
    EXPECT_EQ(size, std::strlen("柜台打印机") + 1);
    size = sizeof name;
    ASSERT_TRUE(GetDefaultPrinter(name, &size));
    EXPECT_STREQ(name, "柜台打印机");
    char device[79];
    GetProfileString("windows", "device", "", device, sizeof device);
    EXPECT_STREQ(device, "柜台打印机,winspool,usb://counter");
    GetProfileString("other", "device", "none", device, sizeof device);
    EXPECT_STREQ(device, "none");
}

TEST_F(WinspoolTest, CapabilitiesInFixedSizeRecords) {
    EXPECT_EQ(DeviceCapabilities("Nobody", "", DC_PAPERS, nullptr, nullptr), -1);
    ASSERT_EQ(DeviceCapabilities("柜台打印机", "", DC_PAPERS, nullptr, nullptr), 2);
    WORD codes[2];
    DeviceCapabilities("柜台打印机", "", DC_PAPERS, reinterpret_cast<char*>(codes), nullptr);
    EXPECT_EQ(codes[0], 9);
    EXPECT_EQ(codes[1], 256);
    POINT sizes[2];
    DeviceCapabilities("柜台打印机", "", DC_PAPERSIZE, reinterpret_cast<char*>(sizes), nullptr);
    EXPECT_EQ(sizes[0].x, 2100);
    EXPECT_EQ(sizes[0].y, 2970);
    char names[2][CCHPAPERNAME];
    DeviceCapabilities("柜台打印机", "", DC_PAPERNAMES, names[0], nullptr);
    EXPECT_EQ(std::string(names[0], strnlen(names[0], CCHPAPERNAME)), "A4");
    EXPECT_EQ(std::string(names[1], strnlen(names[1], CCHPAPERNAME)),
              std::string("A paper name longer than sixty-four bytes is cut at sixty-four bytes").substr(0, 64));
    char bins[2][CCHBINNAME];
    ASSERT_EQ(DeviceCapabilities("柜台打印机", "", DC_BINNAMES, bins[0], nullptr), 2);
    EXPECT_STREQ(bins[1], "Manual feed");
    WORD binCodes[2];
    DeviceCapabilities("柜台打印机", "", DC_BINS, reinterpret_cast<char*>(binCodes), nullptr);
    EXPECT_EQ(binCodes[1], 4);
    EXPECT_EQ(DeviceCapabilities("Office", "", DC_BINS, nullptr, nullptr), 0);
}

TEST_F(WinspoolTest, PrinterStateAtLevelTwo) {
    HANDLE printer = 0;
    EXPECT_FALSE(OpenPrinter("Nobody", &printer, nullptr));
    ASSERT_TRUE(OpenPrinter("柜台打印机", &printer, nullptr));
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinter(printer, 2, nullptr, 0, &needed));
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(GetPrinter(printer, 2, buffer.data(), needed, &needed));
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    EXPECT_STREQ(info->pPrinterName, "柜台打印机");
    EXPECT_STREQ(info->pDriverName, "Counter Driver");
    EXPECT_STREQ(info->pPortName, "usb://counter");
    EXPECT_EQ(info->Status, 8u);
    EXPECT_EQ(info->cJobs, 3u);
    EXPECT_TRUE(ClosePrinter(printer));
    EXPECT_FALSE(GetPrinter(printer, 2, buffer.data(), needed, &needed));
}

TEST_F(WinspoolTest, DeviceSettingsFromThePrinterChangedByTheCaller) {
    HANDLE printer = 0;
    ASSERT_TRUE(OpenPrinter("柜台打印机", &printer, nullptr));
    EXPECT_EQ(DocumentProperties(0, printer, "柜台打印机", nullptr, nullptr, 0), LONG(sizeof(DEVMODEA)));
    DEVMODEA mode{};
    ASSERT_EQ(DocumentProperties(0, printer, "柜台打印机", &mode, nullptr, DM_OUT_BUFFER), IDOK);
    EXPECT_EQ(mode.dmPaperSize, DMPAPER_A4);
    EXPECT_EQ(mode.dmOrientation, DMORIENT_PORTRAIT);
    EXPECT_EQ(mode.dmColor, DMCOLOR_MONOCHROME);
    EXPECT_EQ(mode.dmDefaultSource, 1);
    DEVMODEA change{};
    change.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH;
    change.dmOrientation = DMORIENT_LANDSCAPE;
    change.dmPaperSize = DMPAPER_USER;
    change.dmPaperWidth = 1000;
    change.dmPaperLength = 1500;
    ASSERT_EQ(DocumentProperties(0, printer, "柜台打印机", &mode, &change, DM_OUT_BUFFER | DM_IN_BUFFER), IDOK);
    EXPECT_EQ(mode.dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(mode.dmPaperSize, DMPAPER_USER);
    EXPECT_EQ(mode.dmPaperLength, 1500);
    EXPECT_EQ(mode.dmCopies, 1);
    EXPECT_EQ(mode.dmFields & DM_PAPERWIDTH, DM_PAPERWIDTH);
    EXPECT_LT(DocumentProperties(0, 0, "Nobody", &mode, nullptr, DM_OUT_BUFFER), 0);
    ClosePrinter(printer);
}

TEST(SystemPrinters, ThePdfPrinterIsListedLast) {
    const std::unique_ptr<PrinterBackend> system = CreateSystemPrinterBackend();
    const std::vector<PrinterDescription> printers = system->Printers();
    ASSERT_FALSE(printers.empty());
    const PrinterDescription& pdf = printers.back();
    EXPECT_EQ(pdf.Name, "PDF");
    const auto a4 = std::find_if(pdf.Papers.begin(), pdf.Papers.end(), [](const PrinterPaper& p) { return p.Code == 9; });
    ASSERT_NE(a4, pdf.Papers.end());
    EXPECT_EQ(a4->Width, 2100);
    EXPECT_EQ(a4->Height, 2970);
    EXPECT_EQ(pdf.Papers.back().Code, DMPAPER_USER);
    if (printers.size() == 1) {
        EXPECT_EQ(system->DefaultPrinter(), "PDF");
    }
}

}  // namespace

// The preview's page setup: the first page's settings in the page-setup
// dialog, confirmed ones applied to every template page, the settings
// saved, and the pages built again when this run built them.
#include <memory>

#include "report/core/qm_customprinter.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_printer.h"
#include "report/core/qm_units.h"
#include "report/ui/qm_pagesetup.h"
#include "report/ui/qm_preview.h"

void TQmPreview::PageSetup() {
    if (!report_ || GetPageCount() == 0) return;
    TQmEndPage* page = GetEndPages()->GetPage(0);
    TQmPrinter* printer = report_->GetPrinter();
    const std::unique_ptr<TQmPageSetupForm> dialog(TQmPageSetupForm::Create(nullptr));
    dialog->Printer = printer;
    TQmPageSetting* setting = dialog->PageSetting();
    setting->PrinterName = GlobalPrinterList()->Printers()->Strings(printer->PrinterIndex());
    setting->Title = report_->ReportInfo[0];
    setting->DoublePass = report_->DoublePass;
    setting->Taoda = report_->Taoda;
    setting->ColorPrint = report_->ColorPrint;
    for (int side = 0; side < 4; ++side)
        setting->SetMarginValue(side, FromInternalUnits(page->Margins[std::size_t(side)], qmutMillimeters));
    setting->SetOrientation(page->Orientation);
    setting->Bin = page->Bin;
    setting->PaperSize = page->PaperSize;
    setting->PaperWidth = page->PaperWidth;
    setting->PaperHeight = page->PaperHeight;
    const int printerBefore = printer->PrinterIndex();
    if (!dialog->Execute()) return;

    if (printer->PrinterIndex() != printerBefore) report_->ChangePrinter(printerBefore, printer->PrinterIndex());
    report_->ReportInfo[0] = setting->Title;
    report_->DoublePass = setting->DoublePass;
    report_->Taoda = setting->Taoda;
    report_->ColorPrint = setting->ColorPrint;
    for (int side = 0; side < 4; ++side)
        page->Margins[std::size_t(side)] = ToInternalUnits(qmutMillimeters, setting->Margins[side]);
    page->Orientation = setting->Orientation;
    page->Bin = setting->Bin;
    for (int i = 0; i < report_->Pages()->GetCount(); ++i) {
        auto* templatePage = dynamic_cast<TQmReportPage*>(report_->Pages()->GetPage(i));
        if (!templatePage) continue;
        templatePage->SetLeftMargin(ToInternalUnits(qmutMillimeters, setting->Margins[0]));
        templatePage->SetTopMargin(ToInternalUnits(qmutMillimeters, setting->Margins[1]));
        templatePage->Margins[2] = ToInternalUnits(qmutMillimeters, setting->Margins[2]);
        templatePage->Margins[3] = ToInternalUnits(qmutMillimeters, setting->Margins[3]);
        templatePage->ChangePaper(setting->PaperSize, setting->PaperWidth, setting->PaperHeight, setting->Bin,
                                  setting->Orientation);
    }
    report_->SaveReportOptions()->SaveReportSetting(report_, "");
    OnPageSetup(setting);
    if (!GetEndPages()->ReadFromFile) {
        ready_ = false;
        report_->BuildPreparedPages();
        SetReport(report_);
    }
    RefreshPages(true);
}

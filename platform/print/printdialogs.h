// TPrinterSetupDialog and TPrintDialog over the program's printer
// (Printer()): the platform's "#32770" dialogs "打印设置" and "打印", which
// choose the printer from the printers the spooler lists and, for a job,
// the pages and copies.
//
// With the modal responder holding an answer, Execute takes it instead of
// showing the dialog (kind "PrinterSetupDialog" or "PrintDialog", the
// question's text the printer's name): a result other than 0 accepts. For
// the setup dialog the answer's text, when not empty, names the printer
// chosen; for the print dialog it is the page range "from-to".
#pragma once

#include "platform/ui/commondialog.h"

SERVIORA_ENUM(TPrintRange, prAllPages, prSelection, prPageNums)
SERVIORA_ENUM(TPrintDialogOption, poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile)
using TPrintDialogOptions = TSet<TPrintDialogOption>;

class TComboBox;

class TPrinterSetupDialog : public TCommonDialog {
    SERVIORA_CLASS(TPrinterSetupDialog, TCommonDialog)
public:
    using TCommonDialog::TCommonDialog;
    // Accepted, the printer and the orientation go to Printer().
    bool Execute() override;
};

class TPrintDialog : public TCommonDialog {
    SERVIORA_CLASS(TPrintDialog, TCommonDialog)
    SERVIORA_PUBLISHED
public:
    using TCommonDialog::TCommonDialog;
    // Accepted, the printer and the copies go to Printer().
    bool Execute() override;

    bool Collate() const { return collate_; }
    void SetCollate(bool v) { collate_ = v; }
    int Copies() const { return copies_; }
    void SetCopies(int v) { copies_ = v; }
    int FromPage() const { return fromPage_; }
    void SetFromPage(int v) { fromPage_ = v; }
    int ToPage() const { return toPage_; }
    void SetToPage(int v) { toPage_ = v; }
    int MinPage() const { return minPage_; }
    void SetMinPage(int v) { minPage_ = v; }
    int MaxPage() const { return maxPage_; }
    void SetMaxPage(int v) { maxPage_ = v; }
    TPrintDialogOptions Options() const { return options_; }
    // Held in 8 bits, as the options always were.
    void SetOptions(TPrintDialogOptions v) { options_ = TPrintDialogOptions::FromBits(v.Bits() & 0xFF); }
    bool PrintToFile() const { return printToFile_; }
    void SetPrintToFile(bool v) { printToFile_ = v; }
    TPrintRange PrintRange() const { return printRange_; }
    void SetPrintRange(TPrintRange v) { printRange_ = v; }

private:
    bool RunDialog();
    // "from-to" within MinPage..MaxPage; false (nothing taken) otherwise.
    bool TakePages(const AnsiString& text);

    bool collate_ = false;
    int copies_ = 1;
    int fromPage_ = 0, toPage_ = 0, minPage_ = 0, maxPage_ = 0;
    TPrintDialogOptions options_;
    bool printToFile_ = false;
    TPrintRange printRange_ = prAllPages;
};

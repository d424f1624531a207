// The reception window's save and reprint, written against what they need
// of the window (TReceptionWindow), so the window itself only maps its
// controls: Edit1..Edit4, ComboBox1..ComboBox7, Memo1, Label21, the hidden
// Edit5/Edit6 and QmReport1.
#pragma once

#include "app/dm1frm.h"
#include "app/footertext.h"
#include "platform/gdi/windef.h"

// The inputs in tab order (the Enter chain runs through them).
enum TReceptionInput {
    riImei, riBrand, riModel, riAccessories, riColor, riMaker, riPrice, riCustomerName, riPhone, riFault,
    riHandling, riRemark
};
constexpr int kReceptionInputCount = riRemark + 1;

class TReceptionWindow {
public:
    virtual ~TReceptionWindow() = default;
    // The window that owns its messages.
    virtual HWND WindowHandle() = 0;
    virtual AnsiString InputText(TReceptionInput input) = 0;
    // Empty text on a drop-down clears its list too.
    virtual void SetInputText(TReceptionInput input, const AnsiString& text) = 0;
    virtual void FocusInput(TReceptionInput input) = 0;
    // The number shown for the next order (Label21).
    virtual AnsiString OrderNumber() = 0;
    virtual void SetOrderNumber(const AnsiString& number) = 0;
    // Fills the hidden texts the voucher's script reads (Edit5, Edit6).
    virtual void SetVoucherTexts(const TVoucherTexts& texts) = 0;
    // QmReport1.BuildAndPreview over DM1.ADOQuery11.
    virtual void BuildAndPreviewVoucher() = 0;
};

// The stored column a drop-down input offers (ComboBox1..ComboBox7), or
// nullptr for an input without a list.
const char* DistinctColumn(TReceptionInput input);

// Empties every input and shows the next number (the window's OnShow).
void ResetReception(TDM1& dm, TReceptionWindow& window);

// Shows the number the next order will be stored under (the window's
// activation, and after the order-deletion dialog).
void ShowNextOrderNumber(TDM1& dm, TReceptionWindow& window);

// Saves the phone being received: checks the IMEI (trimmed, not in
// service), brand and model and the price (empty is 0; anything but a
// number is refused with "价格必须是数字！"), then inserts the order under
// the next number, read again in the transaction, and commits. A failure
// inside (the commit included) rolls back, shows its message and leaves
// the inputs as they were. Only a committed order is announced: the
// voucher question follows the commit, and the voucher is built from the
// stored order, so a voucher that fails leaves the order saved.
void SaveReception(TDM1& dm, TReceptionWindow& window, const AnsiString& iniFileName, const AnsiString& operatorId);

// Asks for an order number and builds its voucher; Cancel or an empty
// answer does nothing.
void ReprintVoucher(TDM1& dm, TReceptionWindow& window, const AnsiString& iniFileName);

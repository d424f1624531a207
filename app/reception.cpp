// Saving a reception and reprinting a voucher.
#include "app/reception.h"

#include <utility>

#include "app/serviceorders.h"
#include "app/transaction.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"

namespace {

void LoadVoucherTexts(TReceptionWindow& window, const AnsiString& iniFileName) {
    const TIniFile ini(iniFileName);
    window.SetVoucherTexts(ReadVoucherTexts(ini));
}

void ClearInputs(TReceptionWindow& window) {
    for (int input = 0; input < kReceptionInputCount; ++input)
        window.SetInputText(static_cast<TReceptionInput>(input), "");
}

// Opens DM1.ADOQuery11 on one order and builds its voucher.
void PreviewVoucher(TDM1& dm, TReceptionWindow& window, const AnsiString& number) {
    OpenOrder(dm.ADOQuery11, number);
    window.BuildAndPreviewVoucher();
}

// A required input left empty: says so and puts the focus there.
bool Refuse(TReceptionWindow& window, TReceptionInput input, const char* message) {
    MessageBox(window.WindowHandle(), message, "系统提示", MB_ICONQUESTION);
    window.FocusInput(input);
    return false;
}

// The checks before anything is written; false when one refused.
bool CheckInputs(TDM1& dm, TReceptionWindow& window) {
    const AnsiString imei = Trim(window.InputText(riImei));
    window.SetInputText(riImei, imei);
    if (imei.empty()) return Refuse(window, riImei, "串码不能为空!");
    if (ImeiInService(dm.ADOall, imei)) {
        MessageBox(GetActiveWindow(), "此串号的手机正在售后维修，请认真核对！", "提示", MB_ICONERROR);
        window.SetInputText(riImei, "");
        window.FocusInput(riImei);
        return false;
    }
    if (window.InputText(riBrand).empty()) return Refuse(window, riBrand, "品牌不能为空!");
    if (window.InputText(riModel).empty()) return Refuse(window, riModel, "型号不能为空!");
    if (window.InputText(riPrice).empty()) window.SetInputText(riPrice, "0");
    if (!IsValidPrice(window.InputText(riPrice))) return Refuse(window, riPrice, "价格必须是数字！");
    return true;
}

// Which input fills which field of the order.
constexpr std::pair<TReceptionInput, AnsiString TReceptionRecord::*> kInputFields[] = {
    {riImei, &TReceptionRecord::Imei},
    {riBrand, &TReceptionRecord::Brand},
    {riModel, &TReceptionRecord::Model},
    {riAccessories, &TReceptionRecord::Accessories},
    {riColor, &TReceptionRecord::Color},
    {riMaker, &TReceptionRecord::Maker},
    {riPrice, &TReceptionRecord::Price},
    {riCustomerName, &TReceptionRecord::CustomerName},
    {riPhone, &TReceptionRecord::Phone},
    {riFault, &TReceptionRecord::Fault},
    {riHandling, &TReceptionRecord::Handling},
    {riRemark, &TReceptionRecord::Remark},
};

TReceptionRecord Collect(TReceptionWindow& window, const AnsiString& operatorId) {
    TReceptionRecord r;
    r.Number = window.OrderNumber();
    for (const auto& [input, field] : kInputFields) r.*field = window.InputText(input);
    r.Date = DateToStr(Date());
    r.Operator = operatorId;
    return r;
}

}  // namespace

const char* DistinctColumn(TReceptionInput input) {
    switch (input) {
        case riBrand: return "品牌";
        case riModel: return "型号";
        case riAccessories: return "配件";
        case riColor: return "颜色";
        case riMaker: return "厂家";
        case riFault: return "故障现象";
        case riHandling: return "处理意见";
        default: return nullptr;
    }
}

void ShowNextOrderNumber(TDM1& dm, TReceptionWindow& window) {
    window.SetOrderNumber(NextOrderNumber(dm.ADOall));
}

void ResetReception(TDM1& dm, TReceptionWindow& window) {
    ClearInputs(window);
    ShowNextOrderNumber(dm, window);
}

void SaveReception(TDM1& dm, TReceptionWindow& window, const AnsiString& iniFileName, const AnsiString& operatorId) {
    LoadVoucherTexts(window, iniFileName);
    if (!CheckInputs(dm, window)) return;
    const bool saved = RunInTransaction(dm.ADOConnection1, [&] {
        ShowNextOrderNumber(dm, window);
        InsertReception(dm.ADOall, Collect(window, operatorId));
        Sleep(1000);
    });
    if (!saved) return;
    // Committed: the question may say so, and the voucher reads the stored order.
    if (Application->MessageBox("售后接待信息录入成功！打印顾客取机凭证吗?\"确定\"打印；\"取消\"不打印！", "询问",
                                MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        PreviewVoucher(dm, window, window.OrderNumber());
    ClearInputs(window);
    ShowNextOrderNumber(dm, window);
    window.FocusInput(riImei);
}

void ReprintVoucher(TDM1& dm, TReceptionWindow& window, const AnsiString& iniFileName) {
    LoadVoucherTexts(window, iniFileName);
    const AnsiString number = InputBox("请输入", "请输入单据编号          ", "");
    if (number.empty()) return;
    PreviewVoucher(dm, window, number);
}

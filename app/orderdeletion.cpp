// Look-up, confirmation and deletion of one service order.
#include "app/orderdeletion.h"

#include "app/serviceorders.h"
#include "app/transaction.h"
#include "platform/data/field.h"
#include "platform/ui/dialogs.h"

const char* const kDeletionColumns[12] = {"串码", "品牌", "型号", "配件", "颜色", "厂家",
                                          "价格", "顾客姓名", "电话", "故障现象", "处理意见", "接待备注"};

std::optional<std::vector<AnsiString>> TOrderDeletion::Lookup(const AnsiString& number) {
    lookedUp_.reset();
    OpenOrder(dm_.ADOall, number);
    if (dm_.ADOall->Eof()) {
        MessageBox(GetActiveWindow(), "此编号不存在！", "提示", MB_ICONERROR);
        return std::nullopt;
    }
    std::vector<AnsiString> texts;
    for (const char* column : kDeletionColumns) texts.push_back(dm_.ADOall->FieldByName(column)->AsString());
    lookedUp_ = number;
    return texts;
}

bool TOrderDeletion::DeleteLookedUp(HWND owner) {
    if (!lookedUp_ || lookedUp_->empty()) {
        MessageBox(owner, "编号不能为空！", "提示", MB_ICONERROR);
        return false;
    }
    if (MessageBox(owner, "确实要删除该编号的接待记录？该操作不可恢复！请谨慎操作！", "提示",
                   MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return false;
    if (!RunInTransaction(dm_.ADOConnection1, [&] { DeleteOrder(dm_.ADOall, *lookedUp_); })) return false;
    lookedUp_.reset();
    MessageBox(owner, "删除成功！", "提示", MB_ICONINFORMATION);
    return true;
}

// The order-deletion dialog's look-up and deletion. The deletion removes
// the order that was looked up and shown, never another: once the number
// is edited after a look-up nothing can be deleted until the next look-up.
#pragma once

#include <optional>
#include <vector>

#include "app/dm1frm.h"
#include "platform/gdi/windef.h"

// The columns shown for the looked-up order, in the dialog's order
// (Edit2..Edit13).
extern const char* const kDeletionColumns[12];

class TOrderDeletion {
public:
    explicit TOrderDeletion(TDM1& dm) : dm_(dm) {}

    // Looks the number up. A found order becomes the one a deletion
    // removes and its texts (kDeletionColumns) are answered; otherwise
    // "此编号不存在！" is shown and nothing can be deleted.
    std::optional<std::vector<AnsiString>> Lookup(const AnsiString& number);
    // The number typed after the look-up changed: nothing can be deleted.
    void NumberChanged() { lookedUp_.reset(); }
    bool CanDelete() const { return lookedUp_.has_value(); }
    const std::optional<AnsiString>& LookedUpNumber() const { return lookedUp_; }

    // Asks for confirmation and deletes the looked-up order in a
    // transaction, saying "删除成功！" once it is committed; answers whether
    // it was deleted. Without a looked-up order it says "编号不能为空！". A
    // failure (the commit included) rolls back and shows its message.
    bool DeleteLookedUp(HWND owner);

private:
    TDM1& dm_;
    std::optional<AnsiString> lookedUp_;
};

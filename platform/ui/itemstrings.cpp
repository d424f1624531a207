// The Items of list controls, mirrored into their windows.
#include "platform/ui/itemstrings.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"

TWindowItems::TWindowItems(TWinControl* control, TItemMessages messages, std::function<bool()> sorted)
    : control_(control), messages_(messages), sorted_(std::move(sorted)) {}

void TWindowItems::CheckIndex(int index, int limit) const {
    if (index < 0 || index > limit) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

int TWindowItems::Add(const AnsiString& s) {
    if (!sorted_()) return TStrings::Add(s);
    const auto at = std::upper_bound(items_.begin(), items_.end(), s,
                                     [](const AnsiString& t, const Item& i) { return CompareText(t, i.text) < 0; });
    const int index = int(at - items_.begin());
    Insert(index, s);
    return index;
}

void TWindowItems::Clear() {
    items_.clear();
    if (control_->HandleAllocated()) SendMessage(control_->Handle(), messages_.reset, 0, 0);
}

void TWindowItems::Delete(int index) {
    CheckIndex(index, GetCount() - 1);
    items_.erase(items_.begin() + index);
    if (control_->HandleAllocated()) SendMessage(control_->Handle(), messages_.remove, WPARAM(index), 0);
}

void TWindowItems::Insert(int index, const AnsiString& s) {
    CheckIndex(index, GetCount());
    items_.insert(items_.begin() + index, Item{s, nullptr});
    if (control_->HandleAllocated())
        SendMessage(control_->Handle(), messages_.insert, WPARAM(index), LPARAM(s.c_str()));
}

void TWindowItems::Fill(HWND window) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        SendMessage(window, messages_.insert, WPARAM(i), LPARAM(items_[i].text.c_str()));
}

void TWindowItems::SortItems() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return CompareText(a.text, b.text) < 0; });
    if (!control_->HandleAllocated()) return;
    SendMessage(control_->Handle(), messages_.reset, 0, 0);
    Fill(control_->Handle());
}

AnsiString TWindowItems::Get(int index) const {
    CheckIndex(index, GetCount() - 1);
    return items_[std::size_t(index)].text;
}

TObject* TWindowItems::GetObject(int index) const {
    return index >= 0 && index < GetCount() ? items_[std::size_t(index)].object : nullptr;
}

void TWindowItems::PutObject(int index, TObject* object) {
    if (index >= 0 && index < GetCount()) items_[std::size_t(index)].object = object;
}

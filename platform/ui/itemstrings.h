// The Items of list controls (TComboBox, TListBox): strings with objects
// kept by the control and mirrored into its window through the window's
// insert, delete and reset messages while it has one.
#pragma once

#include <functional>
#include <vector>

#include "platform/rtl/stringlist.h"
#include "platform/ui/controls.h"

struct TItemMessages {
    UINT insert;  // wParam index, lParam text
    UINT remove;  // wParam index
    UINT reset;
};

class TWindowItems : public TStrings {
public:
    // `sorted` tells whether Add keeps the items in order.
    TWindowItems(TWinControl* control, TItemMessages messages, std::function<bool()> sorted);

    int Add(const AnsiString& s) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const AnsiString& s) override;
    // Puts the items into a newly made window.
    void Fill(HWND window) const;
    // Sorts the items (and the window's) in order.
    void SortItems();

protected:
    AnsiString Get(int index) const override;
    int GetCount() const override { return int(items_.size()); }
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;

private:
    struct Item {
        AnsiString text;
        TObject* object;
    };
    void CheckIndex(int index, int limit) const;

    TWinControl* control_;
    TItemMessages messages_;
    std::function<bool()> sorted_;
    std::vector<Item> items_;
};

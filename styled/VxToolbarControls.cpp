// The toolbar's control order and its stored form.
#include "styled/VxToolbarControls.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"

int TVxToolbarControlList::FindControl(const TControl* control) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[i]->Control() == control) return i;
    return -1;
}

int TVxToolbarControlList::FindName(const AnsiString& name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(items_[i]->Name(), name)) return i;
    return -1;
}

int TVxToolbarControlList::AppendControl(TControl* control) {
    if (const int index = FindControl(control); index >= 0) return index;
    items_.push_back(NewItem(control, control->Name()));
    return Count() - 1;
}

int TVxToolbarControlList::AppendName(const AnsiString& name) {
    if (!stored_) stored_.emplace();
    stored_->push_back(NewItem(nullptr, name));
    return int(stored_->size()) - 1;
}

int TVxToolbarControlList::DropControl(const TControl* control) {
    const int index = FindControl(control);
    if (index >= 0) items_.erase(items_.begin() + index);
    return index;
}

int TVxToolbarControlList::DropName(const AnsiString& name) {
    const int index = FindName(name);
    if (index >= 0) items_.erase(items_.begin() + index);
    return index;
}

void TVxToolbarControlList::Move(const TControl* control, int index) {
    const int from = FindControl(control);
    if (from < 0) return;
    std::unique_ptr<TVxToolbarControl> item = std::move(items_[from]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + std::clamp(index, 0, Count()), std::move(item));
}

void TVxToolbarControlList::ReadItems(TReader* reader) {
    stored_.emplace();
    reader->ReadListBegin();
    while (!reader->EndOfList()) ReadItem(reader);
    reader->ReadListEnd();
}

void TVxToolbarControlList::ReadItem(TReader* reader) { AppendName(reader->ReadIdent()); }

void TVxToolbarControlList::WriteItems(TWriter* writer) const {
    writer->WriteListBegin();
    for (const auto& item : items_) WriteItem(writer, *item);
    writer->WriteListEnd();
}

void TVxToolbarControlList::WriteItem(TWriter* writer, const TVxToolbarControl& item) const {
    writer->WriteIdent(item.Control()->Name());
}

std::unique_ptr<TVxToolbarControl> TVxToolbarControlList::NewItem(TControl* control, const AnsiString& name) const {
    return std::make_unique<TVxToolbarControl>(control, name);
}

void TVxToolbarControlList::ResolveNames(TComponent* owner) {
    if (!stored_) {
        AppendUnlistedChildren();
        return;
    }
    bool repaired = false;
    for (const auto& storedItem : *stored_) {
        auto* control = owner ? dynamic_cast<TControl*>(owner->FindComponent(storedItem->Name())) : nullptr;
        if (!control) continue;
        if (control->Parent() != toolbar_) {
            DropName(storedItem->Name());
            repaired = true;
            continue;
        }
        items_[AppendControl(control)]->CopyExtra(*storedItem);
    }
    if (repaired) AppendUnlistedChildren();
    stored_.reset();
}

void TVxToolbarControlList::AppendUnlistedChildren() {
    for (int i = 0; i < toolbar_->ControlCount(); ++i)
        if (listable_(toolbar_->Controls(i))) AppendControl(toolbar_->Controls(i));
}

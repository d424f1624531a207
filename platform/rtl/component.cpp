// TComponent: ownership, names, notifications and destruction.
#include "platform/rtl/component.h"

#include <algorithm>

#include "platform/rtl/identifier.h"
#include "platform/rtl/ole2.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"

void TComponent::Published(TPublished<TComponent>& p) {
    p.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    p.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

// Components freed through delete have run this already; the destructor
// covers components that live on the stack or inside another object.
TComponent::~TComponent() {
    RunBeforeDestruction();
}

void TComponent::operator delete(TComponent* component, std::destroying_delete_t) {
    component->RunBeforeDestruction();
    void* memory = dynamic_cast<void*>(component);
    component->~TComponent();
    ::operator delete(memory);
}

void* TComponent::operator new(std::size_t size) {
    return ::operator new(size);
}

void TComponent::operator delete(void* memory) {
    ::operator delete(memory);
}

void TComponent::RunBeforeDestruction() {
    if (destructionRun_)
        return;
    destructionRun_ = true;
    BeforeDestruction();
}

void TComponent::BeforeDestruction() {
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        std::erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
    if (state_.Contains(csFixups))
        RemoveFixupReferences(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[index];
}

int TComponent::ComponentIndex() const {
    if (!owner_)
        return -1;
    const auto& siblings = owner_->components_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TComponent::SetComponentIndex(int index) {
    if (!owner_)
        return;
    auto& siblings = owner_->components_;
    const int count = static_cast<int>(siblings.size());
    index = std::clamp(index, 0, count - 1);
    const int current = ComponentIndex();
    siblings.erase(siblings.begin() + current);
    siblings.insert(siblings.begin() + index, this);
}

void TComponent::SetName(const AnsiString& name) {
    if (name == name_)
        return;
    if (!name.empty() && !IsIdentifier(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    SetReference(false);
    name_ = name;
    SetReference(true);
}

void TComponent::ValidateRename(TComponent* component, const AnsiString& currentName, const AnsiString& newName) {
    if (component && !newName.empty() && !SameIdentifier(currentName, newName)) {
        TComponent* existing = FindComponent(newName);
        if (existing && existing != component)
            throw EComponentError("Component name \"" + newName + "\" is not unique");
    }
}

TComponent* TComponent::FindComponent(const AnsiString& name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* component : components_)
        if (SameIdentifier(component->name_, name))
            return component;
    return nullptr;
}

void TComponent::SetReference(bool enable) {
    if (!owner_ || name_.empty())
        return;
    if (const TPublishedField* field = FieldAddress(owner_, name_))
        field->Set(owner_, enable ? this : nullptr);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    std::erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    ValidateRename(component, "", component->name_);
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    Insert(component);
    component->SetReference(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, opRemove);
    component->SetReference(false);
    Remove(component);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* component = components_.back();
        if (component->state_.Contains(csFreeNotification))
            RemoveComponent(component);
        else
            Remove(component);
        delete component;
    }
}

void TComponent::Destroying() {
    if (state_.Contains(csDestroying))
        return;
    state_.Include(csDestroying);
    for (TComponent* component : components_)
        component->Destroying();
}

// Components of one owner already hear of each other through the owner's
// notifications, so only the flag is needed between them.
void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    if (!owner_ || component->owner_ != owner_) {
        if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
            freeNotifies_.push_back(component);
            component->FreeNotification(this);
        }
    }
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // A notified component may free others of this owner; walk by index
    // from the end and re-check the bound each step.
    for (std::size_t i = components_.size(); i-- > 0;) {
        if (i >= components_.size())
            continue;
        components_[i]->Notification(component, operation);
    }
}

Integer TComponent::SafeCallException(TObject*, void*) { return E_UNEXPECTED; }

AnsiString TComponent::GetNamePath() const {
    return name_;
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

void TComponent::ReadState(TReader* reader) {
    reader->ReadData(this);
}

void TComponent::WriteState(TWriter* writer) {
    writer->WriteData(this);
}

void TComponent::Loaded() {
    state_.Exclude(csLoading);
}

void TComponent::SetComponentState(TComponentStateItem item, bool on) {
    if (on)
        state_.Include(item);
    else
        state_.Exclude(item);
}

// TDataModule.
#include "platform/rtl/datamodule.h"

#include "platform/rtl/formresources.h"
#include "platform/rtl/moduleregistry.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"

void TDataModule::Published(TPublished<TDataModule>& p) {
    p.Property("OldCreateOrder", &TDataModule::OldCreateOrder, &TDataModule::SetOldCreateOrder);
    p.Property("OnCreate", &TDataModule::OnCreate, &TDataModule::SetOnCreate);
    p.Property("OnDestroy", &TDataModule::OnDestroy, &TDataModule::SetOnDestroy);
}

TDataModule::TDataModule(TComponent* owner) : TComponent(owner) {
    RegisterModule(this);
}

TDataModule::TDataModule(TComponent* owner, int) : TComponent(owner), createNew_(true) {
    RegisterModule(this);
}

void TDataModule::AfterConstruction() {
    if (!createNew_ && ClassType() != StaticClass() && !InitInheritedComponent(this, StaticClass()))
        throw EResNotFound("Resource " + ClassName() + " not found");
    onCreate_(this);
}

void TDataModule::BeforeDestruction() {
    onDestroy_(this);
    UnregisterModule(this);
    TComponent::BeforeDestruction();
}

void TDataModule::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent())
            proc(Components(i));
    TComponent::GetChildren(proc, root);
}

void TDataModule::DefineProperties(TFiler* filer) {
    TComponent::DefineProperties(filer);
    for (auto [name, field] : {std::pair{"Left", &designLeft_}, {"Top", &designTop_},
                               {"Height", &designHeight_}, {"Width", &designWidth_}}) {
        Integer* value = field;
        filer->DefineProperty(
            name, [value](TReader* reader) { *value = static_cast<Integer>(reader->ReadInteger()); },
            [value](TWriter* writer) { writer->WriteInteger(*value); }, *value != 0);
    }
}

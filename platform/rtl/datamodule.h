// TDataModule: a non-visual module of components built from its own form
// description, registered by name while it lives.
//
// Declaring one:
//     class TDM1 : public TDataModule {
//         SERVIORA_CLASS(TDM1, TDataModule)
//         SERVIORA_PUBLISHED
//     public:
//         using TDataModule::TDataModule;
//         TADOQuery* ADOQuery1 = nullptr;          // bound by name on reading
//         void ADOQuery1AfterScroll(TDataSet* DataSet);
//     };
//     void TDM1::Published(TPublished<TDM1>& p) {
//         p.Field("ADOQuery1", &TDM1::ADOQuery1);
//         p.Method("ADOQuery1AfterScroll", &TDM1::ADOQuery1AfterScroll);
//     }
//     SERVIORA_REGISTER_CLASS(TDM1);   (in the .cpp)
// and create it through its class: TDM1::Create(owner) (or the metaclass),
// which reads TDM1's embedded description after construction.
// TDM1::Create(owner, 0) (CreateNew) builds one without a description.
#pragma once

#include "platform/rtl/component.h"

class TDataModule : public TComponent {
    SERVIORA_CLASS(TDataModule, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TDataModule(TComponent* owner);
    // CreateNew: no description is read.
    TDataModule(TComponent* owner, int dummy);

    // Reads the description (EResNotFound "Resource TFoo not found" for a
    // class that has none), then fires OnCreate.
    void AfterConstruction() override;
    // Fires OnDestroy and leaves the module registry.
    void BeforeDestruction() override;

    bool OldCreateOrder() const { return oldCreateOrder_; }
    void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }
    const TNotifyEvent& OnCreate() const { return onCreate_; }
    void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }
    const TNotifyEvent& OnDestroy() const { return onDestroy_; }
    void SetOnDestroy(TNotifyEvent handler) { onDestroy_ = std::move(handler); }

    // Components without a parent are written nested under the module.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
    // The designer's position and size of the module window, kept so a
    // description reads and writes back unchanged.
    void DefineProperties(TFiler* filer) override;

private:
    bool createNew_ = false;
    bool oldCreateOrder_ = false;
    Integer designLeft_ = 0;
    Integer designTop_ = 0;
    Integer designHeight_ = 0;
    Integer designWidth_ = 0;
    TNotifyEvent onCreate_;
    TNotifyEvent onDestroy_;
};

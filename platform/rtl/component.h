// TComponent: named objects in an ownership tree. An owner frees what it
// owns; components tell one another when one goes away (Notification) and
// take part in form descriptions (Loaded, ReadState, GetChildren).
//
// Heap components must be freed with delete (or by their owner): TComponent's
// destroying operator delete lets every override of Notification and
// BeforeDestruction run while the whole object still exists. A component
// class that inherits from several bases names the component base first.
#pragma once

#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "platform/rtl/persistent.h"

SERVIORA_ENUM(TOperation, opInsert, opRemove)
SERVIORA_ENUM(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor,
              csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateItem>;
SERVIORA_ENUM(TComponentStyleItem, csInheritable, csCheckPropAvail, csSubComponent, csTransient)
using TComponentStyle = TSet<TComponentStyleItem>;

SERVIORA_EXCEPTION(EComponentError, Exception);

class TComponent;
class TBasicAction;
class IInterface;
using TGetChildProc = std::function<void(TComponent* child)>;

class TComponent : public TPersistent {
    SERVIORA_HIERARCHY(TComponent, TPersistent, TComponent* /*AOwner*/)
    SERVIORA_PUBLISHED
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    static void operator delete(TComponent* component, std::destroying_delete_t);
    // The allocation pair for the above; the plain delete only frees the
    // memory of a component whose constructor threw.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory);

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // EListError for an index out of range.
    TComponent* Components(int index) const;
    // The position in the owner's list (-1 without an owner).
    int ComponentIndex() const;
    void SetComponentIndex(int index);

    const AnsiString& Name() const { return name_; }
    // Validates: empty or an identifier (EComponentError "\"X\" is not a
    // valid component name"), unique among the owner's components ignoring
    // ASCII case (EComponentError "Component name \"X\" is not unique").
    virtual void SetName(const AnsiString& name);
    Integer Tag() const { return tag_; }
    void SetTag(Integer tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }
    TComponentStyle ComponentStyle() const { return style_; }

    // An owned component by name (ASCII case ignored), or nullptr.
    TComponent* FindComponent(const AnsiString& name) const;
    // Takes component over from its current owner; every owned component
    // hears opInsert.
    void InsertComponent(TComponent* component);
    // Gives component up (it is not freed); every owned component hears opRemove.
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last first.
    void DestroyComponents();
    // Marks this component and those it owns as being destroyed.
    void Destroying();

    // Asks that component be told (Notification opRemove) when this one
    // goes away; the request is mutual.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    AnsiString GetNamePath() const override;

    // The bridge to automation servers: none exists on this platform, so a
    // component never has a server object to release or hand out.
    void FreeOnRelease() {}
    std::shared_ptr<IInterface> ComObject() const { return {}; }
    // An exception leaving a safecall method becomes E_UNEXPECTED.
    virtual Integer SafeCallException(TObject* exceptObject, void* exceptAddr);
    // Kept for designers and servers; the component itself never reads them.
    Integer DesignInfo() const { return designInfo_; }
    void SetDesignInfo(Integer value) { designInfo_ = value; }
    void* VCLComObject() const { return vclComObject_; }
    void SetVCLComObject(void* value) { vclComObject_ = value; }

    // Form descriptions. A component with a parent (a control) is written
    // under that parent; GetChildren lists what is written nested under this
    // component when root is being written.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
    // Reads this component's properties and children from reader; a root
    // (form, data module) overrides it to bind its handlers around reading.
    virtual void ReadState(TReader* reader);
    virtual void WriteState(TWriter* writer);
    // Called once the whole description has been read and references are
    // resolved; csLoading is cleared first.
    virtual void Loaded();

    // Run by delete before any destructor: Destroying, free notifications,
    // owned components freed, removal from the owner.
    virtual void BeforeDestruction();

    // Runs (updates) action on this component when the action handles it as
    // a target; answers whether it did. Controls extend this with what they
    // handle themselves.
    virtual bool ExecuteAction(TBasicAction* action);
    virtual bool UpdateAction(TBasicAction* action);

    // The reader and the descendants that set state flags.
    void SetComponentState(TComponentStateItem item, bool on);
    void SetComponentStyle(TComponentStyle style) { style_ = style; }

protected:
    // component was inserted into or is being removed from this component's
    // owner tree, or is going away and asked to tell this one. Overrides call
    // the inherited version, which passes it on to owned components.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const AnsiString& currentName, const AnsiString& newName);
    void SetNameUnchecked(const AnsiString& name) { name_ = name; }

private:
    // Points the owner's published field of this component's name at it
    // (or back at nullptr).
    void SetReference(bool enable);
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RunBeforeDestruction();

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    AnsiString name_;
    Integer tag_ = 0;
    Integer designInfo_ = 0;
    void* vclComObject_ = nullptr;
    TComponentState state_;
    TComponentStyle style_{csInheritable};
    bool destructionRun_ = false;

    friend class TReader;
};

using TComponentClass = const TComponent::MetaClassType*;

// TObject: the root of every class of the class library, and the forward
// declarations of its metaclass (see metaclass.h for declaring a class).
#pragma once

#include "platform/rtl/types.h"

class TMetaClass;
// "class of TObject": a class as a value.
using TClass = const TMetaClass*;

template <class T>
class TPublished;

class TObject {
public:
    // The metaclass type of TObject's hierarchy; hierarchies whose classes
    // are created by class (TComponent, TCollectionItem, ...) replace it.
    using MetaClassType = TMetaClass;

    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TMetaClass* StaticClass();
    virtual const TMetaClass* ClassType() const { return StaticClass(); }

    // Runs once the most derived constructor has finished, when the object
    // is made through its class (metaclass Create or T::Create): the place
    // for work that needs the whole object, such as a form reading its own
    // description. Plain `new T(...)` does not call it.
    virtual void AfterConstruction() {}

    const AnsiString& ClassName() const;
    bool ClassNameIs(const AnsiString& name) const;
    TClass ClassParent() const;
    bool InheritsFrom(TClass ancestor) const;
};

// Metaclass objects and TObject's class queries.
#include "platform/rtl/metaclass.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/identifier.h"
#include "platform/rtl/typinfo.h"

TMetaClass::TMetaClass(const char* name, TClass parent, const std::type_info& type, TPublishFunction publish,
                       std::size_t instanceSize)
    : name_(name), parent_(parent), type_(type), publish_(publish), instanceSize_(instanceSize) {}

TMetaClass::~TMetaClass() = default;

bool TMetaClass::InheritsFrom(TClass ancestor) const {
    for (TClass c = this; c; c = c->ClassParent())
        if (c == ancestor)
            return true;
    return false;
}

const TPropertyTable& TMetaClass::OwnProperties() const {
    std::call_once(built_, [this] {
        table_ = std::make_unique<TPropertyTable>();
        if (publish_)
            publish_(*table_);
    });
    return *table_;
}

const TTypeInfo* TMetaClass::ClassInfo() const {
    std::call_once(classInfoBuilt_, [this] {
        classInfo_ = std::make_unique<TTypeInfo>();
        classInfo_->Kind = tkClass;
        classInfo_->Name = name_;
        classInfo_->ClassType = this;
    });
    return classInfo_.get();
}

void RaiseAbstractClass(const AnsiString& className) {
    throw EInvalidOperation("Cannot create an instance of the abstract class " + className);
}

const TMetaClass* TObject::StaticClass() {
    static const TMetaClassOf<TObject> meta("TObject", nullptr, typeid(TObject), nullptr, sizeof(TObject));
    return &meta;
}

const AnsiString& TObject::ClassName() const {
    return ClassType()->ClassName();
}

bool TObject::ClassNameIs(const AnsiString& name) const {
    return SameIdentifier(ClassName(), name);
}

TClass TObject::ClassParent() const {
    return ClassType()->ClassParent();
}

bool TObject::InheritsFrom(TClass ancestor) const {
    return ClassType()->InheritsFrom(ancestor);
}

#include "platform/rtl/metaclass.h"

#include <gtest/gtest.h>

#include "platform/rtl/automation.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/typinfo.h"

namespace {

struct TShape : TObject {
    SERVIORA_HIERARCHY(TShape, TObject, int /*size*/)
public:
    explicit TShape(int size) : size(size) {}
    virtual int Area() const = 0;
    int size;
};
using TShapeClass = const TShape::MetaClassType*;

struct TSquare : TShape {
    SERVIORA_CLASS(TSquare, TShape)
public:
    using TShape::TShape;
    int Area() const override { return size * size; }
};

struct TPrintable {
    virtual ~TPrintable() = default;
};
struct TPrintableSquare : TSquare, TPrintable {
    SERVIORA_CLASS(TPrintableSquare, TSquare)
public:
    using TSquare::TSquare;
};

TEST(Metaclass, NameParentAndInheritance) {
    TPrintableSquare square(3);
    TObject& object = square;
    EXPECT_EQ(object.ClassName(), "TPrintableSquare");
    EXPECT_EQ(object.ClassType(), TPrintableSquare::StaticClass());
    EXPECT_EQ(object.ClassParent(), TSquare::StaticClass());
    EXPECT_TRUE(object.InheritsFrom(TShape::StaticClass()));
    EXPECT_TRUE(object.InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TSquare::StaticClass()->InheritsFrom(TPrintableSquare::StaticClass()));
    EXPECT_EQ(TObject::StaticClass()->ClassParent(), nullptr);
    TPrintable* printable = nullptr;
    EXPECT_TRUE(Supports(&object, printable));
    EXPECT_EQ(printable, static_cast<TPrintable*>(&square));
    TSquare plain(1);
    EXPECT_FALSE(Supports<TPrintable>(&plain));
}

TEST(Metaclass, InstanceSizeAndClassInfo) {
    EXPECT_EQ(TPrintableSquare::StaticClass()->InstanceSize(), sizeof(TPrintableSquare));
    EXPECT_EQ(TObject::StaticClass()->InstanceSize(), sizeof(TObject));
    const TTypeInfo* info = TSquare::StaticClass()->ClassInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info, TSquare::StaticClass()->ClassInfo());
    EXPECT_EQ(info->Kind, tkClass);
    EXPECT_EQ(info->Name, "TSquare");
    EXPECT_EQ(info->ClassType, TSquare::StaticClass());
}

TEST(Metaclass, AnInterfacedObjectCountsItsHolders) {
    auto object = std::make_shared<TInterfacedObject>();
    EXPECT_EQ(object->RefCount(), 1);
    std::shared_ptr<IInterface> asInterface = object;
    EXPECT_EQ(object->RefCount(), 2);
    asInterface.reset();
    EXPECT_EQ(object->RefCount(), 1);
    TInterfacedObject unheld;
    EXPECT_EQ(unheld.RefCount(), 0);
}

TEST(Metaclass, CreatesByClassWithTheHierarchysConstructor) {
    TShapeClass cls = TSquare::StaticClass();
    std::unique_ptr<TShape> shape(cls->Create(4));
    EXPECT_EQ(shape->Area(), 16);
    EXPECT_EQ(shape->ClassName(), "TSquare");
    EXPECT_THROW(TShape::StaticClass()->Create(1), EInvalidOperation);
}

TEST(ClassRegistry, FindsRegisteredClassesByName) {
    RegisterClasses({TSquare::StaticClass(), TPrintableSquare::StaticClass()});
    RegisterClass(TSquare::StaticClass());
    EXPECT_EQ(FindClass("tsquare"), TSquare::StaticClass());
    EXPECT_EQ(GetClass("TCircle"), nullptr);
    try {
        FindClass("TCircle");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TCircle not found");
    }
    UnRegisterClass(TPrintableSquare::StaticClass());
    EXPECT_EQ(GetClass("TPrintableSquare"), nullptr);
}

}  // namespace

namespace {

TEST(Metaclass, ExceptionsKnowTheirClass) {
    EConvertError error("bad");
    const Exception& base = error;
    EXPECT_EQ(base.ClassName(), "EConvertError");
    EXPECT_TRUE(base.InheritsFrom(Exception::StaticClass()));
    EXPECT_TRUE(base.ClassNameIs("econverterror"));
    EXPECT_EQ(EClassNotFound("x").ClassParent()->ClassName(), "EFilerError");
}

}  // namespace

// Registration of the script unit "Classes": one small callback per member,
// each converting its arguments, calling the platform and converting the
// result back.
#include "script/bindings/qm_kpinterpreter_classes.h"

#include <algorithm>

#include "platform/rtl/automation.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/component.h"
#include "platform/rtl/list.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

constexpr Word indexCode = 1;

void RegisterList(TKpInterpreterAdapter& a) {
    const TClass c = TList::StaticClass();
    a.DefineClass("Classes", c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame&) { v = ObjectToVariant(new TList()); }, 0, {}, 0);
    a.DefineGetter(c, "Add", [](Variant& v, Frame& f) { v = Self<TList>(f)->Add(VariantToPointer(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TList>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "Delete", [](Variant&, Frame& f) { Self<TList>(f)->Delete(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Exchange", [](Variant&, Frame& f) { Self<TList>(f)->Exchange(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Expand", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TList>(f)->Expand()); }, 0, {}, 0);
    a.DefineGetter(c, "First", [](Variant& v, Frame& f) { v = PointerToVariant(Self<TList>(f)->First()); }, 0, {}, 0);
    a.DefineGetter(c, "IndexOf", [](Variant& v, Frame& f) { v = Self<TList>(f)->IndexOf(VariantToPointer(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Insert", [](Variant&, Frame& f) { Self<TList>(f)->Insert(IntArg(f, 0), VariantToPointer(Arg(f, 1))); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Last", [](Variant& v, Frame& f) { v = PointerToVariant(Self<TList>(f)->Last()); }, 0, {}, 0);
    a.DefineGetter(c, "Move", [](Variant&, Frame& f) { Self<TList>(f)->Move(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Remove", [](Variant& v, Frame& f) { v = Self<TList>(f)->Remove(VariantToPointer(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Pack", [](Variant&, Frame& f) { Self<TList>(f)->Pack(); }, 0, {}, 0);
    a.DefineGetter(c, "Sort", [](Variant&, Frame&) { RaiseNotImplemented("TList.Sort"); }, 1, {0}, 0);
    a.DefineGetter(c, "Capacity", [](Variant& v, Frame& f) { v = Self<TList>(f)->Capacity(); }, 0, {}, 0);
    a.DefineSetter(c, "Capacity", [](const Variant& v, Frame& f) { Self<TList>(f)->SetCapacity(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Count", [](Variant& v, Frame& f) { v = Self<TList>(f)->Count(); }, 0, {}, 0);
    a.DefineSetter(c, "Count", [](const Variant& v, Frame& f) { Self<TList>(f)->SetCount(v.AsInteger()); }, 0, {});
    const THostGetCallback item = [](Variant& v, Frame& f) { v = PointerToVariant(Self<TList>(f)->Items(IntArg(f, 0))); };
    const THostSetCallback setItem = [](const Variant& v, Frame& f) { Self<TList>(f)->SetItems(IntArg(f, 0), VariantToPointer(v)); };
    a.DefineIndexedGetter(c, "Items", item, 1, {0}, 0);
    a.DefineIndexedSetter(c, "Items", setItem, 1, {indexCode});
    a.DefineDefaultGetter(c, item, 1, {0}, 0);
    a.DefineDefaultSetter(c, setItem, 1, {indexCode});
    a.DefineGetter(c, "List", [](Variant& v, Frame& f) { v = PointerToVariant(Self<TList>(f)->List()); }, 0, {}, 0);
}

void RegisterPersistentAndCollections(TKpInterpreterAdapter& a) {
    const TClass p = TPersistent::StaticClass();
    a.DefineClass("Classes", p);
    a.DefineGetter(p, "Assign", [](Variant&, Frame& f) { Self<TPersistent>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(p, "GetNamePath", [](Variant& v, Frame& f) { v = Self<TPersistent>(f)->GetNamePath(); }, 0, {}, 0);

    const TClass i = TCollectionItem::StaticClass();
    a.DefineClass("Classes", i);
    a.DefineGetter(i, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new TCollectionItem(ObjArg<TCollection>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(i, "Collection", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCollectionItem>(f)->Collection()); }, 0, {}, 0);
    a.DefineSetter(i, "Collection", [](const Variant& v, Frame& f) { Self<TCollectionItem>(f)->SetCollection(CheckedCast<TCollection>(v)); }, 0, {});
    a.DefineGetter(i, "Index", [](Variant& v, Frame& f) { v = Self<TCollectionItem>(f)->Index(); }, 0, {}, 0);
    a.DefineSetter(i, "Index", [](const Variant& v, Frame& f) { Self<TCollectionItem>(f)->SetIndex(v.AsInteger()); }, 0, {});
    a.DefineGetter(i, "DisplayName", [](Variant& v, Frame& f) { v = Self<TCollectionItem>(f)->DisplayName(); }, 0, {}, 0);
    a.DefineSetter(i, "DisplayName", [](const Variant& v, Frame& f) { Self<TCollectionItem>(f)->SetDisplayName(VarToStr(v)); }, 0, {});
    a.DefineGetter(i, "ID", [](Variant& v, Frame& f) { v = Self<TCollectionItem>(f)->ID(); }, 0, {}, 0);
}

void RegisterCollection(TKpInterpreterAdapter& a) {
    const TClass c = TCollection::StaticClass();
    a.DefineClass("Classes", c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame& f) {
        auto itemClass = dynamic_cast<TCollectionItemClass>(VariantToClass(Arg(f, 0)));
        if (!itemClass) throw EInvalidCast("Invalid class typecast");
        v = ObjectToVariant(new TCollection(itemClass));
    }, 1, {0}, 0);
    a.DefineGetter(c, "Add", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCollection>(f)->Add()); }, 0, {}, 0);
    a.DefineGetter(c, "Assign", [](Variant&, Frame& f) { Self<TCollection>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "BeginUpdate", [](Variant&, Frame& f) { Self<TCollection>(f)->BeginUpdate(); }, 0, {}, 0);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TCollection>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "EndUpdate", [](Variant&, Frame& f) { Self<TCollection>(f)->EndUpdate(); }, 0, {}, 0);
    a.DefineGetter(c, "FindItemID", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCollection>(f)->FindItemID(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Count", [](Variant& v, Frame& f) { v = Self<TCollection>(f)->Count(); }, 0, {}, 0);
    // The item class goes out as a class value, which Create takes back.
    a.DefineGetter(c, "ItemClass", [](Variant& v, Frame& f) { v = ClassToVariant(Self<TCollection>(f)->ItemClass()); }, 0, {}, 0);
    const THostGetCallback item = [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCollection>(f)->Items(IntArg(f, 0))); };
    const THostSetCallback setItem = [](const Variant& v, Frame& f) { Self<TCollection>(f)->SetItems(IntArg(f, 0), CheckedCast<TCollectionItem>(v)); };
    a.DefineIndexedGetter(c, "Items", item, 1, {0}, 0);
    a.DefineIndexedSetter(c, "Items", setItem, 1, {indexCode});
    a.DefineDefaultGetter(c, item, 1, {0}, 0);
    a.DefineDefaultSetter(c, setItem, 1, {indexCode});
}

void RegisterStrings(TKpInterpreterAdapter& a) {
    const TClass c = TStrings::StaticClass();
    a.DefineClass("Classes", c);
    a.DefineGetter(c, "Add", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Add(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "AddObject", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->AddObject(StrArg(f, 0), VariantToObject(Arg(f, 1))); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Append", [](Variant&, Frame& f) { Self<TStrings>(f)->Append(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "AddStrings", [](Variant&, Frame& f) { Self<TStrings>(f)->AddStrings(ObjArg<TStrings>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Assign", [](Variant&, Frame& f) { Self<TStrings>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "BeginUpdate", [](Variant&, Frame& f) { Self<TStrings>(f)->BeginUpdate(); }, 0, {}, 0);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TStrings>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "Delete", [](Variant&, Frame& f) { Self<TStrings>(f)->Delete(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "EndUpdate", [](Variant&, Frame& f) { Self<TStrings>(f)->EndUpdate(); }, 0, {}, 0);
    a.DefineGetter(c, "Equals", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Equals(ObjArg<TStrings>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Exchange", [](Variant&, Frame& f) { Self<TStrings>(f)->Exchange(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "IndexOf", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->IndexOf(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "IndexOfName", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->IndexOfName(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "IndexOfObject", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->IndexOfObject(VariantToObject(Arg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Insert", [](Variant&, Frame& f) { Self<TStrings>(f)->Insert(IntArg(f, 0), StrArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "InsertObject", [](Variant&, Frame& f) { Self<TStrings>(f)->InsertObject(IntArg(f, 0), StrArg(f, 1), VariantToObject(Arg(f, 2))); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "LoadFromFile", [](Variant&, Frame& f) { Self<TStrings>(f)->LoadFromFile(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "LoadFromStream", [](Variant&, Frame& f) { Self<TStrings>(f)->LoadFromStream(ObjArg<TStream>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Move", [](Variant&, Frame& f) { Self<TStrings>(f)->Move(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "SaveToFile", [](Variant&, Frame& f) { Self<TStrings>(f)->SaveToFile(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "SaveToStream", [](Variant&, Frame& f) { Self<TStrings>(f)->SaveToStream(ObjArg<TStream>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Capacity", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Capacity(); }, 0, {}, 0);
    a.DefineSetter(c, "Capacity", [](const Variant& v, Frame& f) { Self<TStrings>(f)->SetCapacity(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "CommaText", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->CommaText(); }, 0, {}, 0);
    a.DefineSetter(c, "CommaText", [](const Variant& v, Frame& f) { Self<TStrings>(f)->SetCommaText(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Text", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Text(); }, 0, {}, 0);
    a.DefineSetter(c, "Text", [](const Variant& v, Frame& f) { Self<TStrings>(f)->SetText(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Count", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Count(); }, 0, {}, 0);
    a.DefineGetter(c, "StringsAdapter", [](Variant& v, Frame& f) { v = Variant(Self<TStrings>(f)->StringsAdapter(), varUnknown); }, 0, {}, 0);
    a.DefineSetter(c, "StringsAdapter", [](const Variant&, Frame&) { RaiseNotImplemented("TStrings.StringsAdapter"); }, 0, {});
    a.DefineIndexedGetter(c, "Names", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Names(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineIndexedGetter(c, "Values", [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Values(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineIndexedSetter(c, "Values", [](const Variant& v, Frame& f) { Self<TStrings>(f)->SetValues(StrArg(f, 0), VarToStr(v)); }, 1, {indexCode});
    a.DefineIndexedGetter(c, "Objects", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TStrings>(f)->Objects(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineIndexedSetter(c, "Objects", [](const Variant& v, Frame& f) { Self<TStrings>(f)->SetObjects(IntArg(f, 0), VariantToObject(v)); }, 1, {indexCode});
    const THostGetCallback line = [](Variant& v, Frame& f) { v = Self<TStrings>(f)->Strings(IntArg(f, 0)); };
    const THostSetCallback setLine = [](const Variant& v, Frame& f) { Self<TStrings>(f)->SetStrings(IntArg(f, 0), VarToStr(v)); };
    a.DefineIndexedGetter(c, "Strings", line, 1, {0}, 0);
    a.DefineIndexedSetter(c, "Strings", setLine, 1, {indexCode});
    a.DefineDefaultGetter(c, line, 1, {0}, 0);
    a.DefineDefaultSetter(c, setLine, 1, {indexCode});
}

void RegisterStringList(TKpInterpreterAdapter& a) {
    const TClass c = TStringList::StaticClass();
    a.DefineClass("Classes", c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame&) { v = ObjectToVariant(new TStringList()); }, 0, {}, 0);
    a.DefineGetter(c, "Add", [](Variant& v, Frame& f) { v = Self<TStringList>(f)->Add(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TStringList>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "Delete", [](Variant&, Frame& f) { Self<TStringList>(f)->Delete(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Exchange", [](Variant&, Frame& f) { Self<TStringList>(f)->Exchange(IntArg(f, 0), IntArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Find", [](Variant& v, Frame& f) {
        int index = 0;
        v = Self<TStringList>(f)->Find(StrArg(f, 0), index);
        f.ArgValues[1] = index;
    }, 2, {0, varParamFlag}, 0);
    a.DefineGetter(c, "IndexOf", [](Variant& v, Frame& f) { v = Self<TStringList>(f)->IndexOf(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Insert", [](Variant&, Frame& f) { Self<TStringList>(f)->Insert(IntArg(f, 0), StrArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Sort", [](Variant&, Frame& f) { Self<TStringList>(f)->Sort(); }, 0, {}, 0);
    a.DefineGetter(c, "Duplicates", [](Variant& v, Frame& f) { v = Byte(Self<TStringList>(f)->Duplicates()); }, 0, {}, 0);
    // Stored as it is: a list already holding duplicates keeps them.
    a.DefineSetter(c, "Duplicates", [](const Variant& v, Frame& f) { Self<TStringList>(f)->SetDuplicates(TDuplicates(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "Sorted", [](Variant& v, Frame& f) { v = Self<TStringList>(f)->Sorted(); }, 0, {}, 0);
    a.DefineSetter(c, "Sorted", [](const Variant& v, Frame& f) { Self<TStringList>(f)->SetSorted(v.AsBoolean()); }, 0, {});
}

// Read, Write and WriteBuffer move bytes between the stream and a string
// value of the script, as ReadBuffer does, never beyond the value.
void StreamRead(Variant& v, Frame& f) {
    AnsiString data(std::size_t(std::max(IntArg(f, 1), 0)), '\0');
    const Integer done = Self<TStream>(f)->Read(data.data(), Integer(data.size()));
    data.resize(std::size_t(done));
    f.ArgValues[0] = data;
    v = done;
}

void StreamWrite(Variant& v, Frame& f) {
    const AnsiString data = StrArg(f, 0);
    v = Self<TStream>(f)->Write(data.data(), Bounded(IntArg(f, 1), data.size()));
}

void StreamSeek(Variant& v, Frame& f) {
    v = Integer(Self<TStream>(f)->Seek(IntArg(f, 0), TSeekOrigin(IntArg(f, 1))));
}

void RegisterStreams(TKpInterpreterAdapter& a) {
    const TClass c = TStream::StaticClass();
    a.DefineClass("Classes", c);
    a.DefineGetter(c, "Read", StreamRead, 2, {varParamFlag, 0}, 0);
    a.DefineGetter(c, "Write", StreamWrite, 2, {0, 0}, 0);
    a.DefineGetter(c, "Seek", StreamSeek, 2, {0, 0}, 0);
    a.DefineGetter(c, "ReadBuffer", [](Variant&, Frame& f) {
        AnsiString data(std::size_t(std::max(IntArg(f, 1), 0)), '\0');
        Self<TStream>(f)->ReadBuffer(data.data(), Integer(data.size()));
        f.ArgValues[0] = data;
    }, 2, {varParamFlag, 0}, 0);
    a.DefineGetter(c, "WriteBuffer", [](Variant&, Frame& f) {
        const AnsiString data = StrArg(f, 0);
        Self<TStream>(f)->WriteBuffer(data.data(), Bounded(IntArg(f, 1), data.size()));
    }, 2, {0, 0}, 0);
    a.DefineGetter(c, "CopyFrom", [](Variant& v, Frame& f) { v = Self<TStream>(f)->CopyFrom(ObjArg<TStream>(f, 0), Arg(f, 1).AsInt64()); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Position", [](Variant& v, Frame& f) { v = Self<TStream>(f)->Position(); }, 0, {}, 0);
    a.DefineSetter(c, "Position", [](const Variant& v, Frame& f) { Self<TStream>(f)->SetPosition(v.AsInt64()); }, 0, {});
    a.DefineGetter(c, "Size", [](Variant& v, Frame& f) { v = Self<TStream>(f)->Size(); }, 0, {}, 0);
    a.DefineSetter(c, "Size", [](const Variant& v, Frame& f) { Self<TStream>(f)->SetSize(v.AsInt64()); }, 0, {});
    a.DefineGetter(c, "ReadComponent", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TStream>(f)->ReadComponent(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "ReadComponentRes", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TStream>(f)->ReadComponentRes(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "WriteComponent", [](Variant&, Frame& f) { Self<TStream>(f)->WriteComponent(ObjArg<TComponent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "WriteComponentRes", [](Variant&, Frame& f) { Self<TStream>(f)->WriteComponentRes(StrArg(f, 0), ObjArg<TComponent>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "WriteDescendent", [](Variant&, Frame& f) { Self<TStream>(f)->WriteDescendent(ObjArg<TComponent>(f, 0), ObjArg<TComponent>(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "WriteDescendentRes", [](Variant&, Frame& f) { Self<TStream>(f)->WriteDescendentRes(StrArg(f, 0), ObjArg<TComponent>(f, 1), ObjArg<TComponent>(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "ReadResHeader", [](Variant&, Frame& f) { Self<TStream>(f)->ReadResHeader(); }, 0, {}, 0);

    a.DefineClass("Classes", TFileStream::StaticClass());
    a.DefineGetter(TFileStream::StaticClass(), "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new TFileStream(StrArg(f, 0), Word(IntArg(f, 1)))); }, 2, {0, 0}, 0);
    a.DefineClass("Classes", TMemoryStream::StaticClass());
    a.DefineGetter(TMemoryStream::StaticClass(), "Create", [](Variant& v, Frame&) { v = ObjectToVariant(new TMemoryStream()); }, 0, {}, 0);

    const TClass s = TStringStream::StaticClass();
    a.DefineClass("Classes", s);
    a.DefineGetter(s, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new TStringStream(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(s, "Read", StreamRead, 2, {varParamFlag, 0}, 0);
    a.DefineGetter(s, "Write", StreamWrite, 2, {0, 0}, 0);
    a.DefineGetter(s, "Seek", StreamSeek, 2, {0, 0}, 0);
    a.DefineGetter(s, "ReadString", [](Variant& v, Frame& f) { v = Self<TStringStream>(f)->ReadString(IntArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(s, "WriteString", [](Variant&, Frame& f) { Self<TStringStream>(f)->WriteString(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(s, "DataString", [](Variant& v, Frame& f) { v = Self<TStringStream>(f)->DataString(); }, 0, {}, 0);
}

void RegisterComponent(TKpInterpreterAdapter& a) {
    const TClass c = TComponent::StaticClass();
    a.DefineClass("Classes", c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new TComponent(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "DestroyComponents", [](Variant&, Frame& f) { Self<TComponent>(f)->DestroyComponents(); }, 0, {}, 0);
    a.DefineGetter(c, "Destroying", [](Variant&, Frame& f) { Self<TComponent>(f)->Destroying(); }, 0, {}, 0);
    a.DefineGetter(c, "FindComponent", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TComponent>(f)->FindComponent(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "FreeNotification", [](Variant&, Frame& f) { Self<TComponent>(f)->FreeNotification(ObjArg<TComponent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "FreeOnRelease", [](Variant&, Frame& f) { Self<TComponent>(f)->FreeOnRelease(); }, 0, {}, 0);
    a.DefineGetter(c, "GetParentComponent", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TComponent>(f)->GetParentComponent()); }, 0, {}, 0);
    a.DefineGetter(c, "HasParent", [](Variant& v, Frame& f) { v = Self<TComponent>(f)->HasParent(); }, 0, {}, 0);
    a.DefineGetter(c, "InsertComponent", [](Variant&, Frame& f) { Self<TComponent>(f)->InsertComponent(ObjArg<TComponent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "RemoveComponent", [](Variant&, Frame& f) { Self<TComponent>(f)->RemoveComponent(ObjArg<TComponent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "SafeCallException", [](Variant& v, Frame& f) { v = Self<TComponent>(f)->SafeCallException(VariantToObject(Arg(f, 0)), VariantToPointer(Arg(f, 1))); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "ComObject", [](Variant& v, Frame& f) { v = Variant(Self<TComponent>(f)->ComObject(), varUnknown); }, 0, {}, 0);
    a.DefineIndexedGetter(c, "Components", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TComponent>(f)->Components(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "ComponentCount", [](Variant& v, Frame& f) { v = Self<TComponent>(f)->ComponentCount(); }, 0, {}, 0);
    a.DefineGetter(c, "Owner", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TComponent>(f)->Owner()); }, 0, {}, 0);
    a.DefineGetter(c, "ComponentIndex", [](Variant& v, Frame& f) { v = Self<TComponent>(f)->ComponentIndex(); }, 0, {}, 0);
    a.DefineSetter(c, "ComponentIndex", [](const Variant& v, Frame& f) { Self<TComponent>(f)->SetComponentIndex(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Name", [](Variant& v, Frame& f) { v = Self<TComponent>(f)->Name(); }, 0, {}, 0);
    a.DefineSetter(c, "Name", [](const Variant& v, Frame& f) { Self<TComponent>(f)->SetName(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Tag", [](Variant& v, Frame& f) { v = Self<TComponent>(f)->Tag(); }, 0, {}, 0);
    a.DefineSetter(c, "Tag", [](const Variant& v, Frame& f) { Self<TComponent>(f)->SetTag(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "DesignInfo", [](Variant& v, Frame& f) { v = Self<TComponent>(f)->DesignInfo(); }, 0, {}, 0);
    a.DefineSetter(c, "DesignInfo", [](const Variant& v, Frame& f) { Self<TComponent>(f)->SetDesignInfo(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "VCLComObject", [](Variant& v, Frame& f) { v = PointerToVariant(Self<TComponent>(f)->VCLComObject()); }, 0, {}, 0);
    a.DefineSetter(c, "VCLComObject", [](const Variant& v, Frame& f) { Self<TComponent>(f)->SetVCLComObject(VariantToPointer(v)); }, 0, {});
    a.DefineGetter(c, "ComponentState", [](Variant&, Frame&) { RaiseNotImplemented("TComponent.ComponentState"); }, 0, {}, 0);
    a.DefineGetter(c, "ComponentStyle", [](Variant&, Frame&) { RaiseNotImplemented("TComponent.ComponentStyle"); }, 0, {}, 0);
}

}  // namespace

void TKpInterpreterClassesEvent::NotifyEvent(TObject* Sender) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender)}, result);
}

bool TKpInterpreterClassesEvent::HelpEvent(Word Command, Integer Data, bool& CallHelp) {
    Variant result;
    InvokeHandler(nullptr, {Variant(Command), Variant(Data), Variant(CallHelp)}, result);
    CallHelp = GetFrame().ArgValues[2].AsBoolean();
    return result.AsBoolean();
}

void RegisterClassesBindings(TKpInterpreterAdapter& a) {
    a.DefineUnit("Classes");
    DefineOrdinals(a, "Classes", {"taLeftJustify", "taRightJustify", "taCenter"});
    DefineOrdinals(a, "Classes", {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"});
    RegisterList(a);
    RegisterPersistentAndCollections(a);
    RegisterCollection(a);
    RegisterStrings(a);
    DefineOrdinals(a, "Classes", {"dupIgnore", "dupAccept", "dupError"});
    RegisterStringList(a);
    RegisterStreams(a);
    DefineOrdinals(a, "Classes", {"csLoading", "csReading", "csWriting", "csDestroying", "csDesigning", "csAncestor",
                        "csUpdating", "csFixups"});
    DefineOrdinals(a, "Classes", {"csInheritable", "csCheckPropAvail"});
    RegisterComponent(a);
    a.DefineEventType("Classes", "TNotifyEvent", TKpInterpreterClassesEvent::StaticClass(),
                      &TKpInterpreterClassesEvent::NotifyEvent);
    a.DefineEventType("Classes", "THelpEvent", TKpInterpreterClassesEvent::StaticClass(),
                      &TKpInterpreterClassesEvent::HelpEvent);
    RegisterClasses({TPersistent::StaticClass(), TCollection::StaticClass(), TCollectionItem::StaticClass(),
                     TStrings::StaticClass(), TStringList::StaticClass(), TComponent::StaticClass()});
}

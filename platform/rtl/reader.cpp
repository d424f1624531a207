// TReader: components from form descriptions.
#include "platform/rtl/reader.h"

#include <algorithm>
#include <climits>
#include <map>
#include <mutex>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/identifier.h"
#include "platform/rtl/moduleregistry.h"
#include "platform/rtl/streams.h"

namespace {

// A reference read before the component it names could be found.
struct Fixup {
    TComponent* root;
    TPersistent* instance;
    PPropInfo prop;
    std::string name;
};

struct FixupList {
    std::mutex mutex;
    std::vector<Fixup> pending;
};

FixupList& Fixups() {
    static FixupList list;
    return list;
}

// Components whose Loaded waits for the outermost EndGlobalLoading.
struct GlobalLoading {
    int depth = 0;
    std::vector<TComponent*> loaded;
};
thread_local GlobalLoading globalLoading;

struct IdentMaps {
    std::mutex mutex;
    std::map<std::string, std::vector<TIdentMapEntry>> byType;
};

IdentMaps& TheIdentMaps() {
    static IdentMaps maps;
    return maps;
}

// The component a reference names: the root itself, a component under the
// root, or a component of another module ("DM1.DataSource7").
TComponent* ResolveReference(TComponent* root, const std::string& name) {
    if (SameIdentifier(root->Name(), name))
        return root;
    if (TComponent* local = FindNestedComponent(root, name))
        return local;
    const auto dot = name.find('.');
    TComponent* module = FindGlobalComponent(name.substr(0, dot));
    if (!module || dot == std::string::npos)
        return module;
    return FindNestedComponent(module, name.substr(dot + 1));
}

// Tries each fixup; answers those still unresolved.
std::vector<Fixup> Resolve(std::vector<Fixup> fixups) {
    std::vector<Fixup> unresolved;
    for (Fixup& fixup : fixups) {
        if (TComponent* target = ResolveReference(fixup.root, fixup.name))
            fixup.prop->Access().SetObject(fixup.instance, target);
        else
            unresolved.push_back(std::move(fixup));
    }
    return unresolved;
}

void AddPending(std::vector<Fixup> fixups) {
    FixupList& list = Fixups();
    std::lock_guard lock(list.mutex);
    for (Fixup& fixup : fixups) {
        fixup.root->SetComponentState(csFixups, true);
        if (auto* component = dynamic_cast<TComponent*>(fixup.instance))
            component->SetComponentState(csFixups, true);
        list.pending.push_back(std::move(fixup));
    }
}

// A variant property's value: numbers, text, True/False and Null.
Variant VariantOf(const TFormValue& value) {
    switch (value.kind) {
    case TFormValueKind::Integer:
        if (value.integer >= INT32_MIN && value.integer <= INT32_MAX)
            return Variant(static_cast<Integer>(value.integer));
        return Variant(static_cast<long long>(value.integer));
    case TFormValueKind::Float:
        return Variant(value.real);
    case TFormValueKind::String:
        return Variant(Utf8ToAnsi(value.text));
    case TFormValueKind::Ident:
        if (SameIdentifier(value.text, "True") || SameIdentifier(value.text, "False"))
            return Variant(SameIdentifier(value.text, "True"));
        if (SameIdentifier(value.text, "Null"))
            return Null();
        break;
    default:
        break;
    }
    throw EReadError("Invalid property value");
}

std::string ReadWholeStream(TStream* stream) {
    std::string bytes(static_cast<std::size_t>(stream->Size() - stream->Position()), '\0');
    if (!bytes.empty())
        stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    return bytes;
}

TFormObject Parse(const std::string& description) {
    return IsFormBinary(description) ? ParseFormBinary(description) : ParseFormText(description);
}

}  // namespace

void RegisterIntegerConsts(const AnsiString& typeName, std::vector<TIdentMapEntry> map) {
    IdentMaps& maps = TheIdentMaps();
    std::lock_guard lock(maps.mutex);
    maps.byType[typeName] = std::move(map);
}

namespace {

// The first entry of typeName's map that matches, copied out under the lock.
template <class Match>
bool FindIdentEntry(const AnsiString& typeName, Match match, TIdentMapEntry& found) {
    IdentMaps& maps = TheIdentMaps();
    std::lock_guard lock(maps.mutex);
    auto it = maps.byType.find(typeName);
    if (it == maps.byType.end())
        return false;
    for (const TIdentMapEntry& entry : it->second)
        if (match(entry)) {
            found = entry;
            return true;
        }
    return false;
}

}  // namespace

bool IdentToInt(const AnsiString& typeName, const AnsiString& ident, Int64& value) {
    TIdentMapEntry entry{};
    if (!FindIdentEntry(typeName, [&](const TIdentMapEntry& e) { return SameIdentifier(e.name, ident); }, entry))
        return false;
    value = entry.value;
    return true;
}

bool IntToIdent(const AnsiString& typeName, Int64 value, AnsiString& ident) {
    TIdentMapEntry entry{};
    if (!FindIdentEntry(typeName, [&](const TIdentMapEntry& e) { return e.value == value; }, entry))
        return false;
    ident = entry.name;
    return true;
}

TComponent* FindNestedComponent(TComponent* base, const AnsiString& path) {
    std::string_view rest = path;
    TComponent* current = base;
    while (current && !rest.empty()) {
        const auto dot = rest.find('.');
        current = current->FindComponent(AnsiString(rest.substr(0, dot)));
        rest = dot == std::string_view::npos ? std::string_view{} : rest.substr(dot + 1);
    }
    return current == base ? nullptr : current;
}

void BeginGlobalLoading() {
    ++globalLoading.depth;
}

void EndGlobalLoading() {
    if (--globalLoading.depth > 0)
        return;
    std::vector<TComponent*> loaded;
    loaded.swap(globalLoading.loaded);
    for (TComponent* component : loaded)
        component->Loaded();
}

void CancelGlobalLoading() {
    if (--globalLoading.depth == 0)
        globalLoading.loaded.clear();
}

void GlobalFixupReferences() {
    std::vector<Fixup> pending;
    {
        FixupList& list = Fixups();
        std::lock_guard lock(list.mutex);
        pending.swap(list.pending);
    }
    AddPending(Resolve(std::move(pending)));
}

void RemoveFixupReferences(TComponent* component) {
    FixupList& list = Fixups();
    std::lock_guard lock(list.mutex);
    std::erase_if(list.pending, [component](const Fixup& fixup) {
        return fixup.root == component || fixup.instance == component;
    });
}

TReader::TReader(TStream* stream) : TReader(ReadWholeStream(stream)) {}

TReader::TReader(std::string description) : description_(std::move(description)) {}

TReader::~TReader() = default;

TComponent* TReader::ReadRootComponent(TComponent* root) {
    const TFormObject object = Parse(description_);
    const bool created = root == nullptr;
    if (created)
        root = FindComponentClass(object.className)->Create(nullptr);
    try {
        SetRoot(root);
        owner_ = root;
        parent_ = nullptr;
        root->SetComponentState(csLoading, true);
        root->SetComponentState(csReading, true);
        loaded_.assign(1, root);
        if (!object.name.empty() && !SameIdentifier(root->Name(), object.name))
            root->SetName(UniqueModuleName(object.name, root));
        object_ = &object;
        root->ReadState(this);
        object_ = nullptr;
        Finish();
    } catch (...) {
        RemoveFixupReferences(root);
        if (created)
            delete root;
        throw;
    }
    return root;
}

// References first (so Loaded sees them), then Loaded on every component.
void TReader::Finish() {
    for (TComponent* component : loaded_)
        component->SetComponentState(csReading, false);
    std::vector<Fixup> pending;
    {
        FixupList& list = Fixups();
        std::lock_guard lock(list.mutex);
        std::erase_if(list.pending, [&](Fixup& fixup) {
            if (fixup.root != Root())
                return false;
            pending.push_back(std::move(fixup));
            return true;
        });
    }
    AddPending(Resolve(std::move(pending)));
    GlobalFixupReferences();
    if (globalLoading.depth > 0) {
        for (TComponent* component : loaded_)
            if (std::find(globalLoading.loaded.begin(), globalLoading.loaded.end(), component) ==
                globalLoading.loaded.end())
                globalLoading.loaded.push_back(component);
        return;
    }
    for (TComponent* component : loaded_)
        component->Loaded();
}

void TReader::ReadData(TComponent* instance) {
    const TFormObject& object = *object_;
    ReadProperties(instance, object.properties);
    TComponent* savedParent = parent_;
    parent_ = instance;
    for (const TFormObject& child : object.children)
        ReadObject(child, instance);
    parent_ = savedParent;
    object_ = &object;
}

void TReader::ReadObject(const TFormObject& object, TComponent* parent) {
    const bool existing = object.kind != TFormObjectKind::Object;
    TComponent* component = CreateComponent(object);
    TComponent* savedOwner = owner_;
    try {
        component->SetComponentState(csLoading, true);
        component->SetComponentState(csReading, true);
        if (!existing && !object.name.empty())
            component->SetName(object.name);
        component->SetParentComponent(parent);
        if (object.kind == TFormObjectKind::Inline)
            owner_ = component;
        loaded_.push_back(component);
        object_ = &object;
        component->ReadState(this);
        owner_ = savedOwner;
    } catch (...) {
        owner_ = savedOwner;
        if (!existing) {
            std::erase(loaded_, component);
            delete component;
        }
        throw;
    }
}

TComponent* TReader::CreateComponent(const TFormObject& object) {
    if (object.kind == TFormObjectKind::Object)
        return FindComponentClass(object.className)->Create(owner_);
    TComponent* component = owner_->FindComponent(object.name);
    if (!component)
        throw EReadError("Ancestor for '" + object.name + "' not found");
    return component;
}

TComponentClass TReader::FindComponentClass(const std::string& className) {
    TComponentClass cls = nullptr;
    if (onFindComponentClass_)
        onFindComponentClass_(this, className, cls);
    if (!cls)
        cls = dynamic_cast<TComponentClass>(GetClass(className));
    // A class the root declares a field of needs no registration.
    if (!cls && Root())
        cls = dynamic_cast<TComponentClass>(FieldClassNamed(Root(), className));
    if (!cls)
        throw EClassNotFound("Class " + className + " not found");
    return cls;
}

TMethod TReader::FindMethod(TComponent* root, const AnsiString& methodName) {
    TMethod method = MethodAddress(root, methodName);
    bool error = !method.Assigned();
    if (onFindMethod_)
        onFindMethod_(this, methodName, method, error);
    if (error)
        throw EReadError("Method " + methodName + " not found");
    return method;
}

void TReader::ReadProperties(TPersistent* instance, const std::vector<TFormProperty>& properties) {
    for (const TFormProperty& prop : properties) {
        try {
            ReadProperty(instance, prop);
        } catch (const Exception& e) {
            bool handled = false;
            if (onError_)
                onError_(this, e.Message(), handled);
            if (!handled)
                throw;
        }
    }
}

// "Font.Name": every part but the last names an object property.
void TReader::ReadProperty(TPersistent* instance, const TFormProperty& prop) {
    std::string_view path = prop.name;
    TPersistent* target = instance;
    for (auto dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
        PPropInfo part = GetPropInfo(target, AnsiString(path.substr(0, dot)));
        TPersistent* next = nullptr;
        if (part && part->Kind() == tkClass)
            next = dynamic_cast<TPersistent*>(part->Access().GetObject(target));
        if (!next)
            throw EReadError("Property " + prop.name + " does not exist");
        target = next;
        path.remove_prefix(dot + 1);
    }
    const std::string name(path);
    if (PPropInfo info = GetPropInfo(target, name))
        ReadPropValue(target, info, prop.value);
    else if (!ReadDefinedProperty(target, name, prop.value))
        throw EReadError("Property " + prop.name + " does not exist");
}

void TReader::PropertyValueError() const {
    throw EReadError("Invalid property value");
}

void TReader::ReadPropValue(TPersistent* instance, PPropInfo prop, const TFormValue& value) {
    const TPropAccessor& access = prop->Access();
    const bool isInteger = value.kind == TFormValueKind::Integer;
    const bool isIdent = value.kind == TFormValueKind::Ident;
    switch (prop->Kind()) {
    case tkInteger:
    case tkInt64: {
        Int64 number = value.integer;
        if (!isInteger && !(isIdent && IdentToInt(prop->PropType()->Name, value.text, number)))
            PropertyValueError();
        access.SetOrd(instance, number);
        break;
    }
    case tkChar:
    case tkWChar:
        if (isInteger) {
            access.SetOrd(instance, value.integer);
        } else if (value.kind == TFormValueKind::String) {
            if (prop->Kind() == tkChar) {
                const AnsiString ansi = Utf8ToAnsi(value.text);
                access.SetOrd(instance, ansi.empty() ? 0 : static_cast<unsigned char>(ansi[0]));
            } else {
                const WideString wide = Utf8ToWide(value.text);
                access.SetOrd(instance, wide.empty() ? 0 : wide[0]);
            }
        } else {
            PropertyValueError();
        }
        break;
    case tkEnumeration: {
        const int ordinal = isIdent ? GetEnumValue(prop->PropType(), value.text) : -1;
        if (ordinal < 0)
            PropertyValueError();
        access.SetOrd(instance, ordinal);
        break;
    }
    case tkSet: {
        if (value.kind != TFormValueKind::Set)
            PropertyValueError();
        std::uint64_t bits = 0;
        for (const std::string& name : value.names) {
            const int ordinal = GetEnumValue(prop->PropType()->CompType, name);
            if (ordinal < 0)
                PropertyValueError();
            bits |= std::uint64_t{1} << ordinal;
        }
        access.SetOrd(instance, static_cast<Int64>(bits));
        break;
    }
    case tkFloat:
        if (value.kind == TFormValueKind::Float)
            access.SetFloat(instance, value.real);
        else if (isInteger)
            access.SetFloat(instance, static_cast<double>(value.integer));
        else
            PropertyValueError();
        break;
    case tkString:
    case tkLString:
        if (value.kind != TFormValueKind::String)
            PropertyValueError();
        access.SetStr(instance, Utf8ToAnsi(value.text));
        break;
    case tkWString:
        if (value.kind != TFormValueKind::String)
            PropertyValueError();
        access.SetWideStr(instance, Utf8ToWide(value.text));
        break;
    case tkClass:
        if (isIdent && SameIdentifier(value.text, "nil")) {
            access.SetObject(instance, nullptr);
        } else if (isIdent) {
            AddPending({{Root(), instance, prop, value.text}});
        } else if (value.kind == TFormValueKind::Collection) {
            auto* collection = dynamic_cast<TCollection*>(access.GetObject(instance));
            if (!collection)
                PropertyValueError();
            std::vector<TFormValue> single{value};
            cursors_.push_back({&single, 0});
            ReadCollection(collection);
            cursors_.pop_back();
        } else {
            PropertyValueError();
        }
        break;
    case tkVariant:
        access.SetVariant(instance, VariantOf(value));
        break;
    case tkMethod:
        if (!isIdent)
            PropertyValueError();
        access.SetMethod(instance, SameIdentifier(value.text, "nil") ? TMethod{} : FindMethod(Root(), value.text));
        break;
    default:
        PropertyValueError();
    }
}

bool TReader::ReadDefinedProperty(TPersistent* instance, const std::string& name, const TFormValue& value) {
    definedName_ = &name;
    definedValue_ = &value;
    definedFound_ = false;
    try {
        CallDefineProperties(instance, this);
    } catch (...) {
        definedName_ = nullptr;
        throw;
    }
    definedName_ = nullptr;
    return definedFound_;
}

void TReader::DefineProperty(const AnsiString& name, TReaderProc readData, TWriterProc, bool) {
    if (!definedName_ || definedFound_ || !readData || !SameIdentifier(name, *definedName_))
        return;
    definedFound_ = true;
    std::vector<TFormValue> single{*definedValue_};
    const std::size_t depth = cursors_.size();
    cursors_.push_back({&single, 0});
    readData(this);
    if (cursors_.size() != depth + 1 || !EndOfList())
        PropertyValueError();
    cursors_.pop_back();
}

void TReader::DefineBinaryProperty(const AnsiString& name, TStreamProc readData, TStreamProc, bool) {
    if (!definedName_ || definedFound_ || !readData || !SameIdentifier(name, *definedName_))
        return;
    definedFound_ = true;
    if (definedValue_->kind != TFormValueKind::Binary)
        PropertyValueError();
    TMemoryStream stream;
    const std::string& bytes = definedValue_->bytes;
    if (!bytes.empty())
        stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    stream.SetPosition(0);
    readData(&stream);
}

const TFormValue& TReader::Current() const {
    if (cursors_.empty() || EndOfList())
        PropertyValueError();
    const Cursor& cursor = cursors_.back();
    return (*cursor.values)[cursor.index];
}

const TFormValue& TReader::Next(TFormValueKind kind) {
    const TFormValue& value = Current();
    if (value.kind != kind)
        PropertyValueError();
    ++cursors_.back().index;
    return value;
}

bool TReader::EndOfList() const {
    const Cursor& cursor = cursors_.back();
    return cursor.index >= cursor.values->size();
}

TFormValueKind TReader::NextValue() const {
    return Current().kind;
}

void TReader::SkipValue() {
    Current();
    ++cursors_.back().index;
}

Int64 TReader::ReadInteger() {
    return Next(TFormValueKind::Integer).integer;
}

bool TReader::ReadBoolean() {
    const AnsiString ident = ReadIdent();
    if (SameIdentifier(ident, "True"))
        return true;
    if (SameIdentifier(ident, "False"))
        return false;
    PropertyValueError();
}

double TReader::ReadFloat() {
    if (Current().kind == TFormValueKind::Integer)
        return static_cast<double>(ReadInteger());
    return Next(TFormValueKind::Float).real;
}

AnsiString TReader::ReadString() {
    return Utf8ToAnsi(Next(TFormValueKind::String).text);
}

WideString TReader::ReadWideString() {
    return Utf8ToWide(Next(TFormValueKind::String).text);
}

AnsiString TReader::ReadIdent() {
    return Next(TFormValueKind::Ident).text;
}

void TReader::ReadListBegin() {
    const TFormValue& list = Next(TFormValueKind::List);
    cursors_.push_back({&list.items, 0});
}

void TReader::ReadListEnd() {
    if (cursors_.size() < 2 || !EndOfList())
        PropertyValueError();
    cursors_.pop_back();
}

void TReader::ReadCollection(TCollection* collection) {
    const TFormValue& value = Next(TFormValueKind::Collection);
    WithinUpdate(*collection, [&] {
        collection->Clear();
        for (const TFormCollectionItem& item : value.collectionItems)
            ReadProperties(collection->Add(), item.properties);
    });
}

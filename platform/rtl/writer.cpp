// TWriter: form descriptions from components.
#include "platform/rtl/writer.h"

#include "platform/rtl/codepage.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/streams.h"

TWriter::TWriter() = default;
TWriter::~TWriter() = default;

void TWriter::WriteRootComponent(TComponent* root) {
    SetRoot(root);
    result_ = TFormObject{};
    result_.name = root->Name();
    result_.className = root->ClassName();
    object_ = &result_;
    root->SetComponentState(csWriting, true);
    try {
        root->WriteState(this);
    } catch (...) {
        root->SetComponentState(csWriting, false);
        throw;
    }
    root->SetComponentState(csWriting, false);
}

void TWriter::WriteData(TComponent* instance) {
    TFormObject* object = object_;
    properties_ = &object->properties;
    WriteProperties(instance, "");
    instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, Root());
    object_ = object;
}

void TWriter::WriteComponent(TComponent* component) {
    TFormObject* parent = object_;
    TFormObject child;
    child.name = component->Name();
    child.className = component->ClassName();
    parent->children.push_back(std::move(child));
    object_ = &parent->children.back();
    component->WriteState(this);
    object_ = parent;
    properties_ = &parent->properties;
}

void TWriter::WriteProperties(TPersistent* instance, const std::string& prefix) {
    for (PPropInfo prop : GetPropList(instance))
        if (prop->IsStored(instance))
            WriteProperty(instance, prop, prefix);
    const std::string savedPrefix = prefix_;
    prefix_ = prefix;
    CallDefineProperties(instance, this);
    prefix_ = savedPrefix;
}

void TWriter::AddProperty(std::string name, TFormValue value) {
    properties_->push_back({std::move(name), std::move(value)});
}

std::string TWriter::ReferenceName(TComponent* component) const {
    if (component == Root() || component->Owner() == Root() || !component->Owner())
        return component->Name();
    if (component->Owner()->Name().empty())
        return {};
    return component->Owner()->Name() + "." + component->Name();
}

void TWriter::WriteProperty(TPersistent* instance, PPropInfo prop, const std::string& prefix) {
    const TPropAccessor& access = prop->Access();
    std::string name = prefix + prop->Name();
    PTypeInfo type = prop->PropType();
    switch (prop->Kind()) {
    case tkInteger:
    case tkInt64:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet: {
        const Int64 value = access.GetOrd(instance);
        if (prop->Default() && *prop->Default() == value)
            return;
        AnsiString ident;
        if (prop->Kind() == tkEnumeration) {
            AddProperty(name, TFormValue::OfIdent(GetEnumName(type, static_cast<int>(value))));
        } else if (prop->Kind() == tkSet) {
            TFormValue set;
            set.kind = TFormValueKind::Set;
            for (int i = 0; i < 64; ++i)
                if (static_cast<std::uint64_t>(value) & (std::uint64_t{1} << i))
                    set.names.push_back(GetEnumName(type->CompType, i));
            AddProperty(name, std::move(set));
        } else if (prop->Kind() == tkChar) {
            AddProperty(name, TFormValue::OfString(AnsiToUtf8(AnsiString(1, static_cast<char>(value)))));
        } else if (prop->Kind() == tkWChar) {
            AddProperty(name, TFormValue::OfString(WideToUtf8(WideString(1, static_cast<char16_t>(value)))));
        } else if (IntToIdent(type->Name, value, ident)) {
            AddProperty(name, TFormValue::OfIdent(ident));
        } else {
            AddProperty(name, TFormValue::OfInteger(value));
        }
        break;
    }
    case tkFloat: {
        const double value = access.GetFloat(instance);
        if (value != 0)
            AddProperty(name, TFormValue::OfFloat(value));
        break;
    }
    case tkString:
    case tkLString: {
        const AnsiString value = access.GetStr(instance);
        if (!value.empty())
            AddProperty(name, TFormValue::OfString(AnsiToUtf8(value)));
        break;
    }
    case tkWString: {
        const WideString value = access.GetWideStr(instance);
        if (!value.empty())
            AddProperty(name, TFormValue::OfString(WideToUtf8(value)));
        break;
    }
    case tkClass: {
        TObject* object = access.GetObject(instance);
        if (!object)
            return;
        if (auto* component = dynamic_cast<TComponent*>(object);
            component && !component->ComponentStyle().Contains(csSubComponent)) {
            const std::string reference = ReferenceName(component);
            if (!reference.empty())
                AddProperty(name, TFormValue::OfIdent(reference));
        } else if (auto* collection = dynamic_cast<TCollection*>(object)) {
            if (collection->Count() > 0)
                AddProperty(name, CollectionValue(collection));
        } else if (auto* persistent = dynamic_cast<TPersistent*>(object)) {
            WriteProperties(persistent, name + ".");
        }
        break;
    }
    case tkVariant: {
        const Variant value = access.GetVariant(instance);
        if (VarIsNull(value))
            AddProperty(name, TFormValue::OfIdent("Null"));
        else if (VarType(value) == varBoolean)
            AddProperty(name, TFormValue::OfIdent(value.AsBoolean() ? "True" : "False"));
        else if (VarIsOrdinal(value))
            AddProperty(name, TFormValue::OfInteger(value.AsInt64()));
        else if (VarIsFloat(value) || VarType(value) == varDate)
            AddProperty(name, TFormValue::OfFloat(value.AsDouble()));
        else if (VarIsStr(value))
            AddProperty(name, TFormValue::OfString(AnsiToUtf8(value.AsString())));
        break;
    }
    case tkMethod: {
        const TMethod method = access.GetMethod(instance);
        if (!method.Assigned())
            return;
        AnsiString handler = method.Name;
        if (handler.empty())
            handler = MethodName(Root(), method);
        if (!handler.empty())
            AddProperty(name, TFormValue::OfIdent(handler));
        break;
    }
    default:
        break;
    }
}

TFormValue TWriter::CollectionValue(TCollection* collection) {
    TFormValue value;
    value.kind = TFormValueKind::Collection;
    std::vector<TFormProperty>* saved = properties_;
    for (int i = 0; i < collection->Count(); ++i) {
        value.collectionItems.emplace_back();
        properties_ = &value.collectionItems.back().properties;
        WriteProperties(collection->Items(i), "");
    }
    properties_ = saved;
    return value;
}

void TWriter::DefineProperty(const AnsiString& name, TReaderProc, TWriterProc writeData, bool hasData) {
    if (!hasData || !writeData)
        return;
    values_.emplace_back();
    writeData(this);
    std::vector<TFormValue> written = std::move(values_.back());
    values_.pop_back();
    if (written.size() != 1)
        throw EWriteError("Property " + name + " must write one value");
    AddProperty(prefix_ + name, std::move(written.front()));
}

void TWriter::DefineBinaryProperty(const AnsiString& name, TStreamProc, TStreamProc writeData, bool hasData) {
    if (!hasData || !writeData)
        return;
    TMemoryStream stream;
    writeData(&stream);
    const auto* bytes = static_cast<const char*>(stream.Memory());
    AddProperty(prefix_ + name, TFormValue::OfBinary(std::string(bytes, bytes + stream.Size())));
}

void TWriter::AddValue(TFormValue value) {
    if (values_.empty())
        throw EWriteError("No property is being written");
    values_.back().push_back(std::move(value));
}

void TWriter::WriteInteger(Int64 value) {
    AddValue(TFormValue::OfInteger(value));
}

void TWriter::WriteBoolean(bool value) {
    AddValue(TFormValue::OfIdent(value ? "True" : "False"));
}

void TWriter::WriteFloat(double value) {
    AddValue(TFormValue::OfFloat(value));
}

void TWriter::WriteString(const AnsiString& value) {
    AddValue(TFormValue::OfString(AnsiToUtf8(value)));
}

void TWriter::WriteWideString(const WideString& value) {
    AddValue(TFormValue::OfString(WideToUtf8(value)));
}

void TWriter::WriteIdent(const AnsiString& ident) {
    AddValue(TFormValue::OfIdent(ident));
}

void TWriter::WriteListBegin() {
    values_.emplace_back();
}

void TWriter::WriteListEnd() {
    if (values_.size() < 2)
        throw EWriteError("WriteListEnd without WriteListBegin");
    TFormValue list;
    list.kind = TFormValueKind::List;
    list.items = std::move(values_.back());
    values_.pop_back();
    AddValue(std::move(list));
}

void TWriter::WriteCollection(TCollection* collection) {
    AddValue(CollectionValue(collection));
}

std::string ComponentToText(TComponent* root) {
    TWriter writer;
    writer.WriteRootComponent(root);
    return writer.Text();
}

std::string ComponentToBinary(TComponent* root) {
    TWriter writer;
    writer.WriteRootComponent(root);
    return writer.Binary();
}

TComponent* ReadComponentFromString(const std::string& description, TComponent* root) {
    TReader reader(description);
    return reader.ReadRootComponent(root);
}

// TPersistent: objects that can be assigned to one another and stored in
// form descriptions; TFiler: the part of TReader and TWriter a persistent
// object sees when it defines properties of its own.
#pragma once

#include <functional>

#include "platform/rtl/metaclass.h"
#include "platform/rtl/typinfo.h"

class TReader;
class TWriter;
class TStream;
class TPersistent;
class TComponent;

// What a persistent object stores beside its published properties.
class TFiler : public TObject {
    SERVIORA_CLASS(TFiler, TObject)
public:
    using TReaderProc = std::function<void(TReader* reader)>;
    using TWriterProc = std::function<void(TWriter* writer)>;
    using TStreamProc = std::function<void(TStream* stream)>;

    // A property written as ordinary values through the reader or writer.
    // The writer stores it only when hasData is true.
    virtual void DefineProperty(const AnsiString& name, TReaderProc readData, TWriterProc writeData,
                                bool hasData) = 0;
    // A property written as a block of bytes ({ hex } in text form).
    virtual void DefineBinaryProperty(const AnsiString& name, TStreamProc readData, TStreamProc writeData,
                                      bool hasData) = 0;

    // The component whose description is being read or written.
    TComponent* Root() const { return root_; }
    void SetRoot(TComponent* root) { root_ = root; }
    // The object written against when only differences are stored; the
    // system writes no inherited descriptions, so it stays nullptr.
    TPersistent* Ancestor() const { return nullptr; }

protected:
    static void CallDefineProperties(TPersistent* instance, TFiler* filer);

private:
    TComponent* root_ = nullptr;
};

class TPersistent : public TObject {
    SERVIORA_CLASS(TPersistent, TObject)
public:
    // Copies source into this object through source->AssignTo; a class
    // overrides Assign for the sources it knows. EConvertError "Cannot
    // assign a TFoo to a TBar" when neither side knows the other.
    virtual void Assign(TPersistent* source);
    // The object's path for messages and the script ("Form1.Button1",
    // "DBGrid1.Columns[2]").
    virtual AnsiString GetNamePath() const;

protected:
    virtual void AssignTo(TPersistent* dest);
    virtual void DefineProperties(TFiler* filer);
    // The object this one belongs to for GetNamePath, or nullptr.
    virtual TPersistent* GetOwner() const;

    friend class TFiler;
};

// A class of the TPersistent hierarchy as a value.
using TPersistentClass = TClass;

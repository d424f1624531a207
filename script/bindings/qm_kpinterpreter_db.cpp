// Registration of the script unit "Db" in its fixed order: constants,
// datasets, data sources and links here, the field and definition classes
// from their own unit. Bookmarks handed to scripts as pointers are kept
// here until the script frees them, so no other pointer reaches a dataset.
#include "script/bindings/qm_kpinterpreter_db.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/list.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "script/bindings/qm_kpinterpreter_db_classes.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

using namespace bindargs;
using dbbindings::unitName;

// The bookmarks scripts hold as pointers, by the address handed out.
std::map<const void*, std::unique_ptr<TBookmarkStr>>& Bookmarks() {
    static std::map<const void*, std::unique_ptr<TBookmarkStr>> bookmarks;
    return bookmarks;
}

// nil stands for no bookmark; a pointer not handed out is refused.
TBookmarkStr BookmarkArg(Frame& f, int index) {
    const void* pointer = VariantToPointer(Arg(f, index));
    if (!pointer) return {};
    const auto found = Bookmarks().find(pointer);
    if (found == Bookmarks().end()) DatabaseError(SInvalidBookmark);
    return *found->second;
}

void RegisterDataLink(TKpInterpreterAdapter& a) {
    using T = TDataLink;
    const TClass c = T::StaticClass();
    a.DefineClass(unitName, c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame&) { v = ObjectToVariant(new T()); }, 0, {}, 0);
    a.DefineGetter(c, "Edit", [](Variant& v, Frame& f) { v = Self<T>(f)->Edit(); }, 0, {}, 0);
    a.DefineGetter(c, "UpdateRecord", [](Variant&, Frame& f) { Self<T>(f)->UpdateRecord(); }, 0, {}, 0);
    a.DefineGetter(c, "Active", [](Variant& v, Frame& f) { v = Self<T>(f)->Active(); }, 0, {}, 0);
    a.DefineGetter(c, "DataSet", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->DataSet()); }, 0, {}, 0);
    a.DefineGetter(c, "Editing", [](Variant& v, Frame& f) { v = Self<T>(f)->Editing(); }, 0, {}, 0);
    a.DefineGetter(c, "RecordCount", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->RecordCount()); }, 0, {}, 0);
    a.DefineGetter(c, "ActiveRecord", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->ActiveRecord()); }, 0, {}, 0);
    a.DefineSetter(c, "ActiveRecord", [](const Variant& v, Frame& f) { Self<T>(f)->SetActiveRecord(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "BufferCount", [](Variant& v, Frame& f) { v = Integer(Self<T>(f)->BufferCount()); }, 0, {}, 0);
    a.DefineSetter(c, "BufferCount", [](const Variant& v, Frame& f) { Self<T>(f)->SetBufferCount(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "DataSource", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->DataSource()); }, 0, {}, 0);
    a.DefineSetter(c, "DataSource", [](const Variant& v, Frame& f) { Self<T>(f)->SetDataSource(CheckedCast<TDataSource>(v)); }, 0, {});
    a.DefineGetter(c, "DataSourceFixed", [](Variant& v, Frame& f) { v = Self<T>(f)->DataSourceFixed(); }, 0, {}, 0);
    a.DefineSetter(c, "DataSourceFixed", [](const Variant& v, Frame& f) { Self<T>(f)->SetDataSourceFixed(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "ReadOnly", [](Variant& v, Frame& f) { v = Self<T>(f)->ReadOnly(); }, 0, {}, 0);
    a.DefineSetter(c, "ReadOnly", [](const Variant& v, Frame& f) { Self<T>(f)->SetReadOnly(v.AsBoolean()); }, 0, {});
}

void RegisterDataSource(TKpInterpreterAdapter& a) {
    using T = TDataSource;
    const TClass c = T::StaticClass();
    a.DefineClass(unitName, c);
    a.DefineGetter(c, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new T(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "Edit", [](Variant&, Frame& f) { Self<T>(f)->Edit(); }, 0, {}, 0);
    a.DefineGetter(c, "IsLinkedTo", [](Variant& v, Frame& f) { v = Self<T>(f)->IsLinkedTo(ObjArg<TDataSet>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "State", [](Variant& v, Frame& f) { v = Byte(Self<T>(f)->State()); }, 0, {}, 0);
    a.DefineGetter(c, "AutoEdit", [](Variant& v, Frame& f) { v = Self<T>(f)->AutoEdit(); }, 0, {}, 0);
    a.DefineSetter(c, "AutoEdit", [](const Variant& v, Frame& f) { Self<T>(f)->SetAutoEdit(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "DataSet", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<T>(f)->DataSet()); }, 0, {}, 0);
    a.DefineSetter(c, "DataSet", [](const Variant& v, Frame& f) { Self<T>(f)->SetDataSet(CheckedCast<TDataSet>(v)); }, 0, {});
    a.DefineGetter(c, "Enabled", [](Variant& v, Frame& f) { v = Self<T>(f)->Enabled(); }, 0, {}, 0);
    a.DefineSetter(c, "Enabled", [](const Variant& v, Frame& f) { Self<T>(f)->SetEnabled(v.AsBoolean()); }, 0, {});
}

template <void (TDataSet::*Action)()>
void CallAction(Variant&, Frame& f) {
    (Self<TDataSet>(f)->*Action)();
}

template <bool (TDataSet::*Query)()>
void CallQuery(Variant& v, Frame& f) {
    v = (Self<TDataSet>(f)->*Query)();
}

void RegisterDataSetMethods(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "Append", CallAction<&TDataSet::Append>, 0, {}, 0);
    a.DefineGetter(c, "Cancel", CallAction<&TDataSet::Cancel>, 0, {}, 0);
    a.DefineGetter(c, "CheckBrowseMode", CallAction<&TDataSet::CheckBrowseMode>, 0, {}, 0);
    a.DefineGetter(c, "ClearFields", CallAction<&TDataSet::ClearFields>, 0, {}, 0);
    a.DefineGetter(c, "Close", CallAction<&TDataSet::Close>, 0, {}, 0);
    a.DefineGetter(c, "Delete", CallAction<&TDataSet::Delete>, 0, {}, 0);
    a.DefineGetter(c, "DisableControls", CallAction<&TDataSet::DisableControls>, 0, {}, 0);
    a.DefineGetter(c, "Edit", CallAction<&TDataSet::Edit>, 0, {}, 0);
    a.DefineGetter(c, "EnableControls", CallAction<&TDataSet::EnableControls>, 0, {}, 0);
    a.DefineGetter(c, "First", CallAction<&TDataSet::First>, 0, {}, 0);
    a.DefineGetter(c, "Insert", CallAction<&TDataSet::Insert>, 0, {}, 0);
    a.DefineGetter(c, "Last", CallAction<&TDataSet::Last>, 0, {}, 0);
    a.DefineGetter(c, "Next", CallAction<&TDataSet::Next>, 0, {}, 0);
    a.DefineGetter(c, "Open", CallAction<&TDataSet::Open>, 0, {}, 0);
    a.DefineGetter(c, "Post", CallAction<&TDataSet::Post>, 0, {}, 0);
    a.DefineGetter(c, "Prior", CallAction<&TDataSet::Prior>, 0, {}, 0);
    a.DefineGetter(c, "Refresh", CallAction<&TDataSet::Refresh>, 0, {}, 0);
    a.DefineGetter(c, "CursorPosChanged", CallAction<&TDataSet::CursorPosChanged>, 0, {}, 0);
    a.DefineGetter(c, "UpdateCursorPos", CallAction<&TDataSet::UpdateCursorPos>, 0, {}, 0);
    a.DefineGetter(c, "UpdateRecord", CallAction<&TDataSet::UpdateRecord>, 0, {}, 0);
    a.DefineGetter(c, "FindFirst", CallQuery<&TDataSet::FindFirst>, 0, {}, 0);
    a.DefineGetter(c, "FindLast", CallQuery<&TDataSet::FindLast>, 0, {}, 0);
    a.DefineGetter(c, "FindNext", CallQuery<&TDataSet::FindNext>, 0, {}, 0);
    a.DefineGetter(c, "FindPrior", CallQuery<&TDataSet::FindPrior>, 0, {}, 0);
    a.DefineGetter(c, "ControlsDisabled", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->ControlsDisabled(); }, 0, {}, 0);
    a.DefineGetter(c, "IsEmpty", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->IsEmpty(); }, 0, {}, 0);
    a.DefineGetter(c, "IsSequenced", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->IsSequenced(); }, 0, {}, 0);
    a.DefineGetter(c, "AppendRecord", [](Variant&, Frame& f) { Self<TDataSet>(f)->AppendRecord(f.ToOpenArray(0)); }, 1, {0}, 0);
    a.DefineGetter(c, "InsertRecord", [](Variant&, Frame& f) { Self<TDataSet>(f)->InsertRecord(f.ToOpenArray(0)); }, 1, {0}, 0);
    a.DefineGetter(c, "SetFields", [](Variant&, Frame& f) { Self<TDataSet>(f)->SetFields(f.ToOpenArray(0)); }, 1, {0}, 0);
    a.DefineGetter(c, "FieldByName", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TDataSet>(f)->FieldByName(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "FindField", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TDataSet>(f)->FindField(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "GetFieldList", [](Variant&, Frame& f) { Self<TDataSet>(f)->GetFieldList(ObjArg<TList>(f, 0), StrArg(f, 1)); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "GetFieldNames", [](Variant&, Frame& f) { Self<TDataSet>(f)->GetFieldNames(ObjArg<TStrings>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Locate", [](Variant& v, Frame& f) {
        v = Self<TDataSet>(f)->Locate(StrArg(f, 0), Arg(f, 1), TLocateOptions::FromBits(VariantToSet(Arg(f, 2))));
    }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "Lookup", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Lookup(StrArg(f, 0), Arg(f, 1), StrArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(c, "MoveBy", [](Variant& v, Frame& f) { v = Integer(Self<TDataSet>(f)->MoveBy(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(c, "CreateBlobStream", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TDataSet>(f)->CreateBlobStream(ObjArg<TField>(f, 0))); }, 2, {0, 0}, 0);
    a.DefineGetter(c, "IsLinkedTo", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->IsLinkedTo(ObjArg<TDataSource>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Resync", [](Variant&, Frame& f) { Self<TDataSet>(f)->Resync(TResyncModes::FromBits(VariantToSet(Arg(f, 0)))); }, 1, {0}, 0);
}

// The record-buffer members work on private copies sized for the dataset,
// so no script text is written past its end and no record bytes go back.
void RegisterRecordBuffers(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "RecordSize", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->RecordSize(); }, 0, {}, 0);
    a.DefineGetter(c, "ActiveBuffer", [](Variant& v, Frame& f) {
        const std::string buffer = Self<TDataSet>(f)->ActiveBuffer();
        v = AnsiString(buffer.c_str());
    }, 0, {}, 0);
    a.DefineGetter(c, "GetCurrentRecord", [](Variant& v, Frame& f) {
        TDataSet* dataSet = Self<TDataSet>(f);
        std::string buffer(dataSet->RecordSize(), '\0');
        const AnsiString text = StrArg(f, 0);
        text.copy(buffer.data(), buffer.size());
        v = dataSet->GetCurrentRecord(buffer.data());
    }, 1, {0}, 0);
    a.DefineGetter(c, "Translate", [](Variant&, Frame& f) {
        const AnsiString source = StrArg(f, 0);
        const AnsiString dest = StrArg(f, 1);
        std::string buffer(std::max(source.size(), dest.size()) + 1, '\0');
        dest.copy(buffer.data(), dest.size());
        Self<TDataSet>(f)->Translate(source.c_str(), buffer.data(), BoolArg(f, 2));
    }, 3, {0, 0, 0}, 0);
}

void RegisterBookmarks(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "GetBookmark", [](Variant& v, Frame& f) {
        auto bookmark = std::make_unique<TBookmarkStr>(Self<TDataSet>(f)->GetBookmark());
        void* pointer = bookmark.get();
        Bookmarks().emplace(pointer, std::move(bookmark));
        v = PointerToVariant(pointer);
    }, 0, {}, 0);
    a.DefineGetter(c, "GotoBookmark", [](Variant&, Frame& f) { Self<TDataSet>(f)->GotoBookmark(BookmarkArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "FreeBookmark", [](Variant&, Frame& f) {
        BookmarkArg(f, 0);
        Bookmarks().erase(VariantToPointer(Arg(f, 0)));
    }, 1, {0}, 0);
    a.DefineGetter(c, "BookmarkValid", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->BookmarkValid(BookmarkArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "CompareBookmarks", [](Variant& v, Frame& f) {
        v = Integer(Self<TDataSet>(f)->CompareBookmarks(BookmarkArg(f, 0), BookmarkArg(f, 1)));
    }, 2, {0, 0}, 0);
    a.DefineGetter(c, "Bookmark", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Bookmark(); }, 0, {}, 0);
    a.DefineSetter(c, "Bookmark", [](const Variant& v, Frame& f) { Self<TDataSet>(f)->SetBookmark(VarToStr(v)); }, 0, {});
}

void RegisterDataSetProperties(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "BOF", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Bof(); }, 0, {}, 0);
    a.DefineGetter(c, "CanModify", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->CanModify(); }, 0, {}, 0);
    a.DefineGetter(c, "DefaultFields", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->DefaultFields(); }, 0, {}, 0);
    a.DefineGetter(c, "EOF", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Eof(); }, 0, {}, 0);
    a.DefineGetter(c, "Found", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Found(); }, 0, {}, 0);
    a.DefineGetter(c, "Modified", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Modified(); }, 0, {}, 0);
    a.DefineGetter(c, "Designer", [](Variant& v, Frame&) { v = ObjectToVariant(nullptr); }, 0, {}, 0);
    // Datasets here have no master source.
    a.DefineGetter(c, "DataSource", [](Variant& v, Frame&) { v = ObjectToVariant(nullptr); }, 0, {}, 0);
    a.DefineGetter(c, "AutoCalcFields", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->AutoCalcFields(); }, 0, {}, 0);
    a.DefineSetter(c, "AutoCalcFields", [](const Variant& v, Frame& f) { Self<TDataSet>(f)->SetAutoCalcFields(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "FilterOptions", [](Variant& v, Frame& f) { v = SetToVariant(Self<TDataSet>(f)->FilterOptions().Bits()); }, 0, {}, 0);
    a.DefineSetter(c, "FilterOptions", [](const Variant& v, Frame& f) {
        Self<TDataSet>(f)->SetFilterOptions(TFilterOptions::FromBits(VariantToSet(v)));
    }, 0, {});
    a.DefineGetter(c, "FieldCount", [](Variant& v, Frame& f) { v = Integer(Self<TDataSet>(f)->FieldCount()); }, 0, {}, 0);
    a.DefineGetter(c, "RecordCount", [](Variant& v, Frame& f) { v = Integer(Self<TDataSet>(f)->RecordCount()); }, 0, {}, 0);
    a.DefineGetter(c, "State", [](Variant& v, Frame& f) { v = Byte(Self<TDataSet>(f)->State()); }, 0, {}, 0);
    a.DefineGetter(c, "Active", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Active(); }, 0, {}, 0);
    a.DefineSetter(c, "Active", [](const Variant& v, Frame& f) { Self<TDataSet>(f)->SetActive(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "FieldDefs", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TDataSet>(f)->FieldDefs()); }, 0, {}, 0);
    a.DefineSetter(c, "FieldDefs", [](const Variant& v, Frame& f) {
        if (TFieldDefs* source = CheckedCast<TFieldDefs>(v)) Self<TDataSet>(f)->FieldDefs()->Assign(source);
    }, 0, {});
    a.DefineGetter(c, "Filter", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Filter(); }, 0, {}, 0);
    a.DefineSetter(c, "Filter", [](const Variant& v, Frame& f) { Self<TDataSet>(f)->SetFilter(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Filtered", [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->Filtered(); }, 0, {}, 0);
    a.DefineSetter(c, "Filtered", [](const Variant& v, Frame& f) { Self<TDataSet>(f)->SetFiltered(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "RecNo", [](Variant& v, Frame& f) { v = Integer(Self<TDataSet>(f)->RecNo()); }, 0, {}, 0);
    a.DefineSetter(c, "RecNo", [](const Variant& v, Frame& f) { Self<TDataSet>(f)->SetRecNo(v.AsInteger()); }, 0, {});
    a.DefineIndexedGetter(c, "Fields", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TDataSet>(f)->Fields()->Fields(IntArg(f, 0))); }, 1, {0}, 0);
    const THostGetCallback value = [](Variant& v, Frame& f) { v = Self<TDataSet>(f)->FieldValues(StrArg(f, 0)); };
    const THostSetCallback setValue = [](const Variant& v, Frame& f) { Self<TDataSet>(f)->SetFieldValues(StrArg(f, 0), v); };
    a.DefineIndexedGetter(c, "FieldValues", value, 1, {0}, 0);
    a.DefineIndexedSetter(c, "FieldValues", setValue, 1, {1});
    a.DefineDefaultGetter(c, value, 1, {0}, 0);
    a.DefineDefaultSetter(c, setValue, 1, {1});
}

}  // namespace

void TKpInterpreterDbEvent::FieldNotifyEvent(TField* Sender) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender)}, result);
}

void TKpInterpreterDbEvent::FieldGetTextEvent(TField* Sender, AnsiString& Text, bool DisplayText) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(Text), Variant(DisplayText)}, result);
    Text = VarToStr(GetFrame().ArgValues[1]);
}

void TKpInterpreterDbEvent::FieldSetTextEvent(TField* Sender, const AnsiString& Text) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), Variant(Text)}, result);
}

void TKpInterpreterDbEvent::DataChangeEvent(TObject* Sender, TField* Field) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(Sender), ObjectToVariant(Field)}, result);
}

void TKpInterpreterDbEvent::DataSetNotifyEvent(TDataSet* DataSet) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(DataSet)}, result);
}

void TKpInterpreterDbEvent::DataSetErrorEvent(TDataSet* DataSet, EDatabaseError* E, TDataAction& Action) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(DataSet), ObjectToVariant(E), Variant(Byte(Action))}, result);
    Action = TDataAction(Byte(GetFrame().ArgValues[2].AsInteger()));
}

void TKpInterpreterDbEvent::FilterRecordEvent(TDataSet* DataSet, bool& Accept) {
    Variant result;
    InvokeHandler(nullptr, {ObjectToVariant(DataSet), Variant(Accept)}, result);
    Accept = GetFrame().ArgValues[1].AsBoolean();
}

void RegisterDbBindings(TKpInterpreterAdapter& a) {
    using namespace dbbindings;
    a.DefineUnit(unitName);
    DefineByteOrdinals(a, unitName, {"dsInactive", "dsBrowse", "dsEdit", "dsInsert", "dsSetKey", "dsCalcFields", "dsFilter",
                           "dsNewValue", "dsOldValue", "dsCurValue"});
    DefineByteOrdinals(a, unitName, {"deFieldChange", "deRecordChange", "deDataSetChange", "deDataSetScroll", "deLayoutChange",
                           "deUpdateRecord", "deUpdateState", "deCheckBrowseMode", "dePropertyChange",
                           "deFieldListChange", "deFocusControl"});
    DefineByteOrdinals(a, unitName, {"usUnmodified", "usModified", "usInserted", "usDeleted"});
    a.DefineClass(unitName, EDatabaseError::StaticClass(), "EDatabaseError");
    DefineByteOrdinals(a, unitName, {"ftUnknown", "ftString", "ftSmallint", "ftInteger", "ftWord", "ftBoolean", "ftFloat",
                           "ftCurrency", "ftBCD", "ftDate", "ftTime", "ftDateTime", "ftBytes", "ftVarBytes",
                           "ftAutoInc", "ftBlob", "ftMemo", "ftGraphic", "ftFmtMemo", "ftParadoxOle", "ftDBaseOle",
                           "ftTypedBinary", "ftCursor"});
    RegisterFieldDefClasses(a);
    DefineByteOrdinals(a, unitName, {"fkData", "fkCalculated", "fkLookup", "fkInternalCalc"});
    ClassList streamed;
    RegisterFieldClasses(a, streamed);
    DefineByteOrdinals(a, unitName, {"ixPrimary", "ixUnique", "ixDescending", "ixCaseInsensitive", "ixExpression"});
    RegisterIndexDefClasses(a);
    RegisterDataLink(a);
    RegisterDataSource(a);
    streamed.push_back(TDataSource::StaticClass());
    RegisterCheckConstraintClasses(a, streamed);
    DefineByteOrdinals(a, unitName, {"bfCurrent", "bfBOF", "bfEOF", "bfInserted"});
    DefineByteOrdinals(a, unitName, {"gmCurrent", "gmNext", "gmPrior"});
    DefineByteOrdinals(a, unitName, {"grOK", "grBOF", "grEOF", "grError"});
    DefineByteOrdinals(a, unitName, {"rmExact", "rmCenter"});
    DefineByteOrdinals(a, unitName, {"daFail", "daAbort", "daRetry"});
    DefineByteOrdinals(a, unitName, {"ukModify", "ukInsert", "ukDelete"});
    DefineByteOrdinals(a, unitName, {"bmRead", "bmWrite", "bmReadWrite"});
    DefineByteOrdinals(a, unitName, {"loCaseInsensitive", "loPartialKey"});
    DefineByteOrdinals(a, unitName, {"foCaseInsensitive", "foNoPartialCompare"});
    const TClass dataSet = TDataSet::StaticClass();
    a.DefineClass(unitName, dataSet);
    RegisterDataSetMethods(a, dataSet);
    RegisterBookmarks(a, dataSet);
    RegisterRecordBuffers(a, dataSet);
    RegisterDataSetProperties(a, dataSet);
    using Event = TKpInterpreterDbEvent;
    a.DefineEventType(unitName, "TFieldNotifyEvent", Event::StaticClass(), &Event::FieldNotifyEvent);
    a.DefineEventType(unitName, "TFieldGetTextEvent", Event::StaticClass(), &Event::FieldGetTextEvent);
    a.DefineEventType(unitName, "TFieldSetTextEvent", Event::StaticClass(), &Event::FieldSetTextEvent);
    a.DefineEventType(unitName, "TDataChangeEvent", Event::StaticClass(), &Event::DataChangeEvent);
    a.DefineEventType(unitName, "TDataSetNotifyEvent", Event::StaticClass(), &Event::DataSetNotifyEvent);
    a.DefineEventType(unitName, "TDataSetErrorEvent", Event::StaticClass(), &Event::DataSetErrorEvent);
    a.DefineEventType(unitName, "TFilterRecordEvent", Event::StaticClass(), &Event::FilterRecordEvent);
    for (TClass c : streamed) RegisterClass(c);
}

// TADOConnection, TCustomADODataSet, TADOQuery and TADODataSet.
#include "platform/data/ado.h"

#include <algorithm>

#include "platform/data/filter_text.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"

SERVIORA_REGISTER_CLASS(TADOConnection);
SERVIORA_REGISTER_CLASS(TADOQuery);
SERVIORA_REGISTER_CLASS(TADODataSet);

namespace {

bool Contains(const AnsiString& upper, const char* part) { return upper.find(part) != AnsiString::npos; }

// The declared size "(n)" of a column type, or 0.
int DeclaredSize(const AnsiString& declared) {
    const std::size_t open = declared.find('(');
    if (open == AnsiString::npos) return 0;
    return StrToIntDef(Trim(declared.substr(open + 1, declared.find_first_of(",)", open) - open - 1)), 0);
}

// Field types follow the declared column types; an expression column takes
// its type from its values.
TFieldType FieldTypeOf(const ResultColumn& column, const RowStore& rows, int index) {
    const AnsiString upper = UpperCase(column.declaredType);
    if (!upper.empty()) {
        if (Contains(upper, "BOOL") || Contains(upper, "BIT") || Contains(upper, "YESNO")) return ftBoolean;
        if (Contains(upper, "DATE") || Contains(upper, "TIME")) return ftDateTime;
        if (Contains(upper, "BIGINT")) return ftLargeint;
        if (Contains(upper, "INT")) return ftInteger;
        if (Contains(upper, "REAL") || Contains(upper, "FLOA") || Contains(upper, "DOUB") || Contains(upper, "NUM") ||
            Contains(upper, "DEC") || Contains(upper, "MONEY") || Contains(upper, "CURRENCY"))
            return ftFloat;
        if (Contains(upper, "BLOB") || Contains(upper, "BINARY")) return ftBlob;
        if (Contains(upper, "MEMO") || Contains(upper, "CLOB")) return ftMemo;
        return ftString;
    }
    TFieldType type = ftString;
    for (std::size_t r = 0; r < rows.RowCount(); ++r) {
        const CellView cell = rows.Cell(r, index);
        switch (cell.type) {
        case CellType::Null: continue;
        case CellType::Integer:
            if (cell.integer < INT32_MIN || cell.integer > INT32_MAX) return ftLargeint;
            type = ftInteger;
            continue;
        case CellType::Real: return ftFloat;
        case CellType::Text: return ftString;
        case CellType::Blob: return ftBlob;
        }
    }
    return type;
}

// The value of `key` in a "key=value;key=value" string (keys without case).
AnsiString ConnectionValue(const AnsiString& text, const AnsiString& key) {
    std::size_t start = 0;
    while (start < text.size()) {
        // ';' and '=' never occur inside a GB18030 character.
        std::size_t end = text.find(';', start);
        if (end == AnsiString::npos) end = text.size();
        const AnsiString item = text.substr(start, end - start);
        const std::size_t equals = item.find('=');
        if (equals != AnsiString::npos && SameText(Trim(item.substr(0, equals)), key)) {
            AnsiString value = Trim(item.substr(equals + 1));
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return value;
        }
        start = end + 1;
    }
    return {};
}

}  // namespace

// ---- TADOConnection -----------------------------------------------------

TADOConnection::TADOConnection(TComponent* owner) : TComponent(owner) {}

TADOConnection::~TADOConnection() {
    for (TCustomADODataSet* dataSet : std::vector<TCustomADODataSet*>(dataSets_)) dataSet->SetConnection(nullptr);
}

void TADOConnection::SetConnectionString(const AnsiString& value) {
    if (Connected()) DatabaseError("Operation is not allowed when the object is open", this);
    connectionString_ = value;
    const AnsiString provider = ConnectionValue(value, "Provider");
    if (!provider.empty()) provider_ = provider;
}

AnsiString TADOConnection::DataSource() const { return ConnectionValue(connectionString_, "Data Source"); }

void TADOConnection::SetConnected(bool value) {
    if (ComponentState().Contains(csLoading)) {
        streamedConnected_ = value;
        return;
    }
    if (value == Connected()) return;
    if (value) {
        beforeConnect_(this);
        const AnsiString file = DataSource();
        if (file.empty()) DatabaseError(SMissingConnection, this);
        database_.Open(file);
        afterConnect_(this);
    } else {
        beforeDisconnect_(this);
        for (TCustomADODataSet* dataSet : std::vector<TCustomADODataSet*>(dataSets_)) dataSet->Close();
        // An open transaction ends with the connection, without its writes.
        if (database_.InTransaction()) database_.Rollback();
        transactionBegun_ = false;
        database_.Close();
        afterDisconnect_(this);
    }
}

SqliteDatabase& TADOConnection::Database() {
    SetConnected(true);
    return database_;
}

int TADOConnection::BeginTrans() {
    Database().BeginTransaction();
    transactionBegun_ = true;
    return 1;
}

void TADOConnection::CommitTrans() {
    Database().Commit();
    transactionBegun_ = false;
}

void TADOConnection::RollbackTrans() {
    SqliteDatabase& database = Database();
    if (transactionBegun_ && !database.InTransaction()) {
        transactionBegun_ = false;
        return;
    }
    database.Rollback();
    transactionBegun_ = false;
}

int TADOConnection::Execute(const AnsiString& commandText) { return Database().Execute(commandText); }

// ---- TCustomADODataSet --------------------------------------------------

TCustomADODataSet::TCustomADODataSet(TComponent* owner) : TDataSet(owner) {}

TCustomADODataSet::~TCustomADODataSet() { SetConnection(nullptr); }

void TCustomADODataSet::SetConnection(TADOConnection* connection) {
    if (connection == connection_) return;
    if (Active()) Close();
    if (connection_) std::erase(connection_->dataSets_, this);
    connection_ = connection;
    if (connection_) connection_->dataSets_.push_back(this);
}

void TCustomADODataSet::SetCommandText(const AnsiString& value) {
    if (Active()) Close();
    commandText_ = value;
}

SqliteDatabase& TCustomADODataSet::Database() {
    if (!connection_) DatabaseError(SMissingConnection, this);
    return connection_->Database();
}

int TCustomADODataSet::ExecuteCommand() {
    rowsAffected_ = Database().Execute(CommandText());
    return rowsAffected_;
}

void TCustomADODataSet::InternalOpen(std::vector<TColumnDescription>& columns, RecordList& records) {
    QueryResult result = Database().Query(CommandText());
    table_ = result.table;
    origins_.clear();
    for (std::size_t i = 0; i < result.columns.size(); ++i) {
        const ResultColumn& column = result.columns[i];
        TColumnDescription description;
        description.name = column.name;
        description.dataType = FieldTypeOf(column, result.rows, static_cast<int>(i));
        description.size = description.dataType == ftString ? DeclaredSize(column.declaredType) : 0;
        if (description.dataType == ftString && description.size == 0) description.size = 50;
        if (!column.table.empty()) description.origin = column.table + "." + column.origin;
        columns.push_back(description);
        origins_.push_back(column.origin);
    }
    records = RecordList(std::move(result.rows), std::move(result.rowids));
}

std::function<bool()> TCustomADODataSet::FilterTextPredicate(const AnsiString& text) {
    return CompileFilterText(this, text);
}

void TCustomADODataSet::InternalClose() {
    table_.clear();
    origins_.clear();
}

void TCustomADODataSet::InternalPost(RecordList& records, RecordList::Row row, bool inserting,
                                     const std::vector<int>& changed) {
    if (table_.empty()) DatabaseError(SDataSetReadOnly, this);
    std::vector<AnsiString> names;
    std::vector<CellValue> values;
    for (int column : changed) {
        names.push_back(origins_[column]);
        values.push_back(CellValue::From(records.Rows().Cell(row, column)));
    }
    SqliteDatabase& db = Database();
    if (!inserting) {
        db.UpdateRow(table_, records.Rowid(row), names, values);
        return;
    }
    const std::int64_t rowid = db.InsertRow(table_, names, values);
    records.SetRowid(row, rowid);
    // The row as stored: the table's defaults fill what was not assigned.
    records.Rows().ReplaceRow(row, db.ReadRow(table_, rowid, origins_));
}

void TCustomADODataSet::InternalDelete(RecordList& records, RecordList::Row row) {
    if (table_.empty()) DatabaseError(SDataSetReadOnly, this);
    Database().DeleteRow(table_, records.Rowid(row));
}

// ---- TADOQuery ----------------------------------------------------------

TADOQuery::TADOQuery(TComponent* owner) : TCustomADODataSet(owner), sql_(std::make_unique<TStringList>()) {
    sql_->SetOnChange(TNotifyEvent([this](TObject*) {
        if (Active()) Close();
    }));
}

TADOQuery::~TADOQuery() = default;

// ---- published properties ----------------------------------------------

void TADOConnection::Loaded() {
    TComponent::Loaded();
    if (streamedConnected_) SetConnected(true);
}

void TADOConnection::Published(TPublished<TADOConnection>& p) {
    p.Property("Connected", &TADOConnection::Connected, &TADOConnection::SetConnected).Default(false);
    p.Property("ConnectionString", &TADOConnection::ConnectionString, &TADOConnection::SetConnectionString);
    p.Property("LoginPrompt", &TADOConnection::LoginPrompt, &TADOConnection::SetLoginPrompt).Default(true);
    p.Property("Mode", &TADOConnection::Mode, &TADOConnection::SetMode).Default(cmUnknown);
    p.Property("Provider", &TADOConnection::Provider, &TADOConnection::SetProvider);
    p.Property("AfterConnect", &TADOConnection::AfterConnect, &TADOConnection::SetAfterConnect);
    p.Property("AfterDisconnect", &TADOConnection::AfterDisconnect, &TADOConnection::SetAfterDisconnect);
    p.Property("BeforeConnect", &TADOConnection::BeforeConnect, &TADOConnection::SetBeforeConnect);
    p.Property("BeforeDisconnect", &TADOConnection::BeforeDisconnect, &TADOConnection::SetBeforeDisconnect);
}

void TCustomADODataSet::Published(TPublished<TCustomADODataSet>& p) {
    p.Property("Connection", &TCustomADODataSet::Connection, &TCustomADODataSet::SetConnection);
}

void TADOQuery::Published(TPublished<TADOQuery>& p) {
    p.Property("SQL", &TADOQuery::SQL, &TADOQuery::SetSQL);
}

void TADODataSet::Published(TPublished<TADODataSet>& p) {
    p.Property("CommandText", &TADODataSet::CommandText, &TADODataSet::SetCommandText);
}

// The ADO-style classes the application uses, over SQLite: TADOConnection
// (one database file, transactions), TCustomADODataSet (a statement's rows
// as a client-side static snapshot, editable through the rowid when the
// statement reads one table), TADOQuery (SQL as a string list, ExecSQL) and
// TADODataSet (CommandText).
#pragma once

#include <memory>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/data/sqlite_database.h"
#include "platform/rtl/stringlist.h"

class TCustomADODataSet;

class TADOConnection : public TComponent {
    SERVIORA_CLASS(TADOConnection, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TADOConnection(TComponent* owner);
    ~TADOConnection() override;

    // "Provider=...;Data Source=<file>;..." ; only Data Source is used (the
    // provider and a database password are accepted and ignored). Can be
    // changed only while disconnected.
    const AnsiString& ConnectionString() const { return connectionString_; }
    void SetConnectionString(const AnsiString& value);
    // The "Data Source" of the connection string.
    AnsiString DataSource() const;

    // Connecting opens the existing file (never creating one) and reads its
    // schema: a missing file or one that is not a database raises
    // EDatabaseError. Disconnecting closes the datasets that use it.
    bool Connected() const { return database_.IsOpen(); }
    void SetConnected(bool value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    bool LoginPrompt() const { return loginPrompt_; }
    void SetLoginPrompt(bool value) { loginPrompt_ = value; }
    TConnectMode Mode() const { return mode_; }
    void SetMode(TConnectMode value) { mode_ = value; }
    const AnsiString& Provider() const { return provider_; }
    void SetProvider(const AnsiString& value) { provider_ = value; }

    // One transaction at a time on the connection; a read inside it sees
    // its own writes. BeginTrans answers the nesting level (1).
    int BeginTrans();
    void CommitTrans();
    // Undoes the transaction BeginTrans began. When the database already
    // rolled it back by itself (a full disk, an I/O error, a trigger's
    // RAISE(ROLLBACK)) nothing is left to undo and this succeeds; without
    // a transaction begun it raises EDatabaseError.
    void RollbackTrans();
    bool InTransaction() const { return database_.InTransaction(); }

    // Runs a statement that returns no rows; answers the rows affected.
    int Execute(const AnsiString& commandText);

    int DataSetCount() const { return static_cast<int>(dataSets_.size()); }
    TCustomADODataSet* DataSets(int index) const { return dataSets_.at(index); }

    const TNotifyEvent& BeforeConnect() const { return beforeConnect_; }
    void SetBeforeConnect(const TNotifyEvent& handler) { beforeConnect_ = handler; }
    const TNotifyEvent& AfterConnect() const { return afterConnect_; }
    void SetAfterConnect(const TNotifyEvent& handler) { afterConnect_ = handler; }
    const TNotifyEvent& BeforeDisconnect() const { return beforeDisconnect_; }
    void SetBeforeDisconnect(const TNotifyEvent& handler) { beforeDisconnect_ = handler; }
    const TNotifyEvent& AfterDisconnect() const { return afterDisconnect_; }
    void SetAfterDisconnect(const TNotifyEvent& handler) { afterDisconnect_ = handler; }

    // The database underneath, connecting first when needed.
    SqliteDatabase& Database();

    void Loaded() override;

private:
    friend class TCustomADODataSet;

    AnsiString connectionString_;
    AnsiString provider_;
    bool loginPrompt_ = true;
    bool streamedConnected_ = false;
    // BeginTrans ran and neither CommitTrans nor RollbackTrans ended it yet.
    bool transactionBegun_ = false;
    TConnectMode mode_ = cmUnknown;
    SqliteDatabase database_;
    std::vector<TCustomADODataSet*> dataSets_;
    TNotifyEvent beforeConnect_, afterConnect_, beforeDisconnect_, afterDisconnect_;
};

class TCustomADODataSet : public TDataSet {
    SERVIORA_CLASS(TCustomADODataSet, TDataSet)
    SERVIORA_PUBLISHED
public:
    explicit TCustomADODataSet(TComponent* owner);
    ~TCustomADODataSet() override;

    TADOConnection* Connection() const { return connection_; }
    void SetConnection(TADOConnection* connection);

    // The recordset's sort: "A, B DESC"; "" restores the order of reading.
    const AnsiString& Sort() const { return SortText(); }
    void SetSort(const AnsiString& value) { SetSortText(value); }

    // Rows affected by the last statement run by ExecSQL.
    int RowsAffected() const { return rowsAffected_; }

protected:
    virtual AnsiString CommandText() const { return commandText_; }
    void SetCommandText(const AnsiString& value);
    int ExecuteCommand();

    void InternalOpen(std::vector<TColumnDescription>& columns, RecordList& records) override;
    void InternalClose() override;
    void InternalPost(RecordList& records, RecordList::Row row, bool inserting,
                      const std::vector<int>& changed) override;
    void InternalDelete(RecordList& records, RecordList::Row row) override;
    bool StorageCanModify() const override { return !table_.empty(); }
    // The recordset filter language (platform/data/filter_text.h).
    std::function<bool()> FilterTextPredicate(const AnsiString& text) override;

private:
    SqliteDatabase& Database();

    TADOConnection* connection_ = nullptr;
    AnsiString commandText_;
    int rowsAffected_ = -1;
    // For an editable result: its table and each column's name there.
    AnsiString table_;
    std::vector<AnsiString> origins_;
};

class TADOQuery : public TCustomADODataSet {
    SERVIORA_CLASS(TADOQuery, TCustomADODataSet)
    SERVIORA_PUBLISHED
public:
    explicit TADOQuery(TComponent* owner);
    ~TADOQuery() override;

    // The statement, as lines joined by line breaks; changing it closes
    // the query.
    TStrings* SQL() const { return sql_.get(); }
    void SetSQL(TStrings* value) { sql_->Assign(value); }
    // Runs the statement (one that returns no rows); answers the rows affected.
    int ExecSQL() { return ExecuteCommand(); }

protected:
    AnsiString CommandText() const override { return sql_->Text(); }

private:
    std::unique_ptr<TStringList> sql_;
};

class TADODataSet : public TCustomADODataSet {
    SERVIORA_CLASS(TADODataSet, TCustomADODataSet)
    SERVIORA_PUBLISHED
public:
    explicit TADODataSet(TComponent* owner) : TCustomADODataSet(owner) {}
    AnsiString CommandText() const override { return TCustomADODataSet::CommandText(); }
    using TCustomADODataSet::SetCommandText;
};

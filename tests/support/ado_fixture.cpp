#include "support/ado_fixture.h"

#include "platform/rtl/codepage.h"
#include "tools/createdb/create_database.h"

void AdoFixture::SetUp() {
    file_ = dir_.file("database.mdb");
    serviora::CreateApplicationDatabase(AnsiToUtf8(file_));
    connection_ = std::make_unique<TADOConnection>(nullptr);
    connection_->SetLoginPrompt(false);
    connection_->SetMode(cmShareDenyNone);
    connection_->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file_ +
                                     ";Persist Security Info=False;Jet OLEDB:Database Password=secret");
    connection_->SetConnected(true);
}

std::unique_ptr<TADOQuery> AdoFixture::Open(const AnsiString& sql) {
    auto query = std::make_unique<TADOQuery>(nullptr);
    query->SetConnection(connection_.get());
    query->SQL()->Add(sql);
    query->Open();
    return query;
}

int AdoFixture::Exec(const AnsiString& sql) {
    auto query = std::make_unique<TADOQuery>(nullptr);
    query->SetConnection(connection_.get());
    query->SQL()->Add(sql);
    return query->ExecSQL();
}

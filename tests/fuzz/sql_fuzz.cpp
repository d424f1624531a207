// Statement text through the Access translation and the one-table analysis.
#include "fuzz/fuzz_target.h"
#include "platform/data/access_sql.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AnsiString sql(FuzzBytes(data, size));
    TranslateAccessSql(sql);
    if (auto plain = AnalysePlainSelect(sql)) FuzzCheck(plain->afterSelect <= sql.size(), "an offset inside the text");
    return 0;
}

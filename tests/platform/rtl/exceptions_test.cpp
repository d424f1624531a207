#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>

#include "platform/rtl/codepage.h"

namespace {

TEST(Exceptions, CarryTheirMessageAndClass) {
    try {
        throw EFOpenError("无法打开");
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message(), "无法打开");
        EXPECT_STREQ(e.what(), Utf8(u8"无法打开").c_str());
    }
    EXPECT_THROW(Abort(), EAbort);
}

TEST(Exceptions, ResourceStringsById) {
    AddResourceStrings({{64981, "未找到"}, {64982, "second"}});
    EXPECT_EQ(LoadStr(64981), "未找到");
    EXPECT_EQ(LoadStr(1), "");
    EXPECT_EQ(EConvertError(ResId{64982}).Message(), "second");
}

}  // namespace

namespace {

TEST(Exceptions, AHeapExceptionIsThrownAsItsOwnClass) {
    auto* made = new EConvertError("bad number");
    made->SetHelpContext(12);
    try {
        RaiseHeapException(made);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "bad number");
        EXPECT_EQ(e.HelpContext(), 12);
        EXPECT_EQ(e.ClassType(), EConvertError::StaticClass());
        return;
    } catch (...) {
    }
    ADD_FAILURE() << "not thrown as EConvertError";
}

}  // namespace

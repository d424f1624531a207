// Report objects by type code: codes without a class, add-ins by name, the
// names a loading template could not resolve, and bands by type.
#include <gtest/gtest.h>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/list.h"
#include "report/core/qm_factory.h"

namespace {

class TAddInView : public TQmCustomView {
    SERVIORA_CLASS(TAddInView, TQmCustomView)
};

TEST(QmFactory, TypeCodes) {
    RegisterAddInObject(TAddInView::StaticClass());
    for (Byte code : {3, 5, 8, 49, 67, 99, 101}) EXPECT_EQ(CreateReportObject(code, "TAddInView"), nullptr) << int(code);
    auto addIn = CreateReportObject(QmAddInTypeCode, "taddinview");
    EXPECT_NE(dynamic_cast<TAddInView*>(addIn.get()), nullptr);
    try {
        CreateReportObject(QmAddInTypeCode, "TQmDialogComponent");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "TQmDialogComponent\r");
    }
    EXPECT_EQ(CreateBandByType(17), nullptr);
    EXPECT_EQ(CreateBandByType(-1), nullptr);
}

TEST(QmFactory, LoadingCollectsTheUnknownNames) {
    bool unknown = false;
    AnsiString names = "TFirst\r";
    EXPECT_THROW(CreateReportObjectForLoad(QmAddInTypeCode, "TSecond", unknown, names), EClassNotFound);
    EXPECT_TRUE(unknown);
    EXPECT_EQ(names, "TFirst\rTSecond\r");
    unknown = false;
    EXPECT_EQ(CreateReportObjectForLoad(3, "", unknown, names), nullptr);
    EXPECT_FALSE(unknown);
}

TEST(QmFactory, FreeListObjectsFreesAndEmpties) {
    TList list;
    int destroyed = 0;
    struct Counted : TObject {
        explicit Counted(int& count) : count_(count) {}
        ~Counted() override { ++count_; }
        int& count_;
    };
    list.Add(new Counted(destroyed));
    list.Add(new Counted(destroyed));
    FreeListObjects(&list);
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(list.Count(), 0);
    FreeListObjects(nullptr);
}

}  // namespace

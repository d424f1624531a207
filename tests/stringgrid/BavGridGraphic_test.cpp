#include "stringgrid/BavGridGraphic.h"

#include <gtest/gtest.h>

#include "platform/ui/graphic.h"
#include "stringgrid/BavObj.h"

namespace {

// An object that tells when it is freed.
class Watched : public TObject {
public:
    explicit Watched(bool& freed) : freed_(freed) {}
    ~Watched() override { freed_ = true; }

private:
    bool& freed_;
};

TEST(CellGraphic, StartsAsNone) {
    TCellGraphic graphic;
    EXPECT_EQ(graphic.CellType(), ctNone);
    EXPECT_FALSE(graphic.CellCreated());
    EXPECT_EQ(graphic.CellContent(), nullptr);
    EXPECT_TRUE(VarIsEmpty(graphic.CellTag()));
    EXPECT_EQ(int(ctXPProgress), 24);
    EXPECT_EQ(int(ctEmpty), 10);
}

TEST(CellGraphic, FreesWhatItOwnsByType) {
    struct Case {
        TCellType type;
        bool created;
        bool inExtra;
        bool freed;
    };
    const Case cases[] = {
        {ctBitmap, true, false, true},  {ctBitmap, false, false, false}, {ctRadio, true, false, true},
        {ctImages, false, false, true}, {ctIcon, true, true, true},      {ctIcon, false, true, false},
        {ctCheckBox, true, false, false},
    };
    for (const Case& c : cases) {
        bool freed = false;
        auto* object = new Watched(freed);
        {
            TCellGraphic graphic;
            graphic.SetCellType(c.type);
            graphic.SetCellCreated(c.created);
            if (c.inExtra)
                graphic.SetCellExtra(object);
            else
                graphic.SetCellContent(object);
        }
        EXPECT_EQ(freed, c.freed) << int(c.type) << " " << c.created;
        if (!freed) delete object;
    }
}

TEST(CellGraphic, AssignCopiesTheFieldsButNotTheSlots) {
    TCellGraphic source, copy;
    source.SetCellType(ctProgress);
    source.SetCellContentColor(clRed);
    source.SetCellExtraColor(clWhite);
    source.SetCellErrFrom(10);
    source.SetCellErrLen(90);
    source.SetCellText("%d%%");
    source.SetCellBoolean(true);
    source.SetCellValue(65539);
    source.SetCellTag(Variant(3));
    copy.Assign(&source);
    EXPECT_EQ(copy.CellType(), ctProgress);
    EXPECT_EQ(copy.CellErrLen(), 90);
    EXPECT_EQ(copy.CellText(), "%d%%");
    EXPECT_TRUE(copy.CellBoolean());
    EXPECT_EQ(copy.CellValue(), 65539);
    EXPECT_EQ(copy.CellContentColor(), 0) << "the slots stay";
    EXPECT_TRUE(VarIsEmpty(copy.CellTag()));
    EXPECT_EQ(source.CellContentColor(), clRed);

    TCellGraphic shared;
    shared.SetCellType(ctRowCheckBox);
    EXPECT_FALSE(shared.OwnedByCell());
}

}  // namespace

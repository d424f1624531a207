// Wrapping text objects' lines on a 96-dpi canvas: punctuation that may not
// start a line, words wider than the width, empty lines, line breaks and
// stacked vertical text with size tags.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/stringlist.h"
#include "report/core/qm_utils.h"

namespace {

class WrapTextLinesTest : public testing::Test {
protected:
    void SetUp() override {
        bitmap_->SetSize(8, 8);
        canvas()->Font()->SetName("宋体");
        canvas()->Font()->SetHeight(-12);
        hanzi_ = canvas()->TextWidth("中");
        ASSERT_GT(hanzi_, 0);
    }

    TCanvas* canvas() { return bitmap_->Canvas(); }

    // Wraps the lines (joined by "\n" in `text`) and answers the result.
    std::vector<AnsiString> Wrap(const AnsiString& text, int width, bool wordBreak = true,
                                 bool horizontal = true, bool tags = false) {
        auto source = std::unique_ptr<TStringList>(TStringList::Create());
        auto dest = std::unique_ptr<TStringList>(TStringList::Create());
        for (std::size_t begin = 0;;) {
            const std::size_t end = text.find('\n', begin);
            source->Add(text.substr(begin, end == AnsiString::npos ? AnsiString::npos : end - begin));
            if (end == AnsiString::npos) break;
            begin = end + 1;
        }
        height_ = WrapTextLines(source.get(), dest.get(), canvas(), horizontal, tags, wordBreak, 10, width);
        std::vector<AnsiString> lines;
        for (int i = 0; i < dest->Count(); ++i) lines.push_back(dest->Strings(i));
        return lines;
    }

    std::unique_ptr<TBitmap> bitmap_{TBitmap::Create()};
    int hanzi_ = 0;
    int height_ = 0;
};

using Lines = std::vector<AnsiString>;

TEST_F(WrapTextLinesTest, FullStopNeverStartsALine) {
    // Four characters fit; the fourth would leave "。" to start the next line.
    EXPECT_EQ(Wrap("一二三四。五", hanzi_ * 4), (Lines{"一二三", "四。五"}));
    EXPECT_EQ(height_, 20);
    EXPECT_EQ(Wrap("一二三四。五", hanzi_ * 4, false), (Lines{"一二三四", "。五"}));
}

TEST_F(WrapTextLinesTest, WordsMoveWholeAndLongWordsBreakBetweenCharacters) {
    const int letter = canvas()->TextWidth("a");
    EXPECT_EQ(Wrap("ab cd", letter * 4), (Lines{"ab ", "cd"}));
    const Lines broken = Wrap("abcdefgh", letter * 3);
    EXPECT_EQ(broken, (Lines{"ab", "cd", "ef", "gh"}));
    // A Chinese character is never split, and a line too narrow for one
    // still takes one.
    EXPECT_EQ(Wrap("中文", hanzi_ / 2), (Lines{"中", "文"}));
}

TEST_F(WrapTextLinesTest, EveryPieceGivesALine) {
    EXPECT_EQ(Wrap("", 100), (Lines{""}));
    EXPECT_EQ(height_, 10);
    EXPECT_EQ(Wrap("a\n\nb", 100), (Lines{"a", "", "b"}));
    EXPECT_EQ(Wrap("a`b", 100, true, true, true), (Lines{"a", "b"}));
    EXPECT_EQ(Wrap("a`b", 100), (Lines{"a`b"}));
}

TEST_F(WrapTextLinesTest, VerticalTextStacksCharacterHeightsAndTagsHalveThem) {
    canvas()->Font()->SetHeight(-24);  // 18 points; the tags' size is 9
    const int high = canvas()->TextHeight("中");
    EXPECT_EQ(Wrap("一二三", high * 2 + 2, true, false), (Lines{"一二", "三"}));
    // "~" makes the following characters half size: all three fit.
    EXPECT_EQ(Wrap("一~二三", high * 2 + 2, true, false, true), (Lines{"一~二三"}));
    EXPECT_EQ(Wrap("一~二三|四", high * 2 + 2, true, false, true), (Lines{"一~二三|", "四"}));
    EXPECT_EQ(canvas()->Font()->Height(), -24);
}

}  // namespace

#include <gtest/gtest.h>

#include <memory>

#include "gif_builder.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"
#include "platform/ui/imagelist.h"
#include "stringgrid/html/BqgHTMLE.h"
#include "stringgrid/html/PictureContainer.h"

namespace {

// Markup drawn on a white offscreen bitmap in a plain black font.
class HTMLDraw : public ::testing::Test {
protected:
    void SetUp() override {
        bitmap_.SetSize(300, 200);
        canvas()->Font()->SetName("Tahoma");
        canvas()->Font()->SetSize(10);
        canvas()->Font()->SetColor(clBlack);
        Clear();
    }
    TCanvas* canvas() { return bitmap_.Canvas(); }
    void Clear() {
        canvas()->Brush()->SetColor(clWhite);
        canvas()->FillRect(Rect(0, 0, 300, 200));
    }
    THTMLDrawParams Params(const AnsiString& markup, TRect rect = Rect(0, 0, 300, 200)) {
        THTMLDrawParams params;
        params.Canvas = canvas();
        params.HTMLText = markup;
        params.Rect = rect;
        return params;
    }
    THTMLDrawResult Draw(const THTMLDrawParams& params, bool* hit = nullptr) {
        THTMLDrawResult result;
        bool answer = DrawHTMLText(params, result);
        if (hit) *hit = answer;
        return result;
    }
    THTMLDrawResult Measure(const AnsiString& markup, TRect rect = Rect(0, 0, 300, 200), bool wrap = false) {
        THTMLDrawParams params = Params(markup, rect);
        params.MeasureOnly = true;
        params.WordWrap = wrap;
        return Draw(params);
    }
    // The width of text in the canvas font with the given changes.
    int Width(const AnsiString& text, TFontStyles style = {}, int size = 10) {
        TFont saved;
        saved.Assign(canvas()->Font());
        canvas()->Font()->SetStyle(style);
        canvas()->Font()->SetSize(size);
        int width = canvas()->TextWidth(text);
        canvas()->Font()->Assign(&saved);
        return width;
    }
    int GH() { return canvas()->TextHeight("gh"); }
    bool AnyPixel(TRect area, TColor color) {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (canvas()->Pixels(x, y) == color) return true;
        return false;
    }
    int LeftmostNonWhite(TRect area) {
        for (int x = area.left; x < area.right; ++x)
            for (int y = area.top; y < area.bottom; ++y)
                if (canvas()->Pixels(x, y) != clWhite) return x;
        return -1;
    }

    TBitmap bitmap_;
};

TEST_F(HTMLDraw, EntitiesShowTheirCharacters) {
    EXPECT_EQ(Measure("a &amp; b").PlainText, "a & b");
    THTMLDrawResult tags = Measure("&lt;B&gt;x");
    EXPECT_EQ(tags.PlainText, "<B>x");
    EXPECT_EQ(tags.MaxLineWidth, Width("<B>x")) << "the text is not bold";
    EXPECT_EQ(Measure("&euro;&copy;").PlainText, "€©") << "signs of the system code page";
    EXPECT_EQ(Measure("<#Sum> total").PlainText, "#Sum total");
}

TEST_F(HTMLDraw, StateCrossesLines) {
    THTMLDrawResult result = Measure("<B>one<BR>two</B>");
    EXPECT_EQ(result.PlainText, "one\rtwo");
    EXPECT_EQ(result.MaxLineWidth, std::max(Width("one", {fsBold}), Width("two", {fsBold})));
    EXPECT_EQ(result.TotalHeight, 2 * GH());
    EXPECT_EQ(Measure("one\r\ntwo").PlainText, "one\rtwo") << "CR LF is one break";
    EXPECT_EQ(Measure("").TotalHeight, GH());
}

TEST_F(HTMLDraw, WrapsAtBlanksAndKeepsNonBreakingSpaces) {
    const int narrow = Width("aaa bbb ") + 2;  // a run's trailing blank counts when it is fitted
    THTMLDrawResult wrapped = Measure("aaa bbb ccc ddd", Rect(0, 0, narrow, 200), true);
    EXPECT_EQ(wrapped.TotalHeight, 2 * GH());
    EXPECT_EQ(wrapped.MaxLineWidth, Width("aaa bbb")) << "the trailing blank does not count";

    THTMLDrawResult joined = Measure("xx aaa&nbsp;bbb", Rect(0, 0, Width("xx aaa") + 4, 200), true);
    EXPECT_EQ(joined.TotalHeight, 2 * GH());
    EXPECT_EQ(joined.MaxLineWidth, Width("aaa bbb")) << "the joined words moved together";

    THTMLDrawResult longWord = Measure("a verylongwordindeed b", Rect(0, 0, Width("verylong"), 200), true);
    EXPECT_EQ(longWord.TotalHeight, 3 * GH());
    EXPECT_EQ(longWord.MaxLineWidth, Width("verylongwordindeed")) << "a word wider than the line stays whole";
}

TEST_F(HTMLDraw, WithoutWrapAnOverflowEndsTheText) {
    const int narrow = Width("aaaa bbbb");
    THTMLDrawResult result = Measure("aaaa bbbb cccc <B>dd</B><BR>next", Rect(0, 0, narrow, 200));
    EXPECT_EQ(result.PlainText, "aaaa bbbb cccc dd");
    EXPECT_EQ(result.TotalHeight, GH());
}

TEST_F(HTMLDraw, FontSizesAndColours) {
    EXPECT_EQ(Measure("<FONT SIZE=\"4\">x</FONT>").MaxLineWidth, Width("x", {}, 14));
    EXPECT_EQ(Measure("<FONT SIZE=9>x</FONT>").MaxLineWidth, Width("x", {}, 9));
    EXPECT_EQ(Measure("<FONT SIZE=\"4\">x</FONT>y").MaxLineWidth, Width("x", {}, 14) + Width("y"));

    Draw(Params("<FONT COLOR=\"#ff0000\">WWW</FONT>"));
    EXPECT_TRUE(AnyPixel(Rect(0, 0, 60, GH()), clRed));
    Clear();
    Draw(Params("<FONT COLOR=\"clRed\">WWW</FONT>WWW"));
    const int split = 1 + Width("WWW");
    EXPECT_TRUE(AnyPixel(Rect(0, 0, split, GH()), clRed));
    EXPECT_FALSE(AnyPixel(Rect(split, 0, split + 40, GH()), clRed)) << "</FONT> returns to the base colour";
    EXPECT_EQ(canvas()->Font()->Color(), clBlack) << "the canvas font is restored";
}

TEST_F(HTMLDraw, HighlightPaintsTheHighlightBackground) {
    Draw(Params("<HI>ab</HI> cd"));
    const TColor highlight = TColor(ColorToRGB(clHighlight));
    EXPECT_TRUE(AnyPixel(Rect(1, 0, 1 + Width("ab"), GH()), highlight));
    EXPECT_FALSE(AnyPixel(Rect(3 + Width("ab "), 0, 60, GH()), highlight));
    Clear();
    Draw(Params("ab</HI>cd"));
    EXPECT_FALSE(AnyPixel(Rect(0, 0, 60, GH()), highlight)) << "</HI> alone changes nothing";
}

TEST_F(HTMLDraw, ParagraphAlignmentHoldsUntilChanged) {
    Draw(Params("xy<P ALIGN=\"right\">ab</P>cd <BR><P ALIGN=\"left\">ef", Rect(0, 0, 200, 200)));
    const int gh = GH();
    EXPECT_GT(LeftmostNonWhite(Rect(0, 0, 200, gh)), 200 - Width("xyab") - 3) << "<P> does not end the line";
    EXPECT_GT(LeftmostNonWhite(Rect(0, gh, 200, 2 * gh)), 200 - Width("cd") - 3)
        << "still right-aligned; the trailing blank does not shift it";
    EXPECT_LE(LeftmostNonWhite(Rect(0, 2 * gh, 200, 3 * gh)), 3);
}

TEST_F(HTMLDraw, ListsIndentAndBullet) {
    const AnsiString markup = "<UL><LI>one</LI><LI>two</LI><UL><LI>sub</LI></UL></UL>";
    THTMLDrawResult result = Measure(markup);
    EXPECT_EQ(result.PlainText, "onetwosub");
    EXPECT_EQ(result.TotalHeight, 6 * GH()) << "each <UL> ends its own line, the closing tags make the last";
    Draw(Params(markup));
    const int gh = GH();
    EXPECT_EQ(LeftmostNonWhite(Rect(13, gh, 300, 2 * gh)), 13) << "text 12 pixels right of the line's left";
    EXPECT_LT(LeftmostNonWhite(Rect(0, gh, 13, 2 * gh)), 13) << "a bullet at the line's left";
    int inkedRows = 0;
    for (int y = gh; y < 2 * gh; ++y) inkedRows += LeftmostNonWhite(Rect(0, y, 12, y + 1)) >= 0;
    EXPECT_LE(inkedRows, gh / 2) << "the symbol face's bullet, a small dot";
    EXPECT_LE(LeftmostNonWhite(Rect(25, 4 * gh, 300, 5 * gh)), 26) << "text 24 pixels right";
    EXPECT_GE(LeftmostNonWhite(Rect(0, 4 * gh, 25, 5 * gh)), 13) << "the second level's bullet at 12";
}

TEST_F(HTMLDraw, StopsAtTheBottom) {
    const int gh = GH();
    THTMLDrawResult result = Draw(Params("a<BR>b<BR>c<BR>d", Rect(0, 0, 100, 2 * gh + gh / 2)));
    EXPECT_EQ(result.TotalHeight, 2 * gh);
    EXPECT_EQ(result.PlainText, "a\rb\r");
}

TEST_F(HTMLDraw, ImagesFromTheListTakeTheirSize) {
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    TBitmap square;
    square.SetSize(16, 16);
    square.Canvas()->Brush()->SetColor(clBlue);
    square.Canvas()->FillRect(Rect(0, 0, 16, 16));
    for (int i = 0; i < 10; ++i) images.Add(&square, nullptr);
    THTMLDrawParams params = Params("<IMG SRC=\"IDX:99\">");
    params.Images = &images;
    params.MeasureOnly = true;
    EXPECT_EQ(Draw(params).MaxLineWidth, 0);
    params.HTMLText = "<IMG SRC=\"idx:3\">x";
    THTMLDrawResult result = Draw(params);
    EXPECT_EQ(result.MaxLineWidth, 16 + Width("x"));
    EXPECT_EQ(result.TotalHeight, std::max(16, GH()));
    params.MeasureOnly = false;
    Draw(params);
    EXPECT_EQ(canvas()->Pixels(5, 5), clBlue);
    EXPECT_EQ(canvas()->Pixels(20, 20), clWhite);
    params.ScaleImages = true;
    params.ImageScale = 2.0;
    Draw(params);
    EXPECT_EQ(canvas()->Pixels(20, 20), clBlue) << "stretched for printing";
}

TEST_F(HTMLDraw, SystemIconsBySizeNumberOrName) {
    struct Case {
        const char* markup;
        int width;
    };
    const Case cases[] = {
        {"<IMG SRC=\"SSYS:report.txt\">", 16},
        {"<IMG SRC=\"lsys:report.txt\">", 32},
        {"<IMG SRC=\"SSYS:0\">", 16},
        {"<IMG SRC=\"SSYS:99999\">", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Measure(c.markup).MaxLineWidth, c.width) << c.markup;
    Draw(Params("<IMG SRC=\"LSYS:report.txt\">"));
    EXPECT_TRUE(LeftmostNonWhite(Rect(0, 0, 40, 40)) >= 0);
}

TEST_F(HTMLDraw, LinkedPicturesAnswerTheHitTest) {
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("dot");
    TStringStream gif(GifBuilder(10, 10).Frame(0, 0, 10, 10, 0, false).Done());
    item->Picture()->LoadFromStream(&gif);

    THTMLDrawParams params = Params("ab<A HREF=\"Next.Page\"><IMG SRC=\"DOT\"></A>");
    params.PictureContainer = &container;
    const int x = 1 + Width("ab") + 5;
    params.XPos = x;
    params.YPos = 5;
    bool hit = false;
    THTMLDrawResult result = Draw(params, &hit);
    EXPECT_TRUE(hit);
    EXPECT_EQ(result.Anchor, "Next.Page");
    EXPECT_EQ(canvas()->Pixels(x, 5), clRed);

    params.HTMLText = "ab<IMG SRC=\"dot\">";
    result = THTMLDrawResult{};
    result = Draw(params, &hit);
    EXPECT_FALSE(hit);
    EXPECT_EQ(result.Anchor, "");
}

TEST_F(HTMLDraw, AnchorsReportHoverAndCount) {
    THTMLDrawParams params = Params("go <A HREF=\"a1\" TITLE=\"First\">one</A> and <A HREF=\"a2\">two</A>");
    params.HitTestOnly = true;
    params.XPos = 1 + Width("go o");
    params.YPos = GH() / 2;
    bool hit = false;
    THTMLDrawResult result = Draw(params, &hit);
    EXPECT_TRUE(hit);
    EXPECT_EQ(result.Anchor, "a1");
    EXPECT_EQ(result.AnchorTitle, "First");
    EXPECT_EQ(result.LinkCount, 2);
    EXPECT_EQ(result.HoveredLink, 1);
    EXPECT_EQ(result.HoverRect.left, 1 + Width("go "));
    EXPECT_EQ(result.HoverRect.right, 1 + Width("go one"));

    params.XPos = 250;
    result = THTMLDrawResult{};
    result.Anchor = "kept";
    hit = DrawHTMLText(params, result);
    EXPECT_FALSE(hit);
    EXPECT_EQ(result.Anchor, "kept") << "nothing under the point keeps the caller's anchor";
    EXPECT_EQ(result.HoveredLink, -1);
}

TEST_F(HTMLDraw, LinksTakeTheURLColour) {
    THTMLDrawParams params = Params("<A HREF=\"x\">WWW</A>");
    params.URLColor = clGreen;
    Draw(params);
    EXPECT_TRUE(AnyPixel(Rect(0, 0, 60, GH() + 2), clGreen));
}

TEST_F(HTMLDraw, ControlsAreFoundByIdOrPoint) {
    const AnsiString markup = "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"60\"> "
                              "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"1\">";
    THTMLDrawParams params = Params(markup);
    params.HitTestOnly = true;
    THTMLDrawResult result;
    result.ControlID = "c1";
    bool hit = DrawHTMLText(params, result);
    EXPECT_TRUE(hit);
    const int checkLeft = 1 + Width("Name ") + 60 + Width(" ");
    EXPECT_EQ(result.ControlRect, Rect(checkLeft, 0, checkLeft + 16, 16));
    EXPECT_EQ(result.ControlType, "CHECK");
    EXPECT_EQ(result.ControlValue, "TRUE");
    EXPECT_EQ(result.Anchor, "ctrl");

    params.HitTestOnly = false;
    params.XPos = 1 + Width("Name ") + 10;
    params.YPos = 3;
    result = THTMLDrawResult{};
    hit = DrawHTMLText(params, result);
    EXPECT_TRUE(hit);
    EXPECT_EQ(result.ControlID, "e1");
    EXPECT_EQ(result.ControlRect.right - result.ControlRect.left, 60);
    EXPECT_EQ(result.ControlRect.bottom, GH() + 6);
}

}  // namespace

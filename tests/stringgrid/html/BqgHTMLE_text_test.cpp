#include <gtest/gtest.h>

#include "stringgrid/html/BqgHTMLE.h"

namespace {

TEST(HTMLText, StripsTags) {
    struct Case {
        const char* markup;
        const char* plain;
    };
    const Case cases[] = {
        {"<b>bold</b> word<BR>next", "bold word\r\nnext"},
        {"a<hr>b", "a\r\nb"},
        {"a < b", "a < b"},
        {"x<b>y</b>z<unclosed", "xyz<unclosed"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(StripHTMLTags(c.markup), c.plain) << c.markup;
    EXPECT_EQ(StripTags("a<br>b"), "ab");
}

TEST(HTMLText, HighlightsVisibleMatches) {
    struct Case {
        const char* markup;
        const char* search;
        bool matchCase;
        const char* expected;
    };
    const Case cases[] = {
        {"<B>abc</B>", "b", false, "<B>a<HI>b</HI>c</B>"},
        {"<B>abc</B>", "a", false, "<B><HI>a</HI>bc</B>"},
        {"ab<i>cd</i>", "bc", false, "a<HI>b<i>c</HI>d</i>"},
        {"Abab", "ab", true, "Ab<HI>ab</HI>"},
        {"Abab", "ab", false, "<HI>Ab</HI><HI>ab</HI>"},
        {"none", "x", false, "none"},
    };
    for (const Case& c : cases) EXPECT_EQ(HighlightHTMLText(c.markup, c.search, "HI", c.matchCase), c.expected) << c.markup;
}

TEST(HTMLText, RemovesPlainTagsOnly) {
    EXPECT_EQ(RemoveHTMLTag("<hi>a</HI><HI x>b", "hi"), "a<HI x>b");
}

TEST(HTMLText, ReadsAndWritesControls) {
    const AnsiString markup =
        "Name <CONTROL TYPE=\"button\" ID=\"b1\" WIDTH=\"40\" VALUE=\"Go\"> "
        "<control type=\"EDIT\" id=\"e1\" value=\"a &amp; b\" width=\"60\"> "
        "<CONTROL TYPE=\"COMBO\" ID=\"c1\" WIDTH=\"80\" PROP=\"one,two\">";
    EXPECT_TRUE(HasHTMLControls(markup));
    EXPECT_FALSE(HasHTMLControls("<b>x</b>"));
    EXPECT_EQ(GetNextEditControlID(markup, ""), "e1");
    EXPECT_EQ(GetNextEditControlID(markup, "e1"), "c1");
    EXPECT_EQ(GetNextEditControlID(markup, "c1"), "");
    EXPECT_EQ(GetControlProp(markup, "c1"), "one,two");
    EXPECT_EQ(GetControlProp(markup, "zz"), "");

    THTMLControl control = ParseControlTag("<control type=\"edit\" id=\"e1\" value=\"a &lt;&amp;&gt; b\" width=\"60\">");
    EXPECT_EQ(control.Type, "EDIT");
    EXPECT_EQ(control.ID, "e1");
    EXPECT_EQ(control.Value, "a <&> b");
    EXPECT_EQ(control.Width, "60");

    AnsiString changed = markup;
    EXPECT_EQ(SetControlValue(changed, "c1", "t\"wo"), 1);
    EXPECT_EQ(changed.substr(changed.find("<CONTROL ID=\"c1\"")),
              "<CONTROL ID=\"c1\" VALUE=\"t&quot;wo\" WIDTH=\"80\" TYPE=\"COMBO\" PROP=\"one,two\">");
    EXPECT_EQ(changed.substr(0, changed.find("<CONTROL ID")), markup.substr(0, markup.find("<CONTROL TYPE=\"COMBO")));
    AnsiString unchanged = markup;
    EXPECT_EQ(SetControlValue(unchanged, "nosuch", "x"), 0);
    EXPECT_EQ(unchanged, markup);
}

TEST(HTMLText, EntitiesAndColours) {
    EXPECT_EQ(EncodeHTMLEntities("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
    EXPECT_EQ(DecodeHTMLEntities("a&lt;b&gt;&amp;lt;&quot;"), "a<b>&lt;\"");
    struct Case {
        const char* text;
        TColor color;
    };
    const Case names[] = {
        {"clRed", 0x0000FF}, {"CLNAVY", 0x800000}, {"cl3ddkshadow", SystemColor(21)}, {"clInfoBk", SystemColor(24)},
        {"nosuch", 0},
    };
    for (const Case& c : names) EXPECT_EQ(ColorFromName(c.text), c.color) << c.text;
    const Case hex[] = {{"#ff0000", 0x0000FF}, {"#FF0000", 0x0000FF}, {"#102030", 0x302010}, {"#12", 0x12}, {"#", 0}};
    for (const Case& c : hex) EXPECT_EQ(ColorFromHex(c.text), c.color) << c.text;
}

}  // namespace

// The render state of one DrawHTMLText call and its line engine. Each line of
// markup is laid out twice: a measuring pass that finds how much markup fits,
// the line's height and the hit-test answers, then a drawing pass over the
// same markup at the line's aligned place (or a second measuring pass when
// only hit-testing). State that tags set carries over from line to line.
#pragma once

#include <memory>

#include "platform/ui/graphics.h"
#include "stringgrid/html/BqgHTMLE.h"

class THTMLPicture;

namespace htmlrender {

enum class Pass {
    Layout,   // measures, fits runs and items, fills PlainText and MaxLineWidth
    Draw,     // draws what the layout pass consumed
    HitTest,  // measures what the layout pass consumed, at its drawn place
};

// One line of one pass.
struct Line {
    TRect rect{};     // left = where the line starts, bottom = the band's bottom
    TRect run{};      // the rectangle of the next run; left = the current x
    int penPos = 0;   // pixels from rect.left
    int height = 0;   // at least the height of "gh"
    int gh = 0;       // the height of "gh" in the line's starting font
    int subAllowance = 0, supAllowance = 0, baselineShift = 0;
    bool bulletPlaced = false;
    bool ended = false;
    int trailingBlank = 0;
    AnsiString text;      // text runs placed so far
    AnsiString consumed;  // the markup of the line
    bool onAnchorText = false, onItem = false;
    // The anchor whose text lies under the point's x on this line.
    bool pointOnAnchor = false;
    AnsiString pointHref;
};

class Renderer {
public:
    Renderer(const THTMLDrawParams& params, THTMLDrawResult& result);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    bool Run();

private:
    // The state a line's two passes both start from.
    struct LineStart {
        bool inAnchor;
        AnsiString href;
        int linkCounter, imageCounter, listLevel;
        bool hidden, subscript, superscript;
    };
    LineStart SaveLineStart() const;
    void RestoreLineStart(const LineStart& start);

    void DrawHTMLLine(AnsiString& markup, Line& line, Pass pass);
    bool PlaceTextRun(AnsiString& markup, Line& line, Pass pass);
    void ApplyTag(const AnsiString& tag, Line& line, Pass pass, bool& consume);
    void ApplyOpeningTag(const AnsiString& tag, Line& line, Pass pass, bool& consume);
    void ApplyClosingTag(const AnsiString& tag, Line& line, Pass pass);
    void OpenAnchor(const AnsiString& tag, Line& line, Pass pass);
    void CloseAnchor(Line& line, Pass pass);
    void ApplyFont(const AnsiString& tag, Pass pass);
    void ApplyParagraph(const AnsiString& tag, Line& line, Pass pass);
    void ApplyBody(const AnsiString& tag, Pass pass);
    void PlaceBullet(Line& line, Pass pass, bool& consume);
    void Rotate(const AnsiString& tag);
    void EndRotation();

    // Images and form controls: false when the item does not fit the line.
    bool PlaceImage(const AnsiString& tag, Line& line, Pass pass);
    bool PlaceControl(const AnsiString& tag, Line& line, Pass pass);
    bool FitItem(Line& line, Pass pass, int width, int height);
    bool PointOnItem(const Line& line, int width, int height) const;
    THTMLPicture* FindPicture(const AnsiString& source);
    void DrawControl(const THTMLControl& control, const Line& line, int width);

    void DrawFocusFrame(int left, int top, int right, int bottom);
    void DrawErrorMark(int left, int right, int base);
    TColor BrushColorOrNone() const;
    void SetBrushColorOrClear(TColor color);
    int TextHeight(const AnsiString& text);
    int GHHeight() { return TextHeight("gh"); }
    bool Draws(Pass pass) const { return pass == Pass::Draw; }

    const THTMLDrawParams& p_;
    THTMLDrawResult& r_;
    TCanvas* canvas_;
    UINT format_;  // the drawing format of text runs

    TFont baseFont_;
    TColor entryBrushColor_;
    std::unique_ptr<TFont> layoutFont_, drawFont_;  // the running font of each pass

    bool inAnchor_ = false;
    AnsiString href_;
    bool hidden_ = false, shadow_ = false, errorMark_ = false, subscript_ = false, superscript_ = false;
    bool paraBackground_ = false;
    int listLevel_ = 0;
    int align_ = 0;  // 0 left, 1 right, 2 centre
    int indent_ = 0;

    TColor hoverBrush_ = clNone, hoverFont_ = clNone;
    TColor fontBackground_ = clNone;  // the brush </FONT> returns to
    bool hiSaved_ = false;
    TColor hiFont_ = clNone, hiBrush_ = clNone;
    TColor paraBrush_ = clNone;

    HFONT rotatedFont_ = 0, fontBeforeRotation_ = 0;

    AnsiString requestedControlID_;  // the control HitTestOnly looks up
    int linkCounter_ = 0, imageCounter_ = 0, hotImage_ = -1;
    int lineNumber_ = 0;

    // The anchor being laid out: where it began, and whether the point lies
    // on it in the current pass.
    int anchorStartX_ = 0, anchorStartTop_ = 0, anchorStartLine_ = -1;
    bool anchorUnderPoint_ = false;
    // The focus frame of anchor FocusLink while it is open.
    bool focusOpen_ = false;
    int focusLeft_ = 0, focusTop_ = 0;
    // Hover answers of the current pass, confirmed by the driver once the
    // line's band is known.
    bool lineHovered_ = false;
    int lineHoveredLink_ = -1;
    TRect lineHoverRect_{};
};

}  // namespace htmlrender

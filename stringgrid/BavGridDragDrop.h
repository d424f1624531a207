// The grid's OLE drop target and drop source: drops go into cells from the
// drop cell on, a column drop is reported, a dropped CSV or workbook file
// is loaded, and the drag-over moves the drop arrows and scrolls.
#pragma once

#include "stringgrid/BavGrid.h"
#include "stringgrid/dragdrop/bqgdd.h"

class TGridDropTarget : public TBQGDropTarget {
    SERVIORA_CLASS(TGridDropTarget, TBQGDropTarget)
public:
    explicit TGridDropTarget(TBavStringGrid* grid) : grid_(grid) {}

protected:
    void DropText(POINT point, const AnsiString& text) override;
    void DropColumn(POINT point, int column) override;
    void DropRichText(POINT point, const AnsiString& richText) override;
    void DropFiles(POINT point, TStrings* files) override;
    void DragOverPoint(POINT point, bool& allow, TDropFormats formats) override;
    void DoDragLeave() override;

private:
    TBavStringGrid* grid_;
};

class TGridDropSource : public TBQGDropSource {
    SERVIORA_CLASS(TGridDropSource, TBQGDropSource)
public:
    explicit TGridDropSource(TBavStringGrid* grid) : grid_(grid) {}
    // The last copy or move effect shown.
    DWORD LastEffect() const { return lastEffect_; }

protected:
    void EffectChanged(DWORD effect) override;

private:
    TBavStringGrid* grid_;
    DWORD lastEffect_ = DROPEFFECT_NONE;
};

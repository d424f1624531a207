// The cell-object clipboard format: a copied range as a run of records
// (range, then per cell its text, properties, graphic and the graphic's
// object), each a component in the streaming's resource form so that every
// read is bounded by its record. A paste reads and checks every record
// before the grid changes.
#include <cmath>
#include <vector>

#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavGridIO.h"

namespace {

AnsiString JoinSizes(int first, int last, const std::function<int(int)>& size) {
    AnsiString text;
    for (int i = first; i <= last; ++i) text += (i > first ? "," : "") + IntToStr(size(i));
    return text;
}

// The sizes of a comma list, exactly `count` of them, or EReadError.
std::vector<int> SplitSizes(const AnsiString& text, int count) {
    std::vector<int> sizes;
    std::size_t pos = 0;
    while (pos <= text.size() && !text.empty()) {
        const std::size_t comma = text.find(',', pos);
        int value = 0;
        if (!TryStrToInt(text.substr(pos, comma == AnsiString::npos ? AnsiString::npos : comma - pos), value) ||
            value < 0)
            throw EReadError("Invalid stream format");
        sizes.push_back(value);
        if (comma == AnsiString::npos) break;
        pos = comma + 1;
    }
    if (int(sizes.size()) != count) throw EReadError("Invalid stream format");
    return sizes;
}

// Whether the graphic's object travels with it: only an object the graphic
// owns (an image index list always is).
bool CarriesObject(const TCellGraphic& graphic) {
    switch (graphic.CellType()) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
        return graphic.CellCreated();
    default:
        return true;
    }
}

template <typename Record>
std::unique_ptr<Record> ReadRecord(TStream* stream, std::unique_ptr<Record> record) {
    stream->ReadComponentRes(record.get());
    return record;
}

// One cell as read, before it goes into the grid.
struct TCellRecord {
    std::unique_ptr<TGridCellIO> cell;
    std::unique_ptr<TGridCellPropIO> properties;
    std::unique_ptr<TGridGraphicIO> graphic;
    std::unique_ptr<TComponent> object;
};

}  // namespace

void TBavStringGrid::WriteCellsToStream(const TGridRect& range, TStream* stream) {
    TGridPropIO header(nullptr);
    header.SetColCount(range.Right - range.Left + 1);
    header.SetRowCount(range.Bottom - range.Top + 1);
    header.SetColWidths(JoinSizes(range.Left, range.Right, [this](int i) { return ColWidths(i); }));
    header.SetRowHeights(JoinSizes(range.Top, range.Bottom, [this](int i) { return RowHeights(i); }));
    header.SetFullGrid(range.Left == FirstSaveCol() && range.Top == FirstSaveRow() && range.Right == LastSaveCol() &&
                       range.Bottom == LastSaveRow());
    header.SetID(HandleAllocated() ? Integer(Handle()) : 0);
    stream->WriteComponentRes(header.ClassName(), &header);

    ProgressHook(0, 0);
    int lastProgress = -1;
    for (int row = range.Top; row <= range.Bottom; ++row) {
        ProgressHook(1, row);
        if (onFileProgress_) {
            const int progress = int(std::lround(double(row - range.Top) / std::max(1, range.Bottom - range.Top) * 100));
            if (progress != lastProgress) onFileProgress_(this, progress);
            lastProgress = progress;
        }
        for (int col = range.Left; col <= range.Right; ++col) {
            const AnsiString text = GetDisplayText(col, row);
            TCellProperties* properties = HasCellProperties(col, row) ? GetCellProperties(col, row) : nullptr;
            if (text.empty() && !properties) continue;
            TGridCellIO cell(nullptr);
            cell.SetCol(col);
            cell.SetRow(row);
            cell.SetCell(text);
            cell.SetHasProp(properties != nullptr);
            stream->WriteComponentRes(cell.ClassName(), &cell);
            if (!properties) continue;
            TCellGraphic* graphic = properties->GraphicObject();
            TGridCellPropIO propIO(this);
            propIO.CellProperties()->Assign(properties);
            propIO.SetHasGraphic(graphic && graphic->CellType() != ctEmpty && CarriesObject(*graphic));
            stream->WriteComponentRes(propIO.ClassName(), &propIO);
            if (!propIO.HasGraphic()) continue;
            TGridGraphicIO graphicIO(nullptr);
            graphicIO.CellGraphic()->Assign(graphic);
            stream->WriteComponentRes(graphicIO.ClassName(), &graphicIO);
            auto write = [&]<typename IO>(IO& io) { stream->WriteComponentRes(io.ClassName(), &io); };
            switch (graphic->CellType()) {
            case ctBitmap:
            case ctBitButton: {
                TGridBMPIO io(nullptr);
                io.Set(static_cast<TBitmap*>(graphic->CellContent()));
                write(io);
                break;
            }
            case ctIcon: {
                TGridIconIO io(nullptr);
                io.Set(static_cast<TIcon*>(graphic->CellExtra()));
                write(io);
                break;
            }
            case ctRadio: {
                TGridSLIO io(nullptr);
                io.Get()->Assign(static_cast<TStrings*>(graphic->CellContent()));
                write(io);
                break;
            }
            case ctImages: {
                TGridSLIO io(nullptr);
                io.Get()->SetCommaText(static_cast<TIntList*>(graphic->CellContent())->GetCommaText());
                write(io);
                break;
            }
            case ctPicture: {
                TGridPicIO io(nullptr);
                io.Set(static_cast<TPicture*>(graphic->CellContent()));
                write(io);
                break;
            }
            case ctFilePicture: {
                TGridFilePicIO io(nullptr);
                auto* source = static_cast<TFilePicture*>(graphic->CellContent());
                io.Get()->SetFilename(source->Filename());
                write(io);
                break;
            }
            default:
                break;
            }
        }
    }
    ProgressHook(2, 0);
}

void TBavStringGrid::ReadCellsFromStream(TGridCoord target, TStream* stream) {
    auto header = ReadRecord(stream, std::make_unique<TGridPropIO>(nullptr));
    if (header->ColCount() < 1 || header->RowCount() < 1) throw EReadError("Invalid stream format");
    const std::vector<int> widths = SplitSizes(header->ColWidths(), header->ColCount());
    const std::vector<int> heights = SplitSizes(header->RowHeights(), header->RowCount());

    std::vector<TCellRecord> records;
    while (stream->Position() < stream->Size() - 1) {
        TCellRecord record;
        record.cell = ReadRecord(stream, std::make_unique<TGridCellIO>(nullptr));
        if (record.cell->HasProp()) {
            record.properties = ReadRecord(stream, std::make_unique<TGridCellPropIO>(this));
            if (record.properties->HasGraphic()) {
                record.graphic = ReadRecord(stream, std::make_unique<TGridGraphicIO>(nullptr));
                switch (record.graphic->CellGraphic()->CellType()) {
                case ctBitmap:
                case ctBitButton:
                    record.object = ReadRecord(stream, std::make_unique<TGridBMPIO>(nullptr));
                    break;
                case ctIcon:
                    record.object = ReadRecord(stream, std::make_unique<TGridIconIO>(nullptr));
                    break;
                case ctRadio:
                case ctImages:
                    record.object = ReadRecord(stream, std::make_unique<TGridSLIO>(nullptr));
                    break;
                case ctPicture:
                    record.object = ReadRecord(stream, std::make_unique<TGridPicIO>(nullptr));
                    break;
                case ctFilePicture:
                    record.object = ReadRecord(stream, std::make_unique<TGridFilePicIO>(nullptr));
                    break;
                default:
                    break;
                }
            }
        }
        records.push_back(std::move(record));
    }

    if (header->FullGrid()) {
        Clear();
        SetRowCount(header->RowCount());
        SetColCount(header->ColCount());
        for (int i = 0; i < header->ColCount(); ++i) SetColWidths(i, widths[std::size_t(i)]);
        for (int i = 0; i < header->RowCount(); ++i) SetRowHeights(i, heights[std::size_t(i)]);
    }
    TGridCoord origin{0, 0};
    if (!header->FullGrid() && !records.empty()) origin = {records[0].cell->Col(), records[0].cell->Row()};
    for (TCellRecord& record : records) {
        const Int64 col = Int64(target.X) + record.cell->Col() - origin.X;
        const Int64 row = Int64(target.Y) + record.cell->Row() - origin.Y;
        if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) continue;
        const int c = int(col), r = int(row);
        SetCellText(c, r, record.cell->Cell());
        if (!record.properties) continue;
        TCellProperties* properties = GetCellProperties(c, r);
        properties->Assign(record.properties->CellProperties());
        properties->SetOwnerCol(c);
        properties->SetOwnerRow(r);
        if (!record.graphic) continue;
        TCellGraphic* graphic = CreateCellGraphic(c, r);
        graphic->Assign(record.graphic->CellGraphic());
        switch (graphic->CellType()) {
        case ctBitmap:
        case ctBitButton:
            graphic->SetCellContent(static_cast<TGridBMPIO*>(record.object.get())->Release());
            break;
        case ctIcon:
            graphic->SetCellExtra(static_cast<TGridIconIO*>(record.object.get())->Release());
            break;
        case ctRadio:
            graphic->SetCellContent(static_cast<TGridSLIO*>(record.object.get())->Release());
            break;
        case ctImages: {
            auto* list = new TIntList(c, r);
            list->SetCommaText(static_cast<TGridSLIO*>(record.object.get())->Get()->CommaText());
            graphic->SetCellContent(list);
            break;
        }
        case ctPicture:
            graphic->SetCellContent(static_cast<TGridPicIO*>(record.object.get())->Release());
            break;
        case ctFilePicture:
            graphic->SetCellContent(static_cast<TGridFilePicIO*>(record.object.get())->Release());
            break;
        default:
            break;
        }
    }
    Invalidate();
}

int TBavStringGrid::PasteCellsFormat(TGridCoord target, TStream* stream) {
    ReadCellsFromStream(target, stream);
    stream->SetPosition(0);
    TGridPropIO header(nullptr);
    stream->ReadComponentRes(&header);
    const bool fromHere = HandleAllocated() && header.ID() == Integer(Handle());
    PasteHook(fromHere ? copyOrigin_ : TGridCoord{-1, -1},
              TGridRect{target.X, target.Y, target.X + header.ColCount() - 1, target.Y + header.RowCount() - 1},
              copied_);
    return header.ColCount() * header.RowCount();
}

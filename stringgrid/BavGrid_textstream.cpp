// The grid text stream: the line format Assign copies cells through, with the
// save range it writes.

#include <algorithm>

#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

int TBavStringGrid::FirstSaveCol() const { return saveFixedCells_ ? 0 : FixedCols(); }
int TBavStringGrid::FirstSaveRow() const { return saveFixedCells_ ? 0 : FixedRows(); }
int TBavStringGrid::LastSaveCol() const { return ColCount() - 1 - (saveFixedCells_ ? 0 : FixedRightCols()); }
int TBavStringGrid::LastSaveRow() const { return RowCount() - 1 - (saveFixedCells_ ? 0 : FixedFooters()); }

void TBavStringGrid::SaveCellsToStream(TStream* stream) {
    AnsiString out = IntToStr(SaveColCount()) + "," + IntToStr(SaveRowCount()) + "\r\n";
    for (int col = 0; col < ColCount(); ++col)
        out += "cw " + IntToStr(col) + "," + IntToStr(ColWidths(col)) + "\r\n";
    ProgressHook(0, 0);
    for (int row = FirstSaveRow(); row <= LastSaveRow(); ++row) {
        ProgressHook(1, row);
        for (int col = FirstSaveCol(); col <= LastSaveCol(); ++col) {
            const AnsiString text = GetCellSaveText(col, row);
            if (text.empty()) continue;
            out += IntToStr(col - FirstSaveCol()) + "," + IntToStr(row - FirstSaveRow()) + "," +
                   EncodeStreamLineBreaks(text) + "\r\n";
        }
    }
    ProgressHook(2, 0);
    stream->WriteBuffer(out.data(), Integer(out.size()));
}

namespace {

// The stream's lines from its position; each line ends at CR, and the
// character after the CR is passed over. The stream is left where reading
// stopped.
class TStreamLines {
public:
    explicit TStreamLines(TStream* stream) : stream_(stream), start_(stream->Position()) {
        data_.resize(std::size_t(std::max<Int64>(0, stream->Size() - start_)));
        if (!data_.empty()) stream->ReadBuffer(data_.data(), Integer(data_.size()));
    }
    ~TStreamLines() { stream_->SetPosition(start_ + Int64(pos_)); }
    TStreamLines(const TStreamLines&) = delete;
    TStreamLines& operator=(const TStreamLines&) = delete;
    bool AtEnd() const { return pos_ >= data_.size(); }
    AnsiString Next() {
        lineStart_ = pos_;
        std::size_t end = data_.find('\r', pos_);
        if (end == AnsiString::npos) end = data_.size();
        AnsiString line = data_.substr(pos_, end - pos_);
        pos_ = std::min(data_.size(), end + 2);
        return line;
    }
    // Puts the line just read back.
    void Unread() { pos_ = lineStart_; }

private:
    TStream* stream_;
    Int64 start_;
    AnsiString data_;
    std::size_t pos_ = 0, lineStart_ = 0;
};

}  // namespace

void TBavStringGrid::LoadCellsFromStream(TStream* stream) {
    {
        TStreamLines lines(stream);
        if (!lines.AtEnd()) {
            const AnsiString size = lines.Next();
            if (size.empty()) {
                lines.Unread();
            } else {
                const std::size_t comma = size.find(',');
                SetColCount(StrToInt(size.substr(0, comma)) + FirstSaveCol());
                SetRowCount(StrToInt(comma == AnsiString::npos ? AnsiString() : size.substr(comma + 1)) +
                            FirstSaveRow());
            }
        }
        while (!lines.AtEnd()) {
            AnsiString line = lines.Next();
            if (line.starts_with("cw")) {
                line.erase(0, 3);
                const std::size_t comma = line.find(',');
                SetColWidths(StrToInt(line.substr(0, comma)),
                             StrToInt(comma == AnsiString::npos ? AnsiString() : line.substr(comma + 1)));
                continue;
            }
            const std::size_t first = line.find(',');
            const std::size_t second = first == AnsiString::npos ? first : line.find(',', first + 1);
            if (second == AnsiString::npos) {
                lines.Unread();
                break;
            }
            const int col = StrToInt(line.substr(0, first));
            const int row = StrToInt(line.substr(first + 1, second - first - 1));
            LoadCellText(col + FirstSaveCol(), row + FirstSaveRow(),
                         DecodeStreamLineBreaks(line.substr(second + 1), Multilinecells()));
        }
    }
    CellsChanged(TRect(0, 0, ColCount(), RowCount()));
    AllCellsChanged();
}

#include "support/tree_memtable.h"

#include "platform/data/field.h"

TTreeMemTable::TTreeMemTable(TComponent* owner) : TMemoryDataSet(owner) {
    AddColumn("NodeId", ftInteger);
    // Collapsed nodes hide their descendants from the first opening on.
    SetFilter("tree 0");
    SetFiltered(true);
}

void TTreeMemTable::AddNode(int level, bool expanded, std::initializer_list<Variant> values) {
    nodes_.push_back({level, expanded});
    std::vector<Variant> row{Variant(static_cast<int>(nodes_.size()))};
    row.insert(row.end(), values.begin(), values.end());
    AddRow(row);
}

std::function<bool()> TTreeMemTable::FilterTextPredicate(const AnsiString&) {
    return [this] { return NodeShown(ReadNode()); };
}

bool TTreeMemTable::NodeShown(int node) const {
    int level = nodes_[static_cast<std::size_t>(node)].level;
    for (int i = node - 1; i >= 0 && level > 1; --i) {
        const Node& ancestor = nodes_[static_cast<std::size_t>(i)];
        if (ancestor.level >= level) continue;
        if (!ancestor.expanded) return false;
        level = ancestor.level;
    }
    return true;
}

int TTreeMemTable::ReadNode() const { return FieldByName("NodeId")->AsInteger() - 1; }

int TTreeMemTable::CurrentRecordIndex() const { return Active() && !IsEmpty() ? RecNo() - 1 : -1; }

bool TTreeMemTable::NodeExpanded() const { return nodes_[static_cast<std::size_t>(ReadNode())].expanded; }

bool TTreeMemTable::NodeHasChildren() const {
    const std::size_t node = static_cast<std::size_t>(ReadNode());
    return node + 1 < nodes_.size() && nodes_[node + 1].level > nodes_[node].level;
}

int TTreeMemTable::NodeLevel() const { return nodes_[static_cast<std::size_t>(ReadNode())].level; }

bool TTreeMemTable::NodeLineContinues(int level) const {
    for (std::size_t i = static_cast<std::size_t>(ReadNode()) + 1; i < nodes_.size(); ++i)
        if (nodes_[i].level <= level) return nodes_[i].level == level;
    return false;
}

int TTreeMemTable::SetNodeExpanded(int recNo, bool expanded) {
    ReadRowEnter(recNo - 1);
    const int node = ReadNode();
    ReadRowLeave();
    nodes_[static_cast<std::size_t>(node)].expanded = expanded;
    SetFilter("tree " + std::to_string(++filterGeneration_));
    int shownBefore = 0;
    for (int i = 0; i < node; ++i) shownBefore += NodeShown(i) ? 1 : 0;
    return shownBefore + 1;
}

void TTreeMemTable::ReadRowEnter(int rowIndex) {
    savedPositions_.push_back(ActiveRecordPosition());
    SetActiveRecordPosition(rowIndex);
}

void TTreeMemTable::ReadRowLeave() {
    SetActiveRecordPosition(savedPositions_.back());
    savedPositions_.pop_back();
}

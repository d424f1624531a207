// TTreeMemTable: an in-memory dataset that offers a grid its rows directly
// (IMemTableVyn) and presents them as a tree. Nodes are added in tree order
// with their level; a collapsed node's descendants are filtered out, so the
// dataset's records are exactly the presented rows. The first column,
// "NodeId", is the node's place in tree order (from 1). FetchRecords only
// records what was asked.
#pragma once

#include <initializer_list>
#include <vector>

#include "datagrid/ToolCtrlsVynMemTable.h"
#include "support/memory_dataset.h"

class TTreeMemTable : public TMemoryDataSet, public IMemTableVyn {
    SERVIORA_CLASS(TTreeMemTable, TMemoryDataSet)
public:
    explicit TTreeMemTable(TComponent* owner);

    // A node at `level` (1 = top) after the nodes added so far, with a value
    // per column after NodeId; it starts expanded when `expanded`.
    void AddNode(int level, bool expanded, std::initializer_list<Variant> values);
    // Off: the rows are a flat table (TreeViewMode answers false).
    void SetTreeView(bool value) { treeView_ = value; }
    // The counts FetchRecords was asked for, in order.
    const std::vector<int>& FetchRequests() const { return fetchRequests_; }
    void ClearFetchRequests() { fetchRequests_.clear(); }

    void FetchRecords(int count) override { fetchRequests_.push_back(count); }
    int CurrentRecordIndex() const override;
    bool NodeExpanded() const override;
    bool NodeHasChildren() const override;
    int NodeLevel() const override;
    int RecordCount() const override { return TDataSet::RecordCount(); }
    bool TreeViewMode() const override { return treeView_; }
    bool NodeLineContinues(int level) const override;
    int SetNodeExpanded(int recNo, bool expanded) override;
    void ReadRowEnter(int rowIndex) override;
    void ReadRowLeave() override;

protected:
    std::function<bool()> FilterTextPredicate(const AnsiString& text) override;

private:
    struct Node {
        int level;
        bool expanded;
    };
    // The node the fields read (tree order, from 0).
    int ReadNode() const;
    bool NodeShown(int node) const;

    std::vector<Node> nodes_;
    std::vector<int> fetchRequests_;
    std::vector<int> savedPositions_;
    int filterGeneration_ = 0;
    bool treeView_ = true;
};

// IMemTableVyn: what a dataset offers a grid that shows all of its rows
// directly (one grid row per presented row, read on demand) and, when it
// presents its records as a tree, the nodes of that tree. The grid finds it
// on its dataset by dynamic_cast; no dataset of the system implements it.
#pragma once

class IMemTableVyn {
public:
    virtual ~IMemTableVyn() = default;

    // Makes up to `count` more records available for the visible area.
    virtual void FetchRecords(int count) = 0;
    // The current record's row index (from 0), -1 when none.
    virtual int CurrentRecordIndex() const = 0;
    // The node state of the row being read.
    virtual bool NodeExpanded() const = 0;
    virtual bool NodeHasChildren() const = 0;
    // The tree level, 1 for top-level nodes.
    virtual int NodeLevel() const = 0;
    // The number of presented rows.
    virtual int RecordCount() const = 0;
    // Whether the records are presented as a tree.
    virtual bool TreeViewMode() const = 0;
    // Whether the tree line of `level` continues below the row being read.
    virtual bool NodeLineContinues(int level) const = 0;
    // Expands or collapses the node of record `recNo` (from 1); answers the
    // record number to make current.
    virtual int SetNodeExpanded(int recNo, bool expanded) = 0;
    // Makes row `rowIndex` (from 0) readable as the current record until
    // ReadRowLeave.
    virtual void ReadRowEnter(int rowIndex) = 0;
    virtual void ReadRowLeave() = 0;
};

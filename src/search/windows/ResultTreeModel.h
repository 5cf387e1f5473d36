#pragma once

#include "ResultTree.h"

#include <QAbstractItemModel>

// A result tree as the tree view shows it, without copying it into items: a
// list of a hundred thousand entries is there as soon as it is built.
class ResultTreeModel final : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit ResultTreeModel(QObject* parent = nullptr);

    void setTree(search::ResultTree tree);
    const search::ResultTree& tree() const { return m_tree; }
    // The node of an index, ResultTree::kTop for an invalid one.
    int node(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int rowOf(int node) const;

    search::ResultTree m_tree;
    std::vector<int> m_row; // each node's place among its siblings
};

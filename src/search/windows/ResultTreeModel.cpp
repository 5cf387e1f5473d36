#include "ResultTreeModel.h"

ResultTreeModel::ResultTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void ResultTreeModel::setTree(search::ResultTree tree)
{
    beginResetModel();
    m_tree = std::move(tree);
    m_row.assign(std::size_t(m_tree.nodeCount()), 0);
    for (int node = search::ResultTree::kTop; node < m_tree.nodeCount(); ++node) {
        const std::vector<int>& children = m_tree.children(node);
        for (std::size_t i = 0; i < children.size(); ++i)
            m_row[std::size_t(children[i])] = int(i);
    }
    endResetModel();
}

int ResultTreeModel::node(const QModelIndex& index) const
{
    return index.isValid() ? int(index.internalId()) : search::ResultTree::kTop;
}

int ResultTreeModel::rowOf(int node) const
{
    return m_row[std::size_t(node)];
}

QModelIndex ResultTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const std::vector<int>& children = m_tree.children(node(parent));
    if (column != 0 || row < 0 || row >= int(children.size()))
        return {};
    return createIndex(row, 0, quintptr(children[std::size_t(row)]));
}

QModelIndex ResultTreeModel::parent(const QModelIndex& child) const
{
    const int up = child.isValid() ? m_tree.parent(node(child)) : search::ResultTree::kTop;
    if (up == search::ResultTree::kTop)
        return {};
    return createIndex(rowOf(up), 0, quintptr(up));
}

int ResultTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(m_tree.children(node(parent)).size());
}

int ResultTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant ResultTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_tree.text(node(index));
}

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace search {

// The entries of a result list as a tree of texts. A path of texts is
// inserted level by level; a level whose text a sibling already has (exactly,
// case-sensitively) is that sibling, so identical paths merge and the
// last-level entry keeps the target of the first row that made it.
class ResultTree final
{
public:
    // What a last-level entry leads to: the row of the auxiliary table that
    // produced it, with the title and number of its carrier.
    struct Target
    {
        int row = -1;
        QString title;
        QString number;
        bool isValid() const { return row >= 0; }
    };

    static constexpr int kTop = -1;

    // Returns the last-level node.
    int addPath(const QStringList& texts, const Target& target);

    // Every level by text, in Czech alphabetical order with capitals and small
    // letters told apart, whatever the locale of the system.
    void sort();

    int nodeCount() const { return int(m_nodes.size()); }
    // The children of `node`, kTop for the top level, in their order.
    const std::vector<int>& children(int node) const;
    const QString& text(int node) const { return m_nodes[std::size_t(node)].text; }
    const Target& target(int node) const { return m_nodes[std::size_t(node)].target; }
    int parent(int node) const { return m_nodes[std::size_t(node)].parent; }

    // The texts from the top down to `node`.
    QStringList pathOf(int node) const;

private:
    struct Node
    {
        QString text;
        int parent = kTop;
        Target target;
        std::vector<int> children;
    };
    struct Key
    {
        int parent;
        QString text;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.parent, key.text);
        }
    };

    std::vector<int>& childrenOf(int node);

    std::vector<Node> m_nodes;
    std::vector<int> m_top;
    QHash<Key, int> m_lookup;
};

} // namespace search

#include "ResultTree.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace search {

std::vector<int>& ResultTree::childrenOf(int node)
{
    return node == kTop ? m_top : m_nodes[std::size_t(node)].children;
}

const std::vector<int>& ResultTree::children(int node) const
{
    return node == kTop ? m_top : m_nodes[std::size_t(node)].children;
}

int ResultTree::addPath(const QStringList& texts, const Target& target)
{
    int parent = kTop;
    for (qsizetype level = 0; level < texts.size(); ++level) {
        const Key key{parent, texts.at(level)};
        const auto found = m_lookup.constFind(key);
        if (found != m_lookup.constEnd()) {
            parent = *found;
            continue;
        }
        const int node = int(m_nodes.size());
        Node added;
        added.text = texts.at(level);
        added.parent = parent;
        if (level == texts.size() - 1)
            added.target = target;
        m_nodes.push_back(std::move(added));
        childrenOf(parent).push_back(node);
        m_lookup.insert(key, node);
        parent = node;
    }
    return parent;
}

// Each distinct text is ranked once, so the sort itself compares integers;
// the same carrier title stands under many tracks.
void ResultTree::sort()
{
    QHash<QString, int> rankOf;
    for (const Node& node : m_nodes)
        rankOf.insert(node.text, 0);
    QStringList distinct = rankOf.keys();
    QCollator collator{QLocale(QLocale::Czech, QLocale::Czechia)};
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(distinct.size()));
    for (const QString& text : distinct)
        keys.push_back(collator.sortKey(text));
    std::vector<int> order(std::size_t(distinct.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = keys[std::size_t(a)].compare(keys[std::size_t(b)]);
        // Texts the collation holds equal still differ: keep a fixed order.
        return c != 0 ? c < 0 : distinct.at(a) < distinct.at(b);
    });
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        rankOf[distinct.at(order[rank])] = int(rank);

    std::vector<int> ranks(m_nodes.size());
    for (std::size_t i = 0; i < m_nodes.size(); ++i)
        ranks[i] = rankOf.value(m_nodes[i].text);
    const auto byRank = [&](int a, int b) { return ranks[std::size_t(a)] < ranks[std::size_t(b)]; };
    std::stable_sort(m_top.begin(), m_top.end(), byRank);
    for (Node& node : m_nodes)
        std::stable_sort(node.children.begin(), node.children.end(), byRank);
}

QStringList ResultTree::pathOf(int node) const
{
    QStringList path;
    for (int at = node; at != kTop; at = parent(at))
        path.prepend(text(at));
    return path;
}

} // namespace search

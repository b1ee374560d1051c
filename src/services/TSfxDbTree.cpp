#include "services/TSfxDbTree.h"

#include "services/TSfxDbDocument.h"

#include <QCollator>
#include <QHash>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
// The tree while it is built: children are found by their text in a hash, as a linear search
// over thousands of series would be quadratic.
struct TBuildNode {
    QString text;
    int tag = -1;
    std::vector<std::unique_ptr<TBuildNode>> children;
    QHash<QString, TBuildNode*> byText;

    TBuildNode* FindOrAdd(const QString& childText) {
        if (TBuildNode* found = byText.value(childText))
            return found;
        return Add(childText, -1);
    }
    TBuildNode* Add(const QString& childText, int childTag) {
        children.push_back(std::make_unique<TBuildNode>());
        TBuildNode* child = children.back().get();
        child->text = childText;
        child->tag = childTag;
        byText.insert(childText, child);
        return child;
    }
};

QList<TSfxTreeNode> SortedNodes(const TBuildNode& parent, const QCollator& collator) {
    QList<TSfxTreeNode> nodes;
    nodes.reserve(qsizetype(parent.children.size()));
    for (const auto& child : parent.children)
        nodes.append({child->text, child->tag, SortedNodes(*child, collator)});
    std::stable_sort(nodes.begin(), nodes.end(), [&collator](const auto& a, const auto& b) {
        return collator.compare(a.Text, b.Text) < 0;
    });
    return nodes;
}
} // namespace

QString TSfxDbTree::Caption(const QString& title, const QString& language) {
    if (language.isEmpty() || language.toLower() == "english")
        return title;
    return title + " (" + language + ")";
}

TSfxDbTree::TTree TSfxDbTree::Build(const QList<TSfxDbRecord>& records) {
    TTree tree;
    TBuildNode root;
    for (const TSfxDbRecord& record : records) {
        int id = 0;
        if (!TSfxDbDocument::ParseInteger(record.IdText, id)) {
            tree.Errors.append(QString("The database id \"%1\" of \"%2\" is no number")
                                   .arg(record.IdText, record.Title));
            continue;
        }
        TBuildNode* parent = record.Producer.isEmpty() ? &root : root.FindOrAdd(record.Producer);
        TBuildNode* series = parent->FindOrAdd(record.Series);
        series->Add(Caption(record.Title, record.Language), id);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    tree.Nodes = SortedNodes(root, collator);
    return tree;
}

#pragma once

#include "services/TSfxDbRecord.h"

#include <QList>
#include <QStringList>

// One node of the Producer > Series > CD tree. Producer and series nodes carry -1, CD nodes
// the CD's database id.
struct TSfxTreeNode {
    QString Text;
    int Tag = -1;
    QList<TSfxTreeNode> Children;
};

// Builds the tree of the database's records as data, sorted by text on every level.
class TSfxDbTree {
public:
    struct TTree {
        QList<TSfxTreeNode> Nodes;
        QStringList Errors; // records left out, with the reason
    };

    static TTree Build(const QList<TSfxDbRecord>& records);
    // A CD node's caption: the title, with the language in brackets unless it is English.
    static QString Caption(const QString& title, const QString& language);
};

// libFuzzer target for the readers of the SFX CD database's XML: the database document, the
// tree built from it, the tracks answer and the revision. Whatever the input, the tree holds
// each record with a numeric id exactly once, CD nodes carry their id and sit two levels below
// a producer (or one below a top-level series), and every level is in order.
#include "services/TSfxDbDocument.h"
#include "services/TSfxDbTree.h"

#include <QByteArray>
#include <QCollator>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// Counts the CD nodes below `nodes` and checks the order and the tags on the way.
int CheckLevel(const QList<TSfxTreeNode>& nodes, int depth, const QCollator& collator) {
    int cds = 0;
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        if (i > 0 && collator.compare(nodes[i - 1].Text, nodes[i].Text) > 0)
            Fail("a level out of order");
        const TSfxTreeNode& node = nodes[i];
        if (node.Tag >= 0) {
            if (!node.Children.isEmpty() || depth == 0)
                Fail("a CD node in the wrong place");
            ++cds;
        } else {
            if (depth >= 2)
                Fail("a producer or series node too deep");
            cds += CheckLevel(node.Children, depth + 1, collator);
        }
    }
    return cds;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));

    const TSfxDbDocument::TDatabase database = TSfxDbDocument::ParseDatabase(text);
    if (!database.Outcome && !database.Records.isEmpty())
        Fail("records from a document that does not parse");
    int numeric = 0;
    for (const TSfxDbRecord& record : database.Records) {
        int id = 0;
        numeric += TSfxDbDocument::ParseInteger(record.IdText, id) ? 1 : 0;
    }
    const TSfxDbTree::TTree tree = TSfxDbTree::Build(database.Records);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    if (CheckLevel(tree.Nodes, 0, collator) != numeric)
        Fail("the tree does not hold every record once");
    if (tree.Errors.size() != database.Records.size() - numeric)
        Fail("a record left out without a reason");

    const TSfxDbTracks tracks = TSfxDbDocument::ParseTracks(text);
    if (!tracks.HasRoot && (tracks.HasCD || !tracks.TrackNames.isEmpty()))
        Fail("tracks without a document");
    int revision = 0;
    if (!TSfxDbDocument::ParseRevision(text, revision) && revision != 0)
        Fail("a revision from a failed read");
    return 0;
}

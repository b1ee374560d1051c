#include "services/TfSFXdb.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const int tagRole = Qt::UserRole;
} // namespace

TfSFXdb::TfSFXdb(IHttpClient& http, IConnectionCheck& connection, std::function<QString()> host,
                 const QString& programFolder, int& cddbVersion, QWidget* parent)
    : QDialog(parent, Qt::Tool), client_(http, connection, std::move(host), programFolder, cddbVersion) {
    RunModal = [](TfSFXdb& dialog) { return dialog.exec() == QDialog::Accepted; };
    setObjectName("TfSFXdb");
    setWindowTitle("SFX CD Database");
    setSizeGripEnabled(true);
    resize(400, 500);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tree = new QTreeWidget(this);
    tree->setObjectName("tree");
    tree->setHeaderHidden(true);
    tree->setFont(QFont("Arial"));
    tree->setStyleSheet("QTreeWidget { color: white; background: #2E2E2E; font-size: 12px; }");
    layout->addWidget(tree, 1);
    lblDbg = new QLabel(this);
    lblDbg->setObjectName("lblDbg");
    lblDbg->setStyleSheet("QLabel { color: white; background: #1F1F1F; }");
    lblDbg->setWordWrap(true);
    lblDbg->hide();
    layout->addWidget(lblDbg);
    // A selected node opens to show what it holds.
    connect(tree, &QTreeWidget::currentItemChanged, this,
            [](QTreeWidgetItem* current) { if (current) current->setExpanded(true); });
    connect(tree, &QTreeWidget::itemClicked, this, &TfSFXdb::treeMouseUp);
    connect(tree, &QTreeWidget::itemActivated, this, &TfSFXdb::treeMouseUp);
}

void TfSFXdb::ShowError(const QString& text) {
    lblDbg->setText(text);
    lblDbg->show(); // and it stays for the rest of the run
}

bool TfSFXdb::Search(const QString& producer, const QString& series, const QString& cd,
                     bool& single) {
    const TSfxDbClient::TSearch search = client_.Search(producer, series, cd);
    if (!search.Error.isEmpty())
        ShowError(search.Error);
    single = search.Single;
    if (search.Found && !search.Single)
        BuildTree(search.Tree.Nodes);
    return search.Found;
}

bool TfSFXdb::Choose() {
    setResult(QDialog::Rejected);
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    return RunModal(*this);
}

void TfSFXdb::BuildTree(const QList<TSfxTreeNode>& nodes) {
    // The nodes come sorted on every level, in the locale's order.
    tree->setUpdatesEnabled(false);
    tree->clear();
    AddNodes(nullptr, nodes);
    tree->setUpdatesEnabled(true);
}

void TfSFXdb::AddNodes(QTreeWidgetItem* parent, const QList<TSfxTreeNode>& nodes) {
    QList<QTreeWidgetItem*> items;
    items.reserve(nodes.size());
    for (const TSfxTreeNode& node : nodes) {
        auto* item = new QTreeWidgetItem({node.Text});
        item->setData(0, tagRole, node.Tag);
        items.append(item);
    }
    if (parent)
        parent->addChildren(items);
    else
        tree->addTopLevelItems(items);
    for (qsizetype i = 0; i < nodes.size(); ++i)
        AddNodes(items[i], nodes[i].Children);
}

bool TfSFXdb::LoadTracks(int dbId) {
    const bool loaded = client_.LoadTracks(dbId);
    if (loaded)
        done(QDialog::Accepted); // closes the dialog when it is shown
    return loaded;
}

void TfSFXdb::treeMouseUp(QTreeWidgetItem* item) {
    if (!item || !item->isSelected())
        return;
    const int tag = item->data(0, tagRole).toInt();
    if (tag < 0)
        return; // a producer or a series
    client_.CD = item->text(0);
    client_.Series = item->parent() ? item->parent()->text(0) : QString();
    LoadTracks(tag);
}

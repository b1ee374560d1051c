#include "services/TFreeDB.h"

#include "app/IUserMessages.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TFreeDB::TFreeDB(IHttpClient& http, IConnectionCheck& connection, const QString& host,
                 QWidget* parent)
    : QDialog(parent, Qt::Tool), client_(http, connection, host) {
    RunModal = [](TFreeDB& dialog) { return dialog.exec() == QDialog::Accepted; };
    setObjectName("TFreeDB");
    setWindowTitle("Found duplicates in freedb, please select one");
    setStyleSheet("TFreeDB { background: #383838; }");
    auto* layout = new QVBoxLayout(this);
    DuplicateList = new QListWidget(this);
    DuplicateList->setObjectName("DuplicateList");
    DuplicateList->hide();
    lv = new QTreeWidget(this);
    lv->setObjectName("lv");
    lv->setRootIsDecorated(false);
    lv->setHeaderLabels({"Artist / Album", "Genre", "CDid"});
    lv->setColumnWidth(0, 252);
    lv->setColumnWidth(1, 103);
    lv->setColumnWidth(2, 69);
    lv->setMinimumWidth(252 + 103 + 69 + 24);
    lv->setStyleSheet("QTreeWidget { color: white; background: #2E2E2E; }");
    layout->addWidget(lv);
    NewDarkButton1 = new QPushButton("Select", this);
    NewDarkButton1->setObjectName("NewDarkButton1");
    layout->addWidget(NewDarkButton1);
    connect(NewDarkButton1, &QPushButton::clicked, this, &TFreeDB::SelectClick);
    connect(lv, &QTreeWidget::itemDoubleClicked, this, &TFreeDB::SelectClick);
    connect(DuplicateList, &QListWidget::itemDoubleClicked, this, &TFreeDB::SelectClick);
}

void TFreeDB::SelectClick() { accept(); }

TFreeDbClient::TLookup TFreeDB::QueryDisc(const QString& discId) {
    TFreeDbClient::TLookup lookup =
        client_.QueryDisc(discId, [this](const QList<TFreeDbMatch>& matches) {
            return PickDuplicate(matches);
        });
    if (!lookup.Message.isEmpty())
        UserMessages().ShowMessage(lookup.Message);
    return lookup;
}

int TFreeDB::PickDuplicate(const QList<TFreeDbMatch>& matches) {
    DuplicateList->clear();
    lv->clear();
    for (const TFreeDbMatch& match : matches) {
        DuplicateList->addItem(QString::fromUtf8(match.Line));
        lv->addTopLevelItem(new QTreeWidgetItem(
            {match.Title, QString::fromUtf8(match.Category), QString::fromUtf8(match.DiscId)}));
    }
    lv->setCurrentItem(lv->topLevelItem(0));
    adjustSize();
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    if (!RunModal(*this))
        return -1;
    QTreeWidgetItem* selected = lv->currentItem();
    return selected && selected->isSelected() ? lv->indexOfTopLevelItem(selected) : -1;
}

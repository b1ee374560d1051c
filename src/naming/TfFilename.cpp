#include "naming/TfFilename.h"

#include "naming/TMaskTokens.h"
#include "naming/TNameShape.h"
#include "naming/TTileArea.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfFilename::TfFilename(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("TfFilename");
    BuildControls();
    for (const TMaskToken& token : TMaskTokens::All()) {
        auto* tile = new TNameShape(QString::fromLatin1(token.caption),
                                    QString::fromLatin1(token.token));
        tiles_.append(tile);
        pool_->Append(tile);
        AcceptDropsOn(tile);
    }
    SetOptions(options_);
}

bool TfFilename::Edit(QWidget* owner, TFileNameOptions& options, bool withFolderOptions) {
    TfFilename dialog(owner);
    dialog.SetOptions(options);
    dialog.SetFolderOptionsVisible(withFolderOptions);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.Options();
    return true;
}

void TfFilename::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Available text", this));
    pool_ = new TTileArea(this);
    pool_->setObjectName("pool");
    layout->addWidget(pool_);

    lblArrange = new QLabel("Arrange filename: ", this);
    layout->addWidget(lblArrange);
    buildRow_ = new TTileArea(this);
    buildRow_->setObjectName("buildRow");
    layout->addWidget(buildRow_);

    auto* fields = new QGridLayout;
    editSep = new QLineEdit(this);
    EditCust = new QLineEdit(this);
    fields->addWidget(new QLabel("Seperator", this), 0, 0);
    fields->addWidget(editSep, 0, 1);
    fields->addWidget(new QLabel("Custom text", this), 1, 0);
    fields->addWidget(EditCust, 1, 1);
    layout->addLayout(fields);

    lblExampleCaption = new QLabel("Example:", this);
    lblExample = new QLabel(this);
    lblExample->setObjectName("lblExample");
    lblExample->setTextFormat(Qt::PlainText); // a custom text such as "<b>" shows as typed
    layout->addWidget(lblExampleCaption);
    layout->addWidget(lblExample);

    chkCreateFolders = new QCheckBox("Auto Create folders", this);
    chkPub = new QCheckBox("Folder includes publisher", this);
    lblFolderHint = new QLabel("Ex: /SFX/Series/CD/", this);
    layout->addWidget(chkCreateFolders);
    layout->addWidget(chkPub);
    layout->addWidget(lblFolderHint);

    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton("OK", this);
    btnCancel = new QPushButton("Cancel", this);
    btnOK->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    for (QWidget* target : {static_cast<QWidget*>(pool_), static_cast<QWidget*>(buildRow_),
                            static_cast<QWidget*>(lblArrange), static_cast<QWidget*>(lblExampleCaption),
                            static_cast<QWidget*>(lblExample)})
        AcceptDropsOn(target);

    connect(editSep, &QLineEdit::textEdited, this, [this](const QString& text) {
        options_.Seperator = text;
        MaskChanged();
    });
    connect(EditCust, &QLineEdit::textEdited, this, [this](const QString& text) {
        options_.CustomText = text;
        RefreshExample();
    });
    connect(chkCreateFolders, &QCheckBox::toggled, this, [this](bool on) { options_.AutoFolder = on; });
    connect(chkPub, &QCheckBox::toggled, this, [this](bool on) { options_.AutoFolderPublisher = on; });
    connect(btnOK, &QPushButton::clicked, this, &TfFilename::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfFilename::AcceptDropsOn(QWidget* target) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

void TfFilename::SetOptions(const TFileNameOptions& options) {
    options_ = options;
    for (TNameShape* tile : tiles_)
        pool_->Append(tile);
    for (const QString& token : TMaskTokens::TokensOfMask(options_.Mask, options_.Seperator))
        buildRow_->Append(Tile(token));
    editSep->setText(options_.Seperator);
    EditCust->setText(options_.CustomText);
    chkCreateFolders->setChecked(options_.AutoFolder);
    chkPub->setChecked(options_.AutoFolderPublisher);
    RefreshExample();
}

void TfFilename::SetFolderOptionsVisible(bool visible) {
    chkCreateFolders->setVisible(visible);
    chkPub->setVisible(visible);
    lblFolderHint->setVisible(visible);
}

TNameShape* TfFilename::Tile(const QString& token) const {
    for (TNameShape* tile : tiles_) {
        if (tile->Token() == token)
            return tile;
    }
    return nullptr;
}

bool TfFilename::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!Tile(TNameShape::TokenOf(drag->mimeData())))
            return false;
        drag->setDropAction(Qt::MoveAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        TNameShape* tile = Tile(TNameShape::TokenOf(drop->mimeData()));
        if (!tile || !HandleDrop(watched, tile))
            return false;
        drop->setDropAction(Qt::MoveAction);
        drop->accept();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

bool TfFilename::HandleDrop(QObject* target, TNameShape* tile) {
    if (target == pool_ || target == buildRow_) {
        static_cast<TTileArea*>(target)->Append(tile);
    } else if (auto* other = qobject_cast<TNameShape*>(target)) {
        if (other == tile)
            return true;
        auto* area = static_cast<TTileArea*>(other->parentWidget());
        area->Insert(area->IndexOf(other), tile);
    } else if (target == lblArrange || target == lblExampleCaption || target == lblExample) {
        pool_->Append(tile);
    } else {
        return false;
    }
    MaskChanged();
    return true;
}

void TfFilename::MaskChanged() {
    QStringList tokens;
    for (TNameShape* tile : buildRow_->Tiles())
        tokens.append(tile->Token());
    options_.Mask = TMaskTokens::JoinTokens(tokens, options_.Seperator);
    RefreshExample();
}

void TfFilename::RefreshExample() {
    lblExample->setText(TMaskTokens::Example(options_.Mask, options_.CustomText));
}

void TfFilename::btnOKClick() {
    options_.Demo = lblExample->text();
    accept();
}

void TfFilename::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Frameless, so the window manager does not place it: centre it on the main window.
    if (QWidget* owner = parentWidget()) {
        const QRect ownerFrame = owner->window()->geometry();
        move(ownerFrame.center() - rect().center());
    }
}

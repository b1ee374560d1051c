#include "ui/PanelBuilder.h"

#include "ui/TWrappingCheckBox.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

// A title is shown as written: an "&" in it is a character, not a keyboard mnemonic.
TPanelBuilder::TPanelBuilder(const QString& title)
    : section_(new QGroupBox(QString(title).replace(u'&', QStringLiteral("&&")))),
      layout_(new QVBoxLayout(section_)) {
    layout_->setContentsMargins(6, 6, 6, 6);
    layout_->setSpacing(3);
}

TPanelBuilder::~TPanelBuilder() { delete section_; }

QLabel* TPanelBuilder::Label(const QString& text, const QString& name) {
    auto* label = new QLabel(text, section_);
    label->setObjectName(name);
    label->setWordWrap(true);
    layout_->addWidget(label);
    return label;
}

QLineEdit* TPanelBuilder::Field(const QString& caption, const QString& name) {
    Label(caption);
    auto* edit = new QLineEdit(section_);
    edit->setObjectName(name);
    layout_->addWidget(edit);
    return edit;
}

QPushButton* TPanelBuilder::Button(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, section_);
    button->setObjectName(name);
    layout_->addWidget(button);
    return button;
}

QToolButton* TPanelBuilder::ActionButton(QAction* action, const QString& name) {
    auto* button = new QToolButton(section_);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout_->addWidget(button);
    return button;
}

QCheckBox* TPanelBuilder::Check(const QString& caption, const QString& hint,
                                const QString& name) {
    auto* box = new TWrappingCheckBox(caption, section_); // long captions wrap in the column
    box->setObjectName(name);
    box->setToolTip(hint);
    layout_->addWidget(box);
    return box;
}

void TPanelBuilder::Add(QWidget* widget) {
    widget->setParent(section_);
    layout_->addWidget(widget);
}

QWidget* TPanelBuilder::Take() {
    QWidget* section = section_;
    section_ = nullptr;
    return section;
}

#include "ui/TDialogTitleBar.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

TDialogTitleBar::TDialogTitleBar(const QString& caption, QWidget* parent) : QWidget(parent) {
    setObjectName("TitleBar");
    setFixedHeight(19);
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, QColor(23, 23, 23));
    setPalette(strip);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 0, 0);
    layout->setSpacing(0);
    lblCaption = new QLabel(caption, this);
    lblCaption->setObjectName("lblCaption");
    QFont bold = lblCaption->font();
    bold.setBold(true);
    lblCaption->setFont(bold);
    layout->addWidget(lblCaption);
    layout->addStretch();
    btnClose = new QToolButton(this);
    btnClose->setObjectName("btnClose");
    btnClose->setText(QString::fromUtf8("\u00d7"));
    btnClose->setAutoRaise(true);
    btnClose->setFixedSize(24, 19);
    layout->addWidget(btnClose);
    connect(btnClose, &QToolButton::clicked, this, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->reject();
        else
            window()->close();
    });
}

void TDialogTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

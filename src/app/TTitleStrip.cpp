#include "app/TTitleStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

TTitleStrip::TTitleStrip(QWidget* parent) : QWidget(parent) {
    setObjectName("TitleStrip");
    setFixedHeight(19);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->setSpacing(0);
    auto* logo = new QLabel("Trackmoth", this);
    logo->setObjectName("Logo");
    layout->addWidget(logo);
    layout->addStretch();
    btnMinimise = FrameButton(QString::fromUtf8("\u2013"), "btnMinimise");
    btnMaximise = FrameButton(QString::fromUtf8("\u25a1"), "btnMaximise");
    btnClose = FrameButton(QString::fromUtf8("\u00d7"), "btnClose");
    layout->addWidget(btnMinimise);
    layout->addWidget(btnMaximise);
    layout->addWidget(btnClose);
    connect(btnMinimise, &QToolButton::clicked, this, [this] { window()->showMinimized(); });
    connect(btnMaximise, &QToolButton::clicked, this, &TTitleStrip::ToggleMaximised);
    connect(btnClose, &QToolButton::clicked, this, [this] { window()->close(); });
}

QToolButton* TTitleStrip::FrameButton(const QString& text, const QString& name) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFixedSize(24, 19);
    return button;
}

void TTitleStrip::ToggleMaximised() {
    QWidget* mainWindow = window();
    if (mainWindow->isMaximized())
        mainWindow->showNormal();
    else
        mainWindow->showMaximized(); // fills the screen's work area
    btnMaximise->setDown(mainWindow->isMaximized());
}

void TTitleStrip::mousePressEvent(QMouseEvent* event) {
    movingByHand_.reset();
    if (event->button() == Qt::LeftButton && !window()->isMaximized()) {
        // The system moves the window where it can, which works the same on X11 and Wayland.
        QWindow* handle = window()->windowHandle();
        if (!handle || !handle->startSystemMove())
            movingByHand_ = window()->pos() - event->globalPosition().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void TTitleStrip::mouseMoveEvent(QMouseEvent* event) {
    if (movingByHand_ && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() + *movingByHand_);
    QWidget::mouseMoveEvent(event);
}

void TTitleStrip::mouseReleaseEvent(QMouseEvent* event) {
    movingByHand_.reset();
    QWidget::mouseReleaseEvent(event);
}

void TTitleStrip::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        ToggleMaximised();
}

#include "app/TTitleStrip.h"

#include "ui/DarkPictures.h"
#include "ui/TCustomBitButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
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
    // Down shows the maximised state, which the window manager may also change.
    btnMaximise->ToggleMode = true;
    btnMaximise->DontMessWithDown = true;
    connect(btnMinimise, &TCustomBitButton::OnClick, this, [this] { window()->showMinimized(); });
    connect(btnMaximise, &TCustomBitButton::OnClick, this, &TTitleStrip::ToggleMaximised);
    connect(btnClose, &TCustomBitButton::OnClick, this, [this] { window()->close(); });
}

TCustomBitButton* TTitleStrip::FrameButton(const QString& glyph, const QString& name) {
    auto* button = new TCustomBitButton(this);
    button->setObjectName(name);
    const QSize size(24, 19);
    button->SetUpImage(DarkGlyphPicture(size, glyph, false));
    button->SetDownImage(DarkGlyphPicture(size, glyph, true));
    return button;
}

void TTitleStrip::ToggleMaximised() {
    QWidget* mainWindow = window();
    if (mainWindow->isMaximized())
        mainWindow->showNormal();
    else
        mainWindow->showMaximized(); // fills the screen's work area
    btnMaximise->SetDown(mainWindow->isMaximized());
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

#pragma once

#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

// A slider painted from two pictures, position 0 to 100: the preview position and the volume.
// A drag moves the knob under the pointer; Ctrl+press jumps to the idle position.
class TBitSlider : public QWidget {
    Q_OBJECT
public:
    static constexpr int PaintedKnobWidth = 10; // the knob's width without a knob picture

    explicit TBitSlider(QWidget* parent = nullptr);

    // The background; setting it sizes the slider to the picture. Without one the slider
    // paints a groove over whatever size its layout gives it.
    void SetBackBitmap(const QPixmap& picture);
    const QPixmap& BackBitmap() const { return back_; }
    void SetKnobBitmap(const QPixmap& picture);
    const QPixmap& KnobBitmap() const { return knob_; }
    int KnobWidth() const;

    int Position() const { return position_; }
    // Ignored while the user drags; otherwise limited to 0..100, moves the knob and emits
    // onChange.
    void SetPosition(int position);
    int KnobLeft() const { return knobLeft_; }
    bool Dragging() const { return dragging_; }

    // Where Ctrl+press puts the slider.
    int IdlePos = 0;
    // When set, the user's change is reported once at the release instead of at every move.
    bool DontScrub = false;
    // Opened by a right click, after OnRightClick (not owned; none by default).
    void SetPopUpMenu(QMenu* menu) { popUpMenu_ = menu; }

    QSize sizeHint() const override;

signals:
    // The user moved the slider (or Ctrl+pressed it).
    void onUserChange();
    // The program set the position.
    void onChange();
    // The user let go of the slider.
    void AfterUserChange();
    void OnRightClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void DragTo(int x);

    QPixmap back_;
    QPixmap knob_;
    QPointer<QMenu> popUpMenu_;
    int position_ = 0;
    int knobLeft_ = 0;
    bool dragging_ = false;
};

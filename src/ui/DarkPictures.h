#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

// The pictures of the program's own controls, painted in the dark look. Controls use them
// when they are given no picture of their own.

// A button face: raised dark grey when up, sunken and darker when down.
void PaintDarkFace(QPainter& painter, const QRect& rect, bool down);
// A face with a centred glyph or short caption, for picture buttons (window buttons, mode
// buttons); `down` gives the pressed look.
QPixmap DarkGlyphPicture(const QSize& size, const QString& glyph, bool down);
// A face as wide as `caption` needs, in 12-pixel bold Arial, for the top bar's text buttons.
QPixmap DarkCaptionPicture(const QString& caption, int height, bool down);
// A translucent veil drawn over a disabled picture button.
QPixmap DarkDisabledPicture(const QSize& size);
// The slider's groove across `rect`, and its knob filling `rect`.
void PaintSliderGroove(QPainter& painter, const QRect& rect);
void PaintSliderKnob(QPainter& painter, const QRect& rect);
// A header panel's head strip and its body.
void PaintHeaderHead(QPainter& painter, const QRect& rect);
void PaintHeaderBody(QPainter& painter, const QRect& rect);

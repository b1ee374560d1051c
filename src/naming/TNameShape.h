#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QMimeData;

// A tile of the mask dialog: a filled rectangle with its caption, standing for one token.
// Pressing and moving it starts a drag that carries its token.
class TNameShape : public QWidget {
    Q_OBJECT
public:
    TNameShape(const QString& caption, const QString& token, QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    const QString& Token() const { return token_; }

    QSize sizeHint() const override;

    // The drag data of a tile, and the token read back from drag data (empty for other data).
    static QMimeData* MimeDataFor(const QString& token);
    static QString TokenOf(const QMimeData* data);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QString token_;
    QPoint pressPos_;
    bool pressed_ = false;
};

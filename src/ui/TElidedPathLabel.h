#pragma once

#include <QLabel>

// One line that shows a long path with its middle left out ("/home/…/CD 1/01 - Rain.wav"), so
// that both the folder it starts from and the file's name stay readable, at a fixed height:
// a longer path never wraps and makes the panel below it jump. The whole path is the tooltip.
class TElidedPathLabel : public QLabel {
    Q_OBJECT
public:
    explicit TElidedPathLabel(QWidget* parent = nullptr);

    void SetPath(const QString& path);
    const QString& Path() const { return path_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowElided();

    QString path_;
};

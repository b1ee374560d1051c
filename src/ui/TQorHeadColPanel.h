#pragma once

#include "ui/TqorHeaderPanel.h"

#include <optional>

// A header panel that rolls up to its head strip and unrolls again on a click on the head.
class TQorHeadColPanel : public TqorHeaderPanel {
    Q_OBJECT
public:
    static constexpr int UnrolledHeightWithoutMemory = 120;
    static constexpr int RolledMinimumHeight = 10;

    explicit TQorHeadColPanel(const QString& caption = QString(), QWidget* parent = nullptr);

    bool RolledUp() const { return rolledUp_; }
    // Ignored when DontCollapse is set or nothing changes.
    void SetRolledUp(bool rolledUp);
    // Panels that must stay open ignore clicks on their head.
    bool DontCollapse = false;

    // With AutoSize the height follows the contents; without it the panel keeps the height
    // it was given (SetPanelHeight).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    void SetPanelHeight(int height);

    QSize sizeHint() const override;
    // A panel of a given height may be lower than its contents (rolled up, for one).
    QSize minimumSizeHint() const override;

signals:
    void RolledUpChanged(bool rolledUp);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RollUp();
    void Unroll();

    struct TUnrolledState {
        std::optional<int> Height;
        bool AutoSize = true;
        int MinimumHeight = 0;
    };
    bool rolledUp_ = false;
    bool autoSize_ = true;
    std::optional<int> panelHeight_; // the height given while AutoSize is off
    TUnrolledState unrolled_;
};

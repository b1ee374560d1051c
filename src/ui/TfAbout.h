#pragma once

#include <QDialog>

class QLabel;
class TNewDarkButton;

// The About box: the product, its version and the credits.
class TfAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent = nullptr);

    static constexpr const char* Version = "Version 2.1";

    QLabel* lblProduct = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCredits = nullptr;
    TNewDarkButton* btnOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

#pragma once

#include <QString>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QWidget;

// Builds one titled section of a work panel, top to bottom: captions, fields, buttons and
// check boxes, each given its control name. Take() hands the finished section over.
class TPanelBuilder {
public:
    explicit TPanelBuilder(const QString& title);
    ~TPanelBuilder();

    QLabel* Label(const QString& text, const QString& name = QString());
    // A caption above a one-line text field.
    QLineEdit* Field(const QString& caption, const QString& name);
    QPushButton* Button(const QString& caption, const QString& name);
    // A button that shows and triggers `action`.
    QToolButton* ActionButton(QAction* action, const QString& name);
    QCheckBox* Check(const QString& caption, const QString& hint, const QString& name);
    // Adds a finished widget (for example a row built by the caller).
    void Add(QWidget* widget);
    QWidget* Take();

private:
    QWidget* section_;
    QVBoxLayout* layout_;
};

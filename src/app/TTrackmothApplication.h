#pragma once

#include <QApplication>

// The application object. Its event dispatch is the general error display: an error that an
// action does not handle ends that action, its text is shown in a message box, and the
// program goes on.
class TTrackmothApplication : public QApplication {
public:
    TTrackmothApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

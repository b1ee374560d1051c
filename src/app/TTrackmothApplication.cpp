#include "app/TTrackmothApplication.h"

#include "app/GeneralErrorDisplay.h"

TTrackmothApplication::TTrackmothApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Trackmoth");
    setApplicationDisplayName("Trackmoth");
}

bool TTrackmothApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunShowingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

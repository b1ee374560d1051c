#include "common/TRecordingMessages.h"

#include "app/TWorkState.h"

#include <QEventLoop>
#include <QTimer>

TRecordingMessages::TRecordingMessages() { SetUserMessages(this); }

TRecordingMessages::~TRecordingMessages() { SetUserMessages(nullptr); }

void TRecordingMessages::StayOpen(const QString& text) {
    if (!WhileOpen)
        return;
    const TModalScope open;
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        WhileOpen(text);
        QTimer::singleShot(OpenFor, &loop, &QEventLoop::quit);
    });
    loop.exec();
}

void TRecordingMessages::ShowMessage(const QString& text) {
    Messages.append(text);
    StayOpen(text);
}

bool TRecordingMessages::AskOkCancel(const QString& text) {
    Questions.append(text);
    StayOpen(text);
    return Answer;
}

bool TRecordingMessages::AskYesNo(const QString& text) {
    Questions.append(text);
    StayOpen(text);
    return Answer;
}

#include "common/TRecordingMessages.h"

#include "app/TWorkState.h"

#include <QEventLoop>
#include <QTimer>

#include <optional>

TRecordingMessages::TRecordingMessages() { SetUserMessages(this); }

TRecordingMessages::~TRecordingMessages() { SetUserMessages(nullptr); }

void TRecordingMessages::StayOpen(const QString& text, bool question) {
    if (!WhileOpen)
        return;
    std::optional<TModalScope> open; // as the real boxes: a question holds the list, a message not
    if (question)
        open.emplace();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        WhileOpen(text);
        QTimer::singleShot(OpenFor, &loop, &QEventLoop::quit);
    });
    loop.exec();
}

void TRecordingMessages::ShowMessage(const QString& text) {
    Messages.append(text);
    StayOpen(text, false);
}

bool TRecordingMessages::AskOkCancel(const QString& text) {
    Questions.append(text);
    StayOpen(text, true);
    return Answer;
}

bool TRecordingMessages::AskYesNo(const QString& text) {
    Questions.append(text);
    StayOpen(text, true);
    return Answer;
}

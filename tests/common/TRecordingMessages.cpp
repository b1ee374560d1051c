#include "common/TRecordingMessages.h"

TRecordingMessages::TRecordingMessages() { SetUserMessages(this); }

TRecordingMessages::~TRecordingMessages() { SetUserMessages(nullptr); }

void TRecordingMessages::ShowMessage(const QString& text) { Messages.append(text); }

bool TRecordingMessages::AskOkCancel(const QString& text) {
    Questions.append(text);
    return Answer;
}

bool TRecordingMessages::AskYesNo(const QString& text) {
    Questions.append(text);
    return Answer;
}

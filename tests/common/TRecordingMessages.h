#pragma once

#include "app/IUserMessages.h"

#include <QStringList>

// Records every message and question for a test and answers questions with `Answer`.
// Installs itself while it lives.
class TRecordingMessages : public IUserMessages {
public:
    TRecordingMessages();
    ~TRecordingMessages() override;

    void ShowMessage(const QString& text) override;
    bool AskOkCancel(const QString& text) override;
    bool AskYesNo(const QString& text) override;

    QStringList Messages; // texts of message boxes, in order
    QStringList Questions;
    bool Answer = true;
};

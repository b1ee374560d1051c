#pragma once

#include "app/IUserMessages.h"

#include <QStringList>

#include <functional>

// Records every message and question for a test and answers questions with `Answer`.
// Installs itself while it lives.
//
// With `WhileOpen` set, a box behaves as a real one does: it stays "open" in an event loop of
// its own, in which timers, sockets and queued calls run, and `WhileOpen` is called from that
// loop (with the text shown); the box closes when WhileOpen returns and OpenFor has passed.
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
    std::function<void(const QString& text)> WhileOpen;
    int OpenFor = 0; // milliseconds the loop keeps running after WhileOpen

private:
    void StayOpen(const QString& text, bool question);
};

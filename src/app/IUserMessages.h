#pragma once

#include <QString>

// How core code talks to the user: message boxes and questions with the program's fixed texts.
// The widget layer installs message boxes; tests install a recorder; without either, messages
// go to standard error and questions are answered with the default given.
class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    // A modal box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // OK/Cancel; true for OK.
    virtual bool AskOkCancel(const QString& text) = 0;
    // Yes/No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
};

// The messages interface in use.
IUserMessages& UserMessages();
// Installs `messages` (not owned); nullptr returns to the standard-error fallback.
void SetUserMessages(IUserMessages* messages);

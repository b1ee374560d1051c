#include "app/IUserMessages.h"

#include <cstdio>

namespace {
class TStderrMessages : public IUserMessages {
public:
    void ShowMessage(const QString& text) override {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    bool AskOkCancel(const QString& text) override {
        ShowMessage(text);
        return false;
    }
    bool AskYesNo(const QString& text) override {
        ShowMessage(text);
        return false;
    }
};

TStderrMessages fallbackMessages;
IUserMessages* installedMessages = nullptr;
} // namespace

IUserMessages& UserMessages() {
    return installedMessages ? *installedMessages : fallbackMessages;
}

void SetUserMessages(IUserMessages* messages) { installedMessages = messages; }

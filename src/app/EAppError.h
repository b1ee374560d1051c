#pragma once

#include <QString>

#include <exception>

// An error the running action does not handle itself. It ends the action; the application's
// general error display shows its text in a message box and the program goes on.
class EAppError : public std::exception {
public:
    explicit EAppError(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& Text() const { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString text_;
    QByteArray utf8_;
};

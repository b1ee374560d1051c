#pragma once

#include <QString>
#include <QStringList>

// The outcome of a core operation that can fail: success, or the texts of what went wrong, in
// the words the user is to see. Core code returns it and shows nothing; the caller decides
// whether it becomes a message box, a line of a batch report or a row's error state.
class [[nodiscard]] TResult {
public:
    TResult() = default;
    static TResult Ok() { return {}; }
    static TResult Error(const QString& text) {
        TResult result;
        result.errors_.append(text);
        return result;
    }

    bool IsOk() const { return errors_.isEmpty(); }
    explicit operator bool() const { return IsOk(); }
    // Every error, in the order they happened.
    const QStringList& Errors() const { return errors_; }
    // The errors as one text, one per line; empty on success.
    QString ErrorText() const { return errors_.join('\n'); }

    // Adds the errors of `other` (a later step that also failed) to this one.
    TResult& Merge(const TResult& other) {
        errors_.append(other.errors_);
        return *this;
    }

private:
    QStringList errors_;
};

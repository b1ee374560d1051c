#pragma once

#include "app/TResult.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <functional>

class ICompanionConnector;
struct TDeliveryAnswer;
class IProgramStarter;
class QTimer;

// How long to wait for a companion that was just started, and how often to look.
struct TCompanionWait {
    std::chrono::milliseconds Interval{100};
    std::chrono::milliseconds Limit{5000};
};

// The hand-over of sound paths to Sonaphor: delivered at once when it listens; otherwise it is
// started from its folder and the message follows as soon as it listens. Waiting runs on a
// timer, so the window stays alive meanwhile.
class TCompanionLink : public QObject {
    Q_OBJECT
public:
    static constexpr const char* NotRunningText = "Please start Sonaphor";

    TCompanionLink(ICompanionConnector& connector, IProgramStarter& starter,
                   TCompanionWait wait = {}, QObject* parent = nullptr);

    // Sonaphor's executable in `companionFolder`; empty for a folder that is no absolute path
    // ("Not set"), so that nothing is started relative to the working folder.
    static QString Executable(const QString& companionFolder);

    // Sends `paths` (the message's text lines) to the companion, starting `executable` when
    // nothing listens. While it waits for a started companion, a new call only replaces the
    // paths to be sent.
    void SendToCompanion(const QStringList& paths, const QString& executable);
    bool Waiting() const { return waiting_; }

    // The end of each send: Ok once delivered, else the text for the user.
    std::function<void(const TResult&)> OnFinished;

private:
    void FirstAnswer(const TDeliveryAnswer& answer);
    void AnswerWhileWaiting(const TDeliveryAnswer& answer);
    void StartCompanion();
    void LookAgain();
    void Finish(const TResult& result);

    ICompanionConnector& connector_;
    IProgramStarter& starter_;
    TCompanionWait wait_;
    QTimer* lookTimer_;
    QByteArray message_;
    QString executable_;
    bool sending_ = false;
    bool waiting_ = false;
    int looksLeft_ = 0;
};

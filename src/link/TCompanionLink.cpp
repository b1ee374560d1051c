#include "link/TCompanionLink.h"

#include "link/CompanionMessage.h"
#include "link/ICompanionConnector.h"
#include "services/IProgramStarter.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

TCompanionLink::TCompanionLink(ICompanionConnector& connector, IProgramStarter& starter,
                               TCompanionWait wait, QObject* parent)
    : QObject(parent), connector_(connector), starter_(starter), wait_(wait),
      lookTimer_(new QTimer(this)) {
    lookTimer_->setSingleShot(true);
    lookTimer_->setInterval(wait_.Interval);
    connect(lookTimer_, &QTimer::timeout, this, &TCompanionLink::LookAgain);
}

QString TCompanionLink::Executable(const QString& companionFolder) {
    if (!QDir::isAbsolutePath(companionFolder))
        return QString();
    return QDir::cleanPath(companionFolder) + "/Sonaphor";
}

void TCompanionLink::SendToCompanion(const QStringList& paths, const QString& executable) {
    message_ = CompanionMessage::Build(paths);
    if (sending_)
        return; // the attempt under way sends the latest paths
    sending_ = true;
    executable_ = executable;
    connector_.Deliver(message_, [this](const TDeliveryAnswer& answer) { FirstAnswer(answer); });
}

void TCompanionLink::FirstAnswer(const TDeliveryAnswer& answer) {
    if (answer.Kind == TDeliveryAnswer::TKind::NotListening)
        return StartCompanion();
    if (answer.Kind == TDeliveryAnswer::TKind::TimedOut)
        return Finish(TResult::Error(NotRunningText));
    if (answer.Kind == TDeliveryAnswer::TKind::Broken)
        return Finish(TResult::Error(QString("Sonaphor did not take the sounds: %1").arg(answer.Reason)));
    Finish(TResult::Ok());
}

void TCompanionLink::StartCompanion() {
    if (executable_.isEmpty() || !QFileInfo(executable_).isFile() ||
        !starter_.Start(executable_, QString()))
        return Finish(TResult::Error(NotRunningText));
    waiting_ = true;
    looksLeft_ = std::max<int>(1, int(wait_.Limit / std::max(wait_.Interval, std::chrono::milliseconds(1))));
    lookTimer_->start();
}

void TCompanionLink::LookAgain() {
    --looksLeft_;
    connector_.Deliver(message_, [this](const TDeliveryAnswer& answer) { AnswerWhileWaiting(answer); });
}

void TCompanionLink::AnswerWhileWaiting(const TDeliveryAnswer& answer) {
    if (answer.Kind != TDeliveryAnswer::TKind::NotListening)
        return FirstAnswer(answer);
    if (looksLeft_ <= 0)
        return Finish(TResult::Error(NotRunningText));
    lookTimer_->start();
}

void TCompanionLink::Finish(const TResult& result) {
    sending_ = false;
    waiting_ = false;
    if (OnFinished)
        OnFinished(result);
}

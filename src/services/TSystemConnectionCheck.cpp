#include "services/TSystemConnectionCheck.h"

#include <QHostAddress>
#include <QNetworkInterface>

QString TSystemConnectionCheck::HostName(const QString& host) {
    const QString trimmed = host.trimmed();
    if (trimmed.startsWith('[')) {
        const qsizetype end = trimmed.indexOf(']');
        return end < 0 ? trimmed.mid(1) : trimmed.mid(1, end - 1);
    }
    if (trimmed.count(':') == 1)
        return trimmed.left(trimmed.indexOf(':'));
    return trimmed;
}

bool TSystemConnectionCheck::IsLocalHost(const QString& host) {
    const QString name = HostName(host);
    if (name.compare("localhost", Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(name);
    return !address.isNull() && address.isLoopback();
}

bool TSystemConnectionCheck::IsInternetConnected(const QString& host) {
    if (IsLocalHost(host))
        return true;
    for (const QNetworkInterface& networkInterface : QNetworkInterface::allInterfaces()) {
        const auto flags = networkInterface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        if (!networkInterface.addressEntries().isEmpty())
            return true;
    }
    return false;
}

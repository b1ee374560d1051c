#pragma once

#include "link/TCompanionLink.h"
#include "link/TLocalSocketConnector.h"
#include "services/TDetachedProgramStarter.h"

#include <QObject>

// The program's own link to Sonaphor: its local socket "Sonaphor" and a detached start of
// its executable.
class TSonaphorLink : public QObject {
public:
    explicit TSonaphorLink(QObject* parent = nullptr)
        : QObject(parent), connector_(TLocalSocketConnector::CompanionServerName),
          link_(connector_, starter_) {}
    TCompanionLink& Link() { return link_; }

private:
    TLocalSocketConnector connector_;
    TDetachedProgramStarter starter_;
    TCompanionLink link_;
};

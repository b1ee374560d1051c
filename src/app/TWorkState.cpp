#include "app/TWorkState.h"

namespace {
// Questions are asked on the GUI thread only, so a plain counter does.
int openModalScopes = 0;
} // namespace

QString WorkStateText(EWorkState state) {
    switch (state) {
    case EWorkState::Idle:
        return {};
    case EWorkState::Importing:
        return QStringLiteral("An import is running. Cancel it or wait until it has ended.");
    case EWorkState::FinishingConversion:
        return QStringLiteral("The last conversion is finishing its file. Please wait a moment.");
    case EWorkState::BatchRunning:
        return QStringLiteral("A rename batch is running. Please wait until it has ended.");
    case EWorkState::QuestionOpen:
        return QStringLiteral("Please close the open question or editor first.");
    case EWorkState::ListingFolder:
        return QStringLiteral("A folder is being read.");
    }
    return {};
}

TModalScope::TModalScope() { ++openModalScopes; }

TModalScope::~TModalScope() { --openModalScopes; }

bool TModalScope::AnyOpen() { return openModalScopes > 0; }

#include "app/TWorkState.h"

namespace {
// Questions are asked on the GUI thread only, so a plain counter does.
int openModalScopes = 0;
} // namespace

TModalScope::TModalScope() { ++openModalScopes; }

TModalScope::~TModalScope() { --openModalScopes; }

bool TModalScope::AnyOpen() { return openModalScopes > 0; }

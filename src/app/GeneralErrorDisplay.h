#pragma once

#include <functional>

// Runs `action`; an exception that escapes it is shown with its own text through the user
// messages and swallowed. Returns false when the action ended with an error.
bool RunShowingErrors(const std::function<void()>& action);

#include "app/GeneralErrorDisplay.h"

#include "app/EAppError.h"
#include "app/IUserMessages.h"

#include <exception>

bool RunShowingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const EAppError& error) {
        UserMessages().ShowMessage(error.Text());
    } catch (const std::exception& error) {
        UserMessages().ShowMessage(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

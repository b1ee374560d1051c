#pragma once

#include "services/THelpServices.h"
#include "services/TUpdateCheck.h"

// Tells the user what an update check found and acts on the answer: hands over to the updater
// "Upmender" beside the program and leaves, or opens the download page.
class TUpdateQuestions {
public:
    explicit TUpdateQuestions(const THelpServices& services) : services_(services) {}

    void Run(const TUpdateCheck::TOffer& offer);
    QString UpdaterPath() const;

private:
    void Install(const TUpdateCheck::TUpdateInfo& info);
    void Download(const TUpdateCheck::TUpdateInfo& info);

    const THelpServices& services_;
};

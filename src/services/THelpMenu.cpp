#include "services/THelpMenu.h"

#include "app/ConnectShowingErrors.h"
#include "app/IUserMessages.h"
#include "app/TProgramFolder.h"
#include "services/IUrlOpener.h"
#include "services/TUpdateCheck.h"
#include "services/TUpdateQuestions.h"

#include <QDate>
#include <QFileInfo>

THelpMenu::THelpMenu(THelpServices services, QWidget* parent)
    : QMenu(parent), services_(std::move(services)) {
    setObjectName("HelpMenu");
    auto add = [this](QMenu* menu, const QString& caption, void (THelpMenu::*handler)()) {
        QAction* action = menu->addAction(caption);
        ConnectShowingErrors(action, &QAction::triggered, this, handler);
    };
    add(this, "PDF manual", &THelpMenu::PDFmanual1Click);
    QMenu* online = addMenu("Online");
    add(online, "Online help", &THelpMenu::Onlinehelp1Click);
    add(online, "Report bugs or suggest new features", &THelpMenu::Reportbugsorsuggestnewfeatures1Click);
    add(online, "User forum", &THelpMenu::Userforum1Click);
    add(this, "Check for updates", &THelpMenu::Checkforupdates1Click);
    add(this, "About", &THelpMenu::About1Click);
}

QAction* THelpMenu::Entry(const QString& caption) const {
    for (QAction* action : actions()) {
        if (action->text() == caption)
            return action;
        if (QMenu* submenu = action->menu())
            for (QAction* inner : submenu->actions())
                if (inner->text() == caption)
                    return inner;
    }
    return nullptr;
}

void THelpMenu::PDFmanual1Click() {
    // Beside a program run from its build folder; in share/trackmoth when installed.
    const QString manual = TProgramFolder::ShippedFile(services_.ExecutableFolder, ManualFileName);
    if (!QFileInfo::exists(manual)) {
        UserMessages().ShowMessage("The manual was not found. It belongs here:\n" + manual);
        return;
    }
    // Shown later, from the event loop, once the desktop has said it could not open it.
    services_.Opener->Open(QUrl::fromLocalFile(manual), [manual] {
        UserMessages().ShowMessage(
            "No program on this computer could open the PDF manual. You find it here:\n" + manual);
    });
}

void THelpMenu::OpenPage(const char* path) { services_.Opener->Open(QUrl(services_.WebUrl(path))); }

void THelpMenu::Onlinehelp1Click() { OpenPage("/trackmoth/help/webhelp"); }

void THelpMenu::Reportbugsorsuggestnewfeatures1Click() { OpenPage("/contact.asp"); }

void THelpMenu::Userforum1Click() { OpenPage("/forum"); }

void THelpMenu::Checkforupdates1Click() {
    TUpdateCheck check(*services_.Http, *services_.Connection, services_.WebHost(),
                       services_.ProgramFolder);
    TUpdateQuestions(services_).Run(check.Check(QDate::currentDate()));
}

void THelpMenu::About1Click() {
    if (ShowAbout)
        ShowAbout();
}

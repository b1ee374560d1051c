#pragma once

#include "services/THelpServices.h"

#include <QMenu>

#include <functional>

// The menu under the help button: the PDF manual beside the program, three pages on the
// maker's web server, the update check and the About box.
class THelpMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr const char* ManualFileName = "Trackmoth Manual.pdf";

    THelpMenu(THelpServices services, QWidget* parent = nullptr);

    // Shows the About box; nothing happens while it is not set.
    std::function<void()> ShowAbout;

    void PDFmanual1Click();
    void Onlinehelp1Click();
    void Reportbugsorsuggestnewfeatures1Click();
    void Userforum1Click();
    void Checkforupdates1Click();
    void About1Click();

    QAction* Entry(const QString& caption) const;

private:
    void OpenPage(const char* path);

    THelpServices services_;
};

#pragma once

#include <QString>

#include <functional>

class IConnectionCheck;
class IHttpClient;
class IProgramStarter;
class IUrlOpener;

// What the help menu and the update check work with: the outside things, the maker's web
// server, the program's folders and how to leave for the updater.
struct THelpServices {
    IHttpClient* Http = nullptr;
    IConnectionCheck* Connection = nullptr;
    IUrlOpener* Opener = nullptr;
    IProgramStarter* Starter = nullptr;
    std::function<QString()> WebHost;
    QString ProgramFolder;    // "settings.ini" lives here
    QString ExecutableFolder; // the updater lies beside the program, the manual
                              // too or in ../share/trackmoth
    QString ProgramPath;      // this program's executable, handed to the updater
    // Ends the program at once, without the saves of a normal close.
    std::function<void()> LeaveProgram;

    QString WebUrl(const char* path) const { return "http://" + WebHost().trimmed() + path; }
};

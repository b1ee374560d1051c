#include "app/TProgramFolder.h"

#include "common/TTestDir.h"

#include <QFile>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

TEST(TProgramFolder, UnusableInstallFolderFallsBackToUserData) {
    TTestDir dir;
    const QString install = dir.MakeFolder("install");
    EXPECT_EQ(TProgramFolder::Choose(install, "/fallback"), install);
    EXPECT_EQ(TProgramFolder::Choose(dir.File("missing"), "/fallback"), "/fallback");
    EXPECT_EQ(TProgramFolder::Choose(dir.Write("file", "x"), "/fallback"), "/fallback");
}

TEST(TProgramFolder, ReadOnlyInstallFolderFallsBackToUserData) {
#ifdef __linux__
    // No one may create files in /proc, not even root.
    EXPECT_EQ(TProgramFolder::Choose("/proc", "/fallback"), "/fallback");
#endif
    TTestDir dir;
    const QString install = dir.MakeFolder("install");
    QFile::setPermissions(install, QFile::ReadOwner | QFile::ExeOwner);
    const QString chosen = TProgramFolder::Choose(install, "/fallback");
    QFile::setPermissions(install, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        return; // root writes into folders without write permission
#endif
    EXPECT_EQ(chosen, "/fallback");
}

TEST(TProgramFolder, DiscImagesAreLookedForInBothFolders) {
    EXPECT_EQ(TProgramFolder::DiscFolders("/home/u/.local/share/Trackmoth", "/opt/trackmoth"),
              QStringList({"/home/u/.local/share/Trackmoth/discs", "/opt/trackmoth/discs"}));
    EXPECT_EQ(TProgramFolder::DiscFolders("/opt/trackmoth/", "/opt/trackmoth"),
              QStringList({"/opt/trackmoth/discs"}));
}

TEST(TProgramFolder, FirstStartInTheUserFolderAdoptsTheInstallFoldersSettings) {
    TTestDir dir;
    const QString install = dir.MakeFolder("install");
    const QString user = dir.File("user");
    dir.Write("install/LastSettings.xml", "<Trackmothsettings/>");
    dir.Write("install/SFXHistory.txt", "Foley\r\n");
    dir.Write("install/presets/Settings/Loud.xml", "loud");
    dir.Write("install/presets/Tags/Bext.xml", "bext");
    dir.Write("install/trackmoth", "the program");
    dir.Write("user/presets/Settings/Loud.xml", "the user's own");

    TProgramFolder::AdoptInstallFiles(install, user);
    EXPECT_EQ(dir.Read("user/LastSettings.xml"), "<Trackmothsettings/>");
    EXPECT_EQ(dir.Read("user/SFXHistory.txt"), "Foley\r\n");
    EXPECT_FALSE(QFile::exists(dir.File("user/MusHistory.txt")));
    EXPECT_EQ(dir.Read("user/presets/Tags/Bext.xml"), "bext");
    EXPECT_EQ(dir.Read("user/presets/Settings/Loud.xml"), "the user's own"); // never replaced
    EXPECT_FALSE(QFile::exists(dir.File("user/trackmoth")));

    // Once the user folder has its own settings, the install folder's are not looked at again.
    dir.Write("user/LastSettings.xml", "<Trackmothsettings><CDDBversion>3</CDDBversion></Trackmothsettings>");
    dir.Write("install/MusHistory.txt", "Artist\r\n");
    TProgramFolder::AdoptInstallFiles(install, user);
    EXPECT_FALSE(QFile::exists(dir.File("user/MusHistory.txt")));
    EXPECT_EQ(dir.Read("user/LastSettings.xml"),
              "<Trackmothsettings><CDDBversion>3</CDDBversion></Trackmothsettings>");
}

TEST(TProgramFolder, AnInstalledProgramKeepsItsFilesInTheUserFolder) {
    TTestDir dir;
    const QString build = dir.MakeFolder("build/src");
    const QString bin = dir.MakeFolder("prefix/bin");
    EXPECT_EQ(TProgramFolder::SharedDataFolder(build), "");
    EXPECT_EQ(TProgramFolder::Choose(bin, "/fallback"), bin);
    const QString shared = dir.MakeFolder("prefix/share/trackmoth");
    EXPECT_EQ(TProgramFolder::SharedDataFolder(bin), shared);
    // bin/ is writable here, as it is for root or in a prefix of the user's own.
    EXPECT_EQ(TProgramFolder::Choose(bin, "/fallback"), "/fallback");
}

TEST(TProgramFolder, ShippedFilesAreFoundBesideTheProgramOrInTheSharedDataFolder) {
    TTestDir dir;
    const QString bin = dir.MakeFolder("prefix/bin");
    const char* manual = "Trackmoth Manual.pdf";
    EXPECT_EQ(TProgramFolder::ShippedFile(bin, manual), dir.File("prefix/bin/Trackmoth Manual.pdf"));
    dir.MakeFolder("prefix/share/trackmoth");
    EXPECT_EQ(TProgramFolder::ShippedFile(bin, manual), dir.File("prefix/bin/Trackmoth Manual.pdf"));
    dir.Write("prefix/share/trackmoth/Trackmoth Manual.pdf", "%PDF");
    EXPECT_EQ(TProgramFolder::ShippedFile(bin, manual),
              dir.File("prefix/share/trackmoth/Trackmoth Manual.pdf"));
    dir.Write("prefix/bin/Trackmoth Manual.pdf", "%PDF");
    EXPECT_EQ(TProgramFolder::ShippedFile(bin, manual), dir.File("prefix/bin/Trackmoth Manual.pdf"));
}

TEST(TProgramFolder, AnInstalledProgramAlsoOffersTheShippedDiscs) {
    TTestDir dir;
    const QString bin = dir.MakeFolder("prefix/bin");
    dir.MakeFolder("prefix/share/trackmoth");
    EXPECT_EQ(TProgramFolder::DiscFolders("/home/u/.local/share/Trackmoth", bin),
              QStringList({"/home/u/.local/share/Trackmoth/discs", bin + "/discs",
                           dir.File("prefix/share/trackmoth/discs")}));
}

#include "app/TfMainForm.h"
#include "cdimport/TfrCdimport.h"
#include "services/TMetadataServices.h"
#include "ui/TfrOptions.h"

#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(ServicesInMainForm, TheHelpButtonOpensTheHelpMenu) {
    TTestDir dir;
    TRecordingMessages messages;
    TfMainForm form(dir.Path(), nullptr);
    auto* helpButton = form.findChild<QToolButton*>("btnHelp");
    ASSERT_NE(helpButton, nullptr);
    ASSERT_NE(form.Services(), nullptr);
    EXPECT_EQ(helpButton->menu(), &form.Services()->HelpMenu());
    EXPECT_EQ(helpButton->popupMode(), QToolButton::InstantPopup);
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown = box->metaObject()->className();
            box->close();
        }
    });
    form.Services()->HelpMenu().Entry("About")->trigger();
    EXPECT_EQ(shown, "TfAbout");
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST(ServicesInMainForm, TheServersAreOptionsThatTheSettingsKeep) {
    TTestDir dir;
    TRecordingMessages messages;
    {
        TfMainForm form(dir.Path(), nullptr);
        EXPECT_EQ(form.frOptions()->editFreeDbHost->text(), "gnudb.gnudb.org");
        EXPECT_EQ(form.frOptions()->editSFXdbHost->text(), "");
        form.frCdimport()->btnVOVezAZ->click();
        EXPECT_EQ(messages.Messages.size(), 1);
        EXPECT_TRUE(messages.Messages[0].startsWith("No SFX CD database server is set."));
        form.frOptions()->editFreeDbHost->setText("127.0.0.1:8880");
        form.frOptions()->editSFXdbHost->setText("studio-server:8080");
        form.frOptions()->editWebHost->setText("www.example.org");
        form.SaveSettings(dir.File("s.xml"), TSettingsSections::All());
    }
    const QByteArray saved = dir.Read("s.xml");
    EXPECT_TRUE(saved.contains("<sdxLocation>Not set</sdxLocation>\n  <FreeDbHost>127.0.0.1:8880"
                               "</FreeDbHost>\n  <SFXdbHost>studio-server:8080</SFXdbHost>\n"
                               "  <WebHost>www.example.org</WebHost>\n  <Layout>"))
        << saved.toStdString();
    TfMainForm form(dir.Path(), nullptr);
    form.LoadSettings(dir.File("s.xml"));
    EXPECT_EQ(form.frOptions()->editFreeDbHost->text(), "127.0.0.1:8880");
    EXPECT_EQ(form.frOptions()->editSFXdbHost->text(), "studio-server:8080");
    EXPECT_EQ(form.frOptions()->editWebHost->text(), "www.example.org");
    EXPECT_TRUE(form.Services()->SfxDb().HasServer());
}

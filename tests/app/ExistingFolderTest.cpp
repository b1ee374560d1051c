#include "app/ExistingFolder.h"
#include "app/GeneralErrorDisplay.h"
#include "app/EAppError.h"
#include "cdimport/TOutputFormat.h"

#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

TEST(ExistingFolder, FallsBackToTheNearestOfThreeParents) {
    TTestDir dir;
    const QString root = dir.MakeFolder("a");
    EXPECT_EQ(ExistingFolderOrParent(root), root);
    EXPECT_EQ(ExistingFolderOrParent(root + "/b"), root);
    EXPECT_EQ(ExistingFolderOrParent(root + "/b/c/d"), root);
    EXPECT_EQ(ExistingFolderOrParent(root + "/b/c/d/e"), QString()); // four levels: none
    EXPECT_EQ(ExistingFolderOrParent(QString()), QString());
}

TEST(GeneralErrorDisplay, ShowsTheErrorsOwnTextAndGoesOn) {
    TRecordingMessages messages;
    EXPECT_FALSE(RunShowingErrors([] { throw EAppError("'x1' is not a valid integer value"); }));
    EXPECT_FALSE(RunShowingErrors([] { throw std::runtime_error("disk full"); }));
    EXPECT_TRUE(RunShowingErrors([] {}));
    EXPECT_EQ(messages.Messages,
              QStringList({"'x1' is not a valid integer value", "disk full"}));
}

TEST(TOutputFormat, FormatText) {
    QLocale::setDefault(QLocale::c());
    TOutputFormat format;
    EXPECT_EQ(OutputFormatText(format), "Wav 16Bit, 44.100Khz");
    format.SampleRate = 22050;
    format.BitDepth = 24;
    EXPECT_EQ(OutputFormatText(format), "Wav 24Bit, 22.050Khz");
    format.AudioFormat = sfmp3;
    EXPECT_EQ(OutputFormatText(format), "Mp3 256kbit/s");
}

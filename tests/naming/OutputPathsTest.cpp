#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/OutputPaths.h"

#include <gtest/gtest.h>

namespace {
struct TFolderCase {
    bool autoFolder;
    bool publisherFolder;
    const char* publisher;
    const char* series;
    const char* cd;
    const char* expected;
};

class OutputFolderTest : public ::testing::TestWithParam<TFolderCase> {};

TEST_P(OutputFolderTest, BuildsFoldersFromMetadata) {
    const TFolderCase& c = GetParam();
    tsound sound;
    sound.ID3.Publisher = c.publisher;
    sound.ID3.Artist = c.series;
    sound.ID3.Album = c.cd;
    TFileNameOptions naming;
    naming.AutoFolder = c.autoFolder;
    naming.AutoFolderPublisher = c.publisherFolder;
    EXPECT_EQ(BuildOutputFolder(sound, naming, "/data/SFX"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputFolderTest, ::testing::Values(
    TFolderCase{false, true, "Acme", "Nature", "Birds 2", "/data/SFX/"},
    TFolderCase{true, false, "Acme", "Nature", "Birds 2", "/data/SFX/Nature/Birds 2/"},
    TFolderCase{true, true, "Acme", "Nature", "", "/data/SFX/Acme/Nature/"},
    TFolderCase{true, true, "", "Nature", "Birds", "/data/SFX/Nature/Birds/"},
    TFolderCase{true, false, "", "Cars: fast/slow", "", "/data/SFX/Cars - fast slow/"},
    // Names from online databases must not climb out of the output root.
    TFolderCase{true, false, "", "..", ".", "/data/SFX/"}));

TEST(OutputPaths, FolderNamesAreCutTo255Bytes) {
    tsound sound;
    sound.ID3.Artist = QString(300, 'n');
    sound.ID3.Album = QString::fromUtf8("ö").repeated(200);
    TFileNameOptions naming;
    naming.AutoFolder = true;
    EXPECT_EQ(BuildOutputFolder(sound, naming, "/data/SFX"),
              "/data/SFX/" + QString(255, 'n') + "/" + QString::fromUtf8("ö").repeated(127) + "/");
}

TEST(OutputPaths, RootWithTrailingSlashAndFileNames) {
    TSoundList sounds;
    auto* sound = new tsound;
    sound->filename = "01 - Dog.wav";
    sound->ID3.Artist = "Nature";
    sounds.Add(sound);
    TFileNameOptions naming;
    naming.AutoFolder = true;
    BuildOutputPaths(sounds, naming, "/data/SFX/");
    EXPECT_EQ(sound->path, "/data/SFX/Nature/01 - Dog.wav");
}
} // namespace

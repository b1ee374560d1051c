#pragma once

#include "app/TSoundList.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "naming/TBatchFolder.h"
#include "naming/TRenameBatch.h"
#include "tags/TWavFixture.h"

#include <gtest/gtest.h>

// A batch over the files of a test folder, with its journal in a program folder of its own.
class RenameBatch : public ::testing::Test {
protected:
    RenameBatch() {
        naming.Mask = "%Trc; - %FDes;";
        batch.Panel = [this] { return panel; };
    }
    void TearDown() override { EXPECT_EQ(messages.Messages, QStringList()) << "the batch shows nothing"; }

    // Three WAV files named after their descriptions, listed in track order Cat, Dog, Rain,
    // with the panel applied as a change of its fields does.
    void ThreeSounds() {
        folder.WriteSounds({"Dog bark.wav", "Rain.wav", "Cat meow.wav"});
        folder.List(sounds, naming, panel.DoRename);
        batch.ApplyPanelFields();
    }
    TBatchReport ProcessAllRows() { return batch.ProcessMarked(TBatchFolder::AllRows(sounds)); }
    void AllTags() { panel.DoBwav = panel.DoID3 = panel.DoiXML = true; }
    QByteArray Chunk(const QString& name, const char* id) const {
        return TWavFixture::ChunkData(folder.Read(name), id);
    }
    QStringList JournalLines() const {
        return QString::fromUtf8(program.Read("RenameJournal.txt")).split('\n', Qt::SkipEmptyParts);
    }

    TRecordingMessages messages;
    TTestDir program;
    TBatchFolder folder;
    TSoundList sounds;
    TFileNameOptions naming;
    TPanelValues panel;
    TRenameBatch batch{sounds, naming, program.File("RenameJournal.txt")};
};


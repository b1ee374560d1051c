#pragma once

// The main window over the real drive access of a generated disc image in "discs", offscreen
// and with a silent sound output: the fixture of the tests that import through the window.
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TfrCdimport.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

using TTrack = TCdImageWriter::TTrack;


// The chunk `id` of a RIFF file; empty when it has none.
inline QByteArray Chunk(const QByteArray& riff, const char* id) {
    for (qsizetype at = 12; at + 8 <= riff.size();) {
        const quint32 size = qFromLittleEndian<quint32>(riff.constData() + at + 4);
        if (riff.mid(at, 4) == id)
            return riff.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return {};
}

// The main window over the real drive access of a disc image; ImportInMainForm's three short
// noise tracks unless a test writes its own image before the window is made.
class ImportInMainForm : public ::testing::Test {
protected:
    ImportInMainForm() : ImportInMainForm({TTrack{60, 0, false, 5}, TTrack{45, 0, false, 6}, TTrack{30, 0, false, 7}}) {}
    explicit ImportInMainForm(const QList<TTrack>& tracks) : sectors_(tracks) {
        bin = TCdImageWriter::Write(program.File("discs"), "Disc", tracks);
        cd = std::make_unique<TCDcontrol>(std::make_unique<TLibcdioDrives>(program.File("discs"), false),
                                          std::make_unique<TFakeAudioOutput>());
        form = std::make_unique<TfMainForm>(program.Path(), cd.get());
        form->StartUp();
        form->show();
        form->StartCdDriveTimer();
        panel = form->frCdimport();
        output = program.MakeFolder("out");
    }
    ~ImportInMainForm() override { form.reset(); }

    void FillSfxPanel() {
        panel->PageControl->setCurrentIndex(0);
        for (QCheckBox* box : {panel->chkSfxId3, panel->chkSFXbwav, panel->chksfxIXML})
            box->setChecked(true);
        QTest::keyClicks(panel->editSeries, "Weather");
        QTest::keyClicks(panel->editCD, "Storms 1");
        QTest::keyClicks(panel->editPublisher, "Moth Audio");
        form->CdNaming.Mask = "%Trc; - %FDes;";
        form->cdOutputRoot = output;
    }
    bool WaitForTracks() {
        QElapsedTimer clock;
        clock.start();
        const int tracks = int(sectors_.size());
        while (form->Sounds().Count() < tracks && clock.elapsed() < 5000)
            QTest::qWait(20);
        loadMs = clock.elapsed();
        return form->Sounds().Count() == tracks;
    }
    bool RipDisc() {
        form->Action("acRipDisc")->trigger();
        QElapsedTimer clock;
        clock.start();
        while ((form->Busy() || form->ImportController()->Running()) && clock.elapsed() < 50000)
            QTest::qWait(20);
        return !form->Busy() && !form->ImportController()->Running();
    }
    QByteArray TrackBytes(int track) const {
        int start = 0;
        for (int i = 0; i < track; ++i)
            start += sectors_[i].Sectors;
        return bin.mid(start * TCdImageWriter::SectorBytes,
                       sectors_[track].Sectors * TCdImageWriter::SectorBytes);
    }
    QStringList Files(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    TTestDir program;
    TRecordingMessages messages;
    QByteArray bin;
    std::unique_ptr<TCDcontrol> cd;
    std::unique_ptr<TfMainForm> form;
    TfrCdimport* panel = nullptr;
    QString output;
    qint64 loadMs = 0;

private:
    QList<TTrack> sectors_;
};


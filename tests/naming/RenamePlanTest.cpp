// The order of a rename batch: names freed by the batch are taken after they are freed, rings
// of names go through a temporary name, and the renames that would replace a file are refused
// up front while the others go on.
#include "common/QtPrinters.h"
#include "app/tsound.h"
#include "naming/TRenameBatchFixture.h"
#include "naming/TRenameTagBatch.h"

#include <QFile>
#include <QFileInfo>

namespace {
struct TPlanCase {
    const char* name;
    QStringList files;   // each holds its own name
    QStringList renames; // "from>to"; the files named here are marked
    QStringList after;   // every name in the folder afterwards, with the name its file had
    QStringList failures;
};

void PrintTo(const TPlanCase& plan, std::ostream* out) { *out << plan.name; }

class RenamePlan : public RenameBatch, public testing::WithParamInterface<TPlanCase> {
protected:
    QStringList After() const {
        QStringList after;
        for (const QString& name : folder.Names())
            after << name + "<" + QString::fromUtf8(folder.Read(name));
        return after;
    }
};

const TPlanCase planCases[] = {
    {"chain", {"a.wav", "b.wav"}, {"a.wav>b.wav", "b.wav>c.wav"}, {"b.wav<a.wav", "c.wav<b.wav"}, {}},
    {"swap", {"a.wav", "b.wav"}, {"a.wav>b.wav", "b.wav>a.wav"}, {"a.wav<b.wav", "b.wav<a.wav"}, {}},
    {"ring of three",
     {"a.wav", "b.wav", "c.wav"},
     {"a.wav>b.wav", "b.wav>c.wav", "c.wav>a.wav"},
     {"a.wav<c.wav", "b.wav<a.wav", "c.wav<b.wav"},
     {}},
    {"two swaps and a chain",
     {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav", "f.wav"},
     {"a.wav>b.wav", "b.wav>a.wav", "c.wav>d.wav", "d.wav>c.wav", "e.wav>f.wav", "f.wav>g.wav"},
     {"a.wav<b.wav", "b.wav<a.wav", "c.wav<d.wav", "d.wav<c.wav", "f.wav<e.wav", "g.wav<f.wav"},
     {}},
    {"two files want one name",
     {"a.wav", "b.wav", "c.wav"},
     {"a.wav>x.wav", "b.wav>x.wav", "c.wav>d.wav"},
     {"a.wav<a.wav", "b.wav<b.wav", "d.wav<c.wav"},
     {"a.wav: Cannot rename to \"x.wav\". Another file of the batch would get this name",
      "b.wav: Cannot rename to \"x.wav\". Another file of the batch would get this name"}},
    {"a file that is not moved keeps its name, and so does the file that wanted its name",
     {"a.wav", "b.wav", "c.wav"},
     {"a.wav>b.wav", "c.wav>a.wav"},
     {"a.wav<a.wav", "b.wav<b.wav", "c.wav<c.wav"},
     {"a.wav: Cannot rename to \"b.wav\". File exists", "c.wav: Cannot rename to \"a.wav\". File exists"}},
    {"a refused name is not freed",
     {"a.wav", "b.wav", "c.wav"},
     {"a.wav>x.wav", "b.wav>x.wav", "c.wav>a.wav"},
     {"a.wav<a.wav", "b.wav<b.wav", "c.wav<c.wav"},
     {"a.wav: Cannot rename to \"x.wav\". Another file of the batch would get this name",
      "b.wav: Cannot rename to \"x.wav\". Another file of the batch would get this name",
      "c.wav: Cannot rename to \"a.wav\". File exists"}},
};
} // namespace

TEST_P(RenamePlan, RenamesInAnOrderThatNeverMeetsAFileInTheWay) {
    const TPlanCase& plan = GetParam();
    for (const QString& file : plan.files)
        folder.dir.Write(file, file.toUtf8());
    folder.List(sounds, naming);
    std::vector<int> marked;
    for (const QString& rename : plan.renames) {
        const QStringList names = rename.split('>');
        for (int row = 0; row < sounds.Count(); ++row) {
            if (sounds.Items(row)->Comment == names[0]) {
                sounds.Items(row)->filename = names[1];
                marked.push_back(row);
            }
        }
    }
    const TBatchReport report = batch.RenameMarked(marked);

    EXPECT_EQ(After(), plan.after) << "and no temporary name is left";
    EXPECT_EQ(report.Failures, plan.failures);
    EXPECT_EQ(report.Ok + report.Errors, int(plan.renames.size()));
    for (int row : marked) {
        const tsound& sound = *sounds.Items(row);
        if (sound.Status == ssDone)
            EXPECT_EQ(sound.path, folder.File(sound.filename));
        else
            EXPECT_TRUE(QFile::exists(sound.path)) << "a refused file is where its record says";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RenamePlan, testing::ValuesIn(planCases),
                         [](const testing::TestParamInfo<TPlanCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

TEST_F(RenameBatch, ARingBrokenByAnotherProgramLosesNoFile) {
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        folder.dir.Write(name, name);
    folder.List(sounds, naming);
    sounds.Items(0)->filename = "b.wav";
    sounds.Items(1)->filename = "c.wav";
    sounds.Items(2)->filename = "a.wav";
    // a.wav steps aside, c.wav takes its name; then another program takes the name c.wav left.
    batch.Run = [this](TRenameTagBatch& run) {
        int intents = 0;
        run.OnRenameStage = [&](TRenameTagBatch::TRenameStage stage) {
            if (stage == TRenameTagBatch::TRenameStage::Intended && ++intents == 3)
                folder.dir.Write("c.wav", "another program's");
        };
        run.RunToEnd();
    };
    const TBatchReport report = batch.RenameMarked({0, 1, 2});

    EXPECT_EQ(report.StatisticsLine(), "1 of 3 sounds processed ok\n2 errors");
    ASSERT_EQ(report.Failures.size(), 2);
    EXPECT_TRUE(report.Failures[0].startsWith("a.wav: Cannot rename to \"b.wav\". File exists; "
                                              "Cannot rename to \"a.wav\". File exists; "
                                              "The file is left as \".trackmoth-swap-"))
        << report.Failures[0].toStdString();
    EXPECT_EQ(report.Failures[1], "b.wav: Cannot rename to \"c.wav\". File exists");
    QStringList contents;
    for (const QString& name : folder.Names())
        contents << QString::fromUtf8(folder.Read(name));
    contents.sort();
    EXPECT_EQ(contents, QStringList({"a.wav", "another program's", "b.wav", "c.wav"}));
    const tsound& aside = *sounds.Items(0);
    EXPECT_EQ(folder.dir.Read(QFileInfo(aside.path).fileName()), "a.wav") << "its record knows where it is";

    EXPECT_EQ(batch.UndoLastRenameBatch().StatisticsLine(), "0 of 2 renames undone")
        << "c.wav's name is taken: it cannot go back, and so a.wav cannot either";
}

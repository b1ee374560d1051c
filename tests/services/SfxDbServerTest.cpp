// The database server's own parts: how it decodes what clients send, and its store.
#include "SfxDbForm.h"
#include "SfxDbXml.h"
#include "TSfxDbStore.h"

#include "common/TTestDir.h"
#include "TSfxDbServerProcess.h"

#include <gtest/gtest.h>

TEST(SfxDbServerForm, DecodesOneOrTwoLevelsOfPercentCodes) {
    EXPECT_EQ(PercentDecode("Big%20Bangs%202%20%2d%20Vol%2e%201%20%28disc%202%29%3F"),
              "Big Bangs 2 - Vol. 1 (disc 2)?");
    EXPECT_EQ(PercentDecode("100%+a%2"), "100%+a%2");
    const auto form = DecodeFields("CD=Vol%2520%2526%2520more&Tracks=a%250D%250Ab%250D%250A&x&=v&CD=again", 2);
    EXPECT_EQ(form.at("CD"), "Vol & more");
    EXPECT_EQ(form.at("Tracks"), "a\r\nb\r\n");
    EXPECT_EQ(form.at("x"), "");
    EXPECT_EQ(SplitLines(form.at("Tracks")), std::vector<std::string>({"a", "b"}));
    EXPECT_EQ(QueryOf("/p/qDB.asp?Producer=a+b&CD="), "Producer=a+b&CD=");
    EXPECT_EQ(DecodeFields("Producer=a+b", 1).at("Producer"), "a+b");
    EXPECT_EQ(CleanText("a\tb\x01\x7f" "c\n"), "a bc");
}

TEST(SfxDbServerStore, AddsLinksAndRaisesTheRevisionOnEveryChange) {
    TSfxDbStore store(":memory:");
    EXPECT_EQ(store.Revision(), 0);
    TSfxCd cd{0, "Sound Ideas", "Big Bangs", "Vol 1", "English", {"Boom", "Crash"}, {"7a0b3c0d"}};
    const long long id = store.Add(cd);
    EXPECT_EQ(store.Revision(), 1);
    EXPECT_EQ(store.Add(cd), id); // the same CD once more is not stored twice
    EXPECT_EQ(store.Revision(), 2);
    EXPECT_EQ(store.IdForDisc("7a0b3c0d"), id);
    EXPECT_TRUE(store.Link("7a0b3c0d", id)); // no change: no new revision
    EXPECT_EQ(store.Revision(), 2);
    EXPECT_FALSE(store.Link("11111111", id + 1));
    EXPECT_EQ(store.Find("sound", "", "vol").size(), 1u);
    EXPECT_EQ(store.Find("50%", "", "").size(), 0u);
    EXPECT_EQ(store.Get(id)->TrackNames, std::vector<std::string>({"Boom", "Crash"}));
    EXPECT_FALSE(store.Get(id + 1));
}

TEST(SfxDbServerStore, ExportAndImportKeepEveryCd) {
    TSfxDbStore first(":memory:");
    first.Add({0, "P & Q", "S <1>", "T", "German", {"one", "two"}, {"01020304", "0a0b0c0d"}});
    first.Add({0, "", "Loose", "Orphan", "", {}, {}});
    const std::string exported = ExportXml(first.All(), first.Revision());
    TSfxDbStore second(":memory:");
    second.Import(ParseImportXml(exported));
    EXPECT_EQ(ExportXml(second.All(), 2), exported);
    EXPECT_EQ(second.Revision(), 1);
    EXPECT_THROW(ParseImportXml("<SFXdb><Record><ID>x</ID></Record></SFXdb>"), std::runtime_error);
    EXPECT_THROW(ParseImportXml("not xml <"), std::runtime_error);
}

TEST(SfxDbServerProgram, ImportsExportsAndRefusesBadInput) {
    TTestDir dir;
    const QString database = dir.File("db.sqlite");
    const QString xml = dir.Write("in.xml", "<SFXdb><Record><Prod>P</Prod><Series>S</Series><CD>C</CD>"
                                            "<ID>7</ID><Lang>English</Lang><TrackNames>a\nb</TrackNames>"
                                            "<DiscId>01020304</DiscId></Record></SFXdb>");
    QByteArray output;
    EXPECT_EQ(TSfxDbServerProcess::Run({"--database", database, "--import", xml}, &output), 0);
    EXPECT_TRUE(output.contains("Imported 1 CDs"));
    EXPECT_EQ(TSfxDbServerProcess::Run({"--database", database, "--export", dir.File("out.xml")}), 0);
    const QByteArray exported = dir.Read("out.xml");
    EXPECT_TRUE(exported.contains("<ID>7</ID>"));
    EXPECT_TRUE(exported.contains("<DiscId>01020304</DiscId>"));
    EXPECT_EQ(TSfxDbServerProcess::Run({"--database", database, "--import", dir.Write("bad.xml", "<<")}, &output), 1);
    EXPECT_TRUE(output.contains("not readable XML"));
    EXPECT_EQ(TSfxDbServerProcess::Run({"--port", "x"}), 2);
    EXPECT_EQ(TSfxDbServerProcess::Run({"--bogus", "1"}, &output), 2);
    EXPECT_TRUE(output.contains("Usage: trackmoth-sfxdb"));
}

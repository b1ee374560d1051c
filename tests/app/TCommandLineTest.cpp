#include "app/TCommandLine.h"

#include <gtest/gtest.h>

using EAction = TCommandLine::EAction;

TEST(TCommandLine, OptionsAndPathsAsAnyCommandLineProgramTakesThem) {
    const struct {
        QStringList Arguments;
        bool QtRemoved;
        EAction Action;
        int Status;
        QStringList Paths;
    } cases[] = {
        {{"trackmoth"}, false, EAction::Run, 0, {}},
        {{"trackmoth", "/sfx/Rain", "a.wav"}, false, EAction::Run, 0, {"/sfx/Rain", "a.wav"}},
        {{"trackmoth", "--help", "/sfx"}, false, EAction::PrintHelp, 0, {}},
        {{"trackmoth", "-h"}, false, EAction::PrintHelp, 0, {}},
        {{"trackmoth", "--version"}, false, EAction::PrintVersion, 0, {}},
        {{"trackmoth", "--frobnicate"}, false, EAction::UsageError, 2, {}},
        {{"trackmoth", "--", "--help"}, false, EAction::Run, 0, {"--help"}},
        {{"trackmoth", "-platform", "offscreen", "/sfx"}, false, EAction::Run, 0, {"/sfx"}},
        {{"trackmoth", "-x"}, true, EAction::UsageError, 2, {}},
        {{"trackmoth", "--quit-after-start", "/sfx"}, true, EAction::Run, 0, {"/sfx"}},
    };
    for (const auto& c : cases) {
        const TCommandLine line = TCommandLine::Parse(c.Arguments, c.QtRemoved);
        const std::string name = c.Arguments.join(' ').toStdString();
        EXPECT_EQ(int(line.Action), int(c.Action)) << name;
        EXPECT_EQ(line.ExitStatus, c.Status) << name;
        if (c.Action == EAction::Run)
            EXPECT_EQ(line.Paths, c.Paths) << name;
    }
    const TCommandLine unknown = TCommandLine::Parse({"/usr/bin/trackmoth", "--frobnicate"});
    EXPECT_TRUE(unknown.Text.startsWith("trackmoth: unknown option '--frobnicate'\nUsage: trackmoth "))
        << unknown.Text.toStdString();
    EXPECT_TRUE(TCommandLine::Parse({"trackmoth", "--help"}).Text.contains("--version"));
    EXPECT_EQ(TCommandLine::Parse({"trackmoth", "--version"}).Text, "Trackmoth 2.1\n");
    EXPECT_TRUE(TCommandLine::Parse({"trackmoth", "--quit-after-start"}).QuitAfterStart);
}

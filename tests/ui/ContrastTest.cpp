// Every text the dark look shows against its background, measured from the colours the program
// really paints with: 4.5:1 at least (normal text, WCAG AA).
#include "ui/DarkLook.h"
#include "ui/RowColours.h"

#include <gtest/gtest.h>

namespace {
constexpr double wanted = 4.5;
} // namespace

TEST(Contrast, PaletteTextsAreReadableOnTheirBackgrounds) {
    const QPalette palette = DarkPalette();
    const struct {
        const char* Name;
        QPalette::ColorGroup Group;
        QPalette::ColorRole Text;
        QPalette::ColorRole Background;
    } pairs[] = {
        {"window text", QPalette::Active, QPalette::WindowText, QPalette::Window},
        {"field text", QPalette::Active, QPalette::Text, QPalette::Base},
        {"placeholder", QPalette::Active, QPalette::PlaceholderText, QPalette::Base},
        {"button text", QPalette::Active, QPalette::ButtonText, QPalette::Button},
        {"selected text", QPalette::Active, QPalette::HighlightedText, QPalette::Highlight},
        {"tooltip", QPalette::Active, QPalette::ToolTipText, QPalette::ToolTipBase},
        {"disabled label", QPalette::Disabled, QPalette::WindowText, QPalette::Window},
        {"disabled field", QPalette::Disabled, QPalette::Text, QPalette::Base},
        {"disabled button", QPalette::Disabled, QPalette::ButtonText, QPalette::Button},
        {"disabled placeholder", QPalette::Disabled, QPalette::PlaceholderText, QPalette::Base},
    };
    for (const auto& p : pairs) {
        const double ratio = ContrastRatio(palette.color(p.Group, p.Text), palette.color(p.Group, p.Background));
        EXPECT_GE(ratio, wanted) << p.Name << ": " << ratio;
    }
}

TEST(Contrast, EveryRowStateIsReadable) {
    const TSoundStatus normalStates[] = {ssnormal, ssCdTrack, sserror, ssplaying, ssRenameTag};
    const TSoundStatus jobStates[] = {ssWaiting, ssRipping, ssNeedConvert, ssConverting, ssDone};
    for (const tListLayout& layout : {tListLayout(), tListLayout::MainWindowLayout()}) {
        for (const bool selected : {false, true}) {
            for (const TSoundStatus status : normalStates) {
                const TRowColours c = NormalRowColours(status, selected, layout);
                EXPECT_GE(ContrastRatio(c.Text, c.Background), wanted) << "text, state " << status << " selected " << selected;
                EXPECT_GE(ContrastRatio(c.Description, c.Background), wanted) << "description, state " << status << " selected " << selected;
                EXPECT_GE(ContrastRatio(c.Text, c.Details), wanted) << "details, state " << status << " selected " << selected;
            }
            const TRowColours rename = RenameRowColours(selected, layout);
            EXPECT_GE(ContrastRatio(rename.Text, rename.Background), wanted) << "rename row, selected " << selected;
            EXPECT_GE(ContrastRatio(rename.Text, rename.Details), wanted) << "rename row, selected " << selected;
            // A selected row must stand out from the rows around it, not only be readable.
            EXPECT_GE(ContrastRatio(QColor(layout.SelectedColor), QColor(layout.ItemColor)), 1.5);
        }
    }
    for (const TSoundStatus status : jobStates) {
        const TRowColours c = JobRowColours(status);
        EXPECT_GE(ContrastRatio(c.Text, c.Background), wanted) << "job state " << status;
    }
}

TEST(Contrast, RatioFollowsTheDefinition) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::red, Qt::red), 1.0, 1e-9);
}

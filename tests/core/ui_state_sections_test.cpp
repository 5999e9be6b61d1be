#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/ui_state.h"
#include "core/util/error.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(UiStateSections, AWindowReadsOnlyItsOwnSection) {
    TempDir dir;
    WriteBytes(dir / "q.frm",
               "[TFormMain]\r\nDrawsLength=7\r\nNormPos=1,2,3,4\r\n"
               "[TFormRepeats]\r\nDrawsLength=250\r\nGraphHeight=abc\r\n");
    const UiStateFile main(dir / "q.frm");
    const UiStateFile repeats = main.ForSection("TFormRepeats");
    EXPECT_EQ(main.Section(), "TFormMain");
    EXPECT_EQ(repeats.Section(), "TFormRepeats");
    EXPECT_EQ(repeats.Path(), main.Path());

    EXPECT_EQ(repeats.ReadUiInt("DrawsLength", 100), 250);
    EXPECT_EQ(main.ReadUiInt("DrawsLength", 100), 7);
    // A key of the main window does not leak into the other section, nor a bad number.
    EXPECT_EQ(repeats.ReadUiString("NormPos", ""), "");
    EXPECT_EQ(repeats.ReadUiInt("GraphHeight", 340), 340);
    EXPECT_EQ(repeats.ReadUiInt("DrawsDeep", 100), 100);

    TUiOptions options;
    LoadUiOptions(repeats, options);  // the options always come from the main window's section
    EXPECT_EQ(options.DrawsStatLen, 1000);
}

TEST(UiStateSections, WritingASectionKeepsTheOthers) {
    TempDir dir;
    WriteBytes(dir / "q.frm", "[TFormMain]\r\nTabCard=0\r\n");
    UiStateFile main(dir / "q.frm");
    UiStateFile repeats = main.ForSection("TFormRepeats");
    repeats.WriteUiValues({{"DrawsLength", "300"}, {"DrawsDeep", "20"}});
    repeats.WriteUiInt("GraphHeight", 180);
    main.WriteUiBool("TabWeek", false);
    EXPECT_EQ(ReadBytes(main.Path()),
              "[TFormMain]\r\nTabCard=0\r\nTabWeek=0\r\n\r\n"
              "[TFormRepeats]\r\nDrawsLength=300\r\nDrawsDeep=20\r\nGraphHeight=180\r\n");
    EXPECT_EQ(UiStateFile(dir / "q.frm").ForSection("tformrepeats").ReadUiInt("DrawsDeep", 0), 20);
}

TEST(UiStateSections, AnUnreadableFileIsNeverOverwrittenBySectionKeys) {
    TempDir dir;
    std::filesystem::create_directory(dir / "dir.frm");
    UiStateFile repeats = UiStateFile(dir / "dir.frm").ForSection("TFormRepeats");
    EXPECT_THROW(repeats.ReadUiInt("DrawsLength", 100), Error);
    EXPECT_THROW(repeats.WriteUiInt("DrawsLength", 1), Error);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "dir.frm"));
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include "core/app/workspace.h"
#include "core/scenario_run/scenario_run.h"
#include "core/scenario_run/shard_merge.h"
#include "core/util/codepage.h"
#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "support/fake_ui_host.h"
#include "support/made_up_workspace.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

const std::vector<std::string> MixedLines{"FULL:0#RAND|TSD1#NUMS:3-5;1#LNO:#ST:2| | | | | | |r",
                                          "EXCL:4#ALL|TSD1#NUMS:3#LNO:#ST:8| | | | | | |a",
                                          "CURR:0#FIRST#NEX| | | | | | | |c"};
const std::vector<std::string> ChainLines{"CURR:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a",
                                          "CURR:0#ALL|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |b"};
constexpr int Draws = 130;
constexpr int Tests = 100;

// A data directory with the made-up archive, as the command line opens it.
struct DataDir {
    explicit DataDir(int draws = Draws) : ws(test::MadeUpWorkspace(dir.Path(), host, draws)) {
        ws->Options().ScriptLogEnabled = true;
    }
    std::string Stakes() const { return ReadFileBytes(dir / "Quorvel_3r10.lsk"); }
    std::string Rating() {
        ws->Stakes().SortRating(ws->Stakes().RatingSortColumn(), ws->Stakes().RatingDescending());
        return ReadFileBytes(dir / "Quorvel_3r10.lrt");
    }
    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<Workspace> ws;
};

std::vector<std::string> LogWithoutTimes(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    const std::string text = Cp1251ToUtf8(ReadFileBytes(file));
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start + 23, end - start - 23));
        start = end + 2;
    }
    return lines;
}

// The shards of a test written by a data directory of their own, on two threads each.
std::vector<std::filesystem::path> WriteShards(const std::vector<std::string>& lines, int shards,
                                               const test::TempDir& out) {
    DataDir source;
    source.ws->Script().UseUnsaved(lines);
    std::vector<std::filesystem::path> parts;
    for (int shard = 1; shard <= shards; ++shard) {
        parts.push_back(out / ("part" + std::to_string(shard)));
        WriteTestShard(*source.ws, Tests, shard, shards, 7u, 2, parts.back());
    }
    // Working out shards leaves the data files alone.
    EXPECT_EQ(source.Stakes(), "");
    return parts;
}

void ExpectMergeEqualsOneTest(const std::vector<std::string>& lines) {
    DataDir whole;
    whole.ws->Script().UseUnsaved(lines);
    ScenarioRunner runner(*whole.ws, {}, 7u);
    const ScenarioRunSummary expected = runner.Test(Tests, 1);

    test::TempDir parts;
    const auto files = WriteShards(lines, 3, parts);
    DataDir merged;
    // Given in any order.
    const ShardMergePlan plan = PlanShardMerge(*merged.ws, {files[2], files[0], files[1]});
    std::filesystem::path log;
    const ScenarioRunSummary summary = MergeShards(*merged.ws, plan, &log);

    EXPECT_EQ(summary.Passes, expected.Passes);
    EXPECT_EQ(summary.Variants, expected.Variants);
    EXPECT_EQ(summary.StakesMade, expected.StakesMade);
    EXPECT_GT(expected.StakesMade, Tests);
    EXPECT_EQ(merged.Stakes(), whole.Stakes());
    EXPECT_EQ(merged.Rating(), whole.Rating());
    EXPECT_EQ(LogWithoutTimes(log), LogWithoutTimes(runner.LogPath()));
    EXPECT_TRUE(merged.host.Messages.empty());
}

}  // namespace

TEST(TestShards, ThreeShardsMergedEqualOneTest) {
    ExpectMergeEqualsOneTest(MixedLines);
}

// Each shard of a test whose passes continue the list works out the passes before its block.
TEST(TestShards, ShardsOfPassesInOrderEqualOneTest) {
    ExpectMergeEqualsOneTest(ChainLines);
}

TEST(TestShards, PartsThatDoNotMakeUpTheTestAreRefusedAndNothingIsWritten) {
    test::TempDir parts;
    const auto files = WriteShards(MixedLines, 3, parts);
    auto refused = [&](DataDir& target, const std::vector<std::filesystem::path>& given,
                       const std::string& reason) {
        try {
            PlanShardMerge(*target.ws, given);
            ADD_FAILURE() << "accepted: " << reason;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(target.Stakes(), "");
    };
    DataDir target;
    refused(target, {files[0], files[2]}, "Не хватает части теста 2 из 3 (проходы для смещений 66..34)");
    refused(target, {files[0], files[1]}, "Не хватает части теста 3 из 3");
    refused(target, {files[0], files[1], files[1], files[2]}, "Часть теста 2 из 3 указана дважды");

    // Another archive: one draw more.
    DataDir longer(Draws + 1);
    refused(longer, files, "сделана по другому архиву тиражей");

    // Other settings: the prize of three matches.
    DataDir other;
    other.ws->Stats().List().Config.Cost += 1;
    refused(other, files, "сделана с другими настройками");

    // A part of another scenario.
    test::TempDir chainParts;
    const auto chain = WriteShards(ChainLines, 3, chainParts);
    refused(target, {files[0], chain[1], files[2]}, "относится к другому сценарию");

    // A part split another way.
    DataDir source;
    source.ws->Script().UseUnsaved(MixedLines);
    WriteTestShard(*source.ws, Tests, 2, 2, 7u, 1, parts / "half2");
    refused(target, {files[0], parts / "half2"}, "относится к другому тесту");

    // One byte changed anywhere, or the file cut short.
    std::string bytes = ReadFileBytes(files[1]);
    for (size_t at : {size_t{30}, bytes.size() / 2, bytes.size() - 1}) {
        std::string tampered = bytes;
        tampered[at] = static_cast<char>(tampered[at] ^ 0x20);
        WriteFileSafely(parts / "tampered", tampered);
        refused(target, {files[0], parts / "tampered", files[2]}, "поврежден");
    }
    WriteFileSafely(parts / "short", bytes.substr(0, bytes.size() - 100));
    refused(target, {files[0], parts / "short", files[2]}, "поврежден");
    WriteFileSafely(parts / "text", "FULL:0#FIRST| | | | | | | |a\r\n");
    refused(target, {files[0], parts / "text", files[2]}, "не является файлом части теста");

    // The merge reads each part again when it gets there: one replaced since the check stops it.
    const ShardMergePlan plan = PlanShardMerge(*target.ws, files);
    DataDir reseeded;
    reseeded.ws->Script().UseUnsaved(MixedLines);
    WriteTestShard(*reseeded.ws, Tests, 3, 3, 8u, 1, files[2]);
    try {
        MergeShards(*target.ws, plan);
        ADD_FAILURE() << "merged a part that changed";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("изменилась во время объединения"), std::string::npos)
            << e.what();
    }
}

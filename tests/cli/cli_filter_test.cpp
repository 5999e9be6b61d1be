#include <gtest/gtest.h>

#include <sstream>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

test::CliResult Quorvel(const test::TempDir& dir, std::vector<std::string> args) {
    return test::RunQuorvel(dir, std::move(args), {"--decimal-separator", ","});
}

TEST(CliFilter, TheRoadFromTheSampleArchiveToANarrowedList) {
    test::TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
    EXPECT_EQ(Quorvel(dir, {"combs", "--mode", "1", "--numbers", "7"}).Lines(), 271u);
    EXPECT_EQ(Quorvel(dir, {"combs", "--mode", "2", "--numbers", "7"}).Out, "7;7;7\n");
    EXPECT_EQ(Quorvel(dir, {"combs", "--mode", "3", "--numbers", "7"}).Lines(), 729u);

    test::CliResult stats = Quorvel(dir, {"stats", "--method", "NUMS", "--window", "1000"});
    ASSERT_EQ(stats.Lines(), 11u) << stats.Err;
    EXPECT_EQ(stats.Out.rfind("Значение;Количество;Кол-во в %;", 0), 0u);
    std::istringstream lines(stats.Out);
    std::string line;
    std::getline(lines, line);
    int total = 0;
    while (std::getline(lines, line))
        total += std::stoi(line.substr(line.find(';') + 1));
    EXPECT_EQ(total, 3000);
    EXPECT_NE(stats.Out.find(";9,56667;"), std::string::npos);  // the separator asked for

    EXPECT_EQ(Quorvel(dir, {"filter", "--method", "NUMS", "--remove", "5"}).Lines(), 729u);
    test::CliResult kept =
        Quorvel(dir, {"filter", "--method", "POS1", "--keep", "3", "7", "--out", (dir / "k.lcv").string()});
    EXPECT_EQ(kept.Lines(), 200u);
    EXPECT_EQ(Quorvel(dir, {"filter", "--method", "POS2", "--keep", "0", "--combs", (dir / "k.lcv").string()})
                  .Lines(),
              20u);
    EXPECT_EQ(Quorvel(dir, {"filter", "--method", "NUMS", "--keep", "12"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"stats", "--method", "NOPE"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"stats", "--method", "NUMS", "--window", "0"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"stats", "--method", "NUMS", "--offset", "5000"}).Code, 1);
}

TEST(CliFilter, FullSetFilesAndTheNormColumns) {
    test::TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
    // One file per method with full-set support (the "N" feature).
    const std::string catalogue = Quorvel(dir, {"methods"}).Out;
    std::istringstream entries(catalogue);
    int withFullSet = 0;
    for (std::string line; std::getline(entries, line);) {
        const std::string features = line.substr(line.find(';', line.find(';') + 1) + 1);
        withFullSet += features.substr(0, features.find(';')).find('N') != std::string::npos ? 1 : 0;
    }
    test::CliResult built = Quorvel(dir, {"fullset"});
    EXPECT_EQ(built.Out, "Файлов полного набора: " + std::to_string(withFullSet) + "\n");
    EXPECT_GE(withFullSet, 11);
    test::CliResult stats = Quorvel(dir, {"stats", "--method", "EVEN", "--window", "100", "--prefetch"});
    EXPECT_NE(stats.Out.find("\n1:2;40;40,00000;40;0;0,00000;"), std::string::npos) << stats.Out;
}

}  // namespace
}  // namespace quorvel::cli

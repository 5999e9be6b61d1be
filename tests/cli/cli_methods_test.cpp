#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

std::string Methods(const test::TempDir& dir, const std::vector<std::string>& extra) {
    std::vector<std::string> args{"methods"};
    args.insert(args.end(), extra.begin(), extra.end());
    const test::CliResult run = test::RunQuorvel(dir, std::move(args), {});
    EXPECT_EQ(run.Code, 0) << run.Err;
    return run.Out;
}

TEST(CliMethods, CatalogueAndMethodListFollowTheNamesFile) {
    test::TempDir dir;
    const std::string catalogue = Methods(dir, {});
    EXPECT_EQ(catalogue.rfind("NUMS;0;N;Числа тиража\nDIGS;0;N;Цифры тиража\n", 0), 0u);
    EXPECT_NE(catalogue.find("\nPOS1;0;SNG;Число в 1 позиции тиража\nPOS2;"), std::string::npos);
    EXPECT_EQ(catalogue.find("POE"), std::string::npos);

    test::WriteBytes(
        dir / "Quorvel_3r10.flt",
        "[FILTERS]\r\nFavorites=pos2,NUMS\r\nShowGroupName=0\r\n[STRINGS_RUS]\r\nNUMS=\xC2\xF1\xE5\r\n");
    EXPECT_EQ(Methods(dir, {"--list"}), "Все [ N ]\nЧисло в 2 позиции тиража [ SNG ]\n");
}

}  // namespace
}  // namespace quorvel::cli

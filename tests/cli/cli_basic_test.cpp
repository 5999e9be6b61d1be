#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace quorvel::cli {
namespace {

TEST(Cli, VersionHelpAndUnknownCommands) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--version"}, out, err), 0);
    EXPECT_EQ(out.str().rfind("quorvel ", 0), 0u);
    out.str("");
    EXPECT_EQ(RunCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("--data-dir"), std::string::npos);
    EXPECT_EQ(RunCli({"frobnicate"}, out, err), 1);
    EXPECT_NE(err.str().find("frobnicate"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli

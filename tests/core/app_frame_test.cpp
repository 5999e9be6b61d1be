#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/app/busy.h"
#include "core/app/processes.h"
#include "core/app/switches.h"
#include "core/util/languages.h"
#include "core/util/ui_host.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

TEST(Switches, EveryWrittenFormMatchesWithoutRegardToCase) {
    for (const char* form :
         {"loadonly", "-loadonly", "--loadonly", "/loadonly", "\\loadonly", "LoadOnly", "--LOADONLY"}) {
        EXPECT_TRUE(HasSwitch({"x", form}, "loadonly")) << form;
    }
    EXPECT_FALSE(HasSwitch({"loadonlyx", "---loadonly", "load"}, "loadonly"));
    EXPECT_FALSE(HasSwitch({}, "restart"));
}

TEST(BusyState, ScopesNestAndAlwaysEndEvenOnErrors) {
    test::FakeUiHost host;
    BusyState busy(host);
    try {
        BusyScope outer(busy, host, "Загрузка файла тиражей...");
        BusyScope inner(busy, host, "");
        EXPECT_FALSE(busy.IsIdle());
        throw std::runtime_error("boom");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(busy.IsIdle());
    busy.EndBusy();  // never below zero
    EXPECT_TRUE(busy.IsIdle());
    EXPECT_EQ(host.BusyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.Progress.front(), "Загрузка файла тиражей...");
    EXPECT_EQ(host.Progress.back(), "");
}

TEST(Messages, DeletionQuestionsAndActionErrors) {
    EXPECT_EQ(ConfirmDeleteText(1), "Удалить выделенную запись?");
    EXPECT_EQ(ConfirmDeleteText(3), "Удалить все выделенные записи (всего будет удалено 3 записи(ей))?");
    EXPECT_EQ(ActionError("Ошибка чтения файла тиражей!\r\r%s", "нет доступа 100%"),
              "Ошибка чтения файла тиражей!\r\rнет доступа 100%");
}

TEST(Languages, ModulesFoundByFileNameAndHelpLookupOrder) {
    test::TempDir dir;
    EXPECT_EQ(LanguageModuleName(1033), "Quorvel_3r10_ENU.lng");
    EXPECT_EQ(AvailableLanguages(dir.Path()).size(), 1u);
    test::WriteBytes(dir / "Quorvel_3r10_ENU.lng", "x");
    test::WriteBytes(dir / "Quorvel_3r10_XYZ.lng", "x");
    auto languages = AvailableLanguages(dir.Path());
    ASSERT_EQ(languages.size(), 2u);
    EXPECT_EQ(languages[0].Lcid, 1049);
    EXPECT_EQ(languages[1].Lcid, 1033);

    std::filesystem::create_directories(dir / "bin" / "help");
    EXPECT_EQ(FindHelpFile(dir / "bin", 1049), dir / "help" / "Pelmor_RUS.chm");  // none: the last tried
    test::WriteBytes(dir / "bin" / "help" / "Pelmor_RUS.chm", "x");
    EXPECT_EQ(FindHelpFile(dir / "bin", 1049), dir / "bin" / "help" / "Pelmor_RUS.chm");
    test::WriteBytes(dir / "bin" / "Pelmor_RUS.chm", "x");
    EXPECT_EQ(FindHelpFile(dir / "bin", 1049), dir / "bin" / "Pelmor_RUS.chm");
}

TEST(Processes, SeesAnotherRunningProgram) {
    EXPECT_FALSE(OtherProcessRunning("no-such-program-quorvel"));
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execlp("sleep", "sleep", "5", static_cast<char*>(nullptr));
        _exit(1);
    }
    bool seen = false;
    for (int attempt = 0; attempt < 50 && !seen; ++attempt) {
        seen = OtherProcessRunning("sleep");
        if (!seen) usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace quorvel

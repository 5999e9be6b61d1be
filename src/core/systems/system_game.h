#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/model/game.h"
#include "core/stakes/stake_record.h"

namespace quorvel {

// A system applied to the user's numbers: its combinations translated into their values, in
// the file's order and positions (not yet sorted).
struct TSystemGame {
    TByteArray Numbers;
    std::vector<TComb> Combs;
    std::filesystem::path File;

    int NumberCount() const { return static_cast<int>(Numbers.size()); }
};

// The outcome of loading the system for the user's numbers. On failure, Reason is what a
// scenario log writes and Message what the user is shown (nothing for a file without lines).
struct TSystemLoad {
    std::optional<TSystemGame> Game;
    std::string Reason;
    std::optional<std::string> Message;
};

// "Система для %d чисел не найдена или не загружена на компьютер!"
std::string SystemNotFoundReason(int numbers);

// Finds the first local system file of the folder for as many numbers as given (4 to 10; other
// counts find none), reads it and translates it. Shows nothing itself.
TSystemLoad LoadSystemForNumbers(const std::filesystem::path& folder, const TByteArray& numbers);

// The combinations a system game stakes, in the system's order, each sorted ascending; the
// filtered game keeps only those the current list holds.
std::vector<TComb> SystemStakeCombs(const TSystemGame& game, std::span<const TComb> current, bool filtered);

// The stake records of a system game: the pattern (kind, draw number, comment, profit) with each
// combination of SystemStakeCombs and the selection size of the game (the system's combinations,
// or the current list's size in the filtered game).
std::vector<TStakeRecord> SystemStakeRecords(const TSystemGame& game, std::span<const TComb> current,
                                             bool filtered, const TStakeRecord& pattern);

// The default comment of a system game from the systems tab.
std::string SystemStakeComment(const TSystemGame& game, bool filtered);

}  // namespace quorvel

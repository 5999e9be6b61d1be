#include "core/systems/system_files.h"

#include <algorithm>
#include <chrono>

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view SystemExtension = ".dat";

bool AllDigits(std::string_view text) {
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "3-NN-" where NN is the count of numbers; for a negative count any text up to the second dash.
bool HasSystemPrefix(std::string_view name, int numbers) {
    const std::string prefix = Format("%d-", {SystemCombLength});
    if (name.substr(0, prefix.size()) != prefix) return false;
    name.remove_prefix(prefix.size());
    const size_t dash = name.find('-');
    if (dash == std::string_view::npos) return false;
    return numbers < 0 || name.substr(0, dash) == Format("%.2d", {numbers});
}

bool HasSystemExtension(std::string_view name) {
    return name.size() > SystemExtension.size() &&
           SameTextIgnoringCase(name.substr(name.size() - SystemExtension.size()), SystemExtension);
}

std::string NameOf(const fs::path& path) {
    return PathText(path.filename());
}

}  // namespace

std::string SystemFileName(const TSystemFileKey& key) {
    return Format("%d-%.2d-%d_%.4d.dat", {SystemCombLength, key.Numbers, key.Block, key.Id});
}

std::optional<TSystemFileKey> ParseSystemFileName(std::string_view name) {
    if (!HasSystemPrefix(name, -1) || !HasSystemExtension(name)) return std::nullopt;
    name.remove_prefix(2);
    name.remove_suffix(SystemExtension.size());
    const size_t dash = name.find('-');
    const size_t underscore = name.find('_', dash);
    if (underscore == std::string_view::npos) return std::nullopt;
    const std::string_view numbers = name.substr(0, dash);
    const std::string_view block = name.substr(dash + 1, underscore - dash - 1);
    const std::string_view id = name.substr(underscore + 1);
    if (!AllDigits(numbers) || !AllDigits(block) || !AllDigits(id)) return std::nullopt;
    return TSystemFileKey{*ParseInt32(numbers), *ParseInt32(block), *ParseInt32(id)};
}

bool MatchesSystemPattern(std::string_view name, int numbers) {
    if (!HasSystemPrefix(name, numbers) || !HasSystemExtension(name)) return false;
    // The "*_*" part: an underscore somewhere after the second dash.
    const size_t second = name.find('-', 2);
    return name.find('_', second) < name.size() - SystemExtension.size();
}

std::vector<fs::path> FindSystemFiles(const fs::path& folder, int numbers) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && MatchesSystemPattern(NameOf(it->path()), numbers))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        return LowerCase(NameOf(a)) < LowerCase(NameOf(b));
    });
    return files;
}

std::vector<TSystemLine> ReadSystemFile(const fs::path& file, int numbers) {
    return ParseSystemLines(ReadTextFile(file), numbers, PathText(file));
}

int CountSystemFileLines(const fs::path& file) {
    try {
        const auto lines = ReadTextFile(file);
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
            return !SplitWords(line, SystemSeparators).empty();
        }));
    } catch (const std::exception&) {
        return 0;
    }
}

void WriteSystemFile(const fs::path& file, const std::vector<TSystemLine>& lines,
                     std::optional<int64_t> created) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const TSystemLine& line : lines)
        texts.push_back(SystemLineText(line));
    WriteTextFile(file, texts);
    if (!created || *created <= 0) return;
    std::error_code ec;
    const auto time =
        std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(*created)));
    // The content is safe on disk; a date that cannot be set only leaves the time of writing.
    fs::last_write_time(file, time, ec);
}

int64_t SystemFileTime(const fs::path& file) {
    std::error_code ec;
    const auto time = fs::last_write_time(file, ec);
    if (ec) return 0;
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::file_clock::to_sys(time).time_since_epoch())
        .count();
}

bool SeedShippedSystems(const fs::path& folder, const fs::path& shipped) {
    std::error_code ec;
    if (fs::exists(folder, ec) || ec || !fs::is_directory(shipped, ec)) return false;
    if (fs::equivalent(folder, shipped, ec)) return false;
    // Filled beside the folder and renamed into place, so that a start cut short never leaves a
    // half-filled folder that would then count as the user's own.
    fs::path staging = folder;
    staging += ".~tmp";
    fs::remove_all(staging, ec);
    fs::create_directories(staging, ec);
    if (ec) throw Error(Format("Не удалось создать каталог \"%s\": %s", {PathText(staging), ec.message()}));
    int copied = 0;
    for (fs::directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const fs::path target = staging / it->path().filename();
        WriteFileSafely(target, ReadFileBytes(it->path()));
        std::error_code timeError;
        fs::last_write_time(target, fs::last_write_time(it->path(), timeError), timeError);
        ++copied;
    }
    fs::rename(staging, folder, ec);
    if (ec) {
        fs::remove_all(staging, ec);
        throw Error(Format("Не удалось создать каталог \"%s\"", {PathText(folder)}));
    }
    return copied > 0;
}

std::vector<TShippedSystem> ShippedSystems() {
    std::vector<TShippedSystem> systems;
    for (int numbers = SystemNumbersMin; numbers <= SystemNumbersMax; ++numbers) {
        std::vector<TSystemLine> lines = CompleteSystem(numbers);
        systems.push_back({{numbers, 0, numbers},
                           Format("Полная система для %d чисел", {numbers}),
                           Format("Все сочетания из %d чисел по три, по возрастанию (%d комбинаций).",
                                  {numbers, static_cast<int>(lines.size())}),
                           std::move(lines)});
    }
    return systems;
}

}  // namespace quorvel

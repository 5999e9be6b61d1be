#include "core/scenario/scenario.h"

#include <algorithm>

#include "core/scenario/script_line.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace {

[[noreturn]] void ThrowIndexError(int index) {
    throw Error(Format("Запись со индексом %d в файле данных не найдена!", {index}));
}

}  // namespace

const std::string& TScenario::Line(int index) const {
    if (index < 0 || index >= Count()) ThrowIndexError(index);
    return lines_[static_cast<size_t>(index)];
}

void TScenario::Replace(int index, std::string line) {
    if (index < 0 || index >= Count()) ThrowIndexError(index);
    lines_[static_cast<size_t>(index)] = std::move(line);
}

int TScenario::Append(std::string line) {
    lines_.push_back(std::move(line));
    return Count() - 1;
}

int TScenario::Delete(const std::vector<int>& indexes) {
    std::vector<int> sorted;
    for (int index : indexes) {
        if (index >= 0 && index < Count()) sorted.push_back(index);
    }
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
        lines_.erase(lines_.begin() + *it);
    return static_cast<int>(sorted.size());
}

bool TScenario::IsCommandLine(int index) const {
    return index >= 0 && index < Count() && !IsScriptSeparator(lines_[static_cast<size_t>(index)]);
}

void TScenario::Swap(int a, int b) {
    if (a < 0 || a >= Count()) ThrowIndexError(a);
    if (b < 0 || b >= Count() || (a - b != 1 && b - a != 1)) ThrowIndexError(b);
    std::swap(lines_[static_cast<size_t>(a)], lines_[static_cast<size_t>(b)]);
}

void TScenario::AppendLines(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    if (!lines_.empty() && !IsScriptSeparator(lines_.back())) lines_.emplace_back();
    lines_.insert(lines_.end(), lines.begin(), lines.end());
}

std::vector<std::string> ReadScenarioFile(const std::filesystem::path& path) {
    return ReadTextFile(path);
}

void WriteScenarioFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    WriteTextFile(path, lines);
}

std::string ScenarioReadErrorText(const std::filesystem::path& path, const std::string& reason) {
    return Format("Ошибка чтения файла \"%s\"!\r\r%s", {PathText(path), reason});
}

std::string ScenarioWriteErrorText(const std::filesystem::path& path, const std::string& reason) {
    return Format("Ошибка записи в файл \"%s\"!\r\r%s", {PathText(path), reason});
}

}  // namespace quorvel

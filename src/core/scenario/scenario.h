#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvel {

// The file dialogs' filter of the scenario files the user chooses.
inline constexpr const char* ScenarioFileFilter = "Файлы сценариев (*.lsc)|*.lsc";
inline constexpr const char* ScenarioFileExtension = "lsc";
// The current scenario is kept in "<program>.lss" beside the other data files.
inline constexpr const char* ScenarioAutosaveExtension = ".lss";

// Told whenever the current scenario changed, so that the list and its "Строк: %d" follow.
class ScenarioListener {
public:
    virtual ~ScenarioListener() = default;
    virtual void ScenarioRefreshed() = 0;
};

// The current scenario: its lines in file order, blank separators included. Lines are kept
// exactly as written; they are read only when shown or run.
class TScenario {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    bool Empty() const { return lines_.empty(); }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Reading or replacing outside the list throws Error
    // "Запись со индексом %d в файле данных не найдена!".
    const std::string& Line(int index) const;
    void Replace(int index, std::string line);
    // Returns the index of the new line.
    int Append(std::string line);
    // Deletes the lines at the given indexes; indexes outside the list and repeats are ignored.
    // Returns how many lines went.
    int Delete(const std::vector<int>& indexes);
    void Clear() { lines_.clear(); }
    void Assign(std::vector<std::string> lines) { lines_ = std::move(lines); }
    // A line that is not a separator: the line dialog can clone and edit it.
    bool IsCommandLine(int index) const;
    // The first line cannot go up, nor the last one down.
    bool CanMoveUp(int index) const { return index > 0 && index < Count(); }
    bool CanMoveDown(int index) const { return index >= 0 && index + 1 < Count(); }
    // Swaps two neighbouring lines; anything else throws the index error.
    void Swap(int a, int b);
    // The lines of a file added at the end: with a blank separator between, unless the scenario
    // is empty or already ends with a blank line. No lines change nothing.
    void AppendLines(const std::vector<std::string>& lines);

private:
    std::vector<std::string> lines_;
};

// The whole file, one line per text line; lines may end in CR LF, CR or LF. Throws Error with
// the system's reason when the file cannot be read.
std::vector<std::string> ReadScenarioFile(const std::filesystem::path& path);
// Written whole and crash-safely, CR LF after every line; throws Error with the reason.
void WriteScenarioFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// "Ошибка чтения файла \"%s\"!\r\r%s" and "Ошибка записи в файл \"%s\"!\r\r%s".
std::string ScenarioReadErrorText(const std::filesystem::path& path, const std::string& reason);
std::string ScenarioWriteErrorText(const std::filesystem::path& path, const std::string& reason);

}  // namespace quorvel

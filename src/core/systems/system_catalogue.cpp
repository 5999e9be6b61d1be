#include "core/systems/system_catalogue.h"

#include <algorithm>
#include <ctime>

#include "core/util/format.h"
#include "core/util/ini_file.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace fs = std::filesystem;

namespace {

// A settings value holds one line: line breaks and backslashes travel escaped.
std::string EscapeValue(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            out += "\\\\";
        } else if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string UnescapeValue(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? "\r\n" : "\\";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

fs::path DescriptionsPath(const fs::path& folder) {
    return folder / SystemDescriptionsFileName;
}

std::string Section(int id) {
    return std::to_string(id);
}

int64_t ReadTime(const TIniFile& ini, const std::string& section, const char* key) {
    const std::string text = ini.ReadString(section, key, "");
    try {
        return text.empty() ? 0 : std::stoll(text);
    } catch (const std::exception&) {
        return 0;
    }
}

void FillDescription(const TIniFile& ini, TSystemInfo& info) {
    const std::string section = Section(info.Id);
    if (!info.HasId()) return;
    info.Title = UnescapeValue(ini.ReadString(section, "Title", ""));
    info.Author = UnescapeValue(ini.ReadString(section, "Author", ""));
    info.Owner = UnescapeValue(ini.ReadString(section, "Owner", ""));
    info.Description = UnescapeValue(ini.ReadString(section, "Description", ""));
    info.Link = UnescapeValue(ini.ReadString(section, "Link", ""));
    info.Downloads = std::max(0, ini.ReadInteger(section, "Downloads", 0));
    info.LastDownload = ReadTime(ini, section, "LastDownload");
    if (const int64_t created = ReadTime(ini, section, "Created"); created > 0) info.Created = created;
}

TSystemInfo InfoOfFile(const fs::path& file) {
    TSystemInfo info;
    info.File = file;
    info.Created = SystemFileTime(file);
    info.Combinations = CountSystemFileLines(file);
    if (auto key = ParseSystemFileName(PathText(file.filename()))) {
        info.Id = key->Id;
        info.Numbers = static_cast<uint8_t>(std::clamp(key->Numbers, 0, 255));
        info.Block = static_cast<uint8_t>(std::clamp(key->Block, 0, 255));
    }
    return info;
}

}  // namespace

std::string TSystemInfo::ShownTitle() const {
    if (!Title.empty() || File.empty()) return Title;
    return PathText(File.stem());
}

std::vector<TSystemInfo> ListLocalSystems(const fs::path& folder) {
    const TIniFile ini = TIniFile::Load(DescriptionsPath(folder));
    std::vector<TSystemInfo> systems;
    for (const fs::path& file : FindSystemFiles(folder, -1)) {
        TSystemInfo info = InfoOfFile(file);
        FillDescription(ini, info);
        systems.push_back(std::move(info));
    }
    return systems;
}

std::string ReadSystemCombsText(const TSystemInfo& info) {
    if (info.File.empty()) return {};
    try {
        return Join(ReadTextFile(info.File), "\r\n");
    } catch (const std::exception&) {
        return {};
    }
}

void StoreSystemDescription(const fs::path& folder, const TSystemInfo& info) {
    TIniFile ini = TIniFile::Load(DescriptionsPath(folder));
    const std::string section = Section(info.Id);
    ini.WriteString(section, "Title", EscapeValue(info.Title));
    ini.WriteString(section, "Author", EscapeValue(info.Author));
    ini.WriteString(section, "Owner", EscapeValue(info.Owner));
    ini.WriteString(section, "Description", EscapeValue(info.Description));
    ini.WriteString(section, "Link", EscapeValue(info.Link));
    ini.WriteString(section, "Created", std::to_string(info.Created));
    ini.WriteInteger(section, "Downloads", info.Downloads);
    ini.WriteString(section, "LastDownload", std::to_string(info.LastDownload));
    ini.Save(DescriptionsPath(folder));
}

void EraseSystemDescription(const fs::path& folder, int id) {
    const fs::path path = DescriptionsPath(folder);
    std::error_code ec;
    if (!fs::exists(path, ec)) return;
    TIniFile ini = TIniFile::Load(path);
    ini.EraseSection(Section(id));
    ini.Save(path);
}

void LoadSystemDescription(const fs::path& folder, TSystemInfo& info) {
    FillDescription(TIniFile::Load(DescriptionsPath(folder)), info);
}

int NextOwnSystemId(const fs::path& folder) {
    int last = OwnSystemFirstId - 1;
    for (const fs::path& file : FindSystemFiles(folder, -1)) {
        if (auto key = ParseSystemFileName(PathText(file.filename()))) last = std::max(last, key->Id);
    }
    // An identifier whose file went may still have its description; it is not reused.
    for (const std::string& line : TIniFile::Load(DescriptionsPath(folder)).Lines()) {
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.size() < 3 || trimmed.front() != '[' || trimmed.back() != ']') continue;
        if (auto id = ParseInt32(trimmed.substr(1, trimmed.size() - 2))) last = std::max(last, *id);
    }
    return last + 1;
}

std::optional<std::string> SystemDataProblem(const TSystemData& data) {
    const TSystemInfo& info = data.Info;
    if (TrimBlanks(info.Title).empty()) return "Название системы должно быть указано обязательно!";
    if (info.Numbers < SystemNumbersMin || info.Numbers > SystemNumbersMax)
        return "Указано недопустмое количество используемых чисел!";
    if (info.Block > SystemBlockMax) return "Указан недопустмый размер блока!";
    if (TrimBlanks(info.Author).empty()) return "Имя автора должно быть указано обязательно!";
    if (TrimBlanks(info.Description).empty()) return "Описание системы должно быть указано обязательно!";
    const TNormalizedSystem system = NormalizeSystemText(data.CombsText);
    if (system.Combs.empty()) return "Содержимое системы должно быть указано обязательно!";
    // A system whose numbers do not start at 1 would reach past the user's numbers when played.
    if (system.Smallest < 1 || system.Largest > info.Numbers)
        return Format("Номера чисел в комбинациях системы должны быть от 1 до %d!",
                      {static_cast<int>(info.Numbers)});
    return std::nullopt;
}

std::string SystemTimeText(int64_t seconds) {
    if (seconds <= 0) return {};
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    localtime_r(&time, &parts);
    return Format("%.4d-%.2d-%.2d %.2d:%.2d:%.2d", {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                                                    parts.tm_hour, parts.tm_min, parts.tm_sec});
}

const std::array<const char*, SystemColumnCount> SystemColumnCaptions = {
    "Название",  "Автор",  "Числа",    "Блок",        "Комбинаций", "Дата создания",
    "Последняя", "Статус", "Загрузок", "Комментарии", "Ссылка"};

std::array<std::string, SystemColumnCount> SystemRowTexts(const TSystemInfo& info) {
    std::array<std::string, SystemColumnCount> texts;
    texts[0] = info.ShownTitle();
    texts[1] = info.Author;
    if (info.HasId()) {
        texts[2] = Format("%.2d", {static_cast<int>(info.Numbers)});
        texts[3] = std::to_string(info.Block);
        texts[4] = std::to_string(info.Combinations);
        texts[8] = std::to_string(info.Downloads);
    }
    texts[5] = SystemTimeText(info.Created);
    texts[6] = SystemTimeText(info.LastDownload);
    texts[7] = info.IsDownloaded() ? "Загружена" : "";
    // The list shows the description on its one line.
    texts[9] = Join(SplitLines(info.Description), " ");
    texts[10] = info.Link;
    return texts;
}

}  // namespace quorvel

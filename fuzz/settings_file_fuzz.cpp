// The settings file, hand-edited or damaged: read as a whole and by every settings group of
// the program. One write settles it: the written file keeps every line it read, and reading
// and writing it again changes nothing.
#include <filesystem>

#include "core/archive/download_settings.h"
#include "core/archive/proxy_settings.h"
#include "core/util/ini_file.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

// Everything the program reads from the settings file, written back the way it writes it.
void ReadAndWriteEverySetting(const std::filesystem::path& path) {
    TStatList stats(path);
    stats.LoadSettings();
    stats.LoadShredding();
    stats.LoadCombsGenerate();
    stats.SaveSettings();
    stats.SaveShredding();
    stats.SaveCombsGenerate();
    TIniFile ini = TIniFile::Load(path);
    SaveDownloadSettings(ini, LoadDownloadSettings(ini));
    SaveProxySettings(ini, LoadProxySettings(ini));
    ini.Save(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "settings.ini");
    TIniFile ini;
    if (!fuzz::Refusing([&] { ini = TIniFile::Load(path); })) return 0;
    const auto copy = fuzz::Folder() / "copy.ini";
    ini.Save(copy);
    fuzz::Expect(TIniFile::Load(copy).Lines() == ini.Lines(), "the written file lost or changed a line");

    ReadAndWriteEverySetting(path);
    const std::string settled = ReadFileBytes(path);
    ReadAndWriteEverySetting(path);
    fuzz::Expect(ReadFileBytes(path) == settled, "the settings changed on a second reading");
    return 0;
}

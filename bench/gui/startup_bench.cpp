// The desktop program from its start to its working state (window built and shown, archive,
// stakes, list and views ready) over a data directory with the large archive.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "bench/large_archive.h"
#include "core/app/data_dir.h"
#include "core/app/ui_state.h"
#include "core/archive/draws_file.h"
#include "gui/app/main_window.h"

namespace {

using namespace quorvel;

// Questions at start-up (the download offer) are answered No; messages are dropped.
class QuietHost : public UiHost {
public:
    void ShowProgress(const std::string&) override {}
    void ShowError(const std::string&) override {}
    void ShowInfo(const std::string&) override {}
    void ShowWarning(const std::string&, WarningCaption) override {}
    bool AskYesNo(const std::string&) override { return false; }
    bool AskDelete(const std::string&) override { return false; }
};

// A data directory that has been started once: draws file written, first-run page seen,
// full-set files made.
std::filesystem::path StartedDataDirectory() {
    const std::filesystem::path dir = std::filesystem::path(QUORVEL_BENCH_DATA_DIR) / "startup_data";
    std::filesystem::create_directories(dir);
    const DataDirectory data(dir);
    SaveDrawsFile(data.DrawsPath(), bench::LargeArchive().Draws());
    UiStateFile(data.UiStatePath()).WriteUiBool("FirstRun", false);
    return dir;
}

void StartWindow(const std::filesystem::path& dir, QuietHost& host) {
    gui::MainWindow window{DataDirectory(dir), {}};
    window.SetUiHost(&host);
    window.show();
    benchmark::DoNotOptimize(window.Initialise());
    QApplication::processEvents();
}

void BM_DesktopStartup(benchmark::State& state) {
    static const std::filesystem::path dir = StartedDataDirectory();
    QuietHost host;
    StartWindow(dir, host);  // the first start makes the full-set files
    for (auto _ : state)
        StartWindow(dir, host);
}
BENCHMARK(BM_DesktopStartup)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

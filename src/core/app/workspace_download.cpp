#include "core/app/workspace.h"
#include "core/archive/download.h"
#include "core/util/format.h"

namespace quorvel {

bool Workspace::RunLoadOnlySwitch() {
    if (!HasSwitch("loadonly")) return false;
    // A batch run has nobody to answer the retry question: the reason it stopped is reported.
    std::string failure;
    download_.DrawsDownload(-1, &failure);
    if (!failure.empty()) host_.ShowError(DownloadFailureText(failure));
    // With a full-set switch the batch run goes on to those files before it ends.
    if (HasSwitch("fullrecreate") || HasSwitch("fullrefresh")) return false;
    endsAfterStartup_ = true;
    return true;
}

void Workspace::RunStartupDownload() {
    // The command line never downloads by itself, and without an address there is nothing to
    // offer.
    if (mode_ != Mode::Window || download_.Settings().ResultsUrl.empty()) return;
    switch (options_.DownloadDrawsOnStart) {
        case 0:
            if (host_.AskYesNo("Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее "
                               "подключение к сети Интернет."))
                download_.DrawsDownload();
            break;
        case 1:
            download_.DrawsDownload();
            break;
        default:
            break;
    }
}

}  // namespace quorvel

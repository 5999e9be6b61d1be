#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/app/busy.h"
#include "core/app/data_dir.h"
#include "core/app/listeners.h"
#include "core/archive/draw_archive.h"
#include "core/archive/draws_import.h"
#include "core/util/ui_host.h"

namespace quorvel {

// What the draws service reads from the rest of the workspace.
struct DrawsServiceParts {
    const DataDirectory& Dir;
    UiHost& Host;
    BusyState& Busy;
    WorkspaceListeners& Listeners;
};

// The archive of draws and its offset. Each change is saved at once and reported to the
// listeners; errors are shown and what was stored stays.
class DrawsService {
public:
    explicit DrawsService(DrawsServiceParts parts) : p_(parts) {}

    DrawArchive& Archive() { return archive_; }
    const DrawArchive& Archive() const { return archive_; }

    void LoadDraws();
    bool SaveDraws();
    bool AddDraw(const TDraw& draw);
    bool ReplaceDraw(int index, const TDraw& draw);
    // Deletes the draws shown at the given rows, one per row, after the user confirms.
    bool DeleteDrawsAtRows(const std::vector<int>& rows);
    std::optional<DrawsImportResult> ImportDraws(const std::filesystem::path& file);
    bool ExportDraws(const std::filesystem::path& file);
    void SetDrawsOffset(int offset);
    // A draw proposed for the add dialog: zeroed, numbered after the newest draw.
    TDraw NewDrawTemplate() const;
    // The archive or the offset changed: the lists and status texts follow.
    void RefreshDraws(bool force);
    // Every analysis view recomputes.
    void RecalcViews();

private:
    DrawsServiceParts p_;
    DrawArchive archive_;
};

}  // namespace quorvel

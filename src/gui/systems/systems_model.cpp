#include "gui/systems/systems_model.h"

#include <algorithm>

#include "gui/widgets/core_text.h"

namespace quorvel::gui {

SystemsModel::SystemsModel(const Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), workspace_(workspace) {}

void SystemsModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int SystemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(workspace_.Systems().List().size());
}

int SystemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SystemColumnCount;
}

QVariant SystemsModel::SortValue(const TSystemInfo& info, int column) const {
    // Rows without identifier show these columns empty and sort before every number.
    const int none = -1;
    switch (column) {
        case 2:
            return info.HasId() ? int(info.Numbers) : none;
        case 3:
            return info.HasId() ? int(info.Block) : none;
        case 4:
            return info.HasId() ? info.Combinations : none;
        case 5:
            return qlonglong(info.Created);
        case 6:
            return qlonglong(info.LastDownload);
        case 8:
            return info.HasId() ? info.Downloads : none;
        default: {
            const auto texts = SystemRowTexts(info);
            return QString::fromStdString(texts[static_cast<size_t>(column)]).toLower();
        }
    }
}

QVariant SystemsModel::data(const QModelIndex& index, int role) const {
    const auto& systems = workspace_.Systems().List();
    if (!index.isValid() || index.row() >= static_cast<int>(systems.size())) return {};
    const TSystemInfo& info = systems[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        const auto column = static_cast<size_t>(index.column());
        const std::string text = SystemRowTexts(info)[column];
        const bool ours = std::find(SystemTranslatedColumns.begin(), SystemTranslatedColumns.end(), column) !=
                          SystemTranslatedColumns.end();
        return ours ? ListEntryText(text) : QString::fromStdString(text);
    }
    if (role == SortRole) return SortValue(info, index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= 2 && index.column() <= 8)
        return int(Qt::AlignCenter);
    return {};
}

QVariant SystemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < SystemColumnCount)
        return ColumnText(SystemColumnCaptions[static_cast<size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace quorvel::gui

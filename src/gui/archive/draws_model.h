#pragma once

#include <QAbstractTableModel>

#include "core/archive/draw_archive.h"

namespace quorvel::gui {

struct DrawsListOptions {
    bool ColorDraws = true;
    bool SortedDraws = false;
    int ChannelSize = 2;
};

// The draws list: newest draw first, rows made on demand from the archive.
class DrawsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ColNumber, ColValue1, ColValue2, ColValue3, ColSum, ColDate, ColumnCount };
    static constexpr uint32_t OffsetRowColor = 0xFFAAAA;

    explicit DrawsModel(const DrawArchive& archive, QObject* parent = nullptr);

    void SetOptions(const DrawsListOptions& options);
    // Follows the archive: a new row count resets the model (always when forced), otherwise
    // only the cells repaint, so the offset row's colour moves.
    void Refresh(bool force);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant Text(const TDraw& draw, int column) const;
    QVariant Background(const TDraw& draw, int row, int column) const;

    const DrawArchive& archive_;
    DrawsListOptions options_;
    int shownRows_ = 0;
};

}  // namespace quorvel::gui

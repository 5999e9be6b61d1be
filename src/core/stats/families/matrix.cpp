#include "core/stats/families/matrix.h"
#include "core/stats/families/make_stat.h"

#include <algorithm>

#include "core/stats/registry.h"
#include "core/stats/stat_list.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

uint8_t ColumnCountCopy(int32_t columns) {
    return static_cast<uint8_t>(std::clamp(columns, 0, 255));
}

}  // namespace

TCustomMatrixStat::TCustomMatrixStat(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomNumbersStat(statClass, owner, param), columnCount_(ColumnCountCopy(owner.Config.MatrixCols)) {}

TCustomMatrixGraphStat::TCustomMatrixGraphStat(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomGraphStat(statClass, owner, param), columnCount_(ColumnCountCopy(owner.Config.MatrixCols)) {}

namespace {

// The single-value matrix classes keep their places in the catalogue but are never offered,
// so nothing creates them and they count nothing.
class TstColumns : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstRows : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstColValues : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstRowValues : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstColCount : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
};
class TstRowCount : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
};
class TstColMask : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstRowMask : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstColAjacent : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstRowAjacent : public TCustomMatrixStat {
public:
    using TCustomMatrixStat::TCustomMatrixStat;
};
class TstColAjacentCnt : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
};
class TstRowAjacentCnt : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
};
class TstColValCnt : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
};
class TstRowValCnt : public TCustomMatrixGraphStat {
public:
    using TCustomMatrixGraphStat::TCustomMatrixGraphStat;
};

TStatClass Row(int position, const char* name, std::string code, std::string title, uint8_t flags, bool graph,
               TStatClass::CreateFn create) {
    TStatClass c = StatRow(4, position, name, std::move(code), std::move(title), flags, graph, true, create);
    c.Available = false;
    return c;
}

// A tuple class carries its k in its code and title already; only k = 2 and 3 are offered,
// a draw of three values having no tuple of four positions.
TStatClass TupleRow(int position, const char* name, const char* code, const char* title, int k,
                    TStatClass::CreateFn create) {
    return TupleStatRow(4, position, name, code, title, k, create);
}

}  // namespace

void RegisterMatrixFamily(std::vector<TStatClass>& classes) {
    classes.push_back(
        Row(25, "TstColumns", "COLS", "Столбцы матрицы (не пустые)", 0, false, Make<TstColumns>));
    classes.push_back(Row(26, "TstRows", "ROWS", "Строки матрицы (не пустые)", 0, false, Make<TstRows>));
    classes.push_back(
        Row(27, "TstColValues", "COLV", "Количество чисел в столбце матрицы", 0, false, Make<TstColValues>));
    classes.push_back(
        Row(28, "TstRowValues", "ROWV", "Количество чисел в строке матрицы", 0, false, Make<TstRowValues>));
    classes.push_back(Row(29, "TstColCount", "COLN", "Количество не пустых столбцов в матрице", 0, true,
                          Make<TstColCount>));
    classes.push_back(
        Row(30, "TstRowCount", "ROWN", "Количество не пустых строк в матрице", 0, true, Make<TstRowCount>));
    classes.push_back(
        Row(31, "TstColMask", "COLM", "Сочетания столбцов матрицы", 0, false, Make<TstColMask>));
    classes.push_back(Row(32, "TstRowMask", "ROWM", "Сочетания строк матрицы", 0, false, Make<TstRowMask>));
    classes.push_back(Row(33, "TstColAjacent", "COLA", "Столбцы матрицы со смежными числами", 0, false,
                          Make<TstColAjacent>));
    classes.push_back(Row(34, "TstRowAjacent", "ROWA", "Строки матрицы со смежными числами", 0, false,
                          Make<TstRowAjacent>));
    classes.push_back(Row(35, "TstColAjacentCnt", "COLC", "Количество столбцов матрицы со смежными числами",
                          0, true, Make<TstColAjacentCnt>));
    classes.push_back(Row(36, "TstRowAjacentCnt", "ROWC", "Количество строк матрицы со смежными числами", 0,
                          true, Make<TstRowAjacentCnt>));

    const char* colMix = "Сочетания из %0:d столбцов по всем числам тиража";
    const char* colSeq = "Сочетания из %0:d столбцов по соседним числам";
    const char* rowMix = "Сочетания из %0:d строк по всем числам тиража";
    const char* rowSeq = "Сочетания из %0:d строк по соседним числам";
    classes.push_back(TupleRow(84, "TstCombColMix2", "KFM%d", colMix, 2, Make<TstCombColMix2>));
    classes.push_back(TupleRow(85, "TstCombColMix3", "KFM%d", colMix, 3, Make<TstCombColMix3>));
    classes.push_back(TupleRow(86, "TstCombColMix4", "KFM%d", colMix, 4, Make<TstCombColMix4>));
    classes.push_back(TupleRow(87, "TstCombColSeq2", "KFS%d", colSeq, 2, Make<TstCombColSeq2>));
    classes.push_back(TupleRow(88, "TstCombColSeq3", "KFS%d", colSeq, 3, Make<TstCombColSeq3>));
    classes.push_back(TupleRow(89, "TstCombColSeq4", "KFS%d", colSeq, 4, Make<TstCombColSeq4>));
    classes.push_back(TupleRow(90, "TstCombRowMix2", "KRM%d", rowMix, 2, Make<TstCombRowMix2>));
    classes.push_back(TupleRow(91, "TstCombRowMix3", "KRM%d", rowMix, 3, Make<TstCombRowMix3>));
    classes.push_back(TupleRow(92, "TstCombRowMix4", "KRM%d", rowMix, 4, Make<TstCombRowMix4>));
    classes.push_back(TupleRow(93, "TstCombRowSeq2", "KRS%d", rowSeq, 2, Make<TstCombRowSeq2>));
    classes.push_back(TupleRow(94, "TstCombRowSeq3", "KRS%d", rowSeq, 3, Make<TstCombRowSeq3>));
    classes.push_back(TupleRow(95, "TstCombRowSeq4", "KRS%d", rowSeq, 4, Make<TstCombRowSeq4>));

    classes.push_back(Row(105, "TstColValCnt", "COL%d", "Количество чисел в %0:d столбце матрицы", 0, true,
                          Make<TstColValCnt>));
    classes.push_back(Row(106, "TstRowValCnt", "ROW%d", "Количество чисел в %0:d строке матрицы", 0, true,
                          Make<TstRowValCnt>));
}

}  // namespace quorvel

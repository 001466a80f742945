#include "programs/dialog_template.h"

#include <iterator>

namespace tessaly {

namespace {

using K = ControlKind;
constexpr const char* kFont = "ＭＳ Ｐゴシック";

constexpr DialogControl kDlg1[] = {
    {1, K::kDefaultButton, "OK", 110, 25, 45, 14, false},
    {2, K::kButton, N_("ｷｬﾝｾﾙ"), 110, 50, 45, 14, true},
    {4000, K::kStatic, N_("Ｌ　［Ｈ］："), 15, 15, 30, 10, false},
    {4001, K::kStatic, N_("Ｃ　［Ｆ］："), 15, 35, 30, 10, false},
    {4002, K::kStatic, N_("Ｒ　［Ω］："), 15, 55, 30, 10, false},
    {3000, K::kEdit, "", 50, 10, 50, 14, true},
    {3001, K::kEdit, "", 50, 30, 50, 15, true},
    {3002, K::kEdit, "", 50, 50, 50, 14, true},
    {4005, K::kGroupBox, N_("回路定数"), 5, 0, 100, 65, false},
};

// Velto's circuit has no resistor: the same dialog without the R row, its box and the
// dialog shrunk to two rows, the buttons beside the two edits.
constexpr DialogControl kLcDlg1[] = {
    {1, K::kDefaultButton, "OK", 110, 10, 45, 14, false},
    {2, K::kButton, N_("ｷｬﾝｾﾙ"), 110, 30, 45, 14, true},
    {4000, K::kStatic, N_("Ｌ　［Ｈ］："), 15, 15, 30, 10, false},
    {4001, K::kStatic, N_("Ｃ　［Ｆ］："), 15, 35, 30, 10, false},
    {3000, K::kEdit, "", 50, 10, 50, 14, true},
    {3001, K::kEdit, "", 50, 30, 50, 15, true},
    {4005, K::kGroupBox, N_("回路定数"), 5, 0, 100, 50, false},
};

constexpr DialogControl kDlg2[] = {
    {1, K::kDefaultButton, "OK", 110, 40, 45, 14, false},
    {2, K::kButton, N_("ｷｬﾝｾﾙ"), 110, 70, 45, 14, true},
    {4000, K::kStatic, N_("横軸最小："), 10, 15, 40, 10, false},
    {4001, K::kStatic, N_("横軸最大："), 10, 35, 40, 10, false},
    {4002, K::kStatic, N_("縦軸最小："), 10, 55, 40, 10, false},
    {3000, K::kEdit, "", 50, 10, 50, 14, true},
    {3001, K::kEdit, "", 50, 30, 50, 15, true},
    {3002, K::kEdit, "", 50, 50, 50, 14, true},
    {4005, K::kGroupBox, N_("グラフ定数"), 0, 0, 105, 115, false},
    {4003, K::kStatic, N_("縦軸最大："), 10, 75, 40, 8, false},
    {3003, K::kEdit, "", 50, 70, 50, 14, true},
    {4004, K::kStatic, N_("計算点数："), 10, 95, 35, 8, false},
    {3004, K::kEdit, "", 50, 90, 50, 14, true},
};

constexpr DialogControl kDlg3[] = {
    {1, K::kDefaultButton, "OK", 90, 20, 30, 14, true},
    {2, K::kButton, N_("ｷｬﾝｾﾙ"), 90, 45, 30, 14, true},
    {4000, K::kStatic, N_("表示倍率："), 15, 20, 32, 8, false},
    {4001, K::kStatic, N_("印刷倍率："), 15, 45, 32, 8, false},
    {3000, K::kEdit, "", 50, 20, 35, 14, true},
    {3001, K::kEdit, "", 50, 45, 35, 14, true},
    {4005, K::kGroupBox, N_("グラフ倍率"), 5, 5, 43, 60, false},
};

}  // namespace

const DialogTemplate circuit_constants_dialog = {"DLG1", N_("回路定数設定"),
                                                 kFont,  10,
                                                 210,    0,
                                                 159,    71,
                                                 kDlg1,  static_cast<int>(std::size(kDlg1))};
const DialogTemplate lc_circuit_constants_dialog = {"DLG1",  N_("回路定数設定"),
                                                    kFont,   10,
                                                    210,     0,
                                                    159,     56,
                                                    kLcDlg1, static_cast<int>(std::size(kLcDlg1))};
const DialogTemplate graph_constants_dialog = {"DLG2", N_("グラフ定数設定"),
                                               kFont,  10,
                                               210,    0,
                                               159,    116,
                                               kDlg2,  static_cast<int>(std::size(kDlg2))};
const DialogTemplate magnification_dialog = {"DLG3", N_("グラフ倍率の設定"),
                                             kFont,  9,
                                             210,    0,
                                             129,    69,
                                             kDlg3,  static_cast<int>(std::size(kDlg3))};

}  // namespace tessaly

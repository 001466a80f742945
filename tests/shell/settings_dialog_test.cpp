#include "shell/settings_dialog.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <clocale>
#include <string>
#include <vector>

#include "core/session.h"
#include "programs/dialog_template.h"
#include "shell/settings_command.h"
#include "shell_fixture.h"

namespace tessaly::shell {
namespace {

class SettingsDialogTest : public ShellTest {
 protected:
  // Runs the command; the user sees the edits, then types the given texts and presses OK.
  std::vector<QString> run(SettingsKind kind, const std::vector<QString>& typed, bool ok = true) {
    std::vector<QString> shown;
    user.dialog_answer = [&](QDialog& dialog) {
      auto& settings = static_cast<SettingsDialog&>(dialog);
      for (int i = 0; i < settings.edit_count(); ++i) shown.push_back(settings.edit(i)->text());
      for (std::size_t i = 0; i < typed.size(); ++i) {
        settings.edit(static_cast<int>(i))->setText(typed[i]);
      }
      return ok ? QDialog::Accepted : QDialog::Rejected;
    };
    run_settings_command(session(), text::source_language(), kind, user, nullptr, QPoint(0, 0));
    return shown;
  }

  // The list a dialog opened now would show.
  std::vector<double> in_force(const ValueList& list) {
    const double* row = list.row(session());
    return std::vector<double>(row, row + list.count);
  }
  std::vector<double> circuit() { return in_force(session().program->circuit_constants); }
  std::vector<double> graph() { return in_force(session().program->graph_constants); }
};

TEST_F(SettingsDialogTest, DialogUnits) {
  const DialogBaseUnits units{7, 13};
  EXPECT_EQ(dialog_units_to_pixels(units, 210, 0, 159, 71), QRect(368, 0, 278, 115));
  EXPECT_EQ(dialog_units_to_pixels({8, 16}, 110, 25, 45, 14), QRect(220, 50, 90, 28));
  // Halves round away from zero, as the platform's dialog mapping does.
  EXPECT_EQ(dialog_units_to_pixels(units, 2, 4, 6, 12), QRect(4, 7, 11, 20));
}

TEST_F(SettingsDialogTest, BuiltFromTheTemplate) {
  const DialogTemplate& dlg1 = circuit_constants_dialog;
  SettingsDialog dialog(dlg1, text::source_language(), nullptr, QPoint(100, 50));
  const DialogBaseUnits units = dialog.base_units();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("回路定数設定"));
  EXPECT_EQ(dialog_font(dlg1).families().front(), QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_EQ(dialog_font(dlg1).pointSize(), 10);
  EXPECT_TRUE(QFontInfo(dialog.font()).family().contains(QStringLiteral("Gothic"))) << "fallback";
  EXPECT_GT(units.average_width, 0);
  EXPECT_GT(units.height, 0);
  EXPECT_EQ(dialog.size(), dialog_units_to_pixels(units, 0, 0, 159, 71).size());
  EXPECT_EQ(dialog.pos(), QPoint(100, 50) + dialog_units_to_pixels(units, 210, 0, 0, 0).topLeft());

  const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 2);
  EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
  EXPECT_TRUE(buttons[0]->isDefault());
  EXPECT_EQ(buttons[0]->geometry(), dialog_units_to_pixels(units, 110, 25, 45, 14));
  EXPECT_EQ(buttons[1]->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  EXPECT_FALSE(buttons[1]->isDefault());
  std::vector<QString> labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels.push_back(label->text());
  EXPECT_EQ(labels,
            (std::vector<QString>{QStringLiteral("Ｌ　［Ｈ］："), QStringLiteral("Ｃ　［Ｆ］："),
                                  QStringLiteral("Ｒ　［Ω］：")}));
  const QGroupBox* frame = dialog.findChild<QGroupBox*>();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->title(), QStringLiteral("回路定数"));
  EXPECT_EQ(dialog.children().indexOf(const_cast<QGroupBox*>(frame)), 0) << "behind the rest";

  ASSERT_EQ(dialog.edit_count(), 3);
  EXPECT_EQ(dialog.edit(1)->geometry(), dialog_units_to_pixels(units, 50, 30, 50, 15));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.edit(i)->maxLength(), 49);
  // Tab order is template order over the controls with a tab stop: OK has none.
  std::vector<QWidget*> stops;
  QWidget* widget = buttons[1];
  do {
    if (widget->focusPolicy() & Qt::TabFocus) stops.push_back(widget);
    widget = widget->nextInFocusChain();
  } while (widget != buttons[1]);
  EXPECT_EQ(stops,
            (std::vector<QWidget*>{buttons[1], dialog.edit(0), dialog.edit(1), dialog.edit(2)}));
}

TEST_F(SettingsDialogTest, GraphConstantsDialogHasFiveEditsInOrder) {
  SettingsDialog dialog(graph_constants_dialog, text::source_language(), nullptr, QPoint(0, 0));
  ASSERT_EQ(dialog.edit_count(), 5);
  const DialogBaseUnits units = dialog.base_units();
  EXPECT_EQ(dialog.edit(3)->geometry(), dialog_units_to_pixels(units, 50, 70, 50, 14));
  EXPECT_EQ(dialog.edit(4)->geometry(), dialog_units_to_pixels(units, 50, 90, 50, 14));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("グラフ定数設定"));
}

TEST_F(SettingsDialogTest, OkStoresAbsoluteValuesReadLikeAtof) {
  EXPECT_EQ(run(SettingsKind::kCircuit, {}), (std::vector<QString>{"0.0025", "1e-005", "1000"}));
  EXPECT_EQ(circuit(), (std::vector<double>{0.0025, 1e-05, 1000.0})) << "OK without editing";
  run(SettingsKind::kCircuit, {"-0.005", "2e-3x", "ohms"});
  EXPECT_EQ(circuit(), (std::vector<double>{0.005, 0.002, 0.0}));
  run(SettingsKind::kCircuit, {"  +7.5E+2", "", "1.23456789"});
  EXPECT_EQ(circuit(), (std::vector<double>{750.0, 0.0, 1.23456789}));
  EXPECT_EQ(run(SettingsKind::kCircuit, {}, false), (std::vector<QString>{"750", "0", "1.23457"}));
  run(SettingsKind::kCircuit, {"9", "9", "9"}, false);
  EXPECT_EQ(circuit(), (std::vector<double>{750.0, 0.0, 1.23456789})) << "Cancel stores nothing";

  EXPECT_EQ(run(SettingsKind::kGraph, {"1", "2", "3", "-4", "100"}),
            (std::vector<QString>{"10", "100000", "0.1", "1000", "500"}));
  EXPECT_EQ(graph(), (std::vector<double>{1, 2, 3, 4, 100}));
  run(SettingsKind::kGraph, {"1.5e20", "1e100", "-1e-300"});
  EXPECT_EQ(run(SettingsKind::kGraph, {}, false),
            (std::vector<QString>{"1.5e+020", "1e+100", "1e-300", "4", "100"}));
  EXPECT_EQ(user.dialogs, 8);
}

// Ombra's phase and locus axes are fixed: their y fields are greyed out, the rest stay open.
TEST_F(SettingsDialogTest, FieldsTheAnalysisDoesNotUseAreGreyedOut) {
  const auto enabled_fields = [this] {
    std::vector<bool> enabled;
    user.dialog_answer = [&](QDialog& dialog) {
      auto& settings = static_cast<SettingsDialog&>(dialog);
      for (int i = 0; i < settings.edit_count(); ++i) {
        enabled.push_back(settings.edit(i)->isEnabled());
      }
      return QDialog::Rejected;
    };
    run_settings_command(session(), text::source_language(), SettingsKind::kGraph, user, nullptr,
                         QPoint(0, 0));
    return enabled;
  };
  const std::vector<bool> all = {true, true, true, true, true};
  const std::vector<bool> no_y = {true, true, false, false, true};
  for (int analysis = 1; analysis <= 4; ++analysis) {
    session().analysis_index = analysis;
    EXPECT_EQ(enabled_fields(), analysis <= 2 ? all : no_y) << "Ombra analysis " << analysis;
  }
  start(velto_program());
  for (int analysis = 1; analysis <= 3; ++analysis) {
    session().analysis_index = analysis;
    EXPECT_EQ(enabled_fields(), all) << "Velto analysis " << analysis;
  }
}

TEST_F(SettingsDialogTest, MagnificationDialogSetsBothMagnifications) {
  EXPECT_EQ(run(SettingsKind::kMagnification, {"1", "-0.8"}), (std::vector<QString>{"1.5", "1.2"}));
  EXPECT_EQ(session().display_magnification, 1.0);
  EXPECT_EQ(session().print_magnification, 0.8);
  run(SettingsKind::kMagnification, {"3", "3"}, false);
  EXPECT_EQ(session().display_magnification, 1.0);
  EXPECT_EQ(session().print_magnification, 0.8);
}

TEST_F(SettingsDialogTest, DecimalPointWhateverTheUserLocale) {
  const QLocale saved_locale;
  const std::string saved_numeric = std::setlocale(LC_NUMERIC, nullptr);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const bool german_c_library = std::setlocale(LC_NUMERIC, "de_DE") != nullptr ||
                                std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  const std::vector<QString> shown = run(SettingsKind::kMagnification, {"0.5", "1,5"});
  std::setlocale(LC_NUMERIC, saved_numeric.c_str());
  QLocale::setDefault(saved_locale);

  EXPECT_EQ(shown, (std::vector<QString>{"1.5", "1.2"}))
      << "German C library: " << german_c_library;
  EXPECT_EQ(session().display_magnification, 0.5);
  EXPECT_EQ(session().print_magnification, 1.0) << "a comma ends the number, as it does for atof";
}

TEST_F(SettingsDialogTest, VeltosCircuitDialogHasOnlyLAndC) {
  const DialogTemplate& dlg1 = lc_circuit_constants_dialog;
  SettingsDialog dialog(dlg1, text::source_language(), nullptr, QPoint(0, 0));
  const DialogBaseUnits units = dialog.base_units();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("回路定数設定"));
  EXPECT_EQ(dialog.size(), dialog_units_to_pixels(units, 0, 0, 159, 56).size());
  std::vector<QString> labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels.push_back(label->text());
  EXPECT_EQ(labels,
            (std::vector<QString>{QStringLiteral("Ｌ　［Ｈ］："), QStringLiteral("Ｃ　［Ｆ］：")}));
  ASSERT_NE(dialog.findChild<QGroupBox*>(), nullptr);
  EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("回路定数"));
  ASSERT_EQ(dialog.edit_count(), 2);
  EXPECT_EQ(dialog.edit(1)->geometry(), dialog_units_to_pixels(units, 50, 30, 50, 15));
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
    EXPECT_LE(button->geometry().bottom(), dialog.height()) << "inside the shrunk dialog";
  }
}

TEST_F(SettingsDialogTest, VeltoEditsLCAndTheSelectedAnalysisRow) {
  start(velto_program());
  EXPECT_EQ(run(SettingsKind::kCircuit, {"-0.005"}), (std::vector<QString>{"0.002533", "1e-005"}));
  EXPECT_EQ(circuit(), (std::vector<double>{0.005, 1e-05}));

  session().analysis_index = 2;
  EXPECT_EQ(run(SettingsKind::kGraph, {"5", "500", "", "30", "100"}),
            (std::vector<QString>{"1", "2000", "0.1", "60", "400"}));
  EXPECT_EQ(graph(), (std::vector<double>{5, 500, 0, 30, 100}));
  session().analysis_index = 1;
  EXPECT_EQ(run(SettingsKind::kGraph, {}, false),
            (std::vector<QString>{"100", "10000", "0.1", "1000", "400"}))
      << "the logarithmic analysis keeps its own row";
  session().analysis_index = 3;
  EXPECT_EQ(run(SettingsKind::kGraph, {}, false),
            (std::vector<QString>{"1", "2000", "60", "60", "400"}))
      << "the reactance's depth below zero, unsigned";
  session().analysis_index = 2;
  EXPECT_EQ(run(SettingsKind::kGraph, {}, false),
            (std::vector<QString>{"5", "500", "0", "30", "100"}));
  EXPECT_EQ(user.dialogs, 5);
}

TEST_F(SettingsDialogTest, QuirnEditsLCRAndTheSelectedAnalysisRow) {
  start(quirn_program());
  EXPECT_EQ(run(SettingsKind::kCircuit, {"3", "2e-5", "-47"}),
            (std::vector<QString>{"1.5", "1.5e-005", "300"}));
  EXPECT_EQ(circuit(), (std::vector<double>{3.0, 2e-5, 47.0}));
  session().analysis_index = 2;
  EXPECT_EQ(run(SettingsKind::kGraph, {"20"}),
            (std::vector<QString>{"10", "100", "100", "1000", "400"}));
  EXPECT_EQ(graph(), (std::vector<double>{20, 100, 100, 1000, 400}));
  session().analysis_index = 1;
  EXPECT_EQ(graph(), (std::vector<double>{1, 100, 1, 1000, 400}));
  // Quirn has no "DLG3": nothing opens.
  run(SettingsKind::kMagnification, {"3", "3"});
  EXPECT_EQ(user.dialogs, 2);
  EXPECT_EQ(session().display_magnification, 1.5);
}

TEST_F(SettingsDialogTest, EditsHoldFortyNineCharacters) {
  const QString long_number = QStringLiteral("1") + QString(60, QLatin1Char('0'));
  run(SettingsKind::kMagnification, {long_number, "1"});
  EXPECT_EQ(session().display_magnification, 1e48);
}

}  // namespace
}  // namespace tessaly::shell

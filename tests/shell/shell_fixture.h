// What the shell's tests share: a user that answers every modal question from a script and
// remembers every message, and a fixture that starts a program afresh with counted alerts.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "programs/descriptor.h"
#include "shell/graph_canvas.h"
#include "shell/main_window.h"
#include "shell/user_interaction.h"
#include "shell/window_state.h"

namespace tessaly::shell {

class ScriptedUser final : public UserInteraction {
 public:
  std::optional<QString> open_path;  // nothing: the user cancels
  std::optional<QString> save_path;
  // Sets the printer up and answers; none: the user cancels.
  std::function<bool(QPrinter&)> printer_choice;
  // Fills the dialog in and answers; none: the user cancels.
  std::function<int(QDialog&)> dialog_answer;

  std::vector<UserMessage> messages;
  int file_dialogs = 0;
  int printer_dialogs = 0;
  int dialogs = 0;

  std::optional<QString> choose_open_path(QWidget*) override {
    ++file_dialogs;
    return open_path;
  }
  std::optional<QString> choose_save_path(QWidget*) override {
    ++file_dialogs;
    return save_path;
  }
  bool choose_printer(QWidget*, QPrinter& printer) override {
    ++printer_dialogs;
    return printer_choice && printer_choice(printer);
  }
  int run_dialog(QDialog& dialog) override {
    ++dialogs;
    return dialog_answer ? dialog_answer(dialog) : QDialog::Rejected;
  }
  void show_message(QWidget*, const UserMessage& message) override { messages.push_back(message); }
};

// Lets the paint that the canvas asked for happen; an expose without a request draws nothing.
inline void settle(GraphCanvas& canvas) {
  EXPECT_TRUE(QTest::qWaitFor([&canvas] { return !canvas.pass_pending(); }, 2000));
  QCoreApplication::processEvents();
}

class ShellTest : public testing::Test {
 protected:
  // A window's state of the program from start-up, for the parts tested without the window;
  // its alerts are counted.
  void start(const ProgramDescriptor& program) {
    state = std::make_unique<WindowState>(program);
    state->surface.set_alert_hook([](void* count) { ++*static_cast<int*>(count); }, &alerts);
    alerts = 0;
  }
  // Counts the window's alerts instead of beeping.
  void count_alerts(MainWindow& window) {
    window.set_alert_sink([this] { ++alerts; });
  }
  void SetUp() override { start(ombra_program()); }
  Session& session() { return state->session; }

  ScriptedUser user;
  int alerts = 0;
  std::unique_ptr<WindowState> state;
};

}  // namespace tessaly::shell

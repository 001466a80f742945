#include "shell/data_file_commands.h"

#include <QFile>
#include <string>

#include "core/data_file.h"
#include "core/reference_curve.h"
#include "shell/messages.h"
#include "shell/user_interaction.h"

namespace tessaly::shell {

namespace {

std::string native_path(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

void read_data_file_command(Session& session, const text::Language& language, UserInteraction& user,
                            QWidget* owner) {
  const std::optional<QString> path = user.choose_open_path(owner);
  if (!path) {
    user.show_message(owner, open_dialog_failed());
    return;
  }
  const FileResult result = load_data_file(session, native_path(*path));
  if (!result.ok()) user.show_message(owner, read_failed(language, result.detail));
}

void save_data_file_command(const Session& session, const text::Language& language,
                            UserInteraction& user, QWidget* owner, TemporaryFileWatch* watch) {
  const std::optional<QString> path = user.choose_save_path(owner);
  if (!path) {
    user.show_message(owner, save_dialog_failed());
    return;
  }
  const std::string target = native_path(*path);
  if (!names_data_file(target)) {
    user.show_message(owner, not_a_data_file(language));
    return;
  }
  const FileResult result = save_data_file(session, target, watch);
  if (!result.ok()) user.show_message(owner, write_failed(language, result.detail));
}

}  // namespace tessaly::shell

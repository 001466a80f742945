#include "shell/messages.h"

namespace tessaly::shell {

namespace {

UserMessage message(const char* text, const char* caption, QMessageBox::Icon icon) {
  return {QString::fromUtf8(text), QString::fromUtf8(caption), icon, QString()};
}

UserMessage message(const text::Language& language, const char* text, const char* caption,
                    QMessageBox::Icon icon) {
  return message(text::localized(language, text), text::localized(language, caption), icon);
}

}  // namespace

UserMessage open_dialog_failed() {
  return message("GetOpenFileName Error", "Open error", QMessageBox::Critical);
}

UserMessage save_dialog_failed() {
  return message("GetSaveFileName Error", "Open error", QMessageBox::Critical);
}

UserMessage not_a_data_file(const text::Language& language) {
  return message(language, N_("DATファイルではありません"), "File", QMessageBox::NoIcon);
}

UserMessage write_failed(const text::Language& language, const std::string& detail) {
  UserMessage m =
      message(language, N_("ファイル書き込みに失敗しました。"), N_("確認"), QMessageBox::Critical);
  m.detail = QString::fromLocal8Bit(detail.c_str());
  return m;
}

// Reading used to fail without a word and leave the values zero; the user now learns why.
UserMessage read_failed(const text::Language& language, const std::string& detail) {
  UserMessage m =
      message(language, N_("ファイルを読み込めませんでした。"), N_("確認"), QMessageBox::Warning);
  m.text += QLatin1Char('\n') + QString::fromLocal8Bit(detail.c_str());
  return m;
}

UserMessage help_message(const text::Language& language, const char* help_text) {
  return message(language, help_text, N_("回路と使い方の説明"), QMessageBox::NoIcon);
}

UserMessage version_message(const text::Language& language) {
  return message(language, "Ver. 0.2,  1999.8", N_("電子回路シミュレーション"),
                 QMessageBox::NoIcon);
}

}  // namespace tessaly::shell

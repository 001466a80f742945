#include "shell/data_file_commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <algorithm>

#include "core/data_file.h"
#include "core/reference_curve.h"
#include "shell/data_file_dialog.h"
#include "shell_fixture.h"

namespace tessaly::shell {
namespace {

class DataFileCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    for (int i = 0; i < kStoredPoints; ++i) {
      session().plot_values_1[i] = i * 0.5;
      session().plot_values_2[i] = -i;
    }
  }
  QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
  void expect_one_message(const char* text, const char* caption, QMessageBox::Icon icon) {
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, QString::fromUtf8(text));
    EXPECT_EQ(user.messages[0].caption, QString::fromUtf8(caption));
    EXPECT_EQ(user.messages[0].icon, icon);
    user.messages.clear();
  }
  bool all_zero() {
    const Session& values = session();
    return std::all_of(values.plot_values_1, values.plot_values_1 + kStoredPoints,
                       [](double v) { return v == 0.0; }) &&
           std::all_of(values.plot_values_2, values.plot_values_2 + kStoredPoints,
                       [](double v) { return v == 0.0; });
  }

  QTemporaryDir folder;
};

TEST_F(DataFileCommandsTest, FileDialogSettings) {
  for (DataFileDialogMode mode : {DataFileDialogMode::kOpen, DataFileDialogMode::kSave}) {
    QFileDialog dialog;
    configure_data_file_dialog(dialog, mode);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Data File"));
    EXPECT_EQ(dialog.nameFilters(),
              (QStringList{QStringLiteral("Data (*.dat)"), QStringLiteral("*.* (*)")}));
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Data (*.dat)"));
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("dat"));
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    const bool save = mode == DataFileDialogMode::kSave;
    EXPECT_EQ(dialog.acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  }
}

TEST_F(DataFileCommandsTest, CancelledDialogsSayWhat) {
  read_data_file_command(session(), text::source_language(), user, nullptr);
  expect_one_message("GetOpenFileName Error", "Open error", QMessageBox::Critical);
  save_data_file_command(session(), text::source_language(), user, nullptr);
  expect_one_message("GetSaveFileName Error", "Open error", QMessageBox::Critical);
  EXPECT_EQ(session().plot_values_1[3], 1.5) << "the arrays stay as they were";
  EXPECT_EQ(user.file_dialogs, 2);
}

TEST_F(DataFileCommandsTest, SaveWantsDotDatInThePath) {
  user.save_path = path("X.DAT");
  save_data_file_command(session(), text::source_language(), user, nullptr);
  expect_one_message("DATファイルではありません", "File", QMessageBox::NoIcon);
  EXPECT_FALSE(QFile::exists(path("X.DAT")));

  // A folder called a.dat makes any name inside it pass.
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("a.dat")));
  user.save_path = path("a.dat/values.txt");
  save_data_file_command(session(), text::source_language(), user, nullptr);
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(QFileInfo(path("a.dat/values.txt")).size(), 8016);

  user.save_path = path("curve.dat");
  save_data_file_command(session(), text::source_language(), user, nullptr);
  EXPECT_TRUE(user.messages.empty());
  QFile saved(path("curve.dat"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  ASSERT_EQ(bytes.size(), 8016);
  unsigned char expected[kDataFileBytes];
  encode_plot_values(session(), expected);
  EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(expected), 8016));
}

TEST_F(DataFileCommandsTest, FailedWriteSaysSo) {
  user.save_path = path("missing/curve.dat");
  save_data_file_command(session(), text::source_language(), user, nullptr);
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_FALSE(user.messages[0].detail.isEmpty()) << "the system's reason comes along";
  expect_one_message("ファイル書き込みに失敗しました。", "確認", QMessageBox::Critical);
}

TEST_F(DataFileCommandsTest, ReadRestoresWhatWasSaved) {
  user.save_path = path("curve.dat");
  save_data_file_command(session(), text::source_language(), user, nullptr);
  std::fill(session().plot_values_1, session().plot_values_1 + kStoredPoints, 7.0);
  std::fill(session().plot_values_2, session().plot_values_2 + kStoredPoints, 7.0);
  user.open_path = path("curve.dat");
  read_data_file_command(session(), text::source_language(), user, nullptr);
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(session().plot_values_1[500], 250.0);
  EXPECT_EQ(session().plot_values_2[500], -500.0);
  EXPECT_EQ(session().reference_curve.count_2, kStoredPoints) << "the file becomes the saved curve";
  EXPECT_EQ(session().reference_curve.values_2[500], -500.0);

  // A file that cannot be read leaves the arrays zero and now tells the user.
  user.open_path = path("gone.dat");
  read_data_file_command(session(), text::source_language(), user, nullptr);
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_TRUE(
      user.messages[0].text.startsWith(QStringLiteral("ファイルを読み込めませんでした。\n")))
      << user.messages[0].text.toStdString();
  EXPECT_EQ(user.messages[0].caption, QStringLiteral("確認"));
  EXPECT_TRUE(all_zero());
  EXPECT_EQ(session().reference_curve.count_1, 0) << "and no saved curve";
}

}  // namespace
}  // namespace tessaly::shell

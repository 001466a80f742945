#include "shell/run.h"

#include <QApplication>
#include <QIcon>
#include <clocale>

#include "shell/main_window.h"
#include "shell/qt_translations.h"
#include "shell/user_interaction.h"

namespace tessaly::shell {

int run_program(int argc, char** argv, const ProgramDescriptor& program) {
  QApplication app(argc, argv);
  // Qt has taken the user's locale for the C library too; numbers in graph labels and edit
  // boxes are written with a decimal point whatever the desktop's language.
  std::setlocale(LC_NUMERIC, "C");
  // The name ties the window to the program's desktop entry; it is not shown in the title.
  QApplication::setApplicationName(QString::fromUtf8(program.id));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(program.id));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tessaly.svg")));
  const std::unique_ptr<QTranslator> qt_texts = install_qt_translations();

  // The window starts the program's session from its defaults.
  QtInteraction user;
  MainWindow window(program, user);
  window.show();
  return app.exec();
}

}  // namespace tessaly::shell

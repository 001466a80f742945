#include "shell/run.h"

#include <QApplication>
#include <QIcon>
#include <clocale>
#include <cstdlib>

#include "shell/main_window.h"
#include "shell/user_interaction.h"

namespace tessaly::shell {

namespace {

// The language of the messages the user's locale asks for, in POSIX order of precedence.
const text::Language& locale_language() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return text::language_for_locale(value);
  }
  return text::source_language();
}

}  // namespace

int run_program(int argc, char** argv, const ProgramDescriptor& program) {
  QApplication app(argc, argv);
  // Qt has taken the user's locale for the C library too; numbers in graph labels and edit
  // boxes are written with a decimal point whatever the desktop's language.
  std::setlocale(LC_NUMERIC, "C");
  // The name ties the window to the program's desktop entry; it is not shown in the title.
  QApplication::setApplicationName(QString::fromUtf8(program.id));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(program.id));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tessaly.svg")));
  // The window starts the program's session from its defaults.
  QtInteraction user;
  MainWindow window(program, user);
  window.set_language(locale_language());
  window.show();
  return app.exec();
}

}  // namespace tessaly::shell

#include <QApplication>
#include <QFile>

#include <string>
#include <vector>

#include "app/ui/main_window.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/termination_signals.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName("quillory");

  std::vector<std::string> arguments;
  for (const QString& argument : app.arguments().mid(1)) {
    arguments.push_back(QFile::encodeName(argument).toStdString());
  }

  quillory::QtDialogs dialogs;
  quillory::QtDesktop desktop;
  quillory::MainWindow window(quillory::DetectAppEnvironment(),
                              {dialogs, desktop});
  dialogs.SetParent(&window);
  quillory::EndOnTerminationSignals(&window);
  window.show();
  window.Init(arguments);
  return app.exec();
}

#include <QApplication>
#include <QStringList>

#include "app/ui/main_window.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/termination_signals.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName("quillory");

  // One file name with blanks may arrive split into several arguments; the
  // program takes the whole argument text as one name.
  QStringList arguments = app.arguments();
  arguments.removeFirst();

  quillory::QtDialogs dialogs;
  quillory::QtDesktop desktop;
  quillory::MainWindow window(quillory::DetectAppEnvironment(),
                              {dialogs, desktop});
  dialogs.SetParent(&window);
  quillory::CloseOnTerminationSignals(&window);
  window.show();
  window.Init(arguments.join(' ').toStdString());
  return app.exec();
}

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/large_blocks.h"
#include "app/ui/intro.h"
#include "app/ui/main_window.h"
#include "app/ui/recovery_keeper.h"
#include "base/private_temp_folder.h"
#include "platform/qt/app_environment.h"
#include "platform/qt/freedesktop_file_types.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_instance_channel.h"
#include "platform/qt/termination_signals.h"

namespace {

// A launch that only hands its files over ends before the toolkit starts,
// unless an argument could be one of the toolkit's own options.
bool MayHandOverEarly(int argc, char* argv[]) {
  return std::none_of(argv + 1, argv + argc,
                      [](const char* argument) { return argument[0] == '-'; });
}

void RegisterProjectFileType(quillory::FileTypes& file_types) {
  const std::string type(quillory::kProjectMimeType);
  if (!file_types.IsFileTypeRegistered(type, quillory::Association::kDefault)) {
    file_types.RegisterFileType(type, quillory::Registration::kRegister,
                                quillory::Association::kDefault);
  }
}

bool UnregisterRequested(int argc, char* argv[]) {
  return std::any_of(argv + 1, argv + argc, [](const char* argument) {
    return std::string_view(argument) == "--unregister";
  });
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QString(":/program/quillory-%1.png").arg(size));
  }
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  quillory::ReturnLargeBlocksWhenFreed();
  if (const std::optional<std::string> text = quillory::InformationRequested(
          std::vector<std::string>(argv + 1, argv + argc), QUILLORY_VERSION)) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  if (UnregisterRequested(argc, argv)) {
    quillory::FreedesktopFileTypes("", quillory::Layout::kBuildFolder)
        .UnregisterAll();
    return 0;
  }
  quillory::QtInstanceChannel channel(quillory::InstanceSocketPath());
  if (MayHandOverEarly(argc, argv) &&
      channel.HandOver(quillory::AbsoluteCommandLineFiles(
          std::vector<std::string>(argv + 1, argv + argc)))) {
    return 0;
  }

  QApplication app(argc, argv);
  app.setApplicationName("quillory");
  // Task bars find the icon by the desktop file or on the windows.
  app.setDesktopFileName("quillory");
  app.setWindowIcon(ProgramIcon());

  std::vector<std::string> arguments;
  for (const QString& argument : app.arguments().mid(1)) {
    arguments.push_back(QFile::encodeName(argument).toStdString());
  }
  if (channel.Claim(quillory::AbsoluteCommandLineFiles(arguments)) ==
      quillory::InstanceRole::kHandedOver) {
    return 0;
  }

  // The splash comes first and builds the hidden main window, which it
  // shows when it hands over.
  quillory::Intro intro;
  quillory::QtDialogs dialogs;
  quillory::QtDesktop desktop;
  quillory::AppEnvironment environment = quillory::DetectAppEnvironment();
  quillory::FreedesktopFileTypes file_types(
      QCoreApplication::applicationFilePath().toStdString(),
      environment.layout);
  // Pages and copies for browsers and tools go where no other user can
  // take their names.
  const quillory::PrivateTempFolder private_temp(environment.temp_folder);
  environment.temp_folder = private_temp.Path();
  quillory::MainWindow window(environment, {dialogs, desktop, file_types});
  dialogs.SetParent(&window);
  quillory::EndOnTerminationSignals(&window);
  channel.SetReceiver([&window](const std::vector<std::string>& files) {
    window.OpenHandedFiles(files);
  });
  QObject::connect(&window, &quillory::MainWindow::Closing,
                   [&channel] { channel.Stop(); });
  // The desktop session may end the program without closing the window.
  const auto keep_text = [&window] { window.KeepUnsavedText(); };
  QObject::connect(&app, &QGuiApplication::commitDataRequest, keep_text);
  QObject::connect(&app, &QCoreApplication::aboutToQuit, keep_text);
  QCoreApplication::processEvents();
  intro.Start([&window, &arguments, &file_types] {
    RegisterProjectFileType(file_types);
    window.show();
    window.Init(arguments);
  });
  return app.exec();
}

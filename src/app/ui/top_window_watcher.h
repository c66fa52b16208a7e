#pragma once

#include <QObject>

class QWidget;

namespace quillory {

// Watches every top-level window of the program as it shows and hides:
// each opens inside the screen's available area, centred on the window it
// belongs to (the main window for a window of no owner, the screen for the
// main window), and when the last window over the main window closes, the
// keyboard goes back to the editor; a main window made anew is made the
// active one again. Sees nothing else of the main window.
class TopWindowWatcher : public QObject {
 public:
  TopWindowWatcher(QWidget& main_window, QWidget& editor);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place(QWidget& window) const;
  bool MainWindowOnTop() const;
  void ReturnFocus();
  void Reactivate();

  QWidget& main_window_;
  QWidget& editor_;
};

}  // namespace quillory

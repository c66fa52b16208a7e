#pragma once

#include <QObject>

#include <vector>

class QWidget;

namespace quillory {

// F6 and Shift+F6 move the keyboard focus round the main window's parts,
// since Tab is a character typed into the editor. A part that is hidden or
// disabled is passed over; a part that holds the focus inside it counts as
// focused. A part may be several widgets, as a switch of two buttons is: it
// takes the focus on its checked button, or else on its first shown one.
class FocusCycle : public QObject {
 public:
  using Part = std::vector<QWidget*>;
  // `parts` in the order F6 visits them; all outlive the cycle.
  FocusCycle(QWidget& window, std::vector<Part> parts);

 private:
  void Step(int direction);

  std::vector<Part> parts_;
};

}  // namespace quillory

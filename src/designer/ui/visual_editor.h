#pragma once

#include <QPointF>
#include <QWidget>

class QLabel;

namespace quillory {

class DesignCanvas;
class DesignModel;
class Dialogs;
class Editor;
class HtmlParse;
class LangTable;
class NamedCaptions;
class PropertyPanel;
class Toolbox;
enum class ElementKind;

// What the designer works on; all of it outlives the window.
struct VisualEditorHost {
  Editor& rich;
  HtmlParse& highlighter;
  Dialogs& dialogs;
  const LangTable& lang;
  const NamedCaptions& captions;
  DesignModel& model;  // lives for the run; the window frees its slots
};

// The visual form designer `VisualEditor`: a toolbox, the canvas and the
// property panel. Opens empty, writes the design into the active document
// with "Insert To Code", and frees every slot when it closes, which deletes
// it.
class VisualEditor : public QWidget {
  Q_OBJECT

 public:
  explicit VisualEditor(const VisualEditorHost& host);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Arrange();
  void Drop(int kind_code, QPointF twips);
  void Press(int kind_code, int index, Qt::MouseButton button, QPointF twips);
  void Move(int kind_code, int index, QPointF twips);
  void Release(int kind_code, int index);
  void Select(int kind_code, int index);
  void SelectCanvas();
  void DeleteSelected();
  void ShowValue(int kind_code, int index);
  void FollowCanvasSize();
  void InsertToCode();

  VisualEditorHost host_;
  DesignCanvas* canvas_;
  PropertyPanel* panel_;
  Toolbox* toolbox_;
  QLabel* canvas_caption_;
  bool dragging_ = false;
  QPointF drag_offset_;  // twips inside the element where it was grabbed
  bool delete_key_active_ = true;
};

}  // namespace quillory

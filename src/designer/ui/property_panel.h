#pragma once

#include <QGroupBox>

#include <optional>
#include <string>

#include "designer/design_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillory {

class Dialogs;
class ItemsEditor;
class LangTable;

// An element of the designer: its kind and its slot.
struct ElementRef {
  ElementKind kind;
  int index;
};

// The designer's property panel: shows the selected element or the canvas
// and applies every edit to the model. What the canvas must show after an
// edit, and re-selecting the element, it leaves to the window through its
// signals. The selection is its type text with `SelectedIndex`. It is the
// captioned frame itself, so its buttons keep their distance to its edge.
class PropertyPanel : public QGroupBox {
  Q_OBJECT

 public:
  PropertyPanel(DesignModel& model, const LangTable& lang, Dialogs& dialogs,
                QWidget* parent);

  // Fills the panel for a kind code (kCanvasCode for the canvas) and index.
  void ShowProperties(int kind_code, int index);
  // The selected element; empty for the canvas or no selection.
  std::optional<ElementRef> Selected() const;
  // Nothing is selected any more: the type text is emptied (after a
  // deletion) or `SelectedIndex` is not a number (before the canvas shows).
  void ClearType();
  void ClearIndex();
  void HideStateChooser();

 signals:
  void Reselect(int kind_code, int index);
  // The canvas shows an element's new name or state; a new value may also
  // name a picture to load.
  void StateChanged(int kind_code, int index);
  void ValueChanged(int kind_code, int index);
  void MetricChanged(int kind_code, int index);
  void CanvasColourChanged();
  void DeleteKeyActive(bool active);
  void InsertToCode();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Build(const LangTable& lang);
  QLineEdit* AddField(const char* name, QLabel* caption);
  void ShowElement(ElementKind kind, const DesignElement& element);
  void ApplyName();
  void ApplyValue();
  void ApplyCanvasColour();
  void ApplyMetric(QLineEdit* field);
  void ApplyPercent();
  void ApplyState();
  void AllToPercent();
  void ShowItemsEditor();
  void CommitItems(const std::string& text);
  void HideItemsEditor();
  void ShowItemsHelp();
  void ChooseColour();

  DesignModel& model_;
  Dialogs& dialogs_;
  std::string selected_index_;
  std::string items_help_;
  QString value_caption_[2];
  uint32_t chosen_colour_ = 0;
  QLineEdit* type_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* height_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLineEdit* top_ = nullptr;
  QLineEdit* left_ = nullptr;
  QCheckBox* percent_ = nullptr;
  QLineEdit* value_ = nullptr;
  QLabel* value_label_ = nullptr;
  QComboBox* state_ = nullptr;
  QLabel* state_label_ = nullptr;
  QLabel* list_label_ = nullptr;
  QPushButton* items_button_ = nullptr;
  ItemsEditor* items_ = nullptr;
  QPushButton* items_help_button_ = nullptr;
  QPushButton* colour_button_ = nullptr;
};

}  // namespace quillory

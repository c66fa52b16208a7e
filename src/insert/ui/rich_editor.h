#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QPushButton;
class QTextCharFormat;
class QTextEdit;

namespace quillory {

class Dialogs;
class Editor;
class HtmlParse;
class NamedCaptions;

// What the rich-text editor works on; all of it outlives the window.
struct RichEditorHost {
  Editor& rich;
  HtmlParse& highlighter;
  Dialogs& dialogs;
  const NamedCaptions& captions;
};

enum class RichToggle : uint8_t { kBold, kItalic, kUnderline, kStrike };

// The rich-text editor `RichEditor` ("Text Editor"): a small word processor
// whose text "Insert" turns into HTML in place of the active document's
// selection. Starts empty; closing it otherwise inserts nothing.
class RichEditor : public QDialog {
  Q_OBJECT

 public:
  RichEditor(const RichEditorHost& host, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void NameControls();
  void Toggle(RichToggle toggle);
  void ChooseColour();
  void Align(int k);
  void SetSize(const QString& text);
  void FollowSelection();
  void ShowAlignment(int k);
  void Merge(const QTextCharFormat& format);
  void Insert();

  RichEditorHost host_;
  QTextEdit* surface_ = nullptr;  // Rich
  std::array<QPushButton*, 4> toggles_ = {};
  std::array<QPushButton*, 3> aligns_ = {};
  QComboBox* size_ = nullptr;
};

}  // namespace quillory

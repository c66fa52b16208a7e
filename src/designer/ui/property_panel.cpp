#include "designer/ui/property_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <charconv>

#include "base/lang_table.h"
#include "base/twips.h"
#include "designer/colour_text.h"
#include "designer/metric_text.h"
#include "designer/ui/items_editor.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

// The panel's language entries, with the English text for a language file
// too short to hold them.
struct Caption {
  int entry;
  const char* fallback;
};
constexpr Caption kType{22, "Type"}, kName{23, "Name"}, kHeight{24, "Height"},
    kWidth{25, "Width"}, kTop{26, "Top"}, kLeft{27, "Left"},
    kPercent{28, "In percent"}, kValue{29, "Value"}, kColour{30, "Colour"},
    kState{31, "State"}, kOff{32, "Off"}, kOn{33, "On"},
    kEntries{34, "Entries"}, kInsert{35, "Insert To Code"},
    kItemsHelp{70, "To add new line press Shift + Enter"},
    kAllPercent{88, "All metrics to percent"}, kFrame{37, "Properties"};

// Twips between the panel's bottom edge and its last button.
constexpr int kButtonsBottomTwips = 200;

QString Text(const LangTable& lang, Caption caption) {
  return QString::fromStdString(lang.EntryOr(caption.entry, caption.fallback));
}

QString Q(const std::string& bytes) { return QString::fromStdString(bytes); }

// Sets a field only when its text differs, so an edit that re-selects the
// element keeps the cursor where the user types.
void SetIfChanged(QLineEdit& field, const QString& text) {
  if (field.text() != text) field.setText(text);
}

enum class Metric { kLeft, kTop, kWidth, kHeight };

float& MetricOf(DesignElement& e, Metric metric) {
  switch (metric) {
    case Metric::kLeft:
      return e.left;
    case Metric::kTop:
      return e.top;
    case Metric::kWidth:
      return e.width;
    case Metric::kHeight:
      break;
  }
  return e.height;
}

bool IsHorizontal(Metric metric) {
  return metric == Metric::kLeft || metric == Metric::kWidth;
}

std::optional<int> WholeNumber(const std::string& text) {
  int number = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return number;
}

}  // namespace

PropertyPanel::PropertyPanel(DesignModel& model, const LangTable& lang,
                             Dialogs& dialogs, QWidget* parent)
    : QGroupBox(Text(lang, kFrame), parent), model_(model), dialogs_(dialogs) {
  setObjectName("PropertyPanel");
  value_caption_[0] = Text(lang, kValue);
  value_caption_[1] = Text(lang, kColour);
  items_help_ = Text(lang, kItemsHelp).toStdString();
  Build(lang);
  HideItemsEditor();
  state_->hide();
  state_label_->hide();
  list_label_->hide();
  items_button_->hide();
  colour_button_->hide();
}

QLineEdit* PropertyPanel::AddField(const char* name, QLabel* caption) {
  auto* field = new QLineEdit(this);
  field->setObjectName(name);
  field->setAccessibleName(caption->text());
  caption->setBuddy(field);
  field->installEventFilter(this);
  auto* grid = static_cast<QGridLayout*>(layout());
  const int row = grid->rowCount();
  grid->addWidget(caption, row, 0);
  grid->addWidget(field, row, 1);
  return field;
}

void PropertyPanel::Build(const LangTable& lang) {
  auto* grid = new QGridLayout(this);
  auto label = [&](Caption c) { return new QLabel(Text(lang, c), this); };
  type_ = AddField("TypeEl", label(kType));
  type_->setReadOnly(true);
  name_ = AddField("NameEl", label(kName));
  height_ = AddField("HeightEl", label(kHeight));
  width_ = AddField("WidthEl", label(kWidth));
  top_ = AddField("TopEl", label(kTop));
  left_ = AddField("LeftEl", label(kLeft));
  percent_ = new QCheckBox(Text(lang, kPercent), this);
  percent_->setObjectName("Check1");
  grid->addWidget(percent_, grid->rowCount(), 0, 1, 2);
  value_label_ = label(kValue);
  value_ = AddField("ValueEl", value_label_);
  colour_button_ = new QPushButton("...", this);
  colour_button_->setObjectName("Command3");
  colour_button_->setAccessibleName(Text(lang, kColour));
  grid->addWidget(colour_button_, grid->rowCount() - 1, 2);
  state_label_ = label(kState);
  state_ = new QComboBox(this);
  state_->setObjectName("Stat");
  state_->addItems({Text(lang, kOff), Text(lang, kOn)});
  state_->setAccessibleName(state_label_->text());
  state_label_->setBuddy(state_);
  const int state_row = grid->rowCount();
  grid->addWidget(state_label_, state_row, 0);
  grid->addWidget(state_, state_row, 1);
  list_label_ = label(kEntries);
  items_button_ = new QPushButton(">", this);
  items_button_->setObjectName("Command1");
  items_button_->setAccessibleName(list_label_->text());
  const int list_row = grid->rowCount();
  grid->addWidget(list_label_, list_row, 0);
  grid->addWidget(items_button_, list_row, 1);
  items_ = new ItemsEditor(this);
  items_->installEventFilter(this);
  items_help_button_ = new QPushButton("?", this);
  items_help_button_->setObjectName("Hlp");
  items_help_button_->setAccessibleName(Text(lang, kEntries));
  items_help_button_->setFocusPolicy(Qt::NoFocus);
  items_help_button_->installEventFilter(this);
  const int items_row = grid->rowCount();
  grid->addWidget(items_, items_row, 0, 1, 2);
  grid->addWidget(items_help_button_, items_row, 2, Qt::AlignTop);
  grid->setRowStretch(grid->rowCount(), 1);
  auto* all_percent = new QPushButton(Text(lang, kAllPercent), this);
  all_percent->setObjectName("Command4");
  auto* insert = new QPushButton(Text(lang, kInsert), this);
  insert->setObjectName("Command2");
  // The two buttons touch, the lower one a fixed distance above the edge.
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(0);
  buttons->addWidget(all_percent);
  buttons->addWidget(insert);
  grid->addLayout(buttons, grid->rowCount(), 0, 1, 3);
  QMargins margins = grid->contentsMargins();
  margins.setBottom(kButtonsBottomTwips / kTwipsPerPixel -
                    contentsMargins().bottom());
  grid->setContentsMargins(margins);

  connect(name_, &QLineEdit::textEdited, this, &PropertyPanel::ApplyName);
  connect(value_, &QLineEdit::textEdited, this, &PropertyPanel::ApplyValue);
  for (QLineEdit* metric : {left_, top_, width_, height_}) {
    connect(metric, &QLineEdit::returnPressed, this,
            [this, metric] { ApplyMetric(metric); });
  }
  connect(percent_, &QCheckBox::clicked, this, &PropertyPanel::ApplyPercent);
  connect(state_, &QComboBox::activated, this, &PropertyPanel::ApplyState);
  connect(items_button_, &QPushButton::clicked, this,
          &PropertyPanel::ShowItemsEditor);
  connect(items_, &ItemsEditor::Committed, this, &PropertyPanel::CommitItems);
  connect(colour_button_, &QPushButton::clicked, this,
          &PropertyPanel::ChooseColour);
  connect(all_percent, &QPushButton::clicked, this,
          &PropertyPanel::AllToPercent);
  connect(insert, &QPushButton::clicked, this, &PropertyPanel::InsertToCode);
}

void PropertyPanel::ShowProperties(int kind_code, int index) {
  selected_index_ = std::to_string(index);
  HideStateChooser();
  list_label_->hide();
  HideItemsEditor();
  items_button_->hide();
  colour_button_->hide();
  value_label_->setText(value_caption_[0]);
  value_->setMaxLength(32767);
  if (kind_code == kCanvasCode) {
    type_->setText("Body");
    value_label_->setText(value_caption_[1]);
    colour_button_->show();
    value_->setMaxLength(7);
    SetIfChanged(*value_, Q(PanelColourText(model_.CanvasState().colour)));
    return;
  }
  const auto kind = static_cast<ElementKind>(kind_code);
  ShowElement(kind, model_.At(kind, index));
}

void PropertyPanel::ShowElement(ElementKind kind, const DesignElement& e) {
  const Canvas& canvas = model_.CanvasState();
  const MetricMode mode =
      e.in_percent ? MetricMode::kPercent : MetricMode::kPixels;
  type_->setText(QString::fromUtf8(InfoOf(kind).type_text));
  SetIfChanged(*name_, Q(e.name));
  SetIfChanged(*value_, kind == ElementKind::kList ? QString() : Q(e.value));
  percent_->setChecked(e.in_percent);
  left_->setText(Q(PanelMetricText(e.left, mode, canvas.width)));
  top_->setText(Q(PanelMetricText(e.top, mode, canvas.height)));
  width_->setText(Q(PanelMetricText(e.width, mode, canvas.width)));
  height_->setText(Q(PanelMetricText(e.height, mode, canvas.height)));
  if (kind == ElementKind::kCheck || kind == ElementKind::kRadio) {
    state_->setCurrentIndex(e.checked ? 1 : 0);
    state_->show();
    state_label_->show();
  }
  if (kind == ElementKind::kList) {
    items_button_->show();
    list_label_->show();
    items_->SetText(ItemsText(e.items));
  }
}

std::optional<ElementRef> PropertyPanel::Selected() const {
  const std::optional<int> index = WholeNumber(selected_index_);
  const std::optional<ElementKind> kind =
      KindFromTypeText(type_->text().toStdString());
  if (!index || !kind || *index < 0 || *index >= kDesignSlots) {
    return std::nullopt;
  }
  return ElementRef{*kind, *index};
}

void PropertyPanel::ClearType() { type_->clear(); }

void PropertyPanel::ClearIndex() { selected_index_ = "-"; }

void PropertyPanel::HideStateChooser() {
  state_->hide();
  state_label_->hide();
}

void PropertyPanel::ApplyName() {
  const std::optional<ElementRef> selected = Selected();
  if (!selected) return;
  model_.At(selected->kind, selected->index).name = name_->text().toStdString();
  emit StateChanged(CodeOf(selected->kind), selected->index);
  emit Reselect(CodeOf(selected->kind), selected->index);
}

void PropertyPanel::ApplyValue() {
  if (type_->text() == "Body" && WholeNumber(selected_index_)) {
    ApplyCanvasColour();
    return;
  }
  const std::optional<ElementRef> selected = Selected();
  if (!selected || selected->kind == ElementKind::kList) return;
  model_.At(selected->kind, selected->index).value =
      value_->text().toStdString();
  emit ValueChanged(CodeOf(selected->kind), selected->index);
  emit Reselect(CodeOf(selected->kind), selected->index);
}

// A decimal number becomes its hexadecimal colour text, which is itself
// applied as a change.
void PropertyPanel::ApplyCanvasColour() {
  const std::string text = value_->text().toStdString();
  if (const std::optional<std::string> hex = DecimalColourText(text)) {
    value_->setText(Q(*hex));
    ApplyCanvasColour();
    return;
  }
  if (const std::optional<uint32_t> colour = ParseColourText(text)) {
    model_.CanvasState().colour = *colour;
    emit CanvasColourChanged();
  }
}

// NOTE: only the left field adds the "%" of percent mode; in the others a
// plain number is always twips.
void PropertyPanel::ApplyMetric(QLineEdit* field) {
  const std::optional<ElementRef> selected = Selected();
  if (!selected) return;
  if (field == left_ && percent_->isChecked() && !field->text().endsWith('%')) {
    field->setText(field->text() + "%");
  }
  const Metric metric = field == left_    ? Metric::kLeft
                        : field == top_   ? Metric::kTop
                        : field == width_ ? Metric::kWidth
                                          : Metric::kHeight;
  const Canvas& canvas = model_.CanvasState();
  const std::optional<float> twips =
      MetricFieldTwips(field->text().toStdString(),
                       IsHorizontal(metric) ? canvas.width : canvas.height);
  if (!twips) return;
  MetricOf(model_.At(selected->kind, selected->index), metric) = *twips;
  emit MetricChanged(CodeOf(selected->kind), selected->index);
  emit Reselect(CodeOf(selected->kind), selected->index);
}

void PropertyPanel::ApplyPercent() {
  const std::optional<ElementRef> selected = Selected();
  if (!selected) return;
  model_.At(selected->kind, selected->index).in_percent = percent_->isChecked();
  emit Reselect(CodeOf(selected->kind), selected->index);
}

void PropertyPanel::ApplyState() {
  const std::optional<ElementRef> selected = Selected();
  if (!selected || (selected->kind != ElementKind::kCheck &&
                    selected->kind != ElementKind::kRadio)) {
    return;
  }
  model_.At(selected->kind, selected->index).checked =
      state_->currentIndex() != 0;
  emit StateChanged(CodeOf(selected->kind), selected->index);
}

void PropertyPanel::AllToPercent() {
  model_.AllToPercent();
  percent_->setChecked(true);
  ApplyPercent();
}

void PropertyPanel::ShowItemsEditor() {
  items_->show();
  items_help_button_->show();
  items_->setFocus();
}

void PropertyPanel::CommitItems(const std::string& text) {
  const std::optional<ElementRef> selected = Selected();
  if (selected && selected->kind == ElementKind::kList) {
    model_.At(selected->kind, selected->index).items = ItemsFromText(text);
  }
  HideItemsEditor();
}

void PropertyPanel::HideItemsEditor() {
  items_->hide();
  items_help_button_->hide();
}

void PropertyPanel::ShowItemsHelp() {
  ShowItemsEditor();
  dialogs_.ShowMessage(items_help_, MessageIcon::kInformation);
}

// A cancelled chooser gives its current colour, the last one chosen.
void PropertyPanel::ChooseColour() {
  chosen_colour_ =
      dialogs_.ChooseColour(chosen_colour_).value_or(chosen_colour_);
  value_->setText(Q(PanelColourText(chosen_colour_)));
  ApplyValue();
}

// The editing fields switch the Delete key off while they have the focus.
// The items help answers a press of any mouse button; a button's own
// signals know the left one only.
bool PropertyPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == items_help_button_) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    ShowItemsHelp();
    return true;
  }
  if (event->type() == QEvent::FocusIn) emit DeleteKeyActive(false);
  if (event->type() == QEvent::FocusOut) {
    emit DeleteKeyActive(true);
    if (watched == items_) HideItemsEditor();
  }
  return false;
}

void PropertyPanel::mousePressEvent(QMouseEvent*) { HideItemsEditor(); }

}  // namespace quillory

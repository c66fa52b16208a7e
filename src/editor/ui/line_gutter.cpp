#include "editor/ui/line_gutter.h"

#include <algorithm>

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include "editor/gutter_rules.h"
#include "editor/ui/editor.h"

namespace quillory {
namespace {

using Sci = QsciScintillaBase;

constexpr int kMargin = 0;
constexpr int kTrayPadding = 20;

QFont NumberFont() {
  QFont font("Arial");
  font.setPixelSize(11);
  font.setWeight(QFont::Normal);
  return font;
}

// The font of the editor's text, as its default style says.
QFont EditorFont(Editor* rich) {
  char family[128] = {};
  rich->SendScintilla(Sci::SCI_STYLEGETFONT, Sci::STYLE_DEFAULT, family);
  QFont font(QString::fromUtf8(family));
  font.setPointSize(static_cast<int>(
      rich->SendScintilla(Sci::SCI_STYLEGETSIZE, Sci::STYLE_DEFAULT)));
  return font;
}

QColor FromBgr(BgrColour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

BgrColour ToBgr(const QColor& colour) {
  return static_cast<BgrColour>(colour.red() | colour.green() << 8 |
                                colour.blue() << 16);
}

long Send(Editor* rich, unsigned int message, unsigned long w = 0, long l = 0) {
  return rich->SendScintilla(message, w, l);
}

}  // namespace

LineGutter::LineGutter(Editor* rich, int digits)
    : QWidget(rich), rich_(rich), num_digits_(EffectiveDigits(digits)) {
  setObjectName("LineGutter");
  // NOTE: the strip lies over the editor's text area; were it transparent,
  // each of its paints would repaint the text area beneath, whose paint
  // would ask for the strip again, and an idle editor would keep a core
  // busy.
  setAttribute(Qt::WA_OpaquePaintEvent);
  rich->installEventFilter(this);
  rich->viewport()->installEventFilter(this);
  // Scrolling, wrapping, zooming and swapped documents all repaint the text
  // area; the strip follows those paints that moved its lines.
  connect(rich, &Sci::SCN_UPDATEUI, this, [this](int) { Refresh(); });
  connect(rich, &Sci::SCN_PAINTED, this, &LineGutter::Refresh);
  Send(rich, Sci::SCI_SETMARGINTYPEN, kMargin, Sci::SC_MARGIN_SYMBOL);
  Send(rich, Sci::SCI_SETMARGINMASKN, kMargin, 0);
  Relayout();
  show();
}

void LineGutter::Switch(Editor* rich, bool on, int digits) {
  LineGutter* gutter = Of(rich);
  if (on && gutter == nullptr) {
    new LineGutter(rich, digits);
  } else if (!on && gutter != nullptr) {
    delete gutter;
    Send(rich, Sci::SCI_SETMARGINWIDTHN, kMargin, 0);
  }
}

LineGutter* LineGutter::Of(Editor* rich) {
  return rich->findChild<LineGutter*>(QString(), Qt::FindDirectChildrenOnly);
}

QSize LineGutter::TextSize(Editor* rich) {
  const LineGutter* gutter = Of(rich);
  const int digits = gutter ? gutter->num_digits_ : kDefaultNumDigits;
  const QFontMetrics metrics(EditorFont(rich));
  const QString zeros(digits, '0');
  return {metrics.horizontalAdvance(zeros), metrics.height()};
}

// The text area starts right of the strip, as the frame recalculation of a
// window with a carved-out border would place it.
void LineGutter::Relayout() {
  tray_width_ = TextSize(rich_).width() + kTrayPadding;
  Send(rich_, Sci::SCI_SETMARGINWIDTHN, kMargin, tray_width_);
  const QRect area = rich_->viewport()->geometry();
  setGeometry(area.left(), area.top(), tray_width_, area.height());
  raise();
  update();
}

// NOTE: the text area takes its new size only after the editor's own
// resize event, so the strip follows the text area's. An editor being
// destroyed still sends events to itself and its text area after its own
// part is gone; the strip has nothing to follow then.
bool LineGutter::eventFilter(QObject* watched, QEvent* event) {
  if (qobject_cast<Editor*>(parent()) == nullptr) return false;
  const bool text_area = watched == rich_->viewport();
  switch (event->type()) {
    case QEvent::Resize:
      if (text_area) Relayout();
      break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
      if (!text_area) Relayout();
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      Refresh();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// Line tops come from display lines rather than from positions: asking
// Scintilla where a position lies lays out that line's text each time.
LineGutter::Picture LineGutter::Measure() const {
  const auto line_of = [this](long position) {
    return Send(rich_, Sci::SCI_LINEFROMPOSITION, position);
  };
  Picture picture;
  picture.focused = rich_->hasFocus();
  picture.marked =
      LinesToHighlight(line_of(rich_->SelectionStart()),
                       line_of(rich_->SelectionEnd()), line_of(rich_->Caret()));
  const long line_count = Send(rich_, Sci::SCI_GETLINECOUNT);
  const long first_shown = Send(rich_, Sci::SCI_GETFIRSTVISIBLELINE);
  const int text_height = static_cast<int>(Send(rich_, Sci::SCI_TEXTHEIGHT));
  const long last_shown = first_shown + (rich_->viewport()->height() - 1) /
                                            std::max(1, text_height);
  const long first = Send(rich_, Sci::SCI_DOCLINEFROMVISIBLE, first_shown);
  const long last = std::min(
      line_count - 1, Send(rich_, Sci::SCI_DOCLINEFROMVISIBLE, last_shown));
  const auto top_of = [&](long line) {
    return static_cast<int>(
        (Send(rich_, Sci::SCI_VISIBLEFROMDOCLINE, line) - first_shown) *
        text_height);
  };
  const int number_height =
      QFontMetrics(NumberFont()).boundingRect("qQ").height();
  for (long line = first; line <= last; ++line) {
    const int top = top_of(line);
    const int bottom =
        line < line_count - 1 ? top_of(line + 1) : top + number_height;
    picture.cells.push_back({line, top, bottom});
  }
  return picture;
}

void LineGutter::Refresh() {
  if (Measure() != painted_) update();
}

void LineGutter::paintEvent(QPaintEvent*) {
  painted_ = Measure();
  QPainter painter(this);
  const QPalette colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Button));
  painter.setFont(NumberFont());
  const QColor fill =
      FromBgr(painted_.focused
                  ? BlendWithWhite(ToBgr(colours.color(QPalette::Highlight)),
                                   kFocusedBlend)
                  : BlendWithWhite(ToBgr(colours.color(QPalette::Button)),
                                   kUnfocusedBlend));
  int marked_top = -1;
  int marked_bottom = -1;
  for (const Picture::Cell& cell : painted_.cells) {
    const QRect area(0, cell.top, tray_width_ - 1, cell.bottom - cell.top);
    if (painted_.marked.Contains(cell.line)) {
      painter.fillRect(area, fill);
      if (marked_top < 0) marked_top = cell.top;
      marked_bottom = cell.bottom;
    }
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(
        area, Qt::AlignCenter | Qt::TextSingleLine,
        QString::fromStdString(LineNumberText(cell.line + 1, num_digits_)));
  }
  if (marked_top >= 0) {
    DrawFrame(painter, marked_top, marked_bottom, painted_.focused);
  }
  painter.setPen(colours.color(QPalette::Dark));
  painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
}

void LineGutter::DrawFrame(QPainter& painter, int top, int bottom,
                           bool focused) {
  painter.setPen(
      palette().color(focused ? QPalette::Highlight : QPalette::Dark));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, top, tray_width_ - 2, bottom - top - 1);
}

}  // namespace quillory

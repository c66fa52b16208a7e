#include "editor/ui/line_gutter.h"

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
  // NOTE: the gutter paints every pixel of itself. Were it taken for
  // transparent, each of its repaints would repaint the editor beneath,
  // whose SCN_PAINTED asks for the next one, for as long as a document is
  // shown.
  setAttribute(Qt::WA_OpaquePaintEvent);
  rich->installEventFilter(this);
  connect(rich, &Sci::SCN_UPDATEUI, this, [this](int) { update(); });
  connect(rich, &Sci::SCN_PAINTED, this, [this] { update(); });
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

bool LineGutter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange:
      Relayout();
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      update();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void LineGutter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Button));
  painter.setFont(NumberFont());
  const bool focused = rich_->hasFocus();
  const QColor fill = FromBgr(
      focused ? BlendWithWhite(ToBgr(colours.color(QPalette::Highlight)),
                               kFocusedBlend)
              : BlendWithWhite(ToBgr(colours.color(QPalette::Button)),
                               kUnfocusedBlend));
  const auto line_of = [this](long position) {
    return Send(rich_, Sci::SCI_LINEFROMPOSITION, position);
  };
  const HighlightedLines marked =
      LinesToHighlight(line_of(rich_->SelectionStart()),
                       line_of(rich_->SelectionEnd()), line_of(rich_->Caret()));
  const long line_count = Send(rich_, Sci::SCI_GETLINECOUNT);
  const long first = Send(rich_, Sci::SCI_DOCLINEFROMVISIBLE,
                          Send(rich_, Sci::SCI_GETFIRSTVISIBLELINE));
  const long last = std::min(line_count - 1,
                             line_of(Send(rich_, Sci::SCI_POSITIONFROMPOINT, 0,
                                          rich_->viewport()->height() - 1)));
  const int line_height =
      QFontMetrics(NumberFont()).boundingRect("qQ").height();
  const auto top_of = [this](long line) {
    return static_cast<int>(Send(rich_, Sci::SCI_POINTYFROMPOSITION, 0,
                                 Send(rich_, Sci::SCI_POSITIONFROMLINE, line)));
  };
  int marked_top = -1;
  int marked_bottom = -1;
  for (long line = first; line <= last; ++line) {
    const int top = top_of(line);
    const int bottom =
        line < line_count - 1 ? top_of(line + 1) : top + line_height;
    const QRect cell(0, top, tray_width_ - 1, bottom - top);
    if (marked.Contains(line)) {
      painter.fillRect(cell, fill);
      if (marked_top < 0) marked_top = top;
      marked_bottom = bottom;
    }
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(
        cell, Qt::AlignCenter | Qt::TextSingleLine,
        QString::fromStdString(LineNumberText(line + 1, num_digits_)));
  }
  if (marked_top >= 0) DrawFrame(painter, marked_top, marked_bottom, focused);
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

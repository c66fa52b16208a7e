#include "app/ui/window_parts.h"

#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "app/ui/slot_tab_bar.h"
#include "app/window_layout.h"

namespace quillory {
namespace {

QRect ToPixels(const TwipRect& r) {
  return QRect(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel,
               r.width / kTwipsPerPixel, r.height / kTwipsPerPixel);
}

LayoutInput InputOf(const WindowParts& parts) {
  LayoutInput input;
  input.width = parts.area.width() * kTwipsPerPixel;
  input.height = parts.area.height() * kTwipsPerPixel;
  input.tab_row_height = parts.tab_bar.RowHeight() * kTwipsPerPixel;
  input.tab_count = parts.tab_bar.ShownCount();
  input.view_button_height =
      parts.view_buttons[0]->sizeHint().height() * kTwipsPerPixel;
  input.status_height = parts.status.sizeHint().height() * kTwipsPerPixel + 60;
  return input;
}

}  // namespace

void ArrangeWindowParts(const WindowParts& parts) {
  const MainLayout layout = LayoutMainWindow(InputOf(parts));
  parts.toolbar.setGeometry(ToPixels(layout.toolbar));
  parts.side_panel.setGeometry(ToPixels(layout.side_panel));
  // The tabs end where the close button starts, so it covers none.
  const QRect strip = ToPixels(layout.tab_strip);
  const QRect close = ToPixels(layout.close_button);
  parts.tab_bar.setGeometry(strip.left(), strip.top(),
                            close.left() - strip.left(),
                            layout.tab_rows * parts.tab_bar.RowHeight());
  parts.tab_bar.SetTabsPerRow(layout.tabs_per_row);
  // The live preview takes the right half of the editor's place.
  QRect source = ToPixels(layout.editor);
  if (!parts.live_preview.isHidden()) {
    const QRect whole = source;
    source.setWidth(whole.width() / 2);
    parts.live_preview.setGeometry(whole.adjusted(source.width(), 0, 0, 0));
  }
  parts.editor.setGeometry(source);
  parts.preview.setGeometry(source);
  const QSize button = parts.live_button.sizeHint();
  parts.live_button.setGeometry(parts.toolbar.width() - button.width() - 2,
                                (parts.toolbar.height() - button.height()) / 2,
                                button.width(), button.height());
  parts.close_button.setGeometry(close);
  const QRect buttons = ToPixels(layout.view_buttons);
  const int half = buttons.width() / 2;
  parts.view_buttons[0]->setGeometry(buttons.left(), buttons.top(), half,
                                     buttons.height());
  parts.view_buttons[1]->setGeometry(buttons.left() + half, buttons.top(), half,
                                     buttons.height());
  parts.status.setGeometry(ToPixels(layout.status));
  parts.opened_path.setGeometry(ToPixels(layout.path_label));
}

QToolButton* MakeCloseButton(QWidget* area) {
  auto* button = new QToolButton(area);
  button->setObjectName("CLoseB");
  button->setText("X");
  button->setAccessibleName("Close");
  button->setToolTip("Close");
  button->setAutoRaise(true);
  return button;
}

}  // namespace quillory

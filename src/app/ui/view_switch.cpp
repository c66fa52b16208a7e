#include "app/ui/view_switch.h"

#include <QRadioButton>

#include <utility>

#include "app/document_slots.h"
#include "app/ui/document_tabs.h"
#include "base/document_kind.h"
#include "editor/ui/editor.h"
#include "tools/ui/external_browser.h"
#include "tools/ui/page_view_loader.h"

namespace quillory {

ViewSwitch::ViewSwitch(ViewSwitchHost host, QWidget* area)
    : QObject(area), host_(std::move(host)) {
  for (int i = 0; i < 2; ++i) {
    buttons_[i] = new QRadioButton(area);
    buttons_[i]->setObjectName(QString("Option1_%1").arg(i));
  }
  buttons_[0]->setText("Source");
  buttons_[1]->setText("Preview");
  buttons_[0]->setChecked(true);
  preview_ = new PreviewPane(PaneHost(), area);
  live_ = new LivePreview({[this] { return ActiveSource(); }, host_.settings,
                           host_.temp_folder, &LoadPageView, host_.captions},
                          area);
  for (int i = 0; i < 2; ++i) {
    connect(buttons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) Switch(i);
    });
  }
}

PreviewHost ViewSwitch::PaneHost() {
  return {[this] { return ActiveSource(); },
          host_.set_status,
          [this](bool shown) {
            host_.rich.setVisible(shown);
            if (shown) host_.rich.setFocus();
          },
          host_.settings,
          host_.temp_folder,
          &LoadPageView,
          host_.captions,
          host_.dialogs};
}

std::optional<PreviewSource> ViewSwitch::ActiveSource() const {
  const int slot = host_.tabs.ActiveSlot();
  if (slot < 0) return std::nullopt;
  const Document& document = host_.tabs.At(slot);
  return PreviewSource{document.file_path, document.saved, host_.rich.Bytes(),
                       KindOfCaption(host_.tabs.Caption(slot))};
}

void ViewSwitch::Switch(int index) {
  if (lock_) return;
  // A page that cannot be shown leaves the source on.
  if (index == 0 || !preview_->ShowPreview()) Reset();
}

void ViewSwitch::Toggle() {
  buttons_[buttons_[0]->isChecked() ? 1 : 0]->setChecked(true);
}

void ViewSwitch::Reset() {
  lock_ = true;
  buttons_[0]->setChecked(true);
  preview_->ShowSource();
  lock_ = false;
}

void ViewSwitch::Follow() {
  if (buttons_[1]->isChecked()) Switch(1);
  live_->Switched();
}

void ViewSwitch::Show(bool shown) {
  for (QRadioButton* button : buttons_) button->setVisible(shown);
  if (!shown) preview_->hide();
  if (shown && buttons_[1]->isChecked()) host_.rich.hide();
}

void ViewSwitch::OpenInBrowser(int index) {
  const auto& browsers = host_.settings.external_browsers;
  if (index + 1 >= static_cast<int>(browsers.size())) return;
  OpenInExternalBrowser(browsers[index + 1], ActiveSource(), host_.captions,
                        host_.dialogs, this);
}

}  // namespace quillory

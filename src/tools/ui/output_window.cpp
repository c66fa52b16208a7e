#include "tools/ui/output_window.h"

#include <QBoxLayout>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QStackedWidget>

#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/ui/display_text.h"
#include "tools/shown_page.h"

#include "base/ui/named_caption_text.h"

namespace quillory {
namespace {

constexpr int kCloseEntry = 71;
constexpr char kNoBrowserText[] =
    "No page can be shown: the browser module libquillory_web.so could not "
    "be loaded.";

}  // namespace

OutputWindow::OutputWindow(const LangTable& lang, const NamedCaptions& captions,
                           PageViewFactory make_page_view,
                           std::string temp_folder, QWidget* parent)
    : QDialog(parent),
      make_page_view_(make_page_view),
      temp_folder_(std::move(temp_folder)) {
  setObjectName("CheckDocForErr");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(NamedCaption(captions, "CheckDocForErr", "Tool output"));
  resize(640, 420);

  status_ = new QPlainTextEdit(this);
  status_->setObjectName("Status");
  status_->setAccessibleName(windowTitle());
  status_->setReadOnly(true);
  status_->setLineWrapMode(QPlainTextEdit::NoWrap);
  views_ = new QStackedWidget(this);
  views_->addWidget(status_);

  source_ = new QLabel(this);
  source_->setObjectName("Label1");
  auto* close = new QPushButton(
      QString::fromStdString(lang.EntryOr(kCloseEntry, "Close")), this);
  close->setObjectName("Command1");
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  // The web view keeps the keys it is given, Esc among them.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QDialog::close);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(source_, 1);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(views_, 1);
  layout->addLayout(bottom);
}

void OutputWindow::ShowMessages(std::string_view text) {
  status_->setPlainText(DecodeForDisplay(text));
}

void OutputWindow::SetSource(const QString& text) { source_->setText(text); }

void OutputWindow::Browser() {
  views_->setCurrentWidget(views_->currentWidget() == status_ ? Web()
                                                              : status_);
}

void OutputWindow::ShowHtml(std::string_view text) {
  const std::string path = WriteShownPage(
      temp_folder_, QRandomGenerator::global()->generateDouble(), text);
  Web();
  if (web_ != nullptr && !path.empty()) {
    web_->ShowFile(QFile::decodeName(path.c_str()));
  }
}

QWidget* OutputWindow::Web() {
  if (web_ != nullptr) return web_->Widget();
  if (no_web_ != nullptr) return no_web_;
  web_ = make_page_view_ ? make_page_view_(views_) : nullptr;
  QWidget* view =
      web_ != nullptr ? web_->Widget() : (no_web_ = new QLabel(kNoBrowserText));
  view->setObjectName("Web");
  view->setAccessibleName(windowTitle());
  views_->addWidget(view);
  return view;
}

}  // namespace quillory

#include "platform/qt/qt_dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include "platform/qt/qt_font_chooser.h"

namespace quillory {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kWarning:
      return QMessageBox::Warning;
    case MessageIcon::kError:
      return QMessageBox::Critical;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

// "Caption (*.html *.htm)" entries joined by ";;", as Qt's choosers take them.
QString FilterText(const std::vector<FileFilter>& filters) {
  QStringList parts;
  for (const FileFilter& filter : filters) {
    const QString patterns =
        QString::fromStdString(filter.patterns).replace(';', ' ');
    parts << QString::fromStdString(filter.caption) + " (" + patterns + ")";
  }
  return parts.join(";;");
}

// NOTE: a box of Yes and No alone takes Escape and its window's close
// button for No, and No to "save before closing?" throws the changes away.
// Only its buttons answer; the close that follows a click goes through.
class ButtonsOnly : public QObject {
 public:
  explicit ButtonsOnly(QMessageBox& box) : box_(box) {
    box.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && box_.clickedButton() == nullptr) {
      event->ignore();
      return true;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QMessageBox& box_;
};

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return QFile::encodeName(path).toStdString();
}

}  // namespace

void QtDialogs::ShowMessage(const std::string& text, MessageIcon icon) {
  ShowTitledMessage("Quillory", text, icon);
}

void QtDialogs::ShowTitledMessage(const std::string& title,
                                  const std::string& text, MessageIcon icon) {
  QMessageBox box(ToQt(icon), QString::fromStdString(title),
                  QString::fromStdString(text), QMessageBox::Ok, parent_);
  box.exec();
}

Answer QtDialogs::AskYesNo(const std::string& text, MessageIcon icon) {
  QMessageBox box(ToQt(icon), "Quillory", QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  const ButtonsOnly buttons_only(box);
  return box.exec() == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

// NOTE: the Cancel button is the box's escape button, which Escape and
// the close box press too.
ChangesAnswer QtDialogs::AskAboutChanges(const std::string& text,
                                         const ChangesButtons& buttons) {
  QMessageBox box(QMessageBox::Warning, "Quillory",
                  QString::fromStdString(text), QMessageBox::NoButton, parent_);
  QPushButton* save = box.addButton(QString::fromStdString(buttons.save),
                                    QMessageBox::AcceptRole);
  QPushButton* dont_save = box.addButton(
      QString::fromStdString(buttons.dont_save), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QString::fromStdString(buttons.cancel),
                                      QMessageBox::RejectRole);
  save->setObjectName("Save");
  dont_save->setObjectName("DontSave");
  cancel->setObjectName("Cancel");
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return ChangesAnswer::kSave;
  if (box.clickedButton() == dont_save) return ChangesAnswer::kDontSave;
  return ChangesAnswer::kCancel;
}

std::vector<std::string> QtDialogs::ChooseFilesToOpen(
    const std::vector<FileFilter>& filters, const std::string& start_folder) {
  std::vector<std::string> chosen;
  for (const QString& path : QFileDialog::getOpenFileNames(
           parent_, QString(), QFile::decodeName(start_folder.c_str()),
           FilterText(filters))) {
    chosen.push_back(QFile::encodeName(path).toStdString());
  }
  return chosen;
}

std::optional<std::string> QtDialogs::ChooseFileToOpen(
    const std::vector<FileFilter>& filters) {
  return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QString(),
                                             FilterText(filters)));
}

// The chooser asks before a name that exists is replaced: a file chosen by
// a slip of the mouse is otherwise gone without a word.
std::optional<std::string> QtDialogs::ChooseFileToSave(
    const std::vector<FileFilter>& filters, const std::string& default_suffix) {
  QFileDialog chooser(parent_, QString(), QString(), FilterText(filters));
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  chooser.setDefaultSuffix(QString::fromStdString(default_suffix));
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = chooser.selectedFiles();
  return chosen.isEmpty() ? std::nullopt : Chosen(chosen.first());
}

std::optional<std::string> QtDialogs::ChooseFolder(const std::string& title) {
  return Chosen(QFileDialog::getExistingDirectory(
      parent_, QString::fromStdString(title)));
}

std::optional<std::string> QtDialogs::AskText(const std::string& title,
                                              const std::string& prompt,
                                              const std::string& default_text) {
  bool ok = false;
  const QString text = QInputDialog::getText(
      parent_, QString::fromStdString(title), QString::fromStdString(prompt),
      QLineEdit::Normal, QString::fromStdString(default_text), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

std::optional<FontChoice> QtDialogs::ChooseFont(const FontChoice& start,
                                                FontChooserExtras extras) {
  QtFontChooser chooser(start, extras, parent_);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.Chosen();
}

std::optional<uint32_t> QtDialogs::ChooseColour(uint32_t start) {
  const QColor chosen = QColorDialog::getColor(
      QColor(start & 0xFF, (start >> 8) & 0xFF, (start >> 16) & 0xFF), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return static_cast<uint32_t>(chosen.red() | chosen.green() << 8 |
                               chosen.blue() << 16);
}

bool QtDesktop::OpenWithDesktop(const std::string& path) {
  return QDesktopServices::openUrl(
      QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
}

// NOTE: without a print system Qt's printer quietly becomes a PDF printer
// with no file, which prints nothing, so the missing printer is told here.
std::optional<PrintTarget> QtDialogs::ChoosePrintTarget(
    const std::string& no_printer) {
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    ShowMessage(no_printer, MessageIcon::kInformation);
    std::optional<std::string> path =
        ChooseFileToSave({{"PDF", "*.pdf"}, {"", "*"}}, "pdf");
    if (!path) return std::nullopt;
    return PrintTarget{PrintOutput::kPdfFile, *path};
  }
  QPrinter printer;
  QPrintDialog dialog(&printer, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    return PrintTarget{
        PrintOutput::kPdfFile,
        QFile::encodeName(printer.outputFileName()).toStdString()};
  }
  return PrintTarget{PrintOutput::kPrinter,
                     printer.printerName().toStdString()};
}

}  // namespace quillory

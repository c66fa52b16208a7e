#include "insert/ui/printing.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

#include <optional>
#include <string>

#include "base/lang_table.h"
#include "base/named_captions.h"
#include "base/ui/named_caption_text.h"
#include "editor/ui/editor.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

// In English where the language has no caption of their own.
constexpr char kPrintFailed[] = "The document could not be printed to %1.";
constexpr char kDefaultPrinter[] = "the printer";
constexpr char kNoPrinter[] =
    "No printer is set up on this computer. Choose a PDF file to print to "
    "instead.";

void Direct(QPrinter& printer, const PrintTarget& target) {
  const QString name = QFile::decodeName(target.name.c_str());
  if (target.output == PrintOutput::kPdfFile) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(name);
  } else if (!name.isEmpty()) {
    printer.setPrinterName(name);
  }
}

PrinterSheet SheetOf(const QPrinter& printer) {
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
  return {printer.resolution(),     page.left() - paper.left(),
          page.top() - paper.top(), paper.width(),
          paper.height(),           page.width()};
}

QRect ToQt(const DeviceRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

enum class Range : unsigned long { kMeasure = 0, kDraw = 1 };

int FormatRange(const Editor& rich, QPainter& painter, const QRect& rect,
                int start, int end, Range use) {
  return static_cast<int>(rich.SendScintilla(QsciScintillaBase::SCI_FORMATRANGE,
                                             static_cast<unsigned long>(use),
                                             &painter, rect, start, end));
}

// Prints the text from `start` into `rect`; returns the first byte that did
// not fit.
// NOTE: when a page begins inside a wrapped line and ends inside it too,
// Scintilla counts the rows of that line before `start` once more in what it
// returns. Measuring that line alone tells whether the page ended in it.
int PrintRange(const Editor& rich, QPainter& painter, const QRect& rect,
               int start, int length) {
  const int end = FormatRange(rich, painter, rect, start, length, Range::kDraw);
  const long line = rich.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                       static_cast<unsigned long>(start));
  const auto line_start = [&rich](long k) {
    return static_cast<int>(
        rich.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                           static_cast<unsigned long>(k)));
  };
  const int skipped = start - line_start(line);
  const int next_line =
      line + 1 < rich.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT)
          ? line_start(line + 1)
          : length;
  if (skipped == 0 || end == next_line) return end;
  const int line_end =
      FormatRange(rich, painter, rect, start, start, Range::kMeasure);
  return line_end == next_line ? end : end - skipped;
}

// The one pass over the pages; false when the printer refused a step.
bool PrintPages(QPrinter& printer, const PrintHost& host,
                const PrintMargins& margins, const std::string& file_name) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const PrintFrame frame = FramePrintedPage(SheetOf(printer), margins);
  const QRect header = ToQt(frame.header);
  const QString title = QFile::decodeName(PrintHeader(file_name).c_str());
  const std::string label = host.lang.EntryOr(kPageLabelText, "Page");
  const int length = host.rich.Length();
  int start = 0;
  for (int page = 1;; ++page) {
    if (page > 1) {
      if (!printer.newPage()) return false;
      host.dialogs.ShowMessage(std::to_string(page), MessageIcon::kNone);
    }
    painter.drawText(header, Qt::AlignLeft | Qt::AlignTop, title);
    painter.drawText(header, Qt::AlignRight | Qt::AlignTop,
                     QString::fromStdString(PageLabel(label, page)));
    const int next =
        PrintRange(host.rich, painter, ToQt(frame.text), start, length);
    if (IsLastPrintedPage(start, next, length)) break;
    start = next;
  }
  // Scintilla keeps no layout between ranges, so there is none to release.
  return painter.end();
}

}  // namespace

void PrintDocument(const PrintHost& host, const PrintMargins& margins,
                   const std::string& file_name) {
  const std::optional<PrintTarget> target = host.dialogs.ChoosePrintTarget(
      host.captions.FindOr("NoPrinter", kNoPrinter));
  if (!target) return;
  QPrinter printer(QPrinter::HighResolution);
  Direct(printer, *target);
  if (printer.isValid() && PrintPages(printer, host, margins, file_name)) {
    return;
  }
  const QString where =
      target->name.empty()
          ? NamedCaption(host.captions, "PrintFailed.Printer", kDefaultPrinter)
          : QFile::decodeName(target->name.c_str());
  host.dialogs.ShowMessage(
      NamedCaption(host.captions, "PrintFailed", kPrintFailed)
          .arg(where)
          .toStdString(),
      MessageIcon::kWarning);
}

}  // namespace quillory

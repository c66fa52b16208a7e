#include <QProcess>

#include <algorithm>

#include <string>
#include <vector>

#include "support/window_test.h"

namespace quillory {
namespace {

// Text of one page of a PDF, or of all pages with 0.
std::string PdfText(const std::string& pdf, int page) {
  const QString n = QString::number(page);
  QStringList arguments =
      page > 0 ? QStringList{"-f", n, "-l", n} : QStringList();
  arguments << "-layout" << QString::fromStdString(pdf) << "-";
  QProcess process;
  process.start("pdftotext", arguments);
  process.waitForFinished();
  return process.readAllStandardOutput().toStdString();
}

int PdfPages(const std::string& pdf) {
  const std::string text = PdfText(pdf, 0);
  return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

class PrintingTest : public testing::WindowTest {
 protected:
  void PrintTo(const std::string& pdf) {
    fakes_.dialogs.print_targets = {PrintTarget{PrintOutput::kPdfFile, pdf}};
    Trigger("Prnt");
  }
};

// Every page carries the header and its label; each page after the first
// is announced by its number.
TEST_F(PrintingTest, PrintsEveryPageWithItsHeader) {
  const std::string text = NumberedLines(150);
  OpenFile("long.html", text);
  const std::string pdf = folder_.Path("long.pdf");
  PrintTo(pdf);

  const int pages = PdfPages(pdf);
  ASSERT_GE(pages, 3);
  std::vector<std::string> announced;
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) announced.push_back(std::to_string(page));
    const std::string shown = PdfText(pdf, page);
    EXPECT_NE(shown.find("Quillory " + folder_.Path("long.html")), shown.npos)
        << page;
    EXPECT_NE(shown.find("Page " + std::to_string(page)), shown.npos) << shown;
  }
  EXPECT_EQ(fakes_.dialogs.messages, announced);
  EXPECT_NE(PdfText(pdf, pages).find("line 149"), std::string::npos);
}

// Pages that begin and end inside one wrapped line lose none of it.
TEST_F(PrintingTest, PrintsALongLineWhole) {
  std::string line;
  for (int i = 1000; i < 5000; ++i) line += "w" + std::to_string(i) + " ";
  OpenFile("line.html", line);
  PrintTo(folder_.Path("line.pdf"));
  ASSERT_GE(PdfPages(folder_.Path("line.pdf")), 3);
  const std::string printed = PdfText(folder_.Path("line.pdf"), 0);
  for (int i = 1000; i < 5000; ++i) {
    ASSERT_NE(printed.find("w" + std::to_string(i)), std::string::npos) << i;
  }
}

TEST_F(PrintingTest, AnEmptyDocumentIsOnePageAndAFailedPrintIsTold) {
  OpenFile("empty.html", "");
  PrintTo(folder_.Path("empty.pdf"));
  EXPECT_EQ(PdfPages(folder_.Path("empty.pdf")), 1);
  EXPECT_TRUE(fakes_.dialogs.messages.empty());

  PrintTo(folder_.Path("no/such/folder.pdf"));
  EXPECT_EQ(fakes_.dialogs.messages,
            std::vector<std::string>{"The document could not be printed to " +
                                     folder_.Path("no/such/folder.pdf") + "."});
}

}  // namespace
}  // namespace quillory

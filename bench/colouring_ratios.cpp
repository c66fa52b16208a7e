#include "colouring_ratios.h"

#include <cstdio>

namespace quillory::bench {
namespace {

double Megabytes(double bytes_per_second) { return bytes_per_second / 1e6; }

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred || run.iterations == 0) continue;
    std::string name = run.benchmark_name();
    name = name.substr(0, name.find("/min_time:"));
    name = name.substr(0, name.find("/iterations:"));
    Figures& figures = figures_[name];
    figures.seconds = run.real_accumulated_time / run.iterations;
    auto rate = run.counters.find("bytes_per_second");
    if (rate != run.counters.end()) figures.bytes_per_second = rate->second;
  }
  ConsoleReporter::ReportRuns(runs);
}

const RatioReporter::Figures* RatioReporter::Find(
    const std::string& name) const {
  auto found = figures_.find(name);
  return found == figures_.end() ? nullptr : &found->second;
}

void RatioReporter::PrintRatios() const {
  std::printf("\nRatios from this run (MB = 10^6 bytes):\n");
  for (const char* measured : {"ParseHTML", "EditorColour"}) {
    PrintThroughputs(measured);
    PrintBaselines(measured);
  }
  PrintOpening();
  PrintLines("Line");
  PrintLines("Typing");
  PrintLines("EditorTyping");
  PrintLines("EditorLine");
}

void RatioReporter::PrintThroughputs(const std::string& measured) const {
  const Figures* small = Find(measured + "/whole/100k");
  const Figures* middle = Find(measured + "/whole/2m");
  const Figures* large = Find(measured + "/whole/20m");
  if (!small || !middle || !large) return;
  std::printf(
      "  %s whole text: 100 KB %.0f MB/s, 2 MB %.0f MB/s, "
      "20 MB %.0f MB/s\n",
      measured.c_str(), Megabytes(small->bytes_per_second),
      Megabytes(middle->bytes_per_second), Megabytes(large->bytes_per_second));
  std::printf("  throughput 20 MB / 100 KB: %.2f (goal >= 0.8)\n",
              large->bytes_per_second / small->bytes_per_second);
}

void RatioReporter::PrintBaselines(const std::string& measured) const {
  const Figures* parse = Find(measured + "/whole/20m");
  if (!parse) return;
  if (const Figures* floor = Find("Memchr4/whole/20m")) {
    std::printf(
        "  four memchr passes 20 MB: %.0f MB/s; %s takes %.1f "
        "times as long (goal <= 15)\n",
        Megabytes(floor->bytes_per_second), measured.c_str(),
        parse->seconds / floor->seconds);
  }
  const std::pair<const char*, const char*> others[] = {
      {"QsciLexerHTML/whole/20m", "QsciLexerHTML (goal >= 4.8)"},
      {"KSH_HTML/whole/20m", "KSyntaxHighlighting HTML (goal >= 6.8)"},
      {"KSH_PHP_HTML/whole/20m", "KSyntaxHighlighting PHP (HTML)"}};
  for (const auto& [name, label] : others) {
    if (const Figures* other = Find(name)) {
      std::printf("  %s 20 MB: %.1f MB/s; %s is %.1f times as fast\n", label,
                  Megabytes(other->bytes_per_second), measured.c_str(),
                  other->seconds / parse->seconds);
    }
  }
}

void RatioReporter::PrintOpening() const {
  if (const Figures* open = Find("EditorOpen/firstscreen/20m")) {
    std::printf(
        "  opening 20 MB to a coloured first screen: %.0f ms (goal <= 400)\n",
        open->seconds * 1e3);
  }
}

void RatioReporter::PrintLines(const std::string& kind) const {
  for (const char* caret : {"start", "middle", "end"}) {
    const std::string name = kind + "/" + caret;
    const Figures* small = Find(name + "/100k");
    const Figures* large = Find(name + "/20m");
    if (!small || !large) continue;
    std::printf(
        "  %s, caret at %s: 100 KB %.2f us, 20 MB %.2f us, "
        "ratio %.2f (goal <= 2)\n",
        kind.c_str(), caret, small->seconds * 1e6, large->seconds * 1e6,
        large->seconds / small->seconds);
  }
}

}  // namespace quillory::bench

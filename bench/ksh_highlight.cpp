#include "ksh_highlight.h"

#include <KSyntaxHighlighting/AbstractHighlighter>
#include <KSyntaxHighlighting/Definition>
#include <KSyntaxHighlighting/Format>
#include <KSyntaxHighlighting/Repository>
#include <KSyntaxHighlighting/State>
#include <KSyntaxHighlighting/Theme>
#include <QString>
#include <QStringView>
#include <QVector>
#include <string_view>

namespace {

// Counts formats so the work cannot be optimised away.
class CountingHighlighter : public KSyntaxHighlighting::AbstractHighlighter {
 public:
  using AbstractHighlighter::highlightLine;
  size_t formats = 0;

 protected:
  void applyFormat(int, int, const KSyntaxHighlighting::Format&) override {
    ++formats;
  }
};

struct Session {
  KSyntaxHighlighting::Repository repository;
  CountingHighlighter highlighter;
  QVector<QString> lines;
};

}  // namespace

void* KshOpen(const char* definition) {
  auto* session = new Session;
  const KSyntaxHighlighting::Definition found =
      session->repository.definitionForName(QString::fromUtf8(definition));
  if (!found.isValid()) {
    delete session;
    return nullptr;
  }
  session->highlighter.setDefinition(found);
  session->highlighter.setTheme(session->repository.defaultTheme());
  return session;
}

void KshSetText(void* session, const char* bytes, size_t length) {
  auto* s = static_cast<Session*>(session);
  s->lines.clear();
  const std::string_view text(bytes, length);
  for (size_t start = 0;;) {
    const size_t end = text.find("\r\n", start);
    const size_t stop = end == std::string_view::npos ? length : end;
    s->lines.push_back(QString::fromLatin1(bytes + start, int(stop - start)));
    if (end == std::string_view::npos) return;
    start = end + 2;
  }
}

size_t KshHighlightAll(void* session) {
  auto* s = static_cast<Session*>(session);
  s->highlighter.formats = 0;
  KSyntaxHighlighting::State state;
  for (const QString& line : s->lines) {
    state = s->highlighter.highlightLine(QStringView(line), state);
  }
  return s->highlighter.formats;
}

void KshClose(void* session) { delete static_cast<Session*>(session); }

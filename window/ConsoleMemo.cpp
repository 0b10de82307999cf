#include "ConsoleMemo.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextCursor>
#include <utility>

#include "TextFile.h"

namespace {
// Short enough to look immediate, long enough that a run pumping events
// between its lines does not repaint the memo for every line.
constexpr int kFlushDelayMs = 20;
}  // namespace

ConsoleMemo::ConsoleMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(kFlushDelayMs);
  connect(&flushTimer_, &QTimer::timeout, this, &ConsoleMemo::Flush);
}

void ConsoleMemo::AddLines(const QString& text) {
  static const QRegularExpression kBreak(QStringLiteral("\r\n|\n|\r"));
  QStringList lines = text.split(kBreak);
  if (lines.size() > 1 && lines.constLast().isEmpty()) lines.removeLast();
  pending_ += lines;
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void ConsoleMemo::ClearLines() {
  pending_.clear();
  flushTimer_.stop();
  clear();
  empty_ = true;
}

void ConsoleMemo::Flush() {
  flushTimer_.stop();
  if (pending_.isEmpty()) return;
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  if (!empty_) cursor.insertBlock();
  cursor.insertText(pending_.join(QLatin1Char('\n')));
  cursor.endEditBlock();
  const QStringList added = std::exchange(pending_, {});
  empty_ = false;
  // Follow the newest line, as a console does.
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  emit LinesAdded(added);
}

QStringList ConsoleMemo::Lines() {
  Flush();
  if (empty_) return {};
  return document()->toPlainText().split(QLatin1Char('\n'));
}

void ConsoleMemo::SaveToFile(const QString& path) { WriteReportFile(path, Lines()); }

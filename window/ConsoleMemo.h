#pragma once
#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>

// A read-only memo that takes whole lines. Lines arrive in bursts (a log table
// of 2244 rows, a diagnostic run), and the text widget pays for every separate
// insertion and every repaint, so added lines wait in a queue that goes into
// the document in one edit block shortly after (20 ms), or at once when the
// text is read. Read the memo through Lines(), never through the widget's
// own text, which may lag behind.
class ConsoleMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ConsoleMemo(QWidget* parent = nullptr);

  // Appends text as lines: it is split at CR LF (or a lone LF or CR); a line
  // break at its very end does not add an empty line.
  void AddLines(const QString& text);
  void ClearLines();
  QStringList Lines();
  // The whole memo as a report file (see WriteReportFile).
  void SaveToFile(const QString& path);
  // Puts the queued lines into the document now.
  void Flush();

 signals:
  // The lines that have just gone into the document, one burst at a time, in
  // order; lines cleared before they got there are never announced.
  void LinesAdded(const QStringList& lines);

 private:

  QStringList pending_;
  bool empty_ = true;
  QTimer flushTimer_;
};

#pragma once
#include <QStringList>

#include "Dialogs.h"

// The message boxes of a run without the window: nobody is there to answer,
// so every box is confirmed at once, a Yes/No question is answered No and a
// file dialog is cancelled. The texts of error boxes are kept to be told.
class HeadlessDialogs : public Dialogs {
 public:
  void Message(MessageKind kind, const QString& text) override {
    if (kind == MessageKind::Error) errors_ << text;
  }
  bool AskYesNo(const QString&, DefaultAnswer) override { return false; }
  std::optional<QString> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<QString> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }

  // The error boxes shown so far, oldest first.
  const QStringList& Errors() const { return errors_; }

 private:
  QStringList errors_;
};

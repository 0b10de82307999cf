#pragma once
// Dialogs answered by the test: every box and question (with its default
// answer) is recorded, questions and file dialogs take the next scripted
// answer (No / cancel when none is left).
#include <deque>
#include <optional>
#include <vector>

#include <QStringList>

#include "Dialogs.h"

class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    MessageKind kind;
    QString text;
  };

  std::vector<Shown> messages;
  QStringList questions;
  std::vector<DefaultAnswer> questionDefaults;  // one for each of `questions`
  std::deque<bool> yesNoAnswers;
  std::vector<FileDialogRequest> fileRequests;
  std::deque<std::optional<QString>> fileAnswers;

  void Message(MessageKind kind, const QString& text) override { messages.push_back({kind, text}); }

  bool AskYesNo(const QString& text, DefaultAnswer defaultAnswer) override {
    questions << text;
    questionDefaults.push_back(defaultAnswer);
    return Next(yesNoAnswers).value_or(false);
  }

  std::optional<QString> SaveFileName(const FileDialogRequest& request) override {
    fileRequests.push_back(request);
    return Next(fileAnswers).value_or(std::nullopt);
  }
  std::optional<QString> OpenFileName(const FileDialogRequest& request) override {
    return SaveFileName(request);
  }

 private:
  template <class T>
  static std::optional<T> Next(std::deque<T>& answers) {
    if (answers.empty()) return std::nullopt;
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

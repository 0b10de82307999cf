#include "Guard.h"

#include <gtest/gtest.h>

#include "Errors.h"
#include "QStringPrinter.h"
#include "ScriptedDialogs.h"

TEST(RunGuarded, AnEscapingErrorEndsInTheErrorBox) {
  ScriptedDialogs dialogs;
  bool after = false;
  RunGuarded(dialogs, [&] {
    throw ConvertError("'x' is not a valid integer value");
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.messages[0].text, "'x' is not a valid integer value");
}

TEST(RunGuarded, ForeignExceptionsBecomeAnErrorWithoutText) {
  ScriptedDialogs dialogs;
  RunGuarded(dialogs, [] { throw 42; });
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QString());
}

TEST(RunGuarded, QuietWhenTheHandlerSucceeds) {
  ScriptedDialogs dialogs;
  int runs = 0;
  RunGuarded(dialogs, [&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(dialogs.messages.empty());
}

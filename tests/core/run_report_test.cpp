#include <gtest/gtest.h>

#include "installer/run_report.h"

// The message may be the message log itself, whose bytes the separator's growth moves before the message follows.
TEST(RunReport, AMessageMayBeTheMessageLogItself) {
  RunState run;
  NoteMessage(run, "fifteen bytes..");
  NoteMessage(run, run.messageLog);
  EXPECT_EQ(run.messageLog, "fifteen bytes..\r\rfifteen bytes..");
}

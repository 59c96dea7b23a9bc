#include "texts/records.h"

#include <gtest/gtest.h>

namespace zerdo {
namespace {

TEST(RecordMessages, InThreeLanguages) {
  EXPECT_EQ(record_check_message(1).title, "Zerdo Registry changed");
  EXPECT_EQ(record_check_message(1).text,
            "All 'winners' data will be lost\nYou start from scratch over again!");
  EXPECT_EQ(record_check_message(0).title, "Zerdo Registry geändert");
  EXPECT_EQ(record_check_message(2).text,
            "Alle gegevens over 'winnaars' gaan verloren\nJe begint weer helemaal van voor!");
  EXPECT_EQ(intermediate_stop_message(0).text,
            "Leider ist mit Zwischen-STOP kein Eintrag ins Gewinnerrigister möglich!");
  EXPECT_EQ(intermediate_stop_message(2).title, "Zerdo winnaars register");
  EXPECT_EQ(intermediate_stop_message(1).title, "Zerdo Winner Registry");
}

}  // namespace
}  // namespace zerdo

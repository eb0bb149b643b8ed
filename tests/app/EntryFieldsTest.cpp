#include "app/EntryFields.h"

#include <gtest/gtest.h>

#include <string>

namespace nimbara {
namespace {

struct LeaveCase {
  EntryField field;
  std::string typed;
  std::string shown;
  int spin;
};

TEST(EntryFields, LeavingAFieldCompletesAndClamps) {
  const LeaveCase cases[] = {LeaveCase{EntryField::Pressure, "5", "1005", 1005},
                             LeaveCase{EntryField::Pressure, "98", "998", 998},
                             LeaveCase{EntryField::Pressure, "81", "981", 981},
                             LeaveCase{EntryField::Pressure, "80", "1080", 1080},
                             LeaveCase{EntryField::Pressure, "12", "1012", 1012},
                             LeaveCase{EntryField::Pressure, "00", "1000", 1000},
                             LeaveCase{EntryField::Pressure, "1200", "1100", 1100},
                             LeaveCase{EntryField::Pressure, "850", "900", 900},
                             LeaveCase{EntryField::Pressure, "1080", "1080", 1080},
                             LeaveCase{EntryField::Pressure, " 1013", " 1013", 1013},
                             LeaveCase{EntryField::Force, "15", "12", 12},
                             LeaveCase{EntryField::Force, "-3", "0", 0},
                             LeaveCase{EntryField::Force, " 3", " 3", 3},
                             LeaveCase{EntryField::Temperature, "45", "40", 40},
                             LeaveCase{EntryField::Temperature, "-41", "-40", -40},
                             LeaveCase{EntryField::Temperature, "-5", "-5", -5},
                             LeaveCase{EntryField::Temperature, "-", "0", 0},
                             LeaveCase{EntryField::Temperature, "5.5", "6", 6},
                             LeaveCase{EntryField::Latitude, "14", "15", 15},
                             LeaveCase{EntryField::Latitude, "61", "60", 60},
                             LeaveCase{EntryField::Longitude, "99", "100", 100},
                             LeaveCase{EntryField::Longitude, "165", "160", 160},
                             // Japanese input mode types full-width digits and signs.
                             LeaveCase{EntryField::Pressure, "９８", "998", 998},
                             LeaveCase{EntryField::Temperature, "－５", "-5", -5}};
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(c.typed);
    const LeftField left = LeaveField(c.field, c.typed, "saved");
    EXPECT_EQ(left.text, c.shown);
    EXPECT_EQ(left.value, c.spin);
  }
}

TEST(EntryFields, EmptyBoxGetsItsSavedTextBack) {
  EXPECT_EQ(LeaveField(EntryField::Force, "", " 7").text, " 7");
  EXPECT_EQ(LeaveField(EntryField::Force, "", " 7").value, 7);
}

TEST(EntryFields, RestoredPressureIsCompletedLikeTypedOne) {
  EXPECT_EQ(LeaveField(EntryField::Pressure, "", "5").text, "1005");
}

TEST(EntryFields, PressureShortcutsNeedDigitsOnly) {
  // A pasted "9x" is not a two-digit pressure: it reads as 9 and is clamped.
  EXPECT_EQ(LeaveField(EntryField::Pressure, "9x", "1013").text, "900");
}

TEST(EntryFields, DigitFieldsDropLettersAndSigns) {
  for (EntryField field : {EntryField::Force, EntryField::Pressure, EntryField::Latitude, EntryField::Longitude}) {
    EXPECT_TRUE(AcceptsKey(field, U'0'));
    EXPECT_TRUE(AcceptsKey(field, U'9'));
    EXPECT_FALSE(AcceptsKey(field, U'a'));
    EXPECT_FALSE(AcceptsKey(field, U'-'));
    EXPECT_TRUE(AcceptsKey(field, U'５'));
    EXPECT_TRUE(AcceptsKey(field, U'\b'));
    EXPECT_TRUE(AcceptsKey(field, U'\x7f'));
  }
}

TEST(EntryFields, TemperatureTakesMinusToNineInCharacterOrder) {
  for (char32_t key : {U'-', U'.', U'/', U'0', U'9', U'\b'}) EXPECT_TRUE(AcceptsKey(EntryField::Temperature, key));
  for (char32_t key : {U',', U':', U'a', U'+'}) EXPECT_FALSE(AcceptsKey(EntryField::Temperature, key));
}

TEST(EntryFields, SpinWritesASpaceBeforeNonNegativeValues) {
  EXPECT_EQ(SpinText(3), " 3");
  EXPECT_EQ(SpinText(0), " 0");
  EXPECT_EQ(SpinText(-5), "-5");
}

TEST(EntryFields, InitialTextsLieInsideTheirSpinRanges) {
  for (EntryField field : {EntryField::Force, EntryField::Pressure, EntryField::Temperature, EntryField::Latitude,
                           EntryField::Longitude}) {
    const EntryFieldRule& rule = RuleOf(field);
    const LeftField left = LeaveField(field, rule.initialText, "");
    EXPECT_EQ(left.text, rule.initialText);
    EXPECT_GE(left.value, rule.spinBottom);
    EXPECT_LE(left.value, rule.spinTop);
  }
}

}  // namespace
}  // namespace nimbara

// Reading the aircraft library file.
#include "aircraft/library_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

const std::string kHeading = "Name,Weight,Departures,Pct,Pressure,Wheels,Dual,Tandem,Width\r\n";

std::string Aircraft(int i) {
  return "Plane " + std::to_string(i) + "," + std::to_string(10000 + i) + ",1200,47.5,14.5,2,34,0,11.7\r\n";
}

Outcome Read(ProgramState& state, const std::string& text) {
  std::istringstream in(text);
  return ReadLibrary(state, in);
}

TEST(ReadLibrary, TheShippedLibraryHoldsRealAircraftWithinTheTables) {
  ProgramState state;
  ASSERT_TRUE(ReadLibrary(state, RIPADES_LIBRARY_PATH).ok);
  EXPECT_GE(state.account, 40);
  EXPECT_LE(state.account, 65);
  EXPECT_EQ(state.achead[1], "Aircraft Name");
  for (int r = 1; r <= state.account; ++r) {
    EXPECT_LE(state.acdata[r][1].size(), 19u);
    EXPECT_FALSE(state.acdata[r][9].empty());
  }
}

TEST(ReadLibrary, HeadingOnlyGivesNoAircraft) {
  ProgramState state;
  EXPECT_TRUE(Read(state, kHeading).ok);
  EXPECT_EQ(state.account, 0);
  EXPECT_EQ(state.achead[9], "Width");
}

TEST(ReadLibrary, SixtyFiveAircraftFillEveryRowAndASixtySixthIsRefused) {
  std::string text = kHeading;
  for (int i = 1; i <= 65; ++i) text += Aircraft(i);
  ProgramState state;
  EXPECT_TRUE(Read(state, text).ok);
  EXPECT_EQ(state.account, 65);
  EXPECT_EQ(state.acdata[65][1], "Plane 65");
  EXPECT_EQ(state.acdata[65][5], "14.5");

  ProgramState full;
  const Outcome outcome = Read(full, text + Aircraft(66));
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("more than 65"), std::string::npos);
  EXPECT_EQ(full.account, 65);
  EXPECT_EQ(full.acdata[65][1], "Plane 65");
}

TEST(ReadLibrary, QuotedFieldsMayHoldCommasAndBlanksBeforeAFieldAreSkipped) {
  ProgramState state;
  ASSERT_TRUE(Read(state, kHeading + "\"Heavy, Dual\",  200000, 1200,47.5,200,2,34,0,\"12\"\r\n").ok);
  EXPECT_EQ(state.acdata[1][1], "Heavy, Dual");
  EXPECT_EQ(state.acdata[1][2], "200000");
  EXPECT_EQ(state.acdata[1][9], "12");
}

TEST(ReadLibrary, FinalLineEndsAndLineFeedsAloneReadAlike) {
  for (const std::string& text :
       {kHeading + Aircraft(1), kHeading + Aircraft(1).substr(0, Aircraft(1).size() - 2),
        kHeading + Aircraft(1) + "\r\n", std::string("a,b,c,d,e,f,g,h,i\nP,1,2,3,4,5,6,7,8\n")}) {
    ProgramState state;
    EXPECT_TRUE(Read(state, text).ok);
    EXPECT_EQ(state.account, 1);
    EXPECT_FALSE(state.acdata[1][9].empty());
  }
}

TEST(ReadLibrary, RowsTheFileDoesNotFillKeepTheirContent) {
  ProgramState state;
  state.acdata[2][1] = "Kept";
  ASSERT_TRUE(Read(state, kHeading + Aircraft(1)).ok);
  EXPECT_EQ(state.acdata[2][1], "Kept");
}

TEST(ReadLibrary, AFileEndingInsideARecordKeepsTheRecordsBeforeIt) {
  ProgramState state;
  const Outcome outcome = Read(state, kHeading + Aircraft(1) + "Cut,1,2,3\r\n");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("ends inside"), std::string::npos);
  EXPECT_EQ(state.account, 1);
  EXPECT_EQ(state.acdata[2][1], "");
}

TEST(ReadLibrary, AMissingOrEmptyFileIsReportedWithNoAircraft) {
  ProgramState state;
  const Outcome missing = ReadLibrary(state, "/nonexistent/fly.dll");
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.message.find("/nonexistent/fly.dll"), std::string::npos);
  EXPECT_EQ(state.account, 0);
  EXPECT_FALSE(Read(state, "").ok);
}

}  // namespace

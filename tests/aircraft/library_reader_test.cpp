// Reading the aircraft library file.
#include "aircraft/library_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace {

const std::string kHeading = "Name,Weight,Departures,Pct,Pressure,Wheels,Dual,Tandem,Width\r\n";

std::string Aircraft(int i) {
  return "Plane " + std::to_string(i) + "," + std::to_string(10000 + i) + ",1200,47.5,14.5,2,34,0,11.7\r\n";
}

std::string SixtyFive() {
  std::string text = kHeading;
  for (int i = 1; i <= 65; ++i) text += Aircraft(i);
  return text;
}

struct LibraryCase {
  const char* what;
  std::string text;
  bool ok;
  int account;
  const char* messagePart;  // of a refusal
  std::string lastName, lastWidth;
};

TEST(ReadLibrary, ReadsEachRecordOrRefusesKeepingTheRecordsBefore) {
  const std::string one = Aircraft(1);
  const LibraryCase cases[] = {
      {"heading only", kHeading, true, 0, "", "", ""},
      {"65 aircraft fill every row", SixtyFive(), true, 65, "", "Plane 65", "11.7"},
      {"a 66th is refused", SixtyFive() + Aircraft(66), false, 65, "more than 65", "Plane 65", "11.7"},
      {"quoted commas, blanks before a field", kHeading + "\"Heavy, Dual\",  200000, 1,2,3,4,5,6,\"12\"\r\n", true, 1,
       "", "Heavy, Dual", "12"},
      {"no final line end", kHeading + one.substr(0, one.size() - 2), true, 1, "", "Plane 1", "11.7"},
      {"an empty last line", kHeading + one + "\r\n", true, 1, "", "Plane 1", "11.7"},
      // Found by fuzzing: a quoted field ran over a line end, and the saved file split the value.
      {"line ends inside quotes read as blanks", kHeading + "\"Long\r\nwide\nName\",1,2,3,4,5,6,7,\"11\r7\"\r\n", true,
       1, "", "Long wide Name", "11 7"},
      {"line feeds alone", "a,b,c,d,e,f,g,h,i\nP,1,2,3,4,5,6,7,8\n", true, 1, "", "P", "8"},
      {"carriage returns alone", "a,b,c,d,e,f,g,h,i\rP,1,2,3,4,5,6,7,8\rQ,1,2,3,4,5,6,7,9\r", true, 2, "", "Q", "9"},
      {"a record over two lines", kHeading + "R,1,2,3\r\n4,5,6,7,8\r\n", true, 1, "", "R", "8"},
      {"ends inside a record", kHeading + one + "Cut,1,2,3\r\n", false, 1, "ends inside the record of aircraft 2",
       "Plane 1", "11.7"},
      {"empty file", "", false, 0, "", "", ""},
  };
  for (const LibraryCase& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState state;
    const int next = std::min(c.account + 1, 65);  // rows the file does not fill keep their content
    if (c.account < 65) state.acdata[next][1] = "Kept";
    std::istringstream in(c.text);
    const Outcome outcome = ReadLibrary(state, in);
    EXPECT_EQ(outcome.ok, c.ok);
    EXPECT_NE(outcome.message.find(c.messagePart), std::string::npos) << outcome.message;
    EXPECT_EQ(state.account, c.account);
    EXPECT_EQ(state.acdata[c.account][1], c.lastName);
    EXPECT_EQ(state.acdata[c.account][9], c.lastWidth);
    EXPECT_EQ(state.acdata[next][1], c.account < 65 ? "Kept" : "Plane 65");
  }
}

TEST(ReadLibrary, TheShippedLibraryHoldsRealAircraftOrAMissingOneIsNamed) {
  ProgramState state;
  ASSERT_TRUE(ReadLibrary(state, RIPADES_LIBRARY_PATH).ok);
  EXPECT_GE(state.account, 40);
  EXPECT_EQ(state.achead[1], "Aircraft Name");
  for (int r = 1; r <= state.account; ++r) EXPECT_LE(state.acdata[r][1].size(), 19u);

  const Outcome missing = ReadLibrary(state, "/nonexistent/fly.dll");
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.message.find("/nonexistent/fly.dll"), std::string::npos);
  EXPECT_EQ(state.account, 0);
}

}  // namespace

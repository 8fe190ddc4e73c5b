// dorx-batch calc as a user runs it: the exit status, the result path as the
// last line of standard output, and the report of missing and short tiles on
// standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "shell/tiny_area.h"
#include "support/test_support.h"

namespace dorx {
namespace {

struct BatchRun {
  int status = -1;
  std::string out, err;
};

class CalcVerbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteFlatTile(Mesh(), test::kTinyTileCode, 1000);
    std::filesystem::create_directories(Program());
  }

  std::string Mesh() const { return dir_ / "mesh/"; }
  std::string Program() const { return dir_ / "program/"; }

  BatchRun Calc(const ProjectParameters& p, const std::string& extra = "") {
    const std::string project = test::WriteProject(dir_ / "project.xix", p);
    const std::string command = std::string("'") + DORX_BATCH_PATH + "' calc '" + project + "' --mesh '" + Mesh() +
                                "' --program-folder '" + Program() + "' --overwrite " + extra + " >'" +
                                (dir_ / "out") + "' 2>'" + (dir_ / "err") + "' </dev/null";
    const int raw = std::system(command.c_str());
    BatchRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = test::ReadBytes(dir_ / "out");
    run.err = test::ReadBytes(dir_ / "err");
    return run;
  }

  static std::string LastLine(const std::string& text) {
    std::string body = text;
    if (!body.empty() && body.back() == '\n') body.pop_back();
    return body.substr(body.find_last_of('\n') == std::string::npos ? 0 : body.find_last_of('\n') + 1);
  }

  test::ScratchFolder dir_;
};

TEST_F(CalcVerbTest, ASuccessfulRunEndsWithTheResultPathAndReportsNoTile) {
  const BatchRun run = Calc(test::TinyAreaParameters());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(LastLine(run.out), Program() + "station/station.dorx");
  EXPECT_EQ(test::ReadBytes(LastLine(run.out)).size(), 488u + 200u * 200u * 160u);
  EXPECT_EQ(run.err.find("tile"), std::string::npos) << run.err;
}

TEST_F(CalcVerbTest, AfterTheRunEveryMissingAndShortTileIsReported) {
  // The station's tile holds only its header and the 100 northern rows; the
  // tile east of it, which the area's eastern 50 columns reach, is missing.
  const std::string tile = test::FlatTileText(1000);
  size_t end = 0;
  for (int line = 0; line < 101; ++line) end = tile.find('\n', end) + 1;
  const std::string short_tile = Mesh() + "5338/" + test::kTinyTileCode + ".mem";
  test::WriteBytes(short_tile, tile.substr(0, end));

  const BatchRun run = Calc(test::TinyAreaReachingEast());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(LastLine(run.out), Program() + "station/station.dorx");
  const std::string missing = Mesh() + "5338/" + test::kEastTileCode + ".mem";
  EXPECT_NE(run.err.find("missing or unreadable tile: " + missing + " (10000 cells without data)\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("short tile: " + short_tile + " (101 of 201 lines)\n"), std::string::npos) << run.err;
}

TEST_F(CalcVerbTest, FailuresExitWithTwoForValidationAndOneOtherwise) {
  struct Case {
    const char* why;
    ProjectParameters params;
    std::string extra;
    int status;
    std::string in_err;
  };
  ProjectParameters no_power = test::TinyAreaParameters();
  no_power.Tx_Power = 0;
  ProjectParameters unsafe_name = test::TinyAreaParameters();
  unsafe_name.Project_Name = "a/b";
  const Case cases[] = {
      {"a parameter out of range", no_power, "", 2, "範囲外：　送信電力"},
      {"a name that cannot name the output folder", unsafe_name, "", 1, " ? File Not Open: Write: "},
      {"a pattern file that does not exist", test::TinyAreaParameters(), "--pattern '" + (dir_ / "none.txt") + "'",
       1, dir_ / "none.txt"},
  };
  for (const Case& c : cases) {
    const BatchRun run = Calc(c.params, c.extra);
    EXPECT_EQ(run.status, c.status) << c.why << "\n" << run.err;
    EXPECT_NE(run.err.find(c.in_err), std::string::npos) << c.why << "\n" << run.err;
    EXPECT_EQ(run.out.find(".dorx"), std::string::npos) << c.why;
  }
}

}  // namespace
}  // namespace dorx

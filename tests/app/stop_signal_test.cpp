// Ctrl-C and SIGTERM during dorx-batch calc act as the Stop button: the run
// ends as a Stop ends it and the exit status tells which signal stopped it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "files/result_header.h"
#include "shell/tiny_area.h"
#include "support/test_support.h"

namespace dorx {
namespace {

struct SignalRow {
  int signal;
  int exit_status;  // 128 + the signal's number, as a shell reports it
};

// The largest area a run accepts without reduction (3,000 x 3,000 cells), so
// that the signal surely arrives during the terrain pass, whose first file
// "Dorx.$=$" is created when the pass starts.
ProjectParameters LargestArea() {
  ProjectParameters p = test::TinyAreaParameters();
  p.Range_North = p.Range_South = p.Range_East = p.Range_West = 1500;
  return p;
}

class StopSignalTest : public ::testing::TestWithParam<SignalRow> {
 protected:
  std::string Program() const { return dir_ / "program/"; }
  std::string RunFolder() const { return Program() + "station/"; }

  // Starts calc, waits for the terrain pass to create its file, sends the
  // signal; the exit status of the run.
  int CalcStoppedBy(int signal) {
    test::WriteFlatTile(dir_ / "mesh/", test::kTinyTileCode, 1000);
    std::filesystem::create_directories(Program());
    const std::string project = test::WriteProject(dir_ / "project.xix", LargestArea());
    const std::string out = dir_ / "out", err = dir_ / "err", mesh = dir_ / "mesh/";
    const pid_t child = fork();
    if (child == 0) {
      freopen(out.c_str(), "w", stdout);
      freopen(err.c_str(), "w", stderr);
      execl(DORX_BATCH_PATH, DORX_BATCH_PATH, "calc", project.c_str(), "--mesh", mesh.c_str(), "--program-folder",
            Program().c_str(), "--overwrite", static_cast<char*>(nullptr));
      _exit(127);
    }
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!std::filesystem::exists(RunFolder() + "Dorx.$=$") && std::chrono::steady_clock::now() < give_up)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    kill(child, signal);
    int raw = 0;
    waitpid(child, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  test::ScratchFolder dir_;
};

TEST_P(StopSignalTest, TheRunEndsAsAStopEndsItWithTheSignalsExitStatus) {
  const SignalRow row = GetParam();
  EXPECT_EQ(CalcStoppedBy(row.signal), row.exit_status) << test::ReadBytes(dir_ / "err");

  // Both temporary record files are removed, as at the end of every run.
  EXPECT_FALSE(std::filesystem::exists(RunFolder() + "Dorx.$=$"));
  EXPECT_FALSE(std::filesystem::exists(RunFolder() + "Dorx.$$$"));
  // The project copy and the result file stay; the result holds a header
  // that the drawing accepts and whole records only (none: the stop came
  // before the last pass).
  EXPECT_TRUE(std::filesystem::exists(RunFolder() + "station.xix"));
  const std::string result = test::ReadBytes(RunFolder() + "station.dorx");
  ASSERT_EQ(result.size(), kResultHeaderBytes);
  ResultHeader header;
  DecodeResultHeader({reinterpret_cast<const uint8_t*>(result.data()), result.size()}, header);
  EXPECT_TRUE(ResultHeaderIsPlausible(header));
  EXPECT_EQ(header.Project_Name, "station");
  EXPECT_EQ(header.Range_North + header.Range_South, 3000);
  // The result's path is still the last line of standard output.
  EXPECT_EQ(test::ReadBytes(dir_ / "out"), RunFolder() + "station.dorx\n");
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest,
                         ::testing::Values(SignalRow{SIGINT, 130}, SignalRow{SIGTERM, 143}),
                         [](const auto& info) { return info.param.signal == SIGINT ? "Sigint" : "Sigterm"; });

}  // namespace
}  // namespace dorx

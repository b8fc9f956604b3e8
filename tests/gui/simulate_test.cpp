// Simulate: Rewind holds the drawing before the first tool path record; Step [Space] draws one record,
// Next Rapid draws up to the next rapid move, Exit lets the drawing finish.
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "main_window_fixture.h"
#include "picture/simulate.h"

namespace quill {
namespace {

class SimulateTest : public MainWindowTest {
 protected:
  SimulateTest() : sim(context, Picture()) { Activate(sim); }
  std::string Shown() { return (sim.Position(0) + " " + sim.Position(1) + " " + sim.Position(2)).toStdString(); }
  SimulateForm sim;
};

// The first record (the rotary radius) is drawn by the first step and shows no position.
TEST_F(SimulateTest, StepDrawsOneRecordNextRapidRunsToTheRapidAndExitFinishes) {
  WriteToolPath();
  std::vector<std::string> seen;
  std::vector<int> states;
  auto look = [&] {
    seen.push_back(Shown());
    states.push_back(job.view.SimState);
  };
  QTimer::singleShot(60, [&] {
    look();
    QTest::keyClick(&sim, Qt::Key_Space);
  });
  QTimer::singleShot(160, [&] {
    look();
    QTest::keyClick(&sim, Qt::Key_Space);
  });
  QTimer::singleShot(260, [&] {
    look();
    sim.Button("Next Rapid").click();
  });
  QTimer::singleShot(400, [&] {
    look();
    sim.Button("Exit").click();
  });
  sim.Button("Rewind").click();  // returns once the drawing has ended
  EXPECT_EQ(seen, (std::vector<std::string>{"X 0.00000 Y 0.00000 Z 0.00000", "X 0.00000 Y 0.00000 Z 0.00000",
                                            "X 0.00000 Y 2.00000 Z 0.10000", "X 2.00000 Y 3.00000 Z 0.10000"}));
  EXPECT_EQ(states, (std::vector<int>{SimRewound, SimPaused, SimPaused, SimPaused}));
  EXPECT_EQ(job.view.SimState, SimAtEnd);
  EXPECT_FALSE(sim.isVisible());
}

TEST_F(SimulateTest, NextRapidWithoutRapidMovesDrawsToTheEnd) {
  test::WriteFile(job.paths.CLFileName, "5 0.0\r\n1 0.0 0.0 -0.01 5.0\r\n1 3.0 0.0 -0.01 5.0\r\n-999\r\n");
  job.flags.ToolPathCreated = true;
  QTimer::singleShot(60, [&] { sim.Button("Next Rapid").click(); });
  sim.Button("Rewind").click();
  EXPECT_EQ(job.view.SimState, SimAtEnd);
  EXPECT_EQ(sim.Position(0), "X 3.00000");
}

// Play draws as many moves a second as "Speed" says; the pace can change while it plays.
TEST_F(SimulateTest, PlayKeepsTheChosenSpeed) {
  WriteToolPath();
  EXPECT_EQ(sim.SpeedText(), "50 moves/s");
  sim.Speed().setValue(sim.Speed().minimum());
  EXPECT_EQ(sim.SpeedText(), "2 moves/s");
  EXPECT_EQ(job.view.SimMovesPerSecond, 2);
  std::string early;
  int playing = SimOff;
  QTimer::singleShot(60, [&] { sim.Button("Play").click(); });
  QTimer::singleShot(700, [&] {
    early = Shown();
    playing = job.view.SimState;
    sim.Speed().setValue(sim.Speed().maximum());
    sim.Button("Exit").click();
  });
  sim.Button("Rewind").click();  // returns once the drawing has ended
  EXPECT_EQ(playing, SimPlaying);
  EXPECT_NE(early, "X 2.00000 Y 3.00000 Z 0.10000");  // five moves take 2.5 s at 2 a second
  EXPECT_EQ(sim.SpeedText(), "Full speed");
  EXPECT_EQ(job.view.SimMovesPerSecond, 0);
  EXPECT_EQ(job.view.SimState, SimAtEnd);
}

TEST_F(SimulateTest, AViewCommandEndsTheSimulation) {
  job.view.SimState = SimPaused;
  Trigger("Refresh");
  EXPECT_EQ(job.view.SimState, SimOff);
  EXPECT_EQ(job.view.simPanel, &sim);
}

}  // namespace
}  // namespace quill

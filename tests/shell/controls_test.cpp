// The controls model: events as the desktop delivers them, radio groups by
// group box, reachability through containers, observers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"

namespace dorx {
namespace {

// Two group boxes of two radio buttons each and a check box, with handlers
// that log their runs.
class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    c.Declare("Box1", ControlKind::kGroup);
    c.Declare("Box2", ControlKind::kGroup);
    c.Declare("A1", ControlKind::kRadioButton, "", "Box1");
    c.Declare("A2", ControlKind::kRadioButton, "", "Box1");
    c.Declare("B1", ControlKind::kRadioButton, "", "Box2");
    c.Declare("B2", ControlKind::kRadioButton, "", "Box2");
    c.Declare("Check", ControlKind::kCheckBox, "", "Box1");
    c.Declare("Edit", ControlKind::kEdit);
    c.Declare("Button", ControlKind::kButton, "", "Box2");
    for (const char* name : {"A1", "A2", "B1", "B2", "Check", "Button"})
      c.OnClick(name, [this, name] { runs.push_back(std::string("click ") + name); });
    c.OnChange("Edit", [this] { runs.push_back("change Edit"); });
  }
  Controls c;
  std::vector<std::string> runs;
};

TEST_F(ControlsTest, CheckingARadioButtonClearsOnlyItsOwnGroupBoxAndRunsOnlyItsHandler) {
  c.SetChecked("A1", true);
  c.SetChecked("B1", true);
  c.SetChecked("A2", true);
  EXPECT_FALSE(c.Checked("A1"));
  EXPECT_TRUE(c.Checked("A2"));
  EXPECT_TRUE(c.Checked("B1"));  // another group box keeps its choice
  EXPECT_EQ(runs, (std::vector<std::string>{"click A1", "click B1", "click A2"}));
}

TEST_F(ControlsTest, ClearingARadioButtonRunsNothing) {
  c.SetChecked("A1", true);
  runs.clear();
  c.SetChecked("A1", false);
  EXPECT_FALSE(c.Checked("A1"));
  EXPECT_TRUE(runs.empty());
}

TEST_F(ControlsTest, CheckBoxRunsItsHandlerOnEveryChangeAndNeverOnTheSameState) {
  c.SetChecked("Check", false);  // already clear
  c.SetChecked("Check", true);
  c.SetChecked("Check", true);
  c.SetChecked("Check", false);
  EXPECT_EQ(runs, (std::vector<std::string>{"click Check", "click Check"}));
}

TEST_F(ControlsTest, EditRunsItsChangeHandlerOnlyForADifferentText) {
  c.SetText("Edit", "0.00");
  c.SetText("Edit", "0.00");
  c.SetText("Edit", "1.00");
  EXPECT_EQ(runs, (std::vector<std::string>{"change Edit", "change Edit"}));
}

TEST_F(ControlsTest, UserClicksReachOnlyUsableControls) {
  struct Row {
    const char* why;
    const char* hidden_or_disabled;
    bool disable;  // disable instead of hiding
    bool reaches_button;
  };
  const Row rows[] = {
      {"all shown and enabled", nullptr, false, true},
      {"the button disabled", "Button", true, false},
      {"the button hidden", "Button", false, false},
      {"its group box hidden (flood mode hides the station group)", "Box2", false, false},
      {"its group box disabled", "Box2", true, false},
      {"another group box hidden", "Box1", false, true},
  };
  for (const Row& row : rows) {
    SetUp();
    if (row.hidden_or_disabled) {
      if (row.disable) c.SetEnabled(row.hidden_or_disabled, false);
      else c.SetVisible(row.hidden_or_disabled, false);
    }
    runs.clear();
    EXPECT_EQ(c.Click("Button"), row.reaches_button) << row.why;
    EXPECT_EQ(runs.size(), row.reaches_button ? 1u : 0u) << row.why;
  }
}

TEST_F(ControlsTest, ClickTogglesACheckBoxAndChecksARadioButtonOnce) {
  c.Click("Check");
  c.Click("Check");
  c.Click("A1");
  c.Click("A1");  // the checked button of a group: nothing changes
  EXPECT_FALSE(c.Checked("Check"));
  EXPECT_TRUE(c.Checked("A1"));
  EXPECT_EQ(runs, (std::vector<std::string>{"click Check", "click Check", "click A1"}));
}

TEST_F(ControlsTest, ObserversSeeEachChangeBeforeTheHandlerRuns) {
  std::vector<std::string> seen;
  const int id = c.AddObserver([&](const std::string& name, ControlProperty property) {
    seen.push_back(name + (property == ControlProperty::kChecked ? " checked" : " other"));
    runs.push_back("observe " + name);
  });
  c.SetChecked("A1", true);
  c.SetChecked("A2", true);
  c.SetEnabled("Edit", true);  // unchanged: nothing to see
  c.SetScroll("Edit", 16, 0);
  c.RemoveObserver(id);
  c.SetCaption("Edit", "x");
  EXPECT_EQ(seen, (std::vector<std::string>{"A1 checked", "A1 checked", "A2 checked", "Edit other"}));
  EXPECT_EQ(runs, (std::vector<std::string>{"observe A1", "click A1", "observe A1", "observe A2", "click A2",
                                            "observe Edit"}));
}

TEST_F(ControlsTest, AHandlerThatClearsItsOwnBoxRunsOnceMoreAndEnds) {
  // As the antenna box does when its dialog is cancelled.
  int runs_of_handler = 0;
  c.OnClick("Check", [&] {
    ++runs_of_handler;
    c.SetChecked("Check", false);
  });
  c.Click("Check");
  EXPECT_FALSE(c.Checked("Check"));
  EXPECT_EQ(runs_of_handler, 2);
}

TEST(ControlsUnknownName, IsAProgrammingFault) {
  Controls c;
  EXPECT_THROW(c.SetText("EditNobody", "x"), std::out_of_range);
  EXPECT_THROW(c.Click("ButtonNobody"), std::out_of_range);
}

}  // namespace
}  // namespace dorx

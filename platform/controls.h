#pragma once
// A toolkit-neutral model of the window's controls, addressed by control name
// (EditTxName, CheckBoxAnomaly, RadioButtonDORX, ButtonSIMExec, ...). The window
// logic reads and writes only this model; a toolkit binding follows it through
// observers and feeds the user's actions back through Click and SetText.
//
// Events behave as on the desktop the system was designed for: setting an edit
// text to a different text runs its change handler; setting a check box to a
// different state runs its click handler; checking a radio button clears the
// other radio buttons of the same parent (its group box) without running
// their handlers, and then runs its own. Clearing a radio button runs nothing.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dorx {

enum class ControlKind { kLabel, kEdit, kCheckBox, kRadioButton, kButton, kGroup, kOther };

enum class ControlProperty { kText, kChecked, kEnabled, kVisible, kCaption, kHint, kScroll };

struct ControlState {
  ControlKind kind = ControlKind::kOther;
  std::string parent;   // the container (group box, tab, panel); empty for the window
  std::string text;     // edit text (UTF-8); for a page control the name of its active tab
  std::string caption;  // UTF-8
  std::string hint;     // UTF-8
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  // Scroll positions of a scroll box, pixels.
  int32_t scroll_vertical = 0;
  int32_t scroll_horizontal = 0;
};

class Controls {
 public:
  using Handler = std::function<void()>;
  using Observer = std::function<void(const std::string& name, ControlProperty property)>;

  // Adds a control; declaring a name twice replaces its state.
  void Declare(const std::string& name, ControlKind kind, const std::string& caption = "",
               const std::string& parent = "");
  bool Has(const std::string& name) const { return controls_.count(name) != 0; }
  // The state of a declared control; an unknown name is a programming fault
  // and throws std::out_of_range.
  const ControlState& State(const std::string& name) const { return controls_.at(name); }
  std::vector<std::string> Names() const;

  const std::string& Text(const std::string& name) const { return State(name).text; }
  bool Checked(const std::string& name) const { return State(name).checked; }
  bool Enabled(const std::string& name) const { return State(name).enabled; }
  bool Visible(const std::string& name) const { return State(name).visible; }
  const std::string& Caption(const std::string& name) const { return State(name).caption; }
  const std::string& Hint(const std::string& name) const { return State(name).hint; }
  // Visible and enabled, and so is every container it lies in: the user can
  // reach it.
  bool Usable(const std::string& name) const;

  // Runs the change handler when the text differs from the one held.
  void SetText(const std::string& name, const std::string& utf8);
  // Runs the click handler when the state differs (radio buttons: only when
  // they become checked).
  void SetChecked(const std::string& name, bool checked);
  void SetEnabled(const std::string& name, bool enabled);
  void SetVisible(const std::string& name, bool visible);
  void SetCaption(const std::string& name, const std::string& utf8);
  void SetHint(const std::string& name, const std::string& utf8);
  void SetScroll(const std::string& name, int32_t vertical, int32_t horizontal);

  // A click of the user: nothing when the control is not usable. A button
  // runs its click handler; a check box toggles; a radio button becomes
  // checked. Returns whether the click reached the control.
  bool Click(const std::string& name);

  void OnClick(const std::string& name, Handler handler) { click_handlers_[name] = std::move(handler); }
  void OnChange(const std::string& name, Handler handler) { change_handlers_[name] = std::move(handler); }

  // Observers see every property that changed, after the change and before
  // any handler it runs.
  int AddObserver(Observer observer);
  void RemoveObserver(int id);

 private:
  ControlState& Mutable(const std::string& name) { return controls_.at(name); }
  void Notify(const std::string& name, ControlProperty property);
  void Run(const std::map<std::string, Handler>& handlers, const std::string& name);

  std::map<std::string, ControlState> controls_;
  std::map<std::string, Handler> click_handlers_;
  std::map<std::string, Handler> change_handlers_;
  std::map<int, Observer> observers_;
  int next_observer_ = 1;
};

}  // namespace dorx

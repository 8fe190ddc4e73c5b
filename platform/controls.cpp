#include "platform/controls.h"

namespace dorx {

void Controls::Declare(const std::string& name, ControlKind kind, const std::string& caption,
                       const std::string& parent) {
  ControlState state;
  state.kind = kind;
  state.caption = caption;
  state.parent = parent;
  controls_[name] = state;
}

bool Controls::Usable(const std::string& name) const {
  // The chain of containers is short; a cycle (a declaration fault) ends at
  // the depth limit instead of looping.
  std::string current = name;
  for (int depth = 0; depth < 32 && !current.empty(); ++depth) {
    const ControlState& state = State(current);
    if (!state.visible || !state.enabled) return false;
    if (!Has(state.parent)) return true;
    current = state.parent;
  }
  return true;
}

std::vector<std::string> Controls::Names() const {
  std::vector<std::string> names;
  names.reserve(controls_.size());
  for (const auto& entry : controls_) names.push_back(entry.first);
  return names;
}

void Controls::SetText(const std::string& name, const std::string& utf8) {
  ControlState& state = Mutable(name);
  if (state.text == utf8) return;
  state.text = utf8;
  Notify(name, ControlProperty::kText);
  Run(change_handlers_, name);
}

void Controls::SetChecked(const std::string& name, bool checked) {
  ControlState& state = Mutable(name);
  if (state.checked == checked) return;
  const bool radio = state.kind == ControlKind::kRadioButton;
  if (checked && radio) {
    for (auto& [other_name, other] : controls_) {
      if (other_name == name || other.kind != ControlKind::kRadioButton || other.parent != state.parent ||
          !other.checked)
        continue;
      other.checked = false;
      Notify(other_name, ControlProperty::kChecked);
    }
  }
  state.checked = checked;
  Notify(name, ControlProperty::kChecked);
  if (checked || !radio) Run(click_handlers_, name);
}

void Controls::SetEnabled(const std::string& name, bool enabled) {
  ControlState& state = Mutable(name);
  if (state.enabled == enabled) return;
  state.enabled = enabled;
  Notify(name, ControlProperty::kEnabled);
}

void Controls::SetVisible(const std::string& name, bool visible) {
  ControlState& state = Mutable(name);
  if (state.visible == visible) return;
  state.visible = visible;
  Notify(name, ControlProperty::kVisible);
}

void Controls::SetCaption(const std::string& name, const std::string& utf8) {
  ControlState& state = Mutable(name);
  if (state.caption == utf8) return;
  state.caption = utf8;
  Notify(name, ControlProperty::kCaption);
}

void Controls::SetHint(const std::string& name, const std::string& utf8) {
  ControlState& state = Mutable(name);
  if (state.hint == utf8) return;
  state.hint = utf8;
  Notify(name, ControlProperty::kHint);
}

void Controls::SetScroll(const std::string& name, int32_t vertical, int32_t horizontal) {
  ControlState& state = Mutable(name);
  if (state.scroll_vertical == vertical && state.scroll_horizontal == horizontal) return;
  state.scroll_vertical = vertical;
  state.scroll_horizontal = horizontal;
  Notify(name, ControlProperty::kScroll);
}

bool Controls::Click(const std::string& name) {
  if (!Usable(name)) return false;
  const ControlState& state = State(name);
  switch (state.kind) {
    case ControlKind::kCheckBox:
      SetChecked(name, !state.checked);
      break;
    case ControlKind::kRadioButton:
      // A click on the checked button of a group changes nothing.
      SetChecked(name, true);
      break;
    default:
      Run(click_handlers_, name);
      break;
  }
  return true;
}

int Controls::AddObserver(Observer observer) {
  const int id = next_observer_++;
  observers_[id] = std::move(observer);
  return id;
}

void Controls::RemoveObserver(int id) { observers_.erase(id); }

void Controls::Notify(const std::string& name, ControlProperty property) {
  // A copy: an observer may add or remove observers.
  const auto observers = observers_;
  for (const auto& entry : observers) entry.second(name, property);
}

void Controls::Run(const std::map<std::string, Handler>& handlers, const std::string& name) {
  const auto found = handlers.find(name);
  if (found == handlers.end() || !found->second) return;
  const Handler handler = found->second;  // the handler may replace itself
  handler();
}

}  // namespace dorx

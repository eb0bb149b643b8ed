#pragma once
// What the main window's Ui needs from every window it can show: a way to
// bring its widgets in line with the state after a command changed it.

namespace nimbara {

class ToolWindow {
 public:
  virtual ~ToolWindow() = default;
  // Rebuilds the widgets (lists, fields) from the state.
  virtual void Refresh() {}
};

}  // namespace nimbara

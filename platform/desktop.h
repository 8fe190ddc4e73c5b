#pragma once
// The desktop services the window logic uses, apart from its controls: status
// bar, caption, modal message boxes, the file and folder dialogs, pending
// events, repaint, the title screen and the end of the program. Texts are
// UTF-8; the window converts its CP932 texts at this boundary.
#include <optional>
#include <string>

namespace dorx {

struct OpenFileRequest {
  std::string dialog;          // OpenDialogSIM, OpenDialogIMG
  std::string filter;          // "xix|*.xix", "dorx|*.dorx", "dorw|*.dorw"
  std::string initial_folder;  // native path ending in a separator
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual void SetStatusText(const std::string& utf8) = 0;
  virtual void SetCaption(const std::string& utf8) = 0;

  // Modal boxes of the information type; a line feed starts a new line.
  virtual void ShowMessage(const std::string& utf8) = 0;
  // Yes and No buttons; true for Yes.
  virtual bool AskYesNo(const std::string& utf8) = 0;

  // The chosen file's full path, nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) = 0;
  // The chosen folder without trailing separator, nothing when cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& caption_utf8) = 0;

  // Lets the window handle the events waiting for it (repaints, Stop clicks).
  virtual void ProcessPendingEvents() = 0;
  virtual void Repaint() = 0;

  // The title screen while the program prepares its files: shown for the
  // mode's name ("Dorx" or "Dorw"), a progress count on it, and the switch to
  // the working window.
  virtual void ShowTitleScreen(const std::string& mode_name) = 0;
  virtual void ShowTitleCount(int count) = 0;
  virtual void ShowWorkingWindow() = 0;

  // Ends the program with the exit status once the caller returns to the
  // event loop; the logic stops what it is doing when it asks for this.
  virtual void EndProgram(int status) = 0;
};

}  // namespace dorx

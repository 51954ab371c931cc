#pragma once
// The help window: an outline index walked one level at a time, and a text
// pane that selects its text in blocks of 21 display lines so that the
// screen reader reads each block aloud.
#include "help/HelpFile.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

struct HelpOptions {
  // Game: opened headings are remembered, so going back selects them again.
  // Standalone: no history; going back selects the first line.
  enum class Mode { Game, Standalone };
  Mode mode = Mode::Game;
  // The pauses, in seconds, around the block selection when the pane gets
  // the focus; none at 0.
  float readerPause = 0.3f;
  // Shows the message for a list that would be empty (text, title), and
  // returns. Empty: the system message box, answered before the viewer
  // reports itself closed. The game hands in its spoken message box.
  std::function<void(const std::string& text, const std::string& title)> message;

  // Speaks what a screen reader would read (the focused entry, a new block)
  // for a player who hears the game's own voice. Empty: nothing extra.
  std::function<void(const std::string& text)> speak;

  static HelpOptions Game();
  static HelpOptions Standalone();
};

class FRMHelp : public QDialog {
  Q_OBJECT
 public:
  static constexpr int BlockLines = 21;
  static constexpr int MaxHistory = 10;

  enum Result { Closed = 0, LoadFailed = 1, EmptyList = 2 };

  explicit FRMHelp(HelpOptions options = HelpOptions::Game(), QWidget* parent = nullptr);
  ~FRMHelp() override;

  // Loads the file and shows the window over the program's others, and
  // returns; `closed` runs once from the event loop when it has closed and
  // any error box it showed has been answered. A loading error is reported
  // in the system message box and the window is not shown.
  void OpenFile(const std::string& helpFile, std::function<void(Result)> closed);

  // Loading alone (tests drive the window themselves): reads the file and
  // shows the top list. Not Closed when the window is to close.
  Result Load(const std::string& helpFile);

  void ShowIndex(const QString& parentTitle, bool oneLevelDown);
  void Speak(const std::string& text);
  void ShowTopic(int16_t lineNumber);
  void GoBack();
  void OpenSelected();

  // The reading blocks of the text pane.
  void SelectBlockFromCaret();
  void SelectNextBlock();
  void SelectPreviousBlock();
  // Up or Down in the text: the caret's new line is read; at either end the
  // bump and the words say so.
  void ReadLine(bool down);

  // Viewer state.
  std::string HelpFile;
  HelpIndex Index;
  std::vector<int16_t> IndexListPosition;  // per entry, 1-based list position or 0
  int16_t History[MaxHistory + 1] = {};    // 1-based, as HistoryDepth counts
  int16_t HistoryDepth = 0;

  QListWidget* LSTIndex;
  QPlainTextEdit* TXTHelp;
  QPushButton* CMDOk;

  // True once the viewer has closed itself (an empty list) or was closed.
  bool IsClosed() const { return closed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void done(int r) override;

 private:
  struct LineSpan { int start; int end; };
  std::vector<LineSpan> DisplayLines() const;
  int LineOfPosition(const std::vector<LineSpan>& lines, int pos) const;
  void SelectLines(int first);
  // Whether the pane still holds the block this viewer selected last.
  bool IsOwnBlock() const;
  void CloseViewer();
  void PauseForReader(std::function<void()> then);
  // The system box for an error, counted until it is answered.
  void ShowError(const std::string& text, const std::string& title);
  // Runs the closed callback once the window is closed and no box is up.
  void TellClosed();

  HelpOptions options_;
  std::function<void(Result)> whenClosed_;
  Result result_ = Closed;
  int boxesUp_ = 0;
  bool closed_ = false;
  bool running_ = false;
  bool inFocusSelect_ = false;
  // The window's name is said with the first item the index shows.
  bool titleSaid_ = false;
  // Where the last block ended: a wrapped line's end is also the next line's
  // start, so the caret's line cannot be told from its position alone.
  int caretPos_ = -1;
  int caretLine_ = -1;
  int blockFirst_ = -1;
  int blockAnchor_ = -1;
};

// The game's help command: opens the viewer on `helpFile` (AppFolder +
// HelpName + ".TXT") and returns; `closed` runs from the event loop when it
// has closed. A missing or broken file is reported and only the viewer
// closes; the caller goes on. While a viewer is open, a second call only
// raises it and answers Closed.
void ShowHelpFile(const std::string& helpFile, QWidget* parent, HelpOptions options,
                  std::function<void(FRMHelp::Result)> closed);

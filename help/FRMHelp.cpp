#include "help/FRMHelp.h"

#include "base/Translate.h"

#include <utility>
#include "common/ListFocus.h"

#include "common/Beep.h"
#include "common/Keys.h"
#include "common/ListFocus.h"
#include "common/MsgBox.h"
#include "base/Trace.h"
#include "common/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <exception>

namespace {

FRMHelp* openViewer = nullptr;

QRect twipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace

HelpOptions HelpOptions::Game() { return HelpOptions{}; }

HelpOptions HelpOptions::Standalone() {
  HelpOptions o;
  o.mode = Mode::Standalone;
  return o;
}

FRMHelp::FRMHelp(HelpOptions options, QWidget* parent) : QDialog(parent), options_(std::move(options)) {
  //: The help window's title.
  const QString caption = QString::fromStdString(Tr("Help", "HELP"));
  setWindowTitle(caption);
  setAccessibleName(caption);
  setModal(true);
  setFixedSize(TwipsToPixels(9600), TwipsToPixels(6900));

  LSTIndex = new QListWidget(this);
  LSTIndex->setObjectName("LSTIndex");
  LSTIndex->setAccessibleName(QString::fromStdString(Tr("Help", "Help index")));
  AnnounceCurrentItemOnFocus(LSTIndex);
  LSTIndex->setGeometry(twipsRect(300, 0, 5000, 1815));

  TXTHelp = new QPlainTextEdit(this);
  TXTHelp->setObjectName("TXTHelp");
  TXTHelp->setAccessibleName(QString::fromStdString(Tr("Help", "Help text")));
  TXTHelp->setReadOnly(true);
  // Read-only, yet the caret must move and select from the keyboard.
  TXTHelp->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  TXTHelp->setTabChangesFocus(true);
  TXTHelp->setGeometry(twipsRect(300, 2000, 9000, 4500));

  //: The help window's close button; & marks the letter Alt takes (keep it unlike other keys).
  CMDOk = new QPushButton(QString::fromStdString(Tr("Help", "&Close")), this);
  CMDOk->setObjectName("CMDOk");
  //: The close button's name as a screen reader says it.
  CMDOk->setAccessibleName(QString::fromStdString(Tr("Help", "Close")));
  // Enter in the index or the pane must not fall through to a default button.
  CMDOk->setAutoDefault(false);
  CMDOk->setDefault(false);
  CMDOk->setGeometry(twipsRect(6000, 500, 800, 495));

  setTabOrder(LSTIndex, TXTHelp);
  setTabOrder(TXTHelp, CMDOk);

  connect(CMDOk, &QPushButton::clicked, this, [this] { CloseViewer(); });
  connect(LSTIndex, &QListWidget::currentTextChanged, this, [this](const QString& text) {
    if (LSTIndex->hasFocus()) Speak(text.toStdString());
  });
  connect(LSTIndex, &QListWidget::itemDoubleClicked, this, [this] { OpenSelected(); });
  LSTIndex->installEventFilter(this);
  TXTHelp->installEventFilter(this);
  CMDOk->installEventFilter(this);
}

void FRMHelp::Speak(const std::string& text) {
  if (options_.speak && !text.empty()) options_.speak(text);
}

FRMHelp::~FRMHelp() {
  if (openViewer == this) openViewer = nullptr;
}

void FRMHelp::OpenFile(const std::string& helpFile, std::function<void(Result)> closed) {
  whenClosed_ = std::move(closed);
  result_ = Load(helpFile);
  if (result_ != Closed) return TellClosed();
  running_ = true;
  show();  // modal: over the program's other windows
}

void FRMHelp::ShowError(const std::string& text, const std::string& title) {
  ++boxesUp_;
  SystemMsgBox(text, msgbox::OkOnly, title, [self = QPointer<FRMHelp>(this)](int16_t) {
    if (!self) return;
    --self->boxesUp_;
    self->TellClosed();
  });
}

void FRMHelp::TellClosed() {
  if (!closed_ || boxesUp_ > 0 || !whenClosed_) return;
  QTimer::singleShot(0, this, [this, closed = std::exchange(whenClosed_, {})] { closed(result_); });
}

FRMHelp::Result FRMHelp::Load(const std::string& helpFile) {
  HelpFile = helpFile;
  TXTHelp->clear();
  HistoryDepth = 0;
  closed_ = false;
  titleSaid_ = false;
  const int error = Index.Load(HelpFile);
  if (error) {
    ShowError(Fill(Tr("Help", "Error loading help.  Error number :%1 file %2"), {std::to_string(error), HelpFile}),
              Tr("Help", "Error! "));
    CloseViewer();
    return LoadFailed;
  }
  IndexListPosition.assign(Index.IndexCount, 0);
  try {
    ShowIndex(QString(), true);
  } catch (const std::exception& e) {
    ShowError(Tr("Help", "Error in help data. ") + e.what(), Tr("Help", "Error! "));
    CloseViewer();
    return LoadFailed;
  }
  return closed_ ? EmptyList : Closed;
}

void FRMHelp::ShowIndex(const QString& parentTitle, bool oneLevelDown) {
  LSTIndex->clear();
  std::fill(IndexListPosition.begin(), IndexListPosition.end(), int16_t{0});
  int wanted = 0;
  QString prefix;
  if (!parentTitle.isEmpty()) {
    wanted = OutlineLevel(parentTitle) + (oneLevelDown ? 1 : 0);
    prefix = FirstWord(parentTitle);
  }
  int16_t shown = 0;
  for (int i = 0; i < Index.IndexCount; ++i) {
    const QString& title = Index.IndexTitle[i];
    if (OutlineLevel(title) != wanted || !MatchesPrefix(title, prefix)) continue;
    LSTIndex->addItem(title);
    IndexListPosition[i] = ++shown;
  }
  if (shown > 0) {
    LSTIndex->setCurrentRow(0);
    return;
  }
  const std::string text = Fill(Tr("Help", "Help file error loading indexes subordinate to %1"), {prefix.toStdString()});
  if (options_.message)
    //: The title of a message about the help.
    options_.message(text, Tr("Help", "Help"));
  else
    ShowError(text, options_.mode == HelpOptions::Mode::Standalone ? Tr("Help", "Error! ") : Tr("Help", "Help"));
  CloseViewer();
}

void FRMHelp::OpenSelected() {
  if (closed_) return;
  const int k = LSTIndex->currentRow() + 1;
  if (k < 1) return;
  const auto it = std::find(IndexListPosition.begin(), IndexListPosition.end(), static_cast<int16_t>(k));
  if (it == IndexListPosition.end()) return;
  const size_t entry = static_cast<size_t>(it - IndexListPosition.begin());
  if (Index.IndexLine[entry] > 0) {
    ShowTopic(Index.IndexLine[entry]);
    return;
  }
  ShowIndex(Index.IndexTitle[entry], true);
  if (closed_ || options_.mode != HelpOptions::Mode::Game) return;
  // Deeper than the history holds: the heading still opens; going back from
  // there selects the first line.
  ++HistoryDepth;
  if (HistoryDepth <= MaxHistory) History[HistoryDepth] = static_cast<int16_t>(k - 1);
}

void FRMHelp::ShowTopic(int16_t lineNumber) {
  QString text;
  if (!ReadTopic(HelpFile, lineNumber, text)) {
    // The file vanished since it was loaded: say so audibly, keep the index.
    Beep();
    return;
  }
  TXTHelp->setPlainText(text);
  caretPos_ = caretLine_ = blockFirst_ = blockAnchor_ = -1;
  TXTHelp->setFocus(Qt::OtherFocusReason);
}

void FRMHelp::GoBack() {
  if (closed_) return;
  QListWidgetItem* item = LSTIndex->currentItem();
  const QString selected = item ? item->text() : QString();
  const int level = OutlineLevel(selected);
  if (level == 0) {
    Beep();
    return;
  }
  if (level == 1) {
    ShowIndex(QString(), false);
  } else {
    QString prefix;
    if (!ParentPrefix(selected, prefix)) return;
    ShowIndex(prefix, true);
  }
  if (closed_ || options_.mode != HelpOptions::Mode::Game) return;
  if (HistoryDepth >= 1 && HistoryDepth <= MaxHistory) {
    const int row = History[HistoryDepth];
    if (row >= 0 && row < LSTIndex->count()) LSTIndex->setCurrentRow(row);
  }
  if (HistoryDepth > 0) --HistoryDepth;
}

void FRMHelp::CloseViewer() {
  closed_ = true;
  if (running_ || isVisible()) done(Closed);
}

void FRMHelp::done(int r) {
  closed_ = true;
  running_ = false;
  QDialog::done(r);
  TellClosed();
}

void FRMHelp::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Trace::write("window", {windowTitle().toStdString()});
  LSTIndex->setFocus(Qt::OtherFocusReason);
}

bool FRMHelp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const KeyCode key = KeyFromQt(*static_cast<QKeyEvent*>(event));
    if (key.code == vk::Escape) {
      CloseViewer();
      return true;
    }
    if (watched == LSTIndex) {
      switch (key.code) {
        case vk::Return: case vk::Space: case vk::Right: OpenSelected(); return true;
        case vk::Left: GoBack(); return true;
        default: break;
      }
    } else if (watched == TXTHelp) {
      if (key.code == vk::Next) { SelectNextBlock(); return true; }
      if (key.code == vk::Prior) { SelectPreviousBlock(); return true; }
      // Left leaves the reading for the index, on the topic read.
      if (key.code == vk::Left && key.shift == 0) {
        LSTIndex->setFocus(Qt::OtherFocusReason);
        return true;
      }
      if ((key.code == vk::Up || key.code == vk::Down) && key.shift == 0) {
        ReadLine(key.code == vk::Down);
        return true;
      }
    } else if (watched == CMDOk && key.code == vk::Return) {
      CMDOk->click();
      return true;
    }
  } else if (event->type() == QEvent::FocusIn && watched == LSTIndex) {
    // The window coming back to the front is no new visit: said once.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && LSTIndex->currentItem()) {
      const std::string item = LSTIndex->currentItem()->text().toStdString();
      //: Said when the help opens: the window, then %1, the index line selected.
      Speak(std::exchange(titleSaid_, true) ? item : Fill(Tr("Help", "Help. %1"), {item}));
    }
  } else if (event->type() == QEvent::FocusIn && watched == CMDOk) {
    //: Said when the focus reaches the close button.
    Speak(Tr("Help", "Close button"));
  } else if (event->type() == QEvent::FocusIn && watched == TXTHelp) {
    // Coming back to the window is not a new visit to the pane.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !inFocusSelect_) {
      inFocusSelect_ = true;
      // Qt tells the screen reader about the focus only after this handler;
      // told now, it announces the pane before the selection, not after it.
      QAccessibleEvent focus(TXTHelp, QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
      PauseForReader([this] {
        if (!closed_) SelectBlockFromCaret();
        // Nothing to select yet: say where the focus is.
        if (TXTHelp->toPlainText().isEmpty()) Speak(Tr("Help", "Help text, empty. Choose a topic in the index first."));
        PauseForReader([this] { inFocusSelect_ = false; });
      });
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FRMHelp::PauseForReader(std::function<void()> then) {
  // The screen reader first announces the focus, then the selection.
  if (options_.readerPause <= 0) return then();
  QTimer::singleShot(static_cast<int>(options_.readerPause * 1000), this, std::move(then));
}

std::vector<FRMHelp::LineSpan> FRMHelp::DisplayLines() const {
  std::vector<LineSpan> lines;
  QTextDocument* doc = TXTHelp->document();
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    QTextLayout* tl = block.layout();
    // Lays the block out if it has not been yet (it may be far off screen).
    if (tl->lineCount() == 0) layout->blockBoundingRect(block);
    const int base = block.position();
    if (tl->lineCount() == 0) {
      lines.push_back({base, base + block.length() - 1});
      continue;
    }
    for (int i = 0; i < tl->lineCount(); ++i) {
      const QTextLine line = tl->lineAt(i);
      lines.push_back({base + line.textStart(), base + line.textStart() + line.textLength()});
    }
  }
  return lines;
}

int FRMHelp::LineOfPosition(const std::vector<LineSpan>& lines, int pos) const {
  if (IsOwnBlock() && pos == caretPos_ && caretLine_ >= 0 && caretLine_ < static_cast<int>(lines.size())) return caretLine_;
  int found = 0;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (lines[i].start <= pos) found = i;
    else break;
  }
  return found;
}

void FRMHelp::SelectLines(int first) {
  const auto lines = DisplayLines();
  if (lines.empty()) return;
  int last = static_cast<int>(lines.size()) - 1;
  // Every topic ends with a line break; the empty line after it is no text.
  if (last > 0 && lines[last].start == lines[last].end) --last;
  first = std::clamp(first, 0, last);
  const int end = std::min(first + BlockLines - 1, last);
  QTextCursor cursor(TXTHelp->document());
  cursor.setPosition(lines[first].start);
  cursor.setPosition(lines[end].end, QTextCursor::KeepAnchor);
  TXTHelp->setTextCursor(cursor);
  blockFirst_ = first;
  blockAnchor_ = lines[first].start;
  caretLine_ = end;
  caretPos_ = lines[end].end;
  Speak(cursor.selectedText().replace(QChar::ParagraphSeparator, '\n').toStdString());
  QAccessibleTextSelectionEvent ev(TXTHelp, lines[first].start, lines[end].end);
  ev.setCursorPosition(lines[end].end);
  QAccessible::updateAccessibility(&ev);
}

void FRMHelp::SelectBlockFromCaret() {
  const auto lines = DisplayLines();
  SelectLines(LineOfPosition(lines, TXTHelp->textCursor().position()));
}

bool FRMHelp::IsOwnBlock() const {
  const QTextCursor c = TXTHelp->textCursor();
  return blockFirst_ >= 0 && c.anchor() == blockAnchor_ && c.position() == caretPos_;
}

void FRMHelp::SelectNextBlock() {
  const auto lines = DisplayLines();
  const QTextCursor c = TXTHelp->textCursor();
  int last = static_cast<int>(lines.size()) - 1;
  if (last > 0 && lines[last].start == lines[last].end) --last;
  if (IsOwnBlock()) {
    // At the end the last block stays, and the player hears that it is the end.
    if (caretLine_ >= last) {
      Beep();
      Speak(Tr("Help", "End of the topic."));
      return;
    }
    SelectLines(caretLine_ + 1);
    return;
  }
  SelectLines(LineOfPosition(lines, std::max(c.anchor(), c.position())) + 1);
}

void FRMHelp::ReadLine(bool down) {
  // The topic's own lines, not the window's wrapped ones: a wrapped line
  // read alone starts or stops mid-sentence.
  const QTextCursor c = TXTHelp->textCursor();
  // From a block read aloud, the walk starts on the block's first line.
  QTextBlock line = c.hasSelection() ? TXTHelp->document()->findBlock(c.selectionStart())
                    : down           ? c.block().next()
                                     : c.block().previous();
  // Empty lines have nothing to say; the one after the last line break ends the topic.
  while (line.isValid() && line.text().trimmed().isEmpty()) line = down ? line.next() : line.previous();
  if (!line.isValid()) {
    Beep();
    Speak(down ? Tr("Help", "End of the topic.") : Tr("Help", "Start of the topic."));
    return;
  }
  TXTHelp->setTextCursor(QTextCursor(line));
  Speak(line.text().trimmed().toStdString());
}

void FRMHelp::SelectPreviousBlock() {
  const auto lines = DisplayLines();
  const QTextCursor c = TXTHelp->textCursor();
  const int first = IsOwnBlock() ? blockFirst_ : LineOfPosition(lines, std::min(c.anchor(), c.position()));
  SelectLines(std::max(0, first - BlockLines));
}

void ShowHelpFile(const std::string& helpFile, QWidget* parent, HelpOptions options,
                  std::function<void(FRMHelp::Result)> closed) {
  if (!closed) closed = [](FRMHelp::Result) {};
  if (openViewer) {
    openViewer->raise();
    openViewer->activateWindow();
    QTimer::singleShot(0, openViewer, [closed] { closed(FRMHelp::Closed); });
    return;
  }
  openViewer = new FRMHelp(std::move(options), parent);
  openViewer->OpenFile(helpfile::Localized(helpFile), [closed](FRMHelp::Result r) {
    openViewer->deleteLater();
    openViewer = nullptr;
    closed(r);
  });
}

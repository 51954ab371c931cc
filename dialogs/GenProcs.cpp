#include "dialogs/GenProcs.h"

#include "common/Beep.h"
#include "common/MsgBox.h"
#include "base/Trace.h"
#include "base/Translate.h"
#include "base/VB.h"
#include "dialogs/GenDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <cstdlib>
#include <deque>
#include <utility>

// --- shared state -------------------------------------------------------------

Variant& GenProcsState::GDResult(int index) {
  if (index < 0 || index > 25) throw DialogError("Subscript out of range: GDResult(" + std::to_string(index) + ")");
  return GDResultSlots[static_cast<size_t>(index)];
}

void GenProcsState::ClearGDResult() {
  for (auto& v : GDResultSlots) v = Variant{};
}

GenProcsState& GenProcs() {
  static GenProcsState s;
  return s;
}

void SetDialogSpeech(DialogSpeech* speech) { GenProcs().Speech = speech; }

namespace {

// Boxes asked for while another dialog was up, oldest first.
std::deque<std::function<void()>>& waitingBoxes() {
  static std::deque<std::function<void()>> boxes;
  return boxes;
}

}  // namespace

void ResetGenProcs() {
  DialogSpeech* keep = GenProcs().Speech;
  GenProcs() = GenProcsState{};
  GenProcs().Speech = keep;
  waitingBoxes().clear();
}

int32_t VariantToInt(const Variant& v) {
  if (auto p = std::get_if<int16_t>(&v)) return *p;
  if (auto p = std::get_if<int32_t>(&v)) return *p;
  if (auto p = std::get_if<std::string>(&v)) {
    if (!IsNumeric(*p)) return 0;
    const double d = RoundHalfEven(Val(*p));
    if (d < INT32_MIN || d > INT32_MAX) return 0;
    return static_cast<int32_t>(d);
  }
  return 0;
}

std::string VariantToString(const Variant& v) {
  if (auto p = std::get_if<int16_t>(&v)) return std::to_string(*p);
  if (auto p = std::get_if<int32_t>(&v)) return std::to_string(*p);
  if (auto p = std::get_if<std::string>(&v)) return *p;
  return std::string();
}

bool ScreenReaderRunning() {
  return GenProcs().Speech && GenProcs().Speech->ScreenReaderRunning();
}

void Say(const std::string& t, int16_t) {
  // A screen reader already says what the dialog shows; saying it too
  // would be the same words twice, over each other.
  if (GenProcs().Speech && !GenProcs().Speech->ScreenReaderRunning()) GenProcs().Speech->speak(t);
}

int16_t IsOneOf(int16_t value, int16_t k1, int16_t k2, int16_t k3, int16_t k4, int16_t k5, int16_t k6, int16_t k7,
                int16_t k8) {
  if (value == k1 || value == k2) return -1;
  for (int16_t k : {k3, k4, k5, k6, k7, k8}) {
    if (k == -9999) break;
    if (value == k) return -1;
  }
  return 0;
}

// --- the dispatcher -------------------------------------------------------------

namespace {

template <typename W>
W* at(const std::vector<W*>& array, int index) {
  return index >= 0 && index < static_cast<int>(array.size()) ? array[static_cast<size_t>(index)] : nullptr;
}

std::string itemText(const QListWidget* l) {
  if (!l || !l->currentItem()) return std::string();
  return l->currentItem()->text().toStdString();
}

int16_t selectedIndex(const QListWidget* l) { return l ? static_cast<int16_t>(l->currentRow()) : -1; }

// The control an event names (the focus may not have reached it yet).
// A screen reader says a dialog's name and description when it opens, then
// the focused control, its current item and their descriptions. The hint
// goes on the control and a list's current item, never on the dialog: there
// it came before the question and the item, seconds later than a player
// presses the next key.
void Describe(QWidget* control, const QString& hint) {
  control->setAccessibleDescription(hint);
  if (auto* list = qobject_cast<QListWidget*>(control); list && list->currentItem())
    list->currentItem()->setData(Qt::AccessibleDescriptionRole, hint);
}

QWidget* controlOf(GenDialog& f, int32_t kind, int16_t index) {
  switch (kind) {
    case ControlKind::Text: return at(f.TXTControl, index);
    case ControlKind::Option: return at(f.OPTControl, index);
    case ControlKind::List: return at(f.LstControl, index);
    case ControlKind::Check: return at(f.CHKControl, index);
    case ControlKind::Command: return at(f.CMDControl, index);
    case ControlKind::HScroll: return at(f.HSCControl, index);
    case ControlKind::Box: return at(f.BoxControl, index);
    default: return nullptr;
  }
}

bool isFolderEntry(const std::string& s) { return s.find(FolderMark()) != std::string::npos; }

void speakFocus(GenDialog& f, int32_t kind, int16_t index) {
  switch (kind) {
    case ControlKind::Text:
      if (auto* t = at(f.TXTControl, index)) {
        // The field's spoken name where it has one ("File name", not its caption).
        const QString name = t->accessibleName();
        Say(name.isEmpty() ? GenDialog::TagOf(t) : name.toStdString());
        Say(t->text().toStdString());
      }
      break;
    case ControlKind::Option:
      if (auto* o = at(f.OPTControl, index)) {
        Say(GenDialog::TagOf(o));
        Say(o->text().toStdString());
        //: Said of an option button (one of a group) that is chosen; "unselected" when it is not.
        Say(o->isChecked() ? Tr("Dialog", "selected") : Tr("Dialog", "unselected"));
      }
      break;
    case ControlKind::List:
      if (auto* l = at(f.LstControl, index)) {
        Say(GenDialog::TagOf(l));
        //: Said of a list with nothing in it.
        const std::string empty = Tr("Dialog", "Empty.");
        if (l->count() == 0) Say(GenProcs().GDFormCode == "FOLDER" ? Tr("Dialog", "This folder is empty.") : empty);
        else Say(itemText(l));
      }
      break;
    case ControlKind::Check:
      if (auto* c = at(f.CHKControl, index)) {
        Say(c->text().toStdString());
        switch (GenDialog::CheckValue(c)) {
          //: Said of a check box that is not ticked; "checked" when it is, "greyed" when partly.
          case 0: Say(Tr("Dialog", "Unchecked")); break;
          case 1: Say(Tr("Dialog", "checked")); break;
          //: A check box that is neither checked nor unchecked (partly checked).
          default: Say(Tr("Dialog", "greyed")); break;
        }
      }
      break;
    case ControlKind::Command:
      if (auto* b = at(f.CMDControl, index)) Say(b->text().toStdString());
      break;
    case ControlKind::HScroll:
      if (auto* s = at(f.HSCControl, index)) {
        Say(GenDialog::TagOf(s));
        const int32_t mn = GenDialog::ScrollMin(s), mx = GenDialog::ScrollMax(s);
        if (mx != mn) {
          const auto pct = ToInt16((static_cast<double>(s->value()) - mn) / (mx - mn) * 100.0);
          if (pct) Say(std::to_string(*pct));
        }
      }
      break;
    case ControlKind::Box:
      if (auto* b = at(f.BoxControl, index)) Say(GenDialog::TagOf(b));
      break;
    default:
      break;
  }
}

// Returns true when the window was unloaded (the call ends).
bool folderRules(GenDialog& f, int32_t kind, int16_t index, int32_t event, int16_t key) {
  auto& gp = GenProcs();
  QListWidget* list = at(f.LstControl, 0);
  QLineEdit* name = at(f.TXTControl, 0);
  if (gp.FocusDone == 0) {
    gp.FocusDone = 1;  // first, so the focus move below does not come back here
    if (!VariantToString(gp.GDResult(4)).empty() && name) name->setFocus(Qt::OtherFocusReason);
  }
  // Only the key's going down presses OK: a key-up left over from the
  // dialog before must not choose a file.
  if (kind == ControlKind::Text && event == DialogEventCode::KeyDown && key == 13 && name && !name->text().isEmpty()) {
    if (auto* ok = at(f.CMDControl, 0)) ok->click();
    return !gp.GDActive;
  }
  auto close = [&](int16_t keyCode, bool setKey, const std::string& text) {
    if (setKey) gp.GDResult(1) = keyCode;
    gp.GDResult(2) = selectedIndex(list);
    gp.GDResult(4) = text;
    f.Unload();
    return true;
  };
  const std::string boxText = name ? name->text().toStdString() : std::string();
  if (kind == ControlKind::List) {
    const std::string item = itemText(list);
    const bool hasItem = list && list->currentItem();
    if (event == DialogEventCode::LostFocus) {
      if (hasItem && !isFolderEntry(item) && name) name->setText(QString::fromStdString(item));
    } else if (event == DialogEventCode::KeyDown) {
      if (key == 37 || key == 8) {
        if (name) name->clear();
        return close(key, true, std::string());
      }
      if (key == 39 || key == 32 || key == 13) {
        if (isFolderEntry(item) || key == 13) return close(key, true, boxText);
        if (hasItem && name) name->setText(QString::fromStdString(item));
      } else if (key == 46) {
        if (isFolderEntry(item)) Beep();
        else return close(46, true, boxText);
      }
    } else if (event == DialogEventCode::DblClick) {
      return close(0, false, boxText);
    }
  }
  if (kind == ControlKind::Command && event == DialogEventCode::Click) {
    gp.GDButton = static_cast<int16_t>(index + 1);
    return close(0, false, boxText);
  }
  return false;
}

bool pickRules(GenDialog& f, int32_t kind, int16_t index, int32_t event, int16_t key) {
  auto& gp = GenProcs();
  const bool button = kind == ControlKind::Command && event == DialogEventCode::Click;
  const bool enter = kind == ControlKind::List && event == DialogEventCode::KeyDown && key == 13;
  if (!button && !enter) return false;
  gp.GDButton = button ? static_cast<int16_t>(index + 1) : 1;
  QListWidget* list = at(f.LstControl, 0);
  if (list && list->count() > 0 && list->currentItem())
    gp.GDResult(1) = static_cast<int32_t>(list->currentItem()->data(Qt::UserRole).toInt());
  f.Unload();
  return true;
}

bool msgBoxRules(GenDialog& f, int32_t kind, int32_t event, int16_t index, int16_t key) {
  auto& gp = GenProcs();
  QLabel* message = at(f.LBLControl, 0);
  const std::string text = message ? message->text().toStdString() : std::string();
  if (gp.FocusDone == 0) {
    // First, so the focus move below does not come back here. The message was
    // spoken as the box opened: it is not said a second time.
    gp.FocusDone = 1;
    const int32_t def = VariantToInt(gp.GDResult(1));
    if (def > 0)
      if (auto* b = at(f.CMDControl, def - 1)) b->setFocus(Qt::OtherFocusReason);
  } else if (kind == ControlKind::Window && event == DialogEventCode::Unload) {
    gp.FocusDone = 0;
  }
  if (kind == ControlKind::Command && event == DialogEventCode::Click) {
    if (auto* b = at(f.CMDControl, index)) {
      const QString caption = b->text();
      gp.GDResult(1) = caption.toStdString();
      if (caption.size() > 10) {
        Say(text);  // the repeat button
      } else {
        f.Unload();
        return true;
      }
    }
  }
  if (kind != ControlKind::Command && event == DialogEventCode::KeyPress && key >= 33 && key <= 126) {
    const QChar ch = QChar(key).toUpper();
    for (int i = 0; i <= f.LastCMD; ++i) {
      QPushButton* b = at(f.CMDControl, i);
      if (b && !b->text().isEmpty() && b->text().at(0).toUpper() == ch) {
        b->setFocus(Qt::ShortcutFocusReason);
        break;
      }
    }
  }
  return false;
}

}  // namespace

void DialogEvent(int32_t kind, int16_t index, int32_t event, int16_t key, int16_t shift) {
  (void)shift;
  auto& gp = GenProcs();
  GenDialog& f = GenDialog::instance();
  if (event == DialogEventCode::GotFocus) {
    if (!gp.IntroTitle.empty()) Say(std::exchange(gp.IntroTitle, std::string()));
    // A box whose default is another button moves the focus on at once:
    // only the button it lands on is named.
    const bool movesOn = gp.GDFormCode == "MSGBOX" && gp.FocusDone == 0 && [&] {
      const int32_t def = VariantToInt(gp.GDResult(1));
      return def > 0 && !(kind == ControlKind::Command && index == def - 1);
    }();
    if (!movesOn) speakFocus(f, kind, index);
    if (!gp.IntroHint.empty()) {
      // Say() is quiet beside a screen reader; it reads descriptions instead.
      if (QWidget* w = controlOf(f, kind, index)) Describe(w, QString::fromStdString(gp.IntroHint));
      Say(std::exchange(gp.IntroHint, std::string()));
    }
  }
  if (event == DialogEventCode::KeyDown && key != 16 && key != 17 && key != 18 && gp.Speech) gp.Speech->StopSpeech();

  if (gp.GDFormCode == "FOLDER") {
    if (gp.GDActive == 0) return;
    if (folderRules(f, kind, index, event, key)) return;
  } else if (gp.GDFormCode == "PICK") {
    if (pickRules(f, kind, index, event, key)) return;
  } else if (gp.GDFormCode == "MSGBOX") {
    if (msgBoxRules(f, kind, event, index, key)) return;
  }

  if (event == DialogEventCode::Click) {
    if (kind == ControlKind::Check) {
      //: Said when a check box is toggled: now ticked ("Unchecked" when no longer).
      if (auto* c = at(f.CHKControl, index)) Say(GenDialog::CheckValue(c) == 0 ? Tr("Dialog", "Unchecked") : Tr("Dialog", "Checked"));
    } else if (kind == ControlKind::List) {
      Say(itemText(at(f.LstControl, index)));
    }
  }
}

// --- the message box ------------------------------------------------------------

void Later(std::function<void()> f) { QTimer::singleShot(0, QCoreApplication::instance(), std::move(f)); }

void OpenWaitingBox() {
  auto& boxes = waitingBoxes();
  if (GenProcs().GDActive != 0 || boxes.empty()) return;
  auto open = std::move(boxes.front());
  boxes.pop_front();
  open();
}

void SpeakMsgBox(const std::string& message, int16_t buttons, const std::string& title,
                 std::function<void(int16_t)> answered) {
  auto& gp = GenProcs();
  if (!answered) answered = [](int16_t) {};
  if (gp.GDActive != 0) {
    waitingBoxes().push_back([=] { SpeakMsgBox(message, buttons, title, answered); });
    return;
  }

  const int16_t active = gp.Speech ? gp.Speech->ActiveSpeechType() : 0;
  if (active != 3 || ScreenReaderRunning()) {
    // A screen reader reads the platform's box by itself.
    SystemMsgBox(message, std::abs(static_cast<int32_t>(buttons)), title, [answered](int16_t answer) {
      if (GenProcs().Speech) GenProcs().Speech->StopSpeech();
      answered(answer);
    });
    return;
  }

  const int16_t def = (buttons & 256) ? 2 : (buttons & 512) ? 3 : 1;
  const int set = buttons & 15;
  Say(title);
  Say(message);
  Trace::write("msgbox", {title, message});

  std::vector<std::string> captions;
  std::vector<int16_t> answers;  // each caption's answer
  int cancelAt = 0;  // 1-based; 0 none
  const std::string ok = Tr("MsgBox", "Ok"), cancel = Tr("MsgBox", "Cancel");
  switch (set) {
    case 0: captions = {ok}; answers = {1}; cancelAt = 1; break;
    case 1: captions = {ok, cancel}; answers = {1, 2}; cancelAt = 2; break;
    //: Answer buttons: at most 10 characters, and the answers of one box (Yes, no, Cancel; yes, No; Ok, Cancel) start with different letters, which move to them.
    case 3: captions = {Tr("MsgBox", "Yes"), Tr("MsgBox", "no"), cancel}; answers = {6, 7, 2}; cancelAt = 3; break;
    // No is the safe answer when it is the default, and Escape may give it.
    //: Answer buttons as above: "yes" with "No", the safe answer; "no" with "Yes" and "Cancel".
    case 4: captions = {Tr("MsgBox", "yes"), Tr("MsgBox", "No")}; answers = {6, 7}; cancelAt = def == 2 ? 2 : 0; break;
    default: break;
  }

  GenDialog& f = GenDialog::instance();
  gp.GDButton = 0;
  // A file selector shown before leaves this set; the box must still start
  // on its default button (the delete question's No).
  gp.FocusDone = 0;
  try {
    f.Form_Init("MSGBOX", title);
    const auto h = ToInt16(QString::fromStdString(message).size() / 40.0 * 295.0);
    if (!h) throw DialogError("Overflow: message height");
    int16_t t = 500, l = 500, hh = *h, w = 5000;
    f.MakeLabel(t, l, hh, w, message);
    const int n = static_cast<int>(captions.size());
    for (int i = 1; i <= n; ++i) {
      int16_t bt = i == 1 ? -500 : 0;
      int16_t bl = static_cast<int16_t>(RoundHalfEven(2600.0 / (n + 1) * i + 500 + (i - 1) * 800));
      int16_t bh = 400, bw = 800;
      const std::string& caption = captions[static_cast<size_t>(i - 1)];
      const int16_t made =
          f.MakeCommand(bt, bl, bh, bw, caption, Variant(int16_t(i == cancelAt ? 2 : 0)));
      // A screen reader spells a lowercase "no" out; the answer is the word.
      f.CMDControl[static_cast<size_t>(made)]->setAccessibleName(QString::fromStdString(caption).left(1).toUpper() +
                                                                 QString::fromStdString(caption).mid(1));
    }
    int16_t rt = -1000, rl = 2000, rh = 400, rw = 2000;
    //: The button that says the question of a message box again.
    f.MakeCommand(rt, rl, rh, rw, Tr("MsgBox", "Repeat Message"), Variant(int16_t(0)));
    gp.GDResult(1) = def;
    f.ShowForm(500, 500, [captions, answers, answered] {
      const std::string closedBy = UCase(VariantToString(GenProcs().GDResult(1)));
      int16_t answer = 0;
      for (size_t i = 0; i < captions.size(); ++i)
        if (closedBy == UCase(captions[i])) answer = answers[i];
      Trace::write("answer", {std::to_string(answer)});
      answered(answer);
    });
  } catch (const DialogError&) {
    // Too long a message for the window: the platform's box still asks it.
    f.Abandon();
    gp.GDActive = 0;
    SystemMsgBox(message, std::abs(static_cast<int32_t>(buttons)), title, [answered](int16_t answer) {
      Trace::write("answer", {std::to_string(answer)});
      answered(answer);
    });
  }
}

// --- the pick list ----------------------------------------------------------------

PickSpec ParsePickSpec(const std::string& spec) {
  PickSpec p;
  size_t start = 0;
  while (true) {
    const size_t bar = spec.find('|', start);
    const std::string item = spec.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    const size_t colon = item.find(':');
    std::string name = colon == std::string::npos ? item : item.substr(0, colon);
    const std::string value = colon == std::string::npos ? item : item.substr(colon + 1);
    if (UCase(name) == "P") {
      p.title = value;
    } else {
      if (p.names.size() == 99) break;
      if (!item.empty() && item[0] == '*') {
        name.erase(0, 1);
        p.defaultIndex = static_cast<int>(p.names.size());
      }
      p.names.push_back(name);
      p.values.push_back(value);
    }
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return p;
}

void PickList(const std::string& spec, std::function<void(std::string)> picked) {
  auto& gp = GenProcs();
  const PickSpec p = ParsePickSpec(spec);
  if (!picked) picked = [](const std::string&) {};
  if (gp.GDActive != 0) {
    Beep();
    Later([picked] { picked(std::string()); });
    return;
  }
  Trace::write("pick", {p.title});
  auto answer = [picked](const std::string& v) {
    Trace::write("answer", {v});
    picked(v);
  };
  GenDialog& f = GenDialog::instance();
  gp.GDButton = 0;
  try {
    size_t longest = 0;
    for (const auto& n : p.names) longest = std::max<size_t>(longest, QString::fromStdString(n).size());
    auto mul16 = [](size_t len) {
      const double v = static_cast<double>(len) * 125.0;
      if (v > 32767) throw DialogError("Overflow: pick list width");
      return static_cast<int16_t>(v);
    };
    int16_t W = std::max<int16_t>(mul16(longest), 1600);
    int16_t T = mul16(QString::fromStdString(p.title).size());
    int16_t H;
    const double ratio = static_cast<double>(T) / W;
    if (ratio < 1) {
      T = W;
      H = 0;
    } else {
      const double hh = static_cast<double>(static_cast<int64_t>(ratio + 1)) * 295.0;
      if (hh > 32767) throw DialogError("Overflow: pick list title");
      H = static_cast<int16_t>(hh);
    }
    //: The title of a pick list's window: choose one item.
    f.Form_Init("PICK", Tr("Dialog", "Select"));
    int16_t t = -400, l = 0, w = 5500;
    f.MakeLabel(t, l, H, w, Trim(p.title));
    int16_t lt = -1, ll = 0, lh = 1500, lw = W;
    f.MakeList(lt, ll, lh, lw, Variant{}, 0, p.title);
    QListWidget* list = f.LstControl[0];
    // The title labels the list: a screen reader then says it once, as the
    // list's name, before the item.
    f.LBLControl[0]->setBuddy(list);
    for (size_t i = 0; i < p.names.size(); ++i) {
      auto* item = new QListWidgetItem(QString::fromStdString(p.names[i]));
      item->setData(Qt::UserRole, static_cast<int>(i + 1));
      list->addItem(item);
    }
    if (list->count() == 0) {
      f.Unload();
      Later([answer] { answer(std::string()); });
      return;
    }
    const int16_t B = static_cast<int16_t>(RoundHalfEven((W - 800) / 2.0));
    {
      // Said when the list gets the focus, after the title, not before it.
      const QSignalBlocker quiet(list);
      list->setCurrentRow(p.defaultIndex);
    }
    if (T + 500 > 32767) throw DialogError("Overflow: pick list button");
    int16_t ot = static_cast<int16_t>(T + 500), ol = static_cast<int16_t>(B + 500);
    int16_t oh = 400, ow = 800;
    //: The buttons of a pick list: take the choice, or leave it.
    f.MakeCommand(ot, ol, oh, ow, Tr("Dialog", "OK"), Variant(int16_t(0)));
    int16_t ct = -400, cl = static_cast<int16_t>(B + 500), ch = 0, cw = 0;
    f.MakeCommand(ct, cl, ch, cw, Tr("Dialog", "Cancel"), Variant(int16_t(0)));
    f.SetCommandButtons(0, 1);
    gp.IntroTitle.clear();
    gp.IntroHint = Tr("Dialog", "Up and Down to choose, Enter to select, Escape to cancel.");
    f.ShowForm(500, 500, [values = p.values, answer] {
      auto& gp = GenProcs();
      gp.IntroHint.clear();
      // Closed by the window itself (Alt+F4) counts as Cancel, not as a stale earlier choice.
      const int32_t chosen = gp.GDButton == 2 || gp.GDButton == 0 ? 0 : VariantToInt(gp.GDResult(1));
      answer(chosen < 1 || chosen > static_cast<int32_t>(values.size()) ? std::string()
                                                                         : values[static_cast<size_t>(chosen - 1)]);
    });
  } catch (const DialogError&) {
    f.Abandon();
    gp.IntroHint.clear();
    Later([answer] { answer(std::string()); });
  }
}

//: Said after a folder's name in the song selector.
std::string FolderMark() { return "[" + Tr("SelectFile", "folder") + "]"; }

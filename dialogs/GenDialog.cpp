#include "dialogs/GenDialog.h"

#include "common/Keys.h"
#include "common/ListFocus.h"
#include "base/Trace.h"
#include "common/Twips.h"
#include "base/VB.h"
#include "dialogs/GenProcs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <utility>
#include <limits>

namespace {

GenDialog*& theInstance() {
  static GenDialog* p = nullptr;
  return p;
}

int16_t to16(int32_t v, const char* what) {
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
    throw DialogError(std::string("Overflow: ") + what);
  return static_cast<int16_t>(v);
}

const char* kKind = "dlgKind";
const char* kIndex = "dlgIndex";
const char* kTag = "Tag";
const char* kMin = "ScrollMin";
const char* kMax = "ScrollMax";

void setupWidget(QLineEdit*) {}
void setupWidget(QRadioButton* o) { o->setFocusPolicy(Qt::StrongFocus); }
void setupWidget(QListWidget* l) {
  l->setSelectionMode(QAbstractItemView::SingleSelection);
  l->setSortingEnabled(false);
  AnnounceCurrentItemOnFocus(l);
  LabelByBuddy(l);
}
void setupWidget(QCheckBox*) {}
void setupWidget(QPushButton* b) { b->setAutoDefault(true); }
void setupWidget(QScrollBar* s) {
  s->setOrientation(Qt::Horizontal);
  s->setFocusPolicy(Qt::StrongFocus);
}
void setupWidget(QPlainTextEdit* b) { b->setTabChangesFocus(true); }
void setupWidget(QLabel* l) {
  l->setWordWrap(true);
  l->setFocusPolicy(Qt::NoFocus);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// A click moves a greyed box to set, as the player's platform does.
class CheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

template <typename W>
struct Made { using type = W; };
template <>
struct Made<QCheckBox> { using type = CheckBox; };

template <typename W>
W* newWidget(QWidget* parent) {
  W* w = new typename Made<W>::type(parent);
  setupWidget(w);
  w->hide();
  return w;
}

}  // namespace

GenDialog& GenDialog::instance() {
  if (!theInstance()) {
    theInstance() = new GenDialog();
    DialogEvent(ControlKind::Window, 0, DialogEventCode::Initialize, 0, 0);
  }
  return *theInstance();
}

void GenDialog::destroyInstance() {
  delete theInstance();
  theInstance() = nullptr;
}

GenDialog::GenDialog() {
  setModal(true);
  setSizeGripEnabled(false);
  TXTControl.push_back(newWidget<QLineEdit>(this));
  OPTControl.push_back(newWidget<QRadioButton>(this));
  LstControl.push_back(newWidget<QListWidget>(this));
  CHKControl.push_back(newWidget<QCheckBox>(this));
  CMDControl.push_back(newWidget<QPushButton>(this));
  HSCControl.push_back(newWidget<QScrollBar>(this));
  BoxControl.push_back(newWidget<QPlainTextEdit>(this));
  LBLControl.push_back(newWidget<QLabel>(this));
  watch(TXTControl[0], ControlKind::Text, 0);
  watch(OPTControl[0], ControlKind::Option, 0);
  watch(LstControl[0], ControlKind::List, 0);
  watch(CHKControl[0], ControlKind::Check, 0);
  watch(CMDControl[0], ControlKind::Command, 0);
  watch(HSCControl[0], ControlKind::HScroll, 0);
  watch(BoxControl[0], ControlKind::Box, 0);
}

GenDialog::~GenDialog() {
  live_ = false;
  if (theInstance() == this) theInstance() = nullptr;
}

// --- building -------------------------------------------------------------

void GenDialog::Form_Init(const std::string& FormCode, const std::string& FormTitle) {
  // A dialog built but never shown (a failed build) leaves its controls behind.
  if (live_) clearControls();
  GenProcs().GDActive = 0;
  GenProcs().GDFormCode = FormCode;
  setWindowTitle(QString::fromStdString(FormTitle));
  LastTXT = LastLBL = LastLst = LastCHK = LastCMD = LastOPT = LastHSC = LastBox = -1;
  MaxBottom = MaxRight = LastTop = LastLeft = LastHeight = LastWidth = LastBottom = LastRight = 0;
  default_ = cancel_ = nullptr;
  live_ = true;
}

void GenDialog::CalcNewPosition(int16_t& top, int16_t& left, int16_t& height, int16_t& width) {
  if (top == 0) top = LastTop;
  else if (top < 0) top = to16(-static_cast<int32_t>(top) + LastBottom, "top");
  if (left == 0) left = LastLeft;
  else if (left < 0) left = to16(-static_cast<int32_t>(left) + LastRight, "left");
  if (height == 0) height = LastHeight;
  if (width == 0) width = LastWidth;
}

int32_t GenDialog::max(int32_t a, int32_t b) { return a > b ? a : b; }

void GenDialog::CalcMax(int16_t& top, int16_t& left, int16_t& height, int16_t& width) {
  const int16_t right = to16(static_cast<int32_t>(left) + width, "left + width");
  const int16_t bottom = to16(static_cast<int32_t>(top) + height, "top + height");
  MaxRight = static_cast<int16_t>(max(MaxRight, right));
  MaxBottom = static_cast<int16_t>(max(MaxBottom, bottom));
  LastRight = right;
  LastBottom = bottom;
  LastTop = top;
  LastLeft = left;
  LastHeight = height;
  LastWidth = width;
}

template <typename W>
W* GenDialog::element(std::vector<W*>& array, int16_t& last, int32_t kind) {
  const int16_t index = to16(static_cast<int32_t>(last) + 1, "control index");
  last = index;
  W* w;
  if (index == 0) {
    w = array[0];
  } else {
    w = newWidget<W>(this);
    array.resize(index, nullptr);
    array.push_back(w);
    watch(w, kind, index);
  }
  // The counter is never reset between dialogs; wrapping it keeps a long
  // session from failing once 32767 controls have been made.
  TabOrder = TabOrder == std::numeric_limits<int16_t>::max() ? 1 : static_cast<int16_t>(TabOrder + 1);
  w->setProperty("TabIndex", static_cast<int>(TabOrder));
  if (w->focusPolicy() != Qt::NoFocus) {
    if (!chain_.empty()) QWidget::setTabOrder(chain_.back(), w);
    chain_.push_back(w);
  }
  return w;
}

void GenDialog::place(QWidget* w, int16_t top, int16_t left, int16_t height, int16_t width) {
  w->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
  w->setEnabled(true);
  w->show();
}

static void setTag(QWidget* w, const std::string& tag) {
  w->setProperty(kTag, QString::fromStdString(tag));
  w->setAccessibleName(QString::fromStdString(tag));
}

int16_t GenDialog::MakeTextBox(int16_t& top, int16_t& left, int16_t& height, int16_t& width,
                               const std::string& InitialValue) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QLineEdit* t = element(TXTControl, LastTXT, ControlKind::Text);
  if (LastTXT == 0) t->setReadOnly(false);
  place(t, top, left, height, width);
  t->setText(QString::fromStdString(InitialValue));
  setTag(t, LastLabel);
  return LastTXT;
}

int16_t GenDialog::MakeBox(int16_t& top, int16_t& left, int16_t& height, int16_t& width,
                           const std::string& InitialValue) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QPlainTextEdit* b = element(BoxControl, LastBox, ControlKind::Box);
  if (LastBox == 0) b->setReadOnly(false);
  place(b, top, left, height, width);
  b->setPlainText(QString::fromStdString(InitialValue));
  setTag(b, LastLabel);
  return LastBox;
}

int16_t GenDialog::MakeHScroll(int16_t& top, int16_t& left, int16_t& height, int16_t& width,
                               const std::string& InitialValue, int32_t MinVal, int32_t MaxVal,
                               int32_t SmallIncrement, int32_t LargeIncrement) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QScrollBar* s = element(HSCControl, LastHSC, ControlKind::HScroll);
  place(s, top, left, height, width);
  const int16_t mn = to16(MinVal, "scroll minimum");
  const int16_t mx = to16(MaxVal, "scroll maximum");
  if (!IsNumeric(InitialValue)) throw DialogError("Type mismatch: scroll value \"" + InitialValue + "\"");
  const auto value = ToInt16(Val(InitialValue));
  if (!value) throw DialogError("Overflow: scroll value");
  s->setProperty(kMin, static_cast<int>(mn));
  s->setProperty(kMax, static_cast<int>(mx));
  s->setRange(std::min(mn, mx), std::max(mn, mx));
  s->setInvertedAppearance(mn > mx);
  s->setValue(*value);
  setTag(s, LastLabel);
  s->setPageStep(to16(LargeIncrement, "large step"));
  s->setSingleStep(to16(SmallIncrement, "small step"));
  return LastHSC;
}

int16_t GenDialog::MakeLabel(int16_t& top, int16_t& left, int16_t& height, int16_t& width,
                             const std::string& InitialValue) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QLabel* l = element(LBLControl, LastLBL, 0);
  place(l, top, left, height, width);
  l->setText(QString::fromStdString(InitialValue));
  l->setAccessibleName(QString::fromStdString(InitialValue));
  LastLabel = InitialValue;
  return LastLBL;
}

Variant GenDialog::MakeList(int16_t& top, int16_t& left, int16_t& height, int16_t& width, const Variant&,
                            int16_t, const std::string& caption) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QListWidget* l = element(LstControl, LastLst, ControlKind::List);
  place(l, top, left, height, width);
  {
    // Emptying a reused list is not a selection the player made.
    const bool was = quiet_;
    quiet_ = true;
    l->clear();
    quiet_ = was;
  }
  setTag(l, caption);
  return Variant(LastLst);
}

int16_t GenDialog::MakeCommand(int16_t& top, int16_t& left, int16_t& height, int16_t& width,
                               const std::string& InitialValue, const Variant& GDOption) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QPushButton* b = element(CMDControl, LastCMD, ControlKind::Command);
  place(b, top, left, height, width);
  b->setText(QString::fromStdString(InitialValue));
  b->setAccessibleName(QString::fromStdString(InitialValue));
  const int32_t option = VariantToInt(GDOption);
  if (option & 1) SetCommandButtons(LastCMD, -1);
  if (option & 2) SetCommandButtons(-1, LastCMD);
  return LastCMD;
}

int16_t GenDialog::MakeCheck(int16_t& top, int16_t& left, int16_t& height, int16_t& width, int16_t InitialValue,
                             const std::string& caption) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QCheckBox* c = element(CHKControl, LastCHK, ControlKind::Check);
  place(c, top, left, height, width);
  SetCheckValue(c, InitialValue);
  c->setText(QString::fromStdString(caption));
  c->setAccessibleName(QString::fromStdString(caption));
  return LastCHK;
}

int16_t GenDialog::MakeOption(int16_t& top, int16_t& left, int16_t& height, int16_t& width, bool InitialValue,
                              const std::string& caption) {
  CalcNewPosition(top, left, height, width);
  CalcMax(top, left, height, width);
  QRadioButton* o = element(OPTControl, LastOPT, ControlKind::Option);
  place(o, top, left, height, width);
  SetOptionValue(o, InitialValue);
  o->setText(QString::fromStdString(caption));
  o->setProperty(kTag, QString::fromStdString(LastLabel));
  // The screen reader names the button by its caption; the label above is its description.
  o->setAccessibleName(QString::fromStdString(caption));
  o->setAccessibleDescription(QString::fromStdString(LastLabel));
  return LastOPT;
}

void GenDialog::SetCommandButtons(int16_t Default, int16_t Cancel) {
  if (Default >= 0 && Default < static_cast<int>(CMDControl.size()) && CMDControl[Default]) {
    if (default_) default_->setDefault(false);
    default_ = CMDControl[Default];
    default_->setDefault(true);
  }
  if (Cancel >= 0 && Cancel < static_cast<int>(CMDControl.size()) && CMDControl[Cancel]) cancel_ = CMDControl[Cancel];
}

// --- values ---------------------------------------------------------------

std::string GenDialog::TagOf(const QWidget* w) { return w ? w->property(kTag).toString().toStdString() : std::string(); }

int16_t GenDialog::CheckValue(const QCheckBox* c) {
  switch (c->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void GenDialog::SetCheckValue(QCheckBox* c, int16_t v) {
  // Greyed is only ever set by code; a click moves between clear and set.
  c->setTristate(true);
  c->setCheckState(v == 2 ? Qt::PartiallyChecked : v ? Qt::Checked : Qt::Unchecked);
}

void GenDialog::SetOptionValue(QRadioButton* o, bool v) {
  // An exclusive button refuses to be cleared directly.
  if (!v && o->isChecked()) {
    o->setAutoExclusive(false);
    o->setChecked(false);
    o->setAutoExclusive(true);
  } else {
    o->setChecked(v);
  }
}

int32_t GenDialog::ScrollMin(const QScrollBar* s) { return s->property(kMin).toInt(); }
int32_t GenDialog::ScrollMax(const QScrollBar* s) { return s->property(kMax).toInt(); }

// --- showing and unloading ------------------------------------------------

void GenDialog::ShowForm(int16_t RightMargin, int16_t BottomMargin, std::function<void()> unloaded) {
  FormWidth = to16(static_cast<int32_t>(MaxRight) + RightMargin, "window width");
  FormHeight = to16(static_cast<int32_t>(MaxBottom) + BottomMargin, "window height");
  FormLeft = max(0, static_cast<int32_t>(RoundHalfEven((ScreenWidthTwips() - FormWidth) / 2.0)));
  FormTop = max(0, static_cast<int32_t>(RoundHalfEven((ScreenHeightTwips() - FormHeight) / 2.0)));
  GenProcs().GDActive = -1;
  live_ = true;
  unloaded_ = std::move(unloaded);
  setFixedSize(TwipsToPixels(FormWidth), TwipsToPixels(FormHeight));
  move(TwipsToPixels(FormLeft), TwipsToPixels(FormTop));
  Trace::write("window", {windowTitle().toStdString()});
  ++shows_;
  shownNow_ = true;
  focused_ = nullptr;
  // The first control in tab order starts with the focus, as the player expects.
  for (QWidget* w : chain_) {
    if (w->isEnabled() && !w->isHidden() && w->focusPolicy() != Qt::NoFocus) {
      w->setFocus(Qt::TabFocusReason);
      break;
    }
  }
  if (!live_) return;  // unloaded while taking the focus
  // Over every window of the program, as a modal dialog is.
  setWindowModality(Qt::ApplicationModal);
  show();
}

void GenDialog::clearControls() {
  quiet_ = true;
  auto drop = [](auto& array) {
    for (size_t i = 1; i < array.size(); ++i) {
      if (!array[i]) continue;
      array[i]->hide();
      array[i]->deleteLater();  // may be inside its own signal
    }
    array.resize(1);
    array[0]->hide();
  };
  drop(TXTControl);
  drop(OPTControl);
  drop(LstControl);
  drop(CHKControl);
  drop(CMDControl);
  drop(HSCControl);
  drop(BoxControl);
  drop(LBLControl);
  // The kept first controls are only hidden; an old list's items would
  // still show up to a screen reader walking the tree.
  LstControl[0]->clear();
  TXTControl[0]->clear();
  BoxControl[0]->clear();
  LBLControl[0]->clear();
  for (QWidget* w : {static_cast<QWidget*>(TXTControl[0]), static_cast<QWidget*>(OPTControl[0]),
                     static_cast<QWidget*>(LstControl[0]), static_cast<QWidget*>(CHKControl[0]),
                     static_cast<QWidget*>(CMDControl[0]), static_cast<QWidget*>(HSCControl[0]),
                     static_cast<QWidget*>(BoxControl[0]), static_cast<QWidget*>(LBLControl[0])}) {
    w->setAccessibleName(QString());
    w->setAccessibleDescription(QString());  // an earlier dialog's hint
  }
  setAccessibleDescription(QString());
  LBLControl[0]->setBuddy(nullptr);
  if (default_) default_->setDefault(false);
  default_ = cancel_ = nullptr;
  chain_.clear();
  focused_ = nullptr;
  quiet_ = false;
  live_ = false;
}

void GenDialog::Unload() {
  if (live_) DialogEvent(ControlKind::Window, 0, DialogEventCode::Unload, 0, 0);
  GenProcs().GDActive = 0;
  live_ = false;
  shownNow_ = false;
  clearControls();
  done(0);
  // The caller reads the answer from the loop, after the key that closed the
  // window has been handled; a message box that waited opens after that.
  QTimer::singleShot(0, this, [then = std::exchange(unloaded_, {})] {
    if (then) then();
    OpenWaitingBox();
  });
}

void GenDialog::Abandon() {
  if (GenProcs().GDActive == 0) clearControls();
}

// --- events -----------------------------------------------------------------

void GenDialog::watch(QWidget* w, int32_t kind, int16_t index) {
  w->setProperty(kKind, static_cast<int>(kind));
  w->setProperty(kIndex, static_cast<int>(index));
  w->installEventFilter(this);
  auto fire = [this, kind, index](int32_t event) {
    if (live_ && !quiet_) DialogEvent(kind, index, event, 0, 0);
  };
  if (auto* t = qobject_cast<QLineEdit*>(w)) {
    connect(t, &QLineEdit::textChanged, this, [fire] { fire(DialogEventCode::Change); });
  } else if (auto* o = qobject_cast<QRadioButton*>(w)) {
    connect(o, &QRadioButton::toggled, this, [fire](bool on) {
      if (on) fire(DialogEventCode::Click);
    });
  } else if (auto* l = qobject_cast<QListWidget*>(w)) {
    connect(l, &QListWidget::currentRowChanged, this, [fire](int row) {
      if (row >= 0) fire(DialogEventCode::Click);
    });
    connect(l, &QListWidget::itemDoubleClicked, this, [fire] { fire(DialogEventCode::DblClick); });
  } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
    connect(c, &QCheckBox::stateChanged, this, [fire] { fire(DialogEventCode::Click); });
  } else if (auto* b = qobject_cast<QPushButton*>(w)) {
    connect(b, &QPushButton::clicked, this, [fire] { fire(DialogEventCode::Click); });
  } else if (auto* s = qobject_cast<QScrollBar*>(w)) {
    connect(s, &QScrollBar::valueChanged, this, [fire] { fire(DialogEventCode::Change); });
    connect(s, &QScrollBar::sliderMoved, this, [fire] { fire(DialogEventCode::Scroll); });
  } else if (auto* x = qobject_cast<QPlainTextEdit*>(w)) {
    connect(x, &QPlainTextEdit::textChanged, this, [fire] { fire(DialogEventCode::Change); });
  }
}

bool GenDialog::pressEnterOrEscape(QWidget* focus, int key) {
  if (key == vk::Escape) {
    if (cancel_ && cancel_->isVisible() && cancel_->isEnabled()) cancel_->click();
    return true;  // never the window system's own close
  }
  if (key == vk::Return) {
    if (auto* b = qobject_cast<QPushButton*>(focus)) {
      b->click();
      return true;
    }
    if (qobject_cast<QPlainTextEdit*>(focus)) return false;  // a new line
    if (default_ && default_->isVisible() && default_->isEnabled()) default_->click();
    return true;
  }
  return false;
}

bool GenDialog::forwardKey(QWidget* w, QKeyEvent* e, bool down) {
  const int32_t kind = w->property(kKind).toInt();
  const int16_t index = static_cast<int16_t>(w->property(kIndex).toInt());
  const KeyCode k = KeyFromQt(*e);
  if (!down) {
    DialogEvent(kind, index, DialogEventCode::KeyUp, k.code, k.shift);
    return !live_;
  }
  DialogEvent(kind, index, DialogEventCode::KeyDown, k.code, k.shift);
  if (!live_) return true;
  const QString text = e->text();
  if (!text.isEmpty() && k.code != vk::Tab) {
    const int16_t ch = static_cast<int16_t>(text.at(0).unicode());
    // The window sees the character first, so a letter typed on a button
    // reaches the message box's letter rule.
    DialogEvent(ControlKind::Window, 0, DialogEventCode::KeyPress, ch, 0);
    if (!live_) return true;
    DialogEvent(kind, index, DialogEventCode::KeyPress, ch, 0);
    if (!live_) return true;
  }
  if (pressEnterOrEscape(w, k.code)) return true;
  // Past a list's end nothing moves: the bump says so, as at the board's edge.
  if (auto* l = qobject_cast<QListWidget*>(w); l && l->count() > 0 &&
      ((k.code == vk::Up && l->currentRow() <= 0) || (k.code == vk::Down && l->currentRow() >= l->count() - 1)))
    if (DialogSpeech* speech = GenProcs().Speech) speech->Bump();
  // The file list's arrows and Space belong to the file selector's rules.
  if (kind == ControlKind::List && GenProcs().GDFormCode == "FOLDER" &&
      (k.code == vk::Left || k.code == vk::Right || k.code == vk::Space))
    return true;
  if (auto* t = qobject_cast<QLineEdit*>(w)) echoTyping(t, k.code, text);
  return false;
}

// Without a screen reader nothing else says what is typed: each character
// as it is typed, and what Backspace takes away (before the box changes).
void GenDialog::echoTyping(QLineEdit* t, int key, const QString& text) {
  DialogSpeech* speech = GenProcs().Speech;
  if (!speech || speech->ScreenReaderRunning()) return;
  if (key == vk::Back) {
    const int at = t->cursorPosition();
    const QString gone = t->hasSelectedText() ? t->selectedText() : at > 0 ? t->text().mid(at - 1, 1) : QString();
    if (gone.isEmpty()) speech->Bump();
    else if (gone.size() == 1) speech->SpeakCharacter(gone.toStdString());
    else speech->speak(gone.toStdString());
    return;
  }
  if (text.size() == 1 && text.at(0).isPrint()) speech->SpeakCharacter(text.toStdString());
}

bool GenDialog::eventFilter(QObject* watched, QEvent* e) {
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w || !w->property(kKind).isValid() || !live_) return QDialog::eventFilter(watched, e);
  const int32_t kind = w->property(kKind).toInt();
  const int16_t index = static_cast<int16_t>(w->property(kIndex).toInt());
  switch (e->type()) {
    case QEvent::FocusIn: {
      if (focused_ == w) break;  // the window coming back, or a repeated focus
      focused_ = w;
      if (auto* t = qobject_cast<QLineEdit*>(w)) t->selectAll();
      if (auto* b = qobject_cast<QPlainTextEdit*>(w)) b->selectAll();
      DialogEvent(kind, index, DialogEventCode::GotFocus, 0, 0);
      break;
    }
    case QEvent::FocusOut: {
      auto* fe = static_cast<QFocusEvent*>(e);
      if (fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason) break;
      if (focused_ == w) focused_ = nullptr;
      DialogEvent(kind, index, DialogEventCode::LostFocus, 0, 0);
      break;
    }
    case QEvent::KeyPress:
      if (forwardKey(w, static_cast<QKeyEvent*>(e), true)) return true;
      break;
    case QEvent::KeyRelease:
      if (forwardKey(w, static_cast<QKeyEvent*>(e), false)) return true;
      break;
    case QEvent::ShortcutOverride: {
      // Enter and Escape are ours, not a shortcut's.
      const int key = static_cast<QKeyEvent*>(e)->key();
      if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        e->accept();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, e);
}

void GenDialog::keyPressEvent(QKeyEvent* e) {
  // Keys that no control took: the window's own events.
  const KeyCode k = KeyFromQt(*e);
  if (!live_) return;
  // Shift, Ctrl or Alt alone are not keys the player means as input.
  if (k.code != vk::Shift && k.code != vk::Control && k.code != vk::Menu)
    DialogEvent(ControlKind::Window, 0, DialogEventCode::KeyDown, k.code, k.shift);
  if (!live_) return;
  if (!e->text().isEmpty() && k.code != vk::Tab) {
    DialogEvent(ControlKind::Window, 0, DialogEventCode::KeyPress, static_cast<int16_t>(e->text().at(0).unicode()), 0);
    if (!live_) return;
  }
  if (!pressEnterOrEscape(focusWidget(), k.code)) QDialog::keyPressEvent(e);
}

void GenDialog::keyReleaseEvent(QKeyEvent* e) {
  const KeyCode k = KeyFromQt(*e);
  if (live_ && k.code != vk::Shift && k.code != vk::Control && k.code != vk::Menu)
    DialogEvent(ControlKind::Window, 0, DialogEventCode::KeyUp, k.code, k.shift);
}

// Closing a message box is never an answer of its own: it presses Cancel
// where there is one, and a question without one stays up.
bool GenDialog::closeByCancel() {
  if (GenProcs().GDFormCode != "MSGBOX") {
    Unload();
    return true;
  }
  if (cancel_) {
    cancel_->click();
    if (live_) Unload();
    return true;
  }
  return LastCMD < 1;  // only the repeat button: nothing to answer
}

void GenDialog::closeEvent(QCloseEvent* e) {
  if (live_ && !closeByCancel()) {
    e->ignore();
    return;
  }
  e->accept();
}

void GenDialog::reject() {
  if (live_) closeByCancel();
  else QDialog::reject();
}

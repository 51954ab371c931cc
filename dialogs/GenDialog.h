#pragma once
// The one dialog window, filled with controls at run time, shown modally and
// read back by its builder. Geometry is in twips; events go to DialogEvent.
#include "common/Variant.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class GenDialog : public QDialog {
  Q_OBJECT
 public:
  // The program's one window, created on first use.
  static GenDialog& instance();
  // Drops the window and makes a fresh one next time (tests).
  static void destroyInstance();

  GenDialog();
  ~GenDialog() override;

  // Control arrays; element 0 always exists.
  std::vector<QLineEdit*> TXTControl;
  std::vector<QRadioButton*> OPTControl;
  std::vector<QListWidget*> LstControl;
  std::vector<QCheckBox*> CHKControl;
  std::vector<QPushButton*> CMDControl;
  std::vector<QScrollBar*> HSCControl;
  std::vector<QPlainTextEdit*> BoxControl;
  std::vector<QLabel*> LBLControl;

  int16_t TabOrder = 0;
  int16_t LastTXT = -1, LastLBL = -1, LastLst = -1, LastCHK = -1, LastCMD = -1, LastOPT = -1,
          LastHSC = -1, LastBox = -1;
  int16_t MaxBottom = 0, MaxRight = 0;
  int16_t LastTop = 0, LastLeft = 0, LastHeight = 0, LastWidth = 0, LastBottom = 0, LastRight = 0;
  std::string LastLabel;

  // Where ShowForm put the window, in twips.
  int32_t FormLeft = 0, FormTop = 0;
  int16_t FormWidth = 0, FormHeight = 0;

  void Form_Init(const std::string& FormCode, const std::string& FormTitle);

  int16_t MakeTextBox(int16_t& top, int16_t& left, int16_t& height, int16_t& width, const std::string& InitialValue);
  int16_t MakeBox(int16_t& top, int16_t& left, int16_t& height, int16_t& width, const std::string& InitialValue);
  int16_t MakeHScroll(int16_t& top, int16_t& left, int16_t& height, int16_t& width, const std::string& InitialValue,
                      int32_t MinVal, int32_t MaxVal, int32_t SmallIncrement, int32_t LargeIncrement);
  int16_t MakeLabel(int16_t& top, int16_t& left, int16_t& height, int16_t& width, const std::string& InitialValue);
  Variant MakeList(int16_t& top, int16_t& left, int16_t& height, int16_t& width, const Variant& InitialValues,
                   int16_t StartPosition, const std::string& caption);
  int16_t MakeCommand(int16_t& top, int16_t& left, int16_t& height, int16_t& width, const std::string& InitialValue,
                      const Variant& GDOption);
  int16_t MakeCheck(int16_t& top, int16_t& left, int16_t& height, int16_t& width, int16_t InitialValue,
                    const std::string& caption);
  int16_t MakeOption(int16_t& top, int16_t& left, int16_t& height, int16_t& width, bool InitialValue,
                     const std::string& caption);

  void SetCommandButtons(int16_t Default, int16_t Cancel);
  // Sizes, centres and shows the window over the program's others, and
  // returns at once; `unloaded` runs from the event loop once it is unloaded.
  void ShowForm(int16_t RightMargin, int16_t BottomMargin, std::function<void()> unloaded = {});
  // Ends the dialog: the unload event, GDActive 0, elements above 0 gone.
  void Unload();
  // Drops a half-built dialog without raising events (a failed build).
  void Abandon();

  void CalcNewPosition(int16_t& top, int16_t& left, int16_t& height, int16_t& width);
  void CalcMax(int16_t& top, int16_t& left, int16_t& height, int16_t& width);
  // The larger of two; the second when they are equal.
  static int32_t max(int32_t a, int32_t b);

  // The tag spoken as a control's name.
  static std::string TagOf(const QWidget* w);
  // A check box's value: 0 clear, 1 set, 2 greyed.
  static int16_t CheckValue(const QCheckBox* c);
  void SetCheckValue(QCheckBox* c, int16_t v);
  void SetOptionValue(QRadioButton* o, bool v);
  // A scroll bar's own minimum and maximum (they may be given in either order).
  static int32_t ScrollMin(const QScrollBar* s);
  static int32_t ScrollMax(const QScrollBar* s);

  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* defaultButton() const { return default_; }
  // The controls made since Form_Init, in tab order.
  const std::vector<QWidget*>& tabChain() const { return chain_; }
  // How many times a dialog was shown; tests wait on it.
  int showCount() const { return shows_; }
  bool isShownNow() const { return shownNow_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;

 private:
  template <typename W>
  W* element(std::vector<W*>& array, int16_t& last, int32_t kind);
  void place(QWidget* w, int16_t top, int16_t left, int16_t height, int16_t width);
  void watch(QWidget* w, int32_t kind, int16_t index);
  bool forwardKey(QWidget* w, QKeyEvent* e, bool down);
  void echoTyping(QLineEdit* t, int key, const QString& text);
  bool pressEnterOrEscape(QWidget* focus, int key);
  void clearControls();
  bool closeByCancel();

  QPushButton* default_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::vector<QWidget*> chain_;
  int shows_ = 0;
  bool shownNow_ = false;
  bool live_ = false;   // from Form_Init until unloaded: events reach the dispatcher
  bool quiet_ = false;  // the window's own housekeeping raises no events
  QWidget* focused_ = nullptr;
  std::function<void()> unloaded_;  // what the shown dialog's caller does next
};

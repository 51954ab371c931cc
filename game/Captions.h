#pragma once
// The line that shows, large, what the game last said, for those who watch
// or read braille beside the voice. A screen reader shows it on its braille
// line and in review, but does not speak it: the game already has.
#include <QString>
#include <QStringList>
#include <QWidget>

#include <string>

class Captions : public QWidget {
  Q_OBJECT
 public:
  explicit Captions(QWidget* parent = nullptr);

  // The text as the voice says it, after the texts said since the player's
  // last key (a square's row and its "correct"), or alone on a new line. A
  // braille display is told too. While Ctrl is held a screen reader speaks an
  // insertion, taking it for the key's doing: it is told of the old text's
  // removal then (it brailles the line as it now is and says nothing), and
  // of the insertion when Ctrl is let go.
  void Say(const std::string& spoken, bool newLine, bool ctrlHeld);
  void CtrlReleased();
  const QString& Text() const { return shown; }
  // Tells a braille display the line again: back from a dialog, the words
  // said while it had the focus were not shown.
  void Retell();

  // The largest font at which `text` fits in `area`, in pixels.
  static int FittingPixelSize(const QFont& font, const QString& text, const QRect& area);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QStringList parts;
  QString shown;
  bool insertLater = false;
};

#include "dialogs/SelectFile.h"

#include "common/Beep.h"
#include "base/Trace.h"
#include "base/Translate.h"
#include "dialogs/GenDialog.h"
#include "dialogs/GenProcs.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kSep = '/';

// One pattern token; every token but the star stands for exactly one character.
struct Token {
  enum Kind { Star, Any, Digit, Char, Set };
  explicit Token(Kind k, char32_t ch = 0) : kind(k), c(ch) {}
  Kind kind;
  char32_t c;
  bool negate = false;
  std::u32string set;  // pairs: low, high
};

// Splits a pattern into tokens; false for an unclosed "[".
bool tokenize(const std::u32string& p, std::vector<Token>& out) {
  for (size_t i = 0; i < p.size(); ++i) {
    const char32_t c = p[i];
    if (c == U'*') {
      if (out.empty() || out.back().kind != Token::Star) out.push_back(Token(Token::Star));
    } else if (c == U'?') {
      out.push_back(Token(Token::Any));
    } else if (c == U'#') {
      out.push_back(Token(Token::Digit));
    } else if (c == U'[') {
      const size_t close = p.find(U']', i + 1);
      if (close == std::u32string::npos) return false;
      std::u32string list = p.substr(i + 1, close - i - 1);
      i = close;
      if (list.empty()) continue;  // "[]" stands for nothing
      Token t(Token::Set);
      if (list[0] == U'!') {
        t.negate = true;
        list.erase(0, 1);
      }
      for (size_t k = 0; k < list.size(); ++k) {
        if (k + 2 < list.size() && list[k + 1] == U'-') {
          t.set += list[k];
          t.set += list[k + 2];
          k += 2;
        } else {
          t.set += list[k];
          t.set += list[k];
        }
      }
      out.push_back(t);
    } else {
      out.push_back(Token(Token::Char, c));
    }
  }
  return true;
}

bool matchesOne(const Token& t, char32_t c) {
  switch (t.kind) {
    case Token::Any: return true;
    case Token::Digit: return c >= U'0' && c <= U'9';
    case Token::Char: return c == t.c;
    case Token::Set: {
      bool in = false;
      for (size_t k = 0; k + 1 < t.set.size(); k += 2)
        if (c >= t.set[k] && c <= t.set[k + 1]) in = true;
      return in != t.negate;
    }
    default: return false;
  }
}

// Greedy match with a return to the last star only: linear-ish, so no
// pattern can make the listing hang.
bool likeMatch(const std::u32string& s, const std::vector<Token>& p) {
  size_t si = 0, pi = 0, starP = std::string::npos, starS = 0;
  while (si < s.size()) {
    if (pi < p.size() && p[pi].kind == Token::Star) {
      starP = pi++;
      starS = si;
    } else if (pi < p.size() && matchesOne(p[pi], s[si])) {
      ++si;
      ++pi;
    } else if (starP != std::string::npos) {
      pi = starP + 1;
      si = ++starS;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi].kind == Token::Star) ++pi;
  return pi == p.size();
}

std::u32string utf32(const std::string& s) { return QString::fromStdString(s).toStdU32String(); }

std::string joined(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == kSep) return folder + name;
  return folder + kSep + name;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

// Letter case aside; hidden names (".config") after the rest, so a player
// walking a home folder hears the folders that matter first.
bool lessNoCase(const std::string& a, const std::string& b) {
  const bool hiddenA = !a.empty() && a[0] == '.', hiddenB = !b.empty() && b[0] == '.';
  if (hiddenA != hiddenB) return hiddenB;
  const int c = QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}

// Subfolders, then the files matching pattern. A folder that cannot be read
// gives what could be read, perhaps nothing.
void listFolder(const std::string& path, const std::string& pattern, std::vector<std::string>& folders,
                std::vector<std::string>& files) {
  std::error_code ec;
  fs::directory_iterator it(fs::path(path), fs::directory_options::skip_permission_denied, ec);
  if (ec) return;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().string();
    std::error_code e2;
    if (it->is_directory(e2)) folders.push_back(name);
    else if (MatchesAnyNoCase(name, pattern)) files.push_back(name);
  }
  std::sort(folders.begin(), folders.end(), lessNoCase);
  std::sort(files.begin(), files.end(), lessNoCase);
}

}  // namespace

bool LikeMatch(const std::string& name, const std::string& pattern) {
  std::vector<Token> tokens;
  if (!tokenize(utf32(pattern), tokens)) return false;  // an unclosed list matches nothing
  return likeMatch(utf32(name), tokens);
}

bool MatchesAnyNoCase(const std::string& name, const std::string& patterns) {
  const QString lower = QString::fromStdString(name).toLower();
  for (const QString& p : QString::fromStdString(patterns).split(';', Qt::SkipEmptyParts))
    if (LikeMatch(lower.toStdString(), p.toLower().toStdString())) return true;
  return false;
}

namespace {

// One walk through the folders: each pass shows the window on one folder,
// and its unload decides the next pass or the answer.
struct Walk {
  std::string pattern, title, hint;
  int16_t mode = 0;
  std::string current, typed, cameFrom, errorText;
  bool firstPass = true;
  std::function<void(const std::string&, const std::string&)> chosen;

  void finish(const std::string& path) {
    auto& gp = GenProcs();
    gp.IntroTitle.clear();
    gp.IntroHint.clear();
    Trace::write("answer", {path});
    chosen(path, errorText);
  }
};

void afterPass(const std::shared_ptr<Walk>& w, const std::vector<std::string>& names, const std::string& listing);

void openPass(const std::shared_ptr<Walk>& walk) {
  auto& gp = GenProcs();
  if (gp.GDActive != 0) {
    Beep();
    return Later([walk] { walk->finish(std::string()); });
  }
  std::string& current = walk->current;
  const std::string& title = walk->title;
  GenDialog& f = GenDialog::instance();
  gp.GDButton = 0;
  f.Form_Init("FOLDER", title);
  std::vector<std::string> names;
  gp.GDResult(1) = Variant{};
  // Every closing rule fills slot 2; left empty, the window was closed by itself.
  gp.GDResult(2) = Variant{};
  gp.GDResult(3) = walk->mode;
  gp.GDResult(4) = walk->typed;
  std::string listing = current.size() < 1 ? std::string(1, kSep) : current;
  // The list is named by its folder, so opening it, and each folder
  // entered or left, says where the player is.
  const std::string here = listing.size() > 1 ? listing.substr(listing.rfind(kSep) + 1) : listing;
  int16_t t = 500, l = 500, h = 3500, w = 5500;
  //: %1 is the name of the folder the list shows.
  f.MakeList(t, l, h, w, Variant{}, 0, Fill(Tr("SelectFile", "Folder %1"), {here}));
  QListWidget* list = f.LstControl[0];

  int preselect = 0;
  std::vector<std::string> folders, files;
  listFolder(listing, walk->pattern, folders, files);
  for (size_t i = 0; i < folders.size(); ++i) {
    names.push_back(folders[i] + " " + FolderMark());
    list->addItem(QString::fromStdString(names.back()));
    if (!walk->cameFrom.empty() && folders[i] == walk->cameFrom) preselect = static_cast<int>(i);
  }
  for (const auto& file : files) {
    names.push_back(file);
    list->addItem(QString::fromStdString(file));
  }

  int16_t lt = -400, ll = 0, lh = 295, lw = 0;
  //: The label of the box where a file name is typed.
  const int16_t label = f.MakeLabel(lt, ll, lh, lw, Tr("SelectFile", "filename"));
  int16_t tt = -1, tl = 0, th = 0, tw = 0;
  const int16_t box = f.MakeTextBox(tt, tl, th, tw, walk->typed);
  // What a screen reader calls the field, and the label that names it.
  //: The name of the box where a file name is typed, as a screen reader says it.
  f.TXTControl[static_cast<size_t>(box)]->setAccessibleName(QString::fromStdString(Tr("SelectFile", "File name")));
  f.LBLControl[static_cast<size_t>(label)]->setBuddy(f.TXTControl[static_cast<size_t>(box)]);
  if (list->count() > 0) list->setCurrentRow(preselect);

  int16_t bt = 500, bl = -400, bh = 400, bw = 1000;
  f.MakeCommand(bt, bl, bh, bw, Tr("Dialog", "OK"), Variant(int16_t(0)));
  int16_t ct = -100, cl = 0, ch = 0, cw = 0;
  f.MakeCommand(ct, cl, ch, cw, Tr("Dialog", "Cancel"), Variant(int16_t(0)));
  int16_t dt = -100, dl = 0, dh = 0, dw = 0;
  //: A button: what it does, then its key.
  //: The delete button's caption: the word, then the name of the key that deletes (Del).
  const int16_t del = f.MakeCommand(dt, dl, dh, dw, Tr("SelectFile", "Delete Del"), Variant(int16_t(0)));
  // The caption shows the key; the button's name is what it does.
  //: The delete button's name as a screen reader says it; also the title of the question whether to delete a song.
  f.CMDControl[static_cast<size_t>(del)]->setAccessibleName(QString::fromStdString(Tr("SelectFile", "Delete")));
  f.SetCommandButtons(-1, 1);
  Trace::write("selectfile", {title, listing});
  if (walk->firstPass) {
    gp.IntroTitle = title;
    gp.IntroHint = walk->hint;
    walk->firstPass = false;
  }
  f.ShowForm(500, 500, [walk, names, listing] { afterPass(walk, names, listing); });
}

// An error said in a box; the walk goes on in the folder it was in.
void report(const std::shared_ptr<Walk>& w, const std::string& text) {
  //: The title of a message box about a file that cannot be used.
  SpeakMsgBox(text, 0, Tr("SelectFile", "Error"), [w](int16_t) { openPass(w); });
}

void afterPass(const std::shared_ptr<Walk>& w, const std::vector<std::string>& names, const std::string& listing) {
  auto& gp = GenProcs();
  gp.IntroTitle.clear();
  gp.IntroHint.clear();
  std::string& current = w->current;
  std::string& typed = w->typed;
  std::string& errorText = w->errorText;

  auto entry = [&](const Variant& slot) -> std::string {
    if (VariantIsEmpty(slot)) return std::string();
    const int32_t i = VariantToInt(slot);
    return i >= 0 && i < static_cast<int32_t>(names.size()) ? names[static_cast<size_t>(i)] : std::string();
  };
  const std::string folderPath = listing;
  bool doDelete = false;
  std::string path;

  if (gp.GDButton == 2 || (gp.GDButton == 0 && VariantIsEmpty(gp.GDResult(2)))) {
    errorText.clear();
    return w->finish(std::string());
  }
  std::string selected;
  if (gp.GDButton == 3) {
    selected = entry(gp.GDResult(2));
    doDelete = true;
  } else {
    const int32_t key = VariantToInt(gp.GDResult(1));
    selected = entry(gp.GDResult(2));
    typed = VariantToString(gp.GDResult(4));
    const bool isFolder = selected.find(FolderMark()) != std::string::npos;
    // A typed folder, full or in this one, is opened rather than refused as no file.
    const std::string typedPath = typed.find(kSep) != std::string::npos ? typed : joined(current, typed);
    std::error_code ec;
    if (key != 46 && !typed.empty() && fs::is_directory(fs::path(typedPath), ec)) {
      current = typedPath;
      while (current.size() > 1 && current.back() == kSep) current.pop_back();
      typed.clear();
      w->cameFrom.clear();
      return openPass(w);
    }
    if (typed.find(kSep) != std::string::npos) {
      path = typed;
    } else if (key == 46) {
      doDelete = true;
    } else if (key == 27 || key == 37 || key == 8) {
      const size_t cut = current.rfind(kSep);
      if (cut == std::string::npos || current == std::string(1, kSep)) {
        Beep();  // nothing above the root
      } else {
        w->cameFrom = current.substr(cut + 1);
        current = cut == 0 ? std::string(1, kSep) : current.substr(0, cut);
        typed.clear();
      }
      return openPass(w);
    } else if (isFolder && typed.empty()) {
      std::string folderName = selected.substr(0, selected.find(FolderMark()));
      if (!folderName.empty() && folderName.back() == ' ') folderName.pop_back();
      current = joined(current, folderName);
      return openPass(w);
    } else if (gp.GDButton == 1) {
      if (typed.empty()) {
        errorText = Tr("SelectFile", "No filename was entered as new filename.");
        return report(w, errorText);
      }
      errorText.clear();
      return w->finish(joined(current, typed));
    } else {
      path = joined(current, typed.empty() ? selected : typed);
    }
  }

  if (doDelete) {
    const std::string target = joined(current, typed.empty() ? selected : typed);
    current = folderPath;
    //: %1 is the name of a file or folder that was typed.
    if (!fileExists(target))
      return SpeakMsgBox(Fill(Tr("SelectFile", "%1 not found."), {target}), 0, Tr("SelectFile", "Error"),
                         [w](int16_t) { openPass(w); });
    return SpeakMsgBox(Fill(Tr("SelectFile", "Delete %1?"), {target}), 4 + 256, Tr("SelectFile", "Delete"),
                       [w, target](int16_t answer) {
                         if (answer == 6) {
                           std::error_code ec;
                           fs::remove(fs::path(target), ec);
                         }
                         openPass(w);
                       });
  }

  // The existence check.
  if (fileExists(path)) {
    if (w->mode & 4) {
      errorText = Fill(Tr("SelectFile", "File %1 already exists."), {path});
      current = folderPath;
      return report(w, errorText);
    }
  } else if (w->mode & 1) {
    errorText = Fill(Tr("SelectFile", "File %1 not found."), {path});
    current = folderPath;
    return report(w, errorText);
  }
  errorText.clear();
  w->finish(path);
}

}  // namespace

void SelectFile(const std::string& folder, const std::string& pattern, int16_t mode, const std::string& title,
                const std::string& fileName, const std::string& hint,
                std::function<void(const std::string& path, const std::string& errorText)> chosen) {
  GenProcs().ClearGDResult();
  auto w = std::make_shared<Walk>();
  w->pattern = pattern;
  w->title = title;
  w->hint = hint;
  w->mode = mode;
  w->current = folder;
  // "/music/" would otherwise go up to "/music" itself.
  while (w->current.size() > 1 && w->current.back() == kSep) w->current.pop_back();
  w->typed = fileName;
  w->chosen = chosen ? std::move(chosen) : [](const std::string&, const std::string&) {};
  openPass(w);
}

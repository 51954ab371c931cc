// Mutated and random help files never crash the viewer or leave it
// pointing outside its own index.
#include "help/FRMHelp.h"
#include "help/HelpFile.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace {

std::string Shipped() {
  const char* dir = std::getenv("TUNZLE_TEST_DATA");
  std::ifstream in(std::string(dir ? dir : ".") + "/MT.TXT", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(HelpFileFuzz, MutatedFilesLoadOrFailCleanly) {
  const std::string base = Shipped();
  ASSERT_FALSE(base.empty()) << "MT.TXT is built beside the tests";
  QTemporaryDir dir;
  const std::string path = dir.filePath("F.TXT").toStdString();
  std::mt19937 rng(5);
  const std::string alphabet = "++..12 9\r\n\xff\xc3 abc";
  int loaded = 0;
  for (int i = 0; i < 400; ++i) {
    std::string s = base;
    const int edits = std::uniform_int_distribution<int>(1, 30)(rng);
    for (int e = 0; e < edits && !s.empty(); ++e) {
      const size_t at = std::uniform_int_distribution<size_t>(0, s.size() - 1)(rng);
      const char c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
      switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
        case 0: s[at] = c; break;
        case 1: s.insert(at, std::string(std::uniform_int_distribution<int>(1, 40)(rng), c)); break;
        case 2: s.erase(at, std::uniform_int_distribution<size_t>(1, 200)(rng)); break;
        default: s.resize(at); break;
      }
    }
    if (i % 10 == 0) {  // now and then, pure noise
      s.resize(std::uniform_int_distribution<size_t>(0, 3000)(rng));
      for (char& c : s) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << s;

    HelpIndex index;
    if (index.Load(path) != 0) {
      EXPECT_EQ(index.IndexCount, 0);
      continue;
    }
    ++loaded;
    ASSERT_LE(index.IndexCount, helpfile::MaxIndexLines);
    ASSERT_EQ(index.IndexTitle.size(), index.IndexLine.size());

    HelpOptions o;
    o.readerPause = 0;
    o.message = [](const std::string&, const std::string&) {};
    FRMHelp v(o);
    if (v.Load(path) != FRMHelp::Closed) continue;
    // Walk into whatever is there and back out again.
    for (int k = 0; k < 6 && v.LSTIndex->count() > 0; ++k) {
      v.LSTIndex->setCurrentRow(std::uniform_int_distribution<int>(0, v.LSTIndex->count() - 1)(rng));
      v.OpenSelected();
      v.GoBack();
    }
  }
  EXPECT_GT(loaded, 0);
}

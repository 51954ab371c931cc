// Test entry: a QApplication exists for every test, headless by default.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "null");
  if (!qEnvironmentVariableIsSet("TUNZLE_TEST_DATA")) qputenv("TUNZLE_TEST_DATA", TUNZLE_RUNTIME_DIR);
  // Tests answer the platform's boxes themselves; a real one would wait forever.
  if (!qEnvironmentVariableIsSet("TUNZLE_NO_SYSTEM_BOX")) qputenv("TUNZLE_NO_SYSTEM_BOX", "1");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

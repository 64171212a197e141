// Tests run with a Qt widgets application on the offscreen platform, so that fonts
// and painting work without a display.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  static char arg0[] = "mirelo_tests", platformOpt[] = "-platform", offscreen[] = "offscreen";
  char* qtArgv[] = {arg0, platformOpt, offscreen, nullptr};
  int qtArgc = 3;
  QApplication app(qtArgc, qtArgv);
  return RUN_ALL_TESTS();
}

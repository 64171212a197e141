// The Windows build's tests: GoogleTest's own main, with the arguments as
// Windows gives them.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

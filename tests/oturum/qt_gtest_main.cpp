// GoogleTest entry with a Qt application object, for tests that need the main thread's
// event loop (message hand-off, continuations).
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication uygulama(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The window tests of a scaled screen: the offscreen platform with a scale factor of 1.5.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_SCALE_FACTOR", "1.5", 1);
  QApplication app(argc, argv);
  if (QGuiApplication::primaryScreen()->devicePixelRatio() != 1.5) {
    std::cout << "The screen is not scaled by 1.5: this Qt ignores QT_SCALE_FACTOR\n";
    return 1;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

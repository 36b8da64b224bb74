// The dialog and the controller need the application object and a filled
// string table; listing the tests needs neither (and no display).
#include <gtest/gtest.h>

#include <QApplication>

#include "texts/strtab.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  StrTable::InitStrTable();
  return RUN_ALL_TESTS();
}

// The extractor reports through Qt signals and loads its label from the
// string table: both need the application object and a filled table.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "texts/strtab.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  StrTable::InitStrTable();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

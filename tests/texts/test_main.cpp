// Records the state that static initialisers leave behind, then runs the tests
// with an application object (translators need one) and a filled table.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include "catalogue_list.h"
#include "start_state.h"
#include "texts/strtab.h"

StartState g_start_state;

int main(int argc, char** argv) {
  g_start_state.catalogue_registered = QFile::exists(":/" + BuiltCatalogues().front() + ".qm");
  g_start_state.load_before_init = StrTable::LoadStr(StrTable::app_name);
  g_start_state.lookup_before_init = StrTable::LookupStrID("app_name");
  g_start_state.key_before_init = StrTable::GetKey(0) != nullptr;

  QCoreApplication app(argc, argv);
  StrTable::InitStrTable();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

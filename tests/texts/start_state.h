// What the string table and the resources looked like when main began, before
// the test program touched either.
#pragma once

#include <QString>

struct StartState {
  bool catalogue_registered = false;  // the first built catalogue was in the resources
  QString load_before_init;           // LoadStr(app_name) before InitStrTable
  int lookup_before_init = 0;         // LookupStrID("app_name") before InitStrTable
  bool key_before_init = false;       // GetKey(0) was non-null before InitStrTable
};

extern StartState g_start_state;

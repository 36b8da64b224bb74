// The catalogue codes the build compiles into the resources, in list order
// (LARKSPAN_CATALOGUES is the build's list, comma-separated).
#pragma once

#include <QString>
#include <QStringList>

inline QStringList BuiltCatalogues() {
  return QString(LARKSPAN_CATALOGUES).split(',', Qt::SkipEmptyParts);
}

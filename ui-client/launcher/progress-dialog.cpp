#include "progress-dialog.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QString>

#include "cloud-service.h"
#include "texts/strtab.h"

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags()) {
  const QFont font("Arial", -1, -1, false);
  const QString icon_path =
      QString::fromUtf8(Service::GetRootLarkspanResourceInstallPath().c_str()) + "/images/ico_72_larkspan.png";

  setWindowTitle(StrTable::LoadStr(StrTable::app_name));
  setWindowIcon(QIcon(icon_path));
  setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
  setValue(0);
  setRange(0, 100);
  setLabelText(StrTable::LoadStr(StrTable::desc_lksp_env_preparing));
  setFont(font);
  setFixedWidth(400);
  setModal(true);
  setWindowModality(Qt::WindowModal);
  setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
}

ProcessingProgressDialog::~ProcessingProgressDialog() = default;

void ProcessingProgressDialog::reject() {}

void ProcessingProgressDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

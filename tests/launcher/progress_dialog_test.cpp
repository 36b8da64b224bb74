// The progress dialog as built, with and without its icon file, and its
// refusal to be closed by the user.
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "cloud-service.h"
#include "progress-dialog.h"
#include "test_support.h"

namespace {

using testsupport::ReadFile;
using testsupport::WriteFile;

// ROOT of the test program: its output folder is <build>/.../root/bin.
std::string RootFolder() { return Service::GetRootLarkspanResourceInstallPath().c_str(); }

std::string IconPath() { return RootFolder() + "/images/ico_72_larkspan.png"; }

void ExpectLook(const ProcessingProgressDialog& dialog) {
  EXPECT_EQ(dialog.value(), 0);
  EXPECT_EQ(dialog.minimum(), 0);
  EXPECT_EQ(dialog.maximum(), 100);
  EXPECT_EQ(dialog.windowTitle(), QString("Larkspan Drive"));
  EXPECT_EQ(dialog.labelText(), QString("Larkspan Drive is initializing..."));
  EXPECT_EQ(dialog.minimumWidth(), 400);
  EXPECT_EQ(dialog.maximumWidth(), 400);
  // Only the title and system-menu hints; no close, minimise or maximise.
  EXPECT_EQ(dialog.windowFlags() & ~Qt::WindowType_Mask, Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
  EXPECT_TRUE(dialog.isWindow());
  EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
  EXPECT_EQ(dialog.font().family(), QString("Arial"));
  EXPECT_EQ(dialog.styleSheet(), QString(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } "));
  EXPECT_EQ(dialog.minimumDuration(), QProgressDialog().minimumDuration());
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgressDialogTest, LooksTheSameWithAndWithoutItsIcon) {
  const std::string icon_source = std::string(LARKSPAN_SOURCE_DIR) + "/ui-client/launcher/images/ico_72_larkspan.png";
  ::unlink(IconPath().c_str());  // an interrupted earlier run may have left it
  struct Row {
    const char* name;
    bool icon_installed;
  };
  for (const Row& row : {Row{"icon installed", true}, Row{"icon missing", false}}) {
    SCOPED_TRACE(row.name);
    if (row.icon_installed) WriteFile(IconPath(), ReadFile(icon_source));
    ProcessingProgressDialog dialog;
    ExpectLook(dialog);
    if (row.icon_installed) {
      EXPECT_TRUE(dialog.windowIcon().availableSizes().contains(QSize(72, 72)));
    } else {
      EXPECT_TRUE(dialog.windowIcon().availableSizes().isEmpty());
    }
    ::unlink(IconPath().c_str());
  }
}

TEST(ProgressDialogTest, IgnoresCloseRequestsAndEscape) {
  ProcessingProgressDialog dialog;
  QSignalSpy canceled(&dialog, &QProgressDialog::canceled);
  dialog.show();
  dialog.setValue(40);
  dialog.setLabelText("Unpacking");

  EXPECT_FALSE(dialog.close());
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QCoreApplication::processEvents();

  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.value(), 40);
  EXPECT_EQ(dialog.labelText(), QString("Unpacking"));
  EXPECT_FALSE(dialog.wasCanceled());
  EXPECT_EQ(canceled.count(), 0);

  dialog.hide();  // the owner still can
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace

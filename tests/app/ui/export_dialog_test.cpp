#include "app/ui/export_dialog.h"

#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace montora {
namespace {

void showAndWait(ExportDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

bool accepted(const ExportDialog& dialog) { return !dialog.isVisible() && dialog.result() == QDialog::Accepted; }

TEST(ExportDialog, ThePictureFormTakesTheClickedSize)
{
    test::ScriptedPrompter prompter;
    ExportDialog dialog(prompter, false, QSize(3200, 2400));
    ExportOptions last;
    last.scale = 2;
    dialog.setOptions(last);
    showAndWait(dialog);
    EXPECT_TRUE(dialog.scaleButton(2)->isOn());
    EXPECT_EQ(dialog.scaleButton(3)->caption(), "3x   9600 x 7200 pixels");
    QTest::mouseClick(dialog.scaleButton(3), Qt::LeftButton);
    EXPECT_FALSE(dialog.scaleButton(2)->isOn());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_TRUE(accepted(dialog));
    EXPECT_EQ(dialog.options().scale, 3);
}

TEST(ExportDialog, ThePdfFormRefusesAResolutionOutOfRange)
{
    test::ScriptedPrompter prompter;
    ExportDialog dialog(prompter, true, QSize(1024, 768));
    showAndWait(dialog);
    QTest::mouseClick(dialog.pageButton(PdfPage::A3), Qt::LeftButton);
    QTest::mouseClick(dialog.landscapeButton(), Qt::LeftButton);
    dialog.dpiEdit()->selectAll();
    QTest::keyClicks(dialog.dpiEdit(), "20");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0], ExportOptions::parseDpi("20").message());

    dialog.dpiEdit()->selectAll();
    QTest::keyClicks(dialog.dpiEdit(), "600");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_TRUE(accepted(dialog));
    EXPECT_EQ(dialog.options().page, PdfPage::A3);
    EXPECT_TRUE(dialog.options().landscape);
    EXPECT_EQ(dialog.options().dpi, 600);
}

} // namespace
} // namespace montora

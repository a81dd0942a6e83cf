// The page panel's length field as the operator types and pastes into it: what
// the field shows is the length the set button uses.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include "WindowRig.h"
#include "ui/PagePanel.h"

namespace q5300::ui::test {
namespace {

TEST(LengthField, ShowsExactlyTheLengthTheSetButtonUses) {
  struct Case {
    const char* name;
    QStringList pieces;  // typed key by key, or each pasted at once
    bool pasted;
    QString shown;
    int dots;  // 0: outside 6..150 mm, refused
  };
  const Case cases[] = {
      {"12.34", {QStringLiteral("12.34")}, false, QStringLiteral("12.3"), 147},
      // The letter is cut as soon as it is typed; the digit after it is a digit of the number.
      {"1a5", {QStringLiteral("1a5")}, false, QStringLiteral("15"), 180},
      {"1a5 pasted", {QStringLiteral("1a5")}, true, QStringLiteral("1"), 0},
      {"123456", {QStringLiteral("123456")}, false, QStringLiteral("12345"), 0},
      {"20.55", {QStringLiteral("20.55")}, false, QStringLiteral("20.5"), 246},
      {"15.25mm pasted", {QStringLiteral("15.25mm")}, true, QStringLiteral("15.2"), 182},
      {"9.87 pasted twice",
       {QStringLiteral("9.87"), QStringLiteral("9.87")},
       true,
       QStringLiteral("9.8"),
       117},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WindowRig rig;
    ASSERT_TRUE(rig.shown);
    QLineEdit* field = rig.window->pagePanel()->lengthEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    for (const QString& piece : c.pieces) {
      if (c.pasted) {
        QGuiApplication::clipboard()->setText(piece);
        QTest::keySequence(field, QKeySequence::Paste);
      } else {
        Type(field, piece);
      }
    }
    EXPECT_EQ(field->text().toStdString(), c.shown.toStdString());
    EXPECT_EQ(QString::fromStdU16String(rig.document().controls().lengthText).toStdString(),
              c.shown.toStdString());

    QTest::mouseClick(rig.window->pagePanel()->lengthButton(), Qt::LeftButton);
    const PageRecord& page = rig.document().PageAt(0)->printer();
    if (c.dots == 0) {
      ASSERT_EQ(rig.op.told.size(), 1u);
      EXPECT_EQ(rig.op.told[0].text, "(6-150)까지의 길이를 설정하십시오!");
      EXPECT_EQ(page.lengthDots, 240);
      EXPECT_EQ(field->text().toStdString(), "20");  // the page's length again
      continue;
    }
    EXPECT_TRUE(rig.op.told.empty()) << rig.op.told[0].text;
    EXPECT_EQ(page.lengthDots, c.dots);
  }
}

}  // namespace
}  // namespace q5300::ui::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include "ui/c_edit_ex.h"
#include "ui/c_list_view_ex.h"

namespace {

class CListViewExTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list.resize(500, 300);
    list.InsertColumn(0, QStringLiteral("Nume"));
    list.InsertColumn(1, QStringLiteral("Luna"), QStringLiteral("C"));
    list.InsertColumn(2, QStringLiteral("ZZ_DATA"), QStringLiteral("C"), 0);
    list.SetColumnKind(QStringLiteral("LUNA"), QStringLiteral("2"));
    list.Model().AppendRowCells({QStringLiteral("b"), QStringLiteral("200912"), QString()});
    list.Model().AppendRowCells({QStringLiteral("a"), QStringLiteral("200906"), QString()});
    list.Model().AppendRowCells({QStringLiteral("c"), QStringLiteral("201001"), QString()});
    list.show();
  }
  void ClickHeader(int column, Qt::KeyboardModifiers modifiers = {}) {
    QHeaderView* header = list.header();
    const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
  }
  CListViewEx list;
};

TEST_F(CListViewExTest, HiddenColumnsHaveNoWidthAndKindsFormatCells) {
  EXPECT_EQ(list.header()->sectionSize(2), 0);
  EXPECT_EQ(list.header()->sectionSize(0), 100);
  EXPECT_EQ(list.model()->data(list.model()->index(0, 1)).toString(), QStringLiteral("12.2009"));
  list.SetColumnWidth(QStringLiteral("nume"), 40);
  EXPECT_EQ(list.header()->sectionSize(0), 40);
}

TEST_F(CListViewExTest, HeaderClicksSortAlternateAndTellTheScreen) {
  QSignalSpy resorted(&list, &CListViewEx::Resorted);
  list.SelectRow(2);  // "c"
  ClickHeader(1);
  EXPECT_EQ(list.GetCellText(0, QStringLiteral("NUME")), QStringLiteral("a"));
  EXPECT_EQ(list.header()->sortIndicatorOrder(), Qt::AscendingOrder);
  EXPECT_EQ(list.GetCellText(list.SelectedRow(), QStringLiteral("NUME")), QStringLiteral("c"));
  ClickHeader(1);
  EXPECT_EQ(list.GetCellText(0, QStringLiteral("NUME")), QStringLiteral("c"));
  EXPECT_EQ(list.header()->sortIndicatorOrder(), Qt::DescendingOrder);
  ClickHeader(0, Qt::ControlModifier);
  EXPECT_EQ(list.Model().SortColumns(), std::vector<int>({1, 0}));
  EXPECT_EQ(resorted.count(), 3);
}

TEST_F(CListViewExTest, AnEmptyListSaysSo) {
  list.Model().DeleteAllRows();
  const QImage shot = list.grab().toImage();
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(CListViewEx::EmptyListText(), QStringLiteral("Nu exista date in aceasta lista"));
  // Something besides the header and the background is drawn in the empty viewport.
  const QRect area = list.viewport()->geometry();
  const QRgb background = shot.pixel(area.left() + 2, area.bottom() - 2);
  bool drawn = false;
  for (int y = area.top(); y < area.top() + 60 && !drawn; ++y)
    for (int x = area.left(); x < area.right() && !drawn; ++x)
      drawn = shot.pixel(x, y) != background;
  EXPECT_TRUE(drawn);
}

TEST(CEditExTest, RemembersTheLastCharacterAndDeletions) {
  CEditEx edit;
  edit.show();
  QTest::keyClicks(&edit, QStringLiteral("Ion"));
  EXPECT_EQ(edit.LastChar(), QChar(u'n'));
  EXPECT_FALSE(edit.LastKeyWasDelete());
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_TRUE(edit.LastKeyWasDelete());
  EXPECT_EQ(edit.text(), QStringLiteral("Io"));
  QTest::keyClick(&edit, Qt::Key_Home);  // a key without text changes nothing
  EXPECT_TRUE(edit.LastKeyWasDelete());
  QKeyEvent romanianLetter(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ş"));
  QApplication::sendEvent(&edit, &romanianLetter);
  EXPECT_EQ(edit.LastChar(), QChar(u'ş'));
  QTest::keyClick(&edit, Qt::Key_Delete);
  EXPECT_TRUE(edit.LastKeyWasDelete());
}

}  // namespace

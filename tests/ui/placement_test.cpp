#include <gtest/gtest.h>

#include "ui/placement.h"

namespace {

TEST(PlaceWithPanel, TheMenuAndItsWidestPanelFitOnEveryScreen) {
  const QSize menu(320, 420);
  const QSize panel(690, 490);
  const QRect screens[] = {
      {0, 0, 1280, 800},    {0, 0, 1366, 768},  {0, 0, 1280, 1024},
      {0, 0, 1920, 1080},   {0, 28, 1280, 772},  // a top bar
      {1920, 0, 1280, 800},                      // a second screen right of the first
  };
  for (const QRect& screen : screens) {
    const QPoint at = PlaceWithPanel(screen, menu, panel);
    const QRect pair(at, QSize(menu.width() + panel.width(), panel.height()));
    EXPECT_TRUE(screen.contains(pair)) << screen.width() << "x" << screen.height();
    // Centred as a pair: as much room on the left as on the right, above as below.
    EXPECT_LE(std::abs((pair.left() - screen.left()) - (screen.right() - pair.right())), 1);
    EXPECT_LE(std::abs((pair.top() - screen.top()) - (screen.bottom() - pair.bottom())), 1);
  }
  // Too narrow for both: the menu keeps to the left edge, never past it.
  EXPECT_EQ(PlaceWithPanel(QRect(0, 0, 800, 400), menu, panel), QPoint(0, 0));
}

}  // namespace

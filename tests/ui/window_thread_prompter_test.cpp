#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <thread>

#include "support/scripted_prompter.h"
#include "ui/window_thread_prompter.h"

namespace {

bool OnWindowThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

// Notes whether every box reached it on the window's thread.
class ThreadWatchingPrompter : public ScriptedPrompter {
 public:
  bool allOnWindowThread = true;

 protected:
  void ShowMessage(const QString& text, const QString& caption, Icon icon) override {
    allOnWindowThread = allOnWindowThread && OnWindowThread();
    ScriptedPrompter::ShowMessage(text, caption, icon);
  }
  bool AskQuestion(const QString& text, const QString& caption, Icon icon) override {
    allOnWindowThread = allOnWindowThread && OnWindowThread();
    return ScriptedPrompter::AskQuestion(text, caption, icon);
  }
};

// Work off the window's thread asks through the relay: each box is shown by the window's
// prompter on the window's thread, in order, and the work gets the answers back.
TEST(WindowThreadPrompterTest, BoxesAskedFromAnotherThreadAreShownOnTheWindowsThread) {
  ThreadWatchingPrompter window;
  window.QueueAnswers({true, false});
  WindowThreadPrompter relay(window);
  std::vector<bool> answers;
  QEventLoop waiting;
  std::thread work([&] {
    relay.Inform(QStringLiteral("intai"));
    answers.push_back(relay.Ask(QStringLiteral("da?")));
    answers.push_back(relay.Ask(QStringLiteral("nu?")));
    QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
  });
  waiting.exec();
  work.join();
  EXPECT_EQ(window.Texts(), (QStringList{"intai", "da?", "nu?"}));
  EXPECT_EQ(answers, (std::vector<bool>{true, false}));
  EXPECT_TRUE(window.allOnWindowThread);
  // On the window's thread itself the relay is the window's prompter, without waiting.
  relay.Inform(QStringLiteral("direct"));
  EXPECT_EQ(window.LastText(), QStringLiteral("direct"));
}

}  // namespace

#pragma once

#include <QDialog>

class CClient;
class Prompter;

// The two panels a company is worked in.
enum class PanelArea { kHealth, kLeave };

// Base of the three working-area panels that slide out beside the main menu. A panel's
// cancel action (Esc, its close button) asks the menu for the exit question.
class CPanelDialog : public QDialog {
  Q_OBJECT

 public:
  enum class SlideDirection { Horizontal, Vertical };
  static constexpr int kSlideStep = 10;

  CPanelDialog(QWidget* owner, CClient* client, Prompter* prompter);

  CClient* Client() const { return client_; }
  Prompter* GetPrompter() const { return prompter_; }
  bool IsOpen() const { return open_; }

  void SetStepPause(int milliseconds) { stepPause_ = milliseconds; }
  void SetSlideDirection(SlideDirection direction) { direction_ = direction; }
  // Whether the panel takes the menu's height instead of its own.
  void SetFollowOwnerHeight(bool follow) { followOwnerHeight_ = follow; }

  // Places the panel against the right edge of its owner, top-aligned.
  void Dock();
  void SlideOpen();
  void SlideShut();
  // The widths the last slide went through (0, 10, 20, ...).
  const std::vector<int>& LastSlideWidths() const { return lastSlide_; }

  // Selects the company in the panel's list, when the panel has one; false when not found.
  virtual bool SelectCompany(const QString& cf);

 signals:
  // The panel's cancel action; the menu answers with its exit question.
  void ExitRequested();
  // The user asked (from the month overview) to work on the company in that panel; the menu
  // opens it there once the forms over this panel have closed.
  void CompanyPanelRequested(PanelArea area, const QString& cf);

 public slots:
  void reject() override;

 protected:
  // Enter does nothing on a panel; the rest goes to the dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Slide(bool opening);
  QSize FullSize() const;

  QWidget* owner_;
  CClient* client_;
  Prompter* prompter_;
  bool open_ = false;
  SlideDirection direction_ = SlideDirection::Horizontal;
  int stepPause_ = 12;
  bool followOwnerHeight_ = false;
  std::vector<int> lastSlide_;
};

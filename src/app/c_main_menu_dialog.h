#pragma once

#include <QDialog>
#include <QSize>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "ui/c_panel_dialog.h"

class CClient;
class Prompter;
class QLabel;
class QPushButton;

// The main menu "Velka Asigurati": starts the database 50 ms after it is shown, opens one
// working-area panel at a time beside itself, and asks before the program ends.
class CMainMenuDialog : public QDialog {
  Q_OBJECT

 public:
  enum Area { kHealth = 0, kLeave = 1, kImport = 2, kRegister = 3 };
  static constexpr int kAreas = 4;
  using SchemaCheck = std::function<void(CClient&)>;

  // With no client given the menu creates and owns the process's client.
  CMainMenuDialog(Prompter* prompter, SchemaCheck schemaCheck, CClient* client = nullptr,
                  QWidget* parent = nullptr);
  ~CMainMenuDialog() override;

  static QString VersionText() { return QStringLiteral("2.06 (2009.06.04)"); }
  static QStringList LeftoverFiles();
  const QString& StartDirectory() const { return startDirectory_; }

  void TogglePanel(Area area);
  // Opens the panel (unless it is open) with the company selected in it.
  void OpenCompanyIn(PanelArea area, const QString& cf);
  CPanelDialog* Panel(Area area) const { return panels_[area]; }
  CPanelDialog* CurrentPanel() const { return current_; }
  bool IndicatorOpen(Area area) const;
  CClient* Client() const { return client_; }
  // Whether the database could not be started (the program then ends with a failure code).
  bool StartFailed() const { return startFailed_; }
  // Whether the menu ended for a restore asked for in the Registru panel: the program starts
  // again to do it.
  bool RestartRequested() const { return restart_; }

  // The stop asked by the system (logout, shutdown): no exit question; the forms open over
  // the menu are closed without saving and the menu's loop ends once the operation under
  // way has returned. FinishStop then closes the panels and stops the server.
  void RequestStop();
  void FinishStop();

 public slots:
  void ExitQuestion();
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The health panel, the largest one, docked to the menu's right (measured).
  static constexpr QSize kLargestPanel{690, 490};

  void BuildWindow();
  // Moves the menu left where the panel docked to it would run off the screen.
  void MakeRoomFor(const CPanelDialog& panel);
  void DeleteLeftoverFiles();
  // The end of the program once decided: the day's copy, then the register closed.
  void Leave();
  void OnConnectTimer();
  CPanelDialog* CreatePanel(Area area);
  void ClosePanel(Area area);
  void CloseAllPanels();
  void ShowIndicators();
  void CloseModalForms();

  Prompter* prompter_;
  SchemaCheck schemaCheck_;
  std::unique_ptr<CClient> ownedClient_;
  CClient* client_;
  QString startDirectory_;
  std::array<CPanelDialog*, kAreas> panels_{};
  CPanelDialog* current_ = nullptr;
  std::array<QLabel*, kAreas> indicators_{};
  QLabel* versionLabel_ = nullptr;
  QTimer connectTimer_;
  QTimer stopTimer_;  // closes forms opened after the stop was asked
  bool leaving_ = false;
  bool placed_ = false;  // the first show placed the menu
  bool startFailed_ = false;
  bool restart_ = false;
};

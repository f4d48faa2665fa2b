#include "app/c_main_menu_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "app/c_info_dialog.h"
#include "app/exit_copy.h"
#include "app/stop_signals.h"
#include "screens/exchange/c_import_menu_dialog.h"
#include "screens/health/c_health_dialog.h"
#include "screens/leave/c_leave_declarations_dialog.h"
#include "screens/register/c_register_dialog.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/c_panel_dialog.h"
#include "ui/images.h"
#include "ui/modal.h"
#include "ui/placement.h"

namespace {
constexpr int kConnectDelayMs = 50;
constexpr int kStopSweepMs = 20;
const QString kStartFailure = QStringLiteral("Nu se pot initializa bazele de date!");

// Where the register the information window names is: the embedded server's data folder
// or the server; nothing before the register is open.
QString RegisterNote(const CClient* client) {
  if (client == nullptr) return {};
  if (!client->OnServer()) {
    const QString& folder = client->EmbeddedDataDir();
    return folder.isEmpty() ? QString() : QStringLiteral("Registrul din dosarul ") + folder;
  }
  const QString cipher = client->Cipher();
  return QStringLiteral("Registrul de pe serverul %1\n").arg(client->ServerName()) +
         (cipher.isEmpty() ? QStringLiteral("Conexiune necriptata")
                           : QStringLiteral("Conexiune criptata: ") + cipher);
}
}  // namespace

CMainMenuDialog::CMainMenuDialog(Prompter* prompter, SchemaCheck schemaCheck, CClient* client,
                                 QWidget* parent)
    : QDialog(parent), prompter_(prompter), schemaCheck_(std::move(schemaCheck)) {
  if (client == nullptr) {
    ownedClient_ = std::make_unique<CClient>(prompter_);
    client = ownedClient_.get();
  }
  client_ = client;
  BuildWindow();
  client_->SetVersion(VersionText());
  startDirectory_ = QDir::currentPath();
  DeleteLeftoverFiles();
  // Named, so a test driving a menu whose register must not open can hold the connection back.
  connectTimer_.setObjectName(QStringLiteral("connectTimer"));
  connectTimer_.setParent(this);
  connectTimer_.setSingleShot(true);
  connectTimer_.setInterval(kConnectDelayMs);
  connect(&connectTimer_, &QTimer::timeout, this, &CMainMenuDialog::OnConnectTimer);
  connectTimer_.start();
}

CMainMenuDialog::~CMainMenuDialog() { CloseAllPanels(); }

void CMainMenuDialog::BuildWindow() {
  setWindowTitle(QStringLiteral("Velka Asigurati"));
  setWindowIcon(ApplicationIcon());
  auto* layout = new QGridLayout(this);
  auto* picture = new QLabel(this);
  picture->setPixmap(ApplicationImage());
  layout->addWidget(picture, 0, 0, 1, 2, Qt::AlignCenter);

  const struct {
    Area area;
    const char* objectName;
    QString caption;
  } areas[] = {
      {kHealth, "button1014", QStringLiteral("Sanatate")},
      {kLeave, "button1015", QStringLiteral("Concedii medicale")},
      {kImport, "button1425", QStringLiteral("Import de date din sursa externa")},
      {kRegister, "buttonRegister", CRegisterDialog::Title()},
  };
  int row = 1;
  for (const auto& area : areas) {
    auto* indicator = new QLabel(this);
    indicator->setPixmap(IndicatorImage(false));
    indicators_[area.area] = indicator;
    auto* button = new QPushButton(area.caption, this);
    button->setObjectName(QLatin1String(area.objectName));
    button->setAutoDefault(false);
    // A margin of two letters each side, so the longest caption does not touch the frame.
    button->setMinimumWidth(button->sizeHint().width() +
                            4 * button->fontMetrics().averageCharWidth());
    const Area which = area.area;
    connect(button, &QPushButton::clicked, this, [this, which] { TogglePanel(which); });
    layout->addWidget(indicator, row, 0);
    layout->addWidget(button, row, 1);
    ++row;
  }

  auto* info = new QPushButton(QStringLiteral("Info"), this);
  info->setObjectName(QStringLiteral("button1012"));
  info->setAutoDefault(false);
  connect(info, &QPushButton::clicked, this, [this] {
    CInfoDialog dialog(this, VersionText(), RegisterNote(client_));
    RunModal(dialog);
  });
  layout->addWidget(info, row++, 1);

  auto* exit = new QPushButton(QStringLiteral("[ESC] Iesire"), this);
  exit->setObjectName(QStringLiteral("button2"));
  exit->setDefault(true);  // Enter leads to the exit question too
  connect(exit, &QPushButton::clicked, this, &CMainMenuDialog::ExitQuestion);
  layout->addWidget(exit, row++, 1);

  versionLabel_ = new QLabel(QStringLiteral("Versiune : ") + VersionText(), this);
  versionLabel_->setObjectName(QStringLiteral("static1170"));
  layout->addWidget(versionLabel_, row, 0, 1, 2);
}

QStringList CMainMenuDialog::LeftoverFiles() {
  // Left behind by an earlier installation that ran a separate database server.
  return {QStringLiteral("Replace.exe"), QStringLiteral("srv.exe"), QStringLiteral("srv.cfg"),
          QStringLiteral("server_start.bat"), QStringLiteral("libmysql.dll")};
}

void CMainMenuDialog::DeleteLeftoverFiles() {
  const QDir directory(startDirectory_);
  for (const QString& name : LeftoverFiles()) QFile::remove(directory.filePath(name));
}

void CMainMenuDialog::OnConnectTimer() {
  connectTimer_.stop();
  int connected = 1;
  StopSignals::HoldWhile([this, &connected] {
    connected = client_->Connect(QStringLiteral("127.0.0.1"), 700, QString(), QString(), 0);
  });
  if (connected != 0) {
    const std::optional<StartFailure>& failure = client_->LastStartFailure();
    prompter_->Inform(failure ? kStartFailure + QStringLiteral("\n\n") + StartFailureText(*failure)
                              : kStartFailure);
    startFailed_ = true;
    leaving_ = true;
    done(QDialog::Rejected);
    return;
  }
  if (client_->OnServer()) {
    versionLabel_->setText(QStringLiteral("Versiune : ") + VersionText() +
                           QStringLiteral("  -  server ") + client_->ServerName());
  }
  if (schemaCheck_) schemaCheck_(*client_);
  // The check lets go of a register this program must not use, having said why.
  if (!client_->IsConnected()) {
    startFailed_ = true;
    leaving_ = true;
    done(QDialog::Rejected);
  }
}

CPanelDialog* CMainMenuDialog::CreatePanel(Area area) {
  switch (area) {
    case kHealth:
      return new CHealthDialog(this, client_, prompter_);
    case kLeave:
      return new CLeaveDeclarationsDialog(this, client_, prompter_);
    case kImport:
      break;
    case kRegister: {
      auto* panel = new CRegisterDialog(this, client_, prompter_, startDirectory_);
      // Once the panel's click has returned: the menu then closes the panel with the rest.
      connect(
          panel, &CRegisterDialog::RestartRequested, this,
          [this] {
            restart_ = true;
            Leave();
          },
          Qt::QueuedConnection);
      return panel;
    }
  }
  auto* panel = new CImportMenuDialog(this, client_, prompter_);
  panel->SetFollowOwnerHeight(true);
  return panel;
}

void CMainMenuDialog::ClosePanel(Area area) {
  CPanelDialog* panel = panels_[area];
  if (panel == nullptr) return;
  panel->SlideShut();
  panels_[area] = nullptr;
  if (current_ == panel) current_ = nullptr;
  delete panel;
}

void CMainMenuDialog::CloseAllPanels() {
  for (int area = kHealth; area < kAreas; ++area) ClosePanel(static_cast<Area>(area));
}

void CMainMenuDialog::TogglePanel(Area area) {
  const bool wasOpen = panels_[area] != nullptr;
  CloseAllPanels();
  ShowIndicators();
  if (wasOpen) return;
  CPanelDialog* panel = CreatePanel(area);
  panel->SetStepPause(0);
  panel->SetSlideDirection(CPanelDialog::SlideDirection::Horizontal);
  connect(panel, &CPanelDialog::ExitRequested, this, &CMainMenuDialog::ExitQuestion);
  connect(panel, &CPanelDialog::CompanyPanelRequested, this, &CMainMenuDialog::OpenCompanyIn,
          Qt::QueuedConnection);
  panels_[area] = panel;
  current_ = panel;
  MakeRoomFor(*panel);
  panel->SlideOpen();
  ShowIndicators();
}

void CMainMenuDialog::OpenCompanyIn(PanelArea panelArea, const QString& cf) {
  if (leaving_) return;
  const Area area = panelArea == PanelArea::kHealth ? kHealth : kLeave;
  if (panels_[area] == nullptr) TogglePanel(area);
  if (panels_[area] != nullptr) (void)panels_[area]->SelectCompany(cf);
}

bool CMainMenuDialog::IndicatorOpen(Area area) const { return panels_[area] != nullptr; }

void CMainMenuDialog::ShowIndicators() {
  for (int area = kHealth; area < kAreas; ++area) {
    indicators_[area]->setPixmap(IndicatorImage(panels_[area] != nullptr));
  }
}

void CMainMenuDialog::ExitQuestion() {
  if (leaving_) return;
  if (!prompter_->Ask(QStringLiteral("Esti sigur ca vrei sa iesi din program?"),
                      QStringLiteral("Velka client"), Prompter::Icon::Exclamation)) {
    return;
  }
  Leave();
}

void CMainMenuDialog::Leave() {
  if (client_ == nullptr) return;
  leaving_ = true;
  connectTimer_.stop();
  // A register that never opened has nothing to copy.
  if (client_->IsConnected()) {
    static_cast<void>(TakeExitCopy(*client_, *prompter_, this, startDirectory_));
  }
  client_->Disconnect();
  CloseAllPanels();
  ShowIndicators();
  ownedClient_.reset();
  client_ = nullptr;
  done(QDialog::Accepted);
}

void CMainMenuDialog::reject() { ExitQuestion(); }

void CMainMenuDialog::RequestStop() {
  if (stopTimer_.isActive()) return;
  leaving_ = true;  // no exit question from here on
  connectTimer_.stop();
  connect(&stopTimer_, &QTimer::timeout, this, &CMainMenuDialog::CloseModalForms);
  stopTimer_.start(kStopSweepMs);
  CloseModalForms();
  done(QDialog::Accepted);
}

void CMainMenuDialog::CloseModalForms() {
  // A form answered "no" may lead its caller to another one: the sweep goes on until the
  // menu's own loop has ended.
  while (QWidget* modal = QApplication::activeModalWidget()) {
    auto* form = qobject_cast<QDialog*>(modal);
    if (form == nullptr || form == this || !form->isVisible()) break;
    form->reject();
  }
}

void CMainMenuDialog::FinishStop() {
  stopTimer_.stop();
  CloseAllPanels();
  ShowIndicators();
  if (client_ != nullptr) client_->Disconnect();
  ownedClient_.reset();
  client_ = nullptr;
}

void CMainMenuDialog::closeEvent(QCloseEvent* event) {
  if (leaving_) {
    event->accept();
    return;
  }
  event->ignore();
  ExitQuestion();
}

void CMainMenuDialog::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (current_ != nullptr) current_->Dock();
}

void CMainMenuDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (placed_) return;
  placed_ = true;
  // The menu starts where it and its largest panel both fit on the screen.
  move(PlaceWithPanel(screen()->availableGeometry(), frameGeometry().size(), kLargestPanel));
}

void CMainMenuDialog::MakeRoomFor(const CPanelDialog& panel) {
  const int panelWidth = panel.sizeHint().expandedTo(panel.minimumSize()).width();
  const QRect available = screen()->availableGeometry();
  const QRect frame = frameGeometry();
  const int overflow = frame.right() + panelWidth - available.right();
  if (overflow > 0) move(std::max(available.left(), frame.left() - overflow), frame.top());
}

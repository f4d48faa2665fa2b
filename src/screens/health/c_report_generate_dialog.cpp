#include "screens/health/c_report_generate_dialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

#include "common/number_texts.h"
#include "exchange/verify/written_check.h"
#include "health/amounts/amounts_store.h"
#include "health/annexes/report_generate_store.h"
#include "health/annexes/report_month.h"
#include "print/report_printer.h"
#include "screens/health/c_print_preview_dialog.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/wait_cursor.h"
#include "ui/buttons.h"
#include "ui/c_list_view_ex.h"
#include "ui/c_report_naming_dialog.h"
#include "ui/confirm_save.h"
#include "ui/function_keys.h"
#include "ui/modal.h"
#include "ui/print_dialog.h"
#include "ui/remembered_folders.h"

namespace {

const QString kCompanyCf = QStringLiteral("CF");
const QString kCompanyName = QStringLiteral("DENUMIRE");
const QString kHouseCode = QStringLiteral("CAS");
const QString kHouseName = QStringLiteral("CASA");
// Between the print and PDF buttons (pixels).
constexpr int kButtonSpacing = 8;

// Radios of one choice, the first checked: radios sharing a group box are told apart by
// their button group.
std::vector<QRadioButton*> AddRadios(
    QWidget* parent, QLayout& layout,
    std::initializer_list<std::pair<const char*, const char*>> radios) {
  auto* group = new QButtonGroup(parent);
  std::vector<QRadioButton*> made;
  for (const auto& [caption, name] : radios) {
    auto* radio = new QRadioButton(QLatin1String(caption), parent);
    radio->setObjectName(QLatin1String(name));
    group->addButton(radio);
    layout.addWidget(radio);
    made.push_back(radio);
  }
  made.front()->setChecked(true);
  return made;
}

QLabel* ValueLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setMinimumWidth(260);
  return label;
}

// While the files of many houses are written: the wait cursor at once, and a progress bar
// when the writing lasts longer than a second.
class SaveProgress {
 public:
  explicit SaveProgress(QWidget* parent) : parent_(parent) {}

  void Report(int done, int total) {
    if (!bar_) {
      cursor_ = std::make_unique<WaitCursor>();
      bar_ = std::make_unique<QProgressDialog>(
          QStringLiteral("Se salveaza fisierele de raportare..."), QString(), 0, total, parent_);
      bar_->setWindowModality(Qt::WindowModal);
      bar_->setMinimumDuration(1000);
    }
    bar_->setValue(done);
  }

 private:
  QWidget* parent_;
  std::unique_ptr<WaitCursor> cursor_;
  std::unique_ptr<QProgressDialog> bar_;
};

}  // namespace

void CReportGenerateDialog::Open(QWidget* parent, CClient& client, Prompter& prompter, int month) {
  CReportGenerateDialog step(parent, client, prompter, month);
  if (step.IsLoaded()) RunModal(step);
}

CReportGenerateDialog::CReportGenerateDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                             int month)
    : QDialog(parent),
      client_(client),
      prompter_(prompter),
      month_(month),
      mountRoots_(DefaultMountRoots()),
      mountedVolumes_(MountedVolumes),
      printer_(std::make_unique<ReportPrinter>(&prompter, DialogPrinterChooser(this))) {
  setWindowTitle(Title());
  BuildWindow();
  loaded_ = LoadCompanies();
  RefreshPanel();
}

CReportGenerateDialog::~CReportGenerateDialog() = default;

void CReportGenerateDialog::SetPrinterChooser(PrinterChooser chooser) {
  printer_ = std::make_unique<ReportPrinter>(&prompter_, std::move(chooser));
}

void CReportGenerateDialog::SetVolumeLookup(const QStringList& mountRoots,
                                            const std::function<QStringList()>& mountedVolumes) {
  mountRoots_ = mountRoots;
  mountedVolumes_ = mountedVolumes;
}

void CReportGenerateDialog::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildLists(), 1);
  auto* choices = new QHBoxLayout;
  choices->addWidget(BuildPrintGroup());
  choices->addWidget(BuildSaveGroup());
  choices->addWidget(BuildPanel(), 1);
  layout->addLayout(choices);
  resize(980, 600);
  connect(companies_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CReportGenerateDialog::OnCompanySelected);
  connect(houses_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CReportGenerateDialog::RefreshPanel);
}

QLayout* CReportGenerateDialog::BuildLists() {
  companies_ = new CListViewEx(this);
  companies_->setObjectName(QStringLiteral("companies"));
  houses_ = new CListViewEx(this);
  houses_->setObjectName(QStringLiteral("houses"));
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Societati:"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Case de asigurari in societatea selectata:"), this), 0,
                  1);
  grid->addWidget(companies_, 1, 0);
  grid->addWidget(houses_, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  return grid;
}

QWidget* CReportGenerateDialog::BuildPrintGroup() {
  auto* group = new QGroupBox(QStringLiteral("   Optiuni pentru tiparirea rapoartelor   "), this);
  auto* houses = new QVBoxLayout;
  const auto scope = AddRadios(group, *houses,
                               {{"casa de asigurari selectata", "selectedHouse"},
                                {"toate casele de asigurari", "allHouses"}});
  selectedHouse_ = scope[0];
  allHouses_ = scope[1];
  houses->addStretch();
  auto* annexes = new QVBoxLayout;
  const auto annex = AddRadios(group, *annexes,
                               {{"anexa A", "annexA"},
                                {"anexa B", "annexB"},
                                {"anexa C", "annexC"},
                                {"toate anexele", "allAnnexes"}});
  annexA_ = annex[0];
  annexB_ = annex[1];
  annexC_ = annex[2];
  auto* print = MakeButton(group, QStringLiteral("Tipareste"), "print");
  connect(print, &QPushButton::clicked, this, [this] { (void)Print(); });
  auto* pdf = MakeButton(group, QStringLiteral("Salveaza ca PDF"), "pdf");
  connect(pdf, &QPushButton::clicked, this, [this] { (void)SavePdf(); });
  auto* buttons = new QHBoxLayout;
  // Inside a grid whose two spacings differ, a row inherits none: the buttons would touch.
  buttons->setSpacing(kButtonSpacing);
  buttons->addWidget(print);
  buttons->addWidget(pdf);
  auto* layout = new QGridLayout(group);
  layout->addLayout(houses, 0, 0);
  layout->addLayout(annexes, 0, 1);
  layout->addLayout(buttons, 1, 0, 1, 2);
  layout->setHorizontalSpacing(24);
  return group;
}

QWidget* CReportGenerateDialog::BuildSaveGroup() {
  auto* group = new QGroupBox(this);
  auto* layout = new QVBoxLayout(group);
  const auto destination = AddRadios(
      group, *layout,
      {{"direct pe discheta (discul A:)", "removable"}, {"intr-un alt folder", "folder"}});
  removable_ = destination[0];
  folder_ = destination[1];
  layout->addStretch();
  auto* save = MakeButton(group, QStringLiteral("Salveaza fisiere de raportare"), "save");
  connect(save, &QPushButton::clicked, this, [this] { (void)SaveFiles(); });
  layout->addWidget(save);
  return group;
}

QWidget* CReportGenerateDialog::BuildPanel() {
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* month = new QLabel(QStringLiteral("Luna curenta: ") + ReportMonthText(month_), panel);
  month->setObjectName(QStringLiteral("month"));
  company_ = ValueLabel(panel, "company");
  house_ = ValueLabel(panel, "house");
  count_ = ValueLabel(panel, "count");
  auto* grid = new QGridLayout(panel);
  grid->addWidget(month, 0, 0, 1, 2);
  const std::pair<const char*, QLabel*> values[] = {{"Societatea selectata:", company_},
                                                    {"Casa de asigurari selectata:", house_},
                                                    {"Numar de asigurati:", count_}};
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(new QLabel(QLatin1String(values[i].first), panel), i + 1, 0);
    grid->addWidget(values[i].second, i + 1, 1);
  }
  auto* note = new QLabel(QStringLiteral("Se recomanda utilizarea CD-ului pentru raportare "
                                         "deoarece este mai fiabil si mai ieftin decat o discheta"),
                          panel);
  note->setWordWrap(true);
  grid->addWidget(note, 4, 0, 1, 2);
  auto* close = MakeButton(panel, QStringLiteral("[ESC]   Iesire"), "close");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  grid->addWidget(close, 5, 1, Qt::AlignRight);
  grid->setColumnStretch(1, 1);
  return panel;
}

bool CReportGenerateDialog::LoadCompanies() {
  if (!QueryCompanies(client_)) return false;
  client_.FillList(companies_->Model());
  companies_->SetColumnWidth(kCompanyCf, 0);
  companies_->SetColumnWidth(kCompanyName, 300);
  companies_->clearSelection();
  return true;
}

void CReportGenerateDialog::OnCompanySelected() {
  const int row = companies_->SelectedRow();
  const std::optional<QString> cf =
      row < 0 ? std::nullopt : std::optional(companies_->GetCellText(row, kCompanyCf));
  if (cf == loadedCf_) return;
  if (cf) {
    LoadHouses(*cf);
  } else {
    houses_->Model().DeleteAllRows();
    loadedCf_.reset();
  }
  RefreshPanel();
}

void CReportGenerateDialog::LoadHouses(const QString& cf) {
  // After a failed query no other company's houses may stay listed under this selection:
  // their files would be saved under this company's fiscal code.
  if (!QueryCompanyHouses(client_, cf, month_)) {
    houses_->Model().DeleteAllRows();
    loadedCf_.reset();
    return;
  }
  client_.FillList(houses_->Model());
  houses_->SetColumnWidth(kHouseCode, 60);
  houses_->SetColumnWidth(kHouseName, 300);
  houses_->clearSelection();
  loadedCf_ = cf;
}

void CReportGenerateDialog::RefreshPanel() {
  company_->clear();
  house_->clear();
  count_->clear();
  const int row = companies_->SelectedRow();
  if (row < 0) return;
  company_->setText(companies_->GetCellText(row, kCompanyName));
  const int houseRow = houses_->SelectedRow();
  QString cas;
  if (houseRow >= 0) {
    cas = houses_->GetCellText(houseRow, kHouseCode);
    house_->setText(houses_->GetCellText(houseRow, kHouseName));
  }
  const std::optional<QString> count =
      CountInsured(client_, companies_->GetCellText(row, kCompanyCf), cas, month_);
  if (count) count_->setText(FormatThousands(*count));
}

SaveChoices CReportGenerateDialog::Choices() const {
  SaveChoices choices;
  choices.month = QString::number(month_);
  const int row = companies_->SelectedRow();
  if (row >= 0 && loadedCf_) choices.cf = *loadedCf_;
  for (int house = 0; house < houses_->RowCount(); ++house) {
    choices.houses.append(houses_->GetCellText(house, kHouseCode));
  }
  const int houseRow = houses_->SelectedRow();
  if (houseRow >= 0) choices.selectedHouse = houses_->GetCellText(houseRow, kHouseCode);
  choices.scope = allHouses_->isChecked() ? HouseScope::kAll : HouseScope::kSelected;
  choices.destination = folder_->isChecked() ? Destination::kFolder : Destination::kRemovable;
  return choices;
}

SaveOutcome CReportGenerateDialog::SaveFiles() {
  SaveSeams seams;
  seams.chooseNaming = [this](const NamingChoice& names) {
    return CReportNamingDialog::Choose(this, names);
  };
  seams.mountRoots = mountRoots_;
  seams.mountedVolumes = mountedVolumes_;
  seams.folderStart = StartFolder(FolderKind::kAnnexFiles);
  const SaveChoices choices = Choices();
  // The progress and its wait cursor end with the writing, before the confirmation.
  const Saved<SaveOutcome> saved = [&] {
    SaveProgress progress(this);
    seams.progress = [&progress](int done, int total) { progress.Report(done, total); };
    return SaveReportFiles(client_, prompter_, choices, seams);
  }();
  if (saved.outcome == SaveOutcome::kSaved) {
    const bool chosen = choices.destination == Destination::kFolder;
    ConfirmSave(prompter_, confirmation_texts::kReportFiles, saved.files,
                chosen ? std::optional(FolderKind::kAnnexFiles) : std::nullopt);
  }
  return saved.outcome;
}

AnnexPrintChoices CReportGenerateDialog::PrintChoices() const {
  AnnexPrintChoices choices;
  choices.houses = Choices();
  if (annexA_->isChecked()) choices.annex = PrintedAnnex::k2A;
  if (annexB_->isChecked()) choices.annex = PrintedAnnex::k2B;
  if (annexC_->isChecked()) choices.annex = PrintedAnnex::k2C;
  return choices;
}

AnnexPrintOutcome CReportGenerateDialog::Print() {
  const AnnexPrintChoices choices = PrintChoices();
  return PrintAnnexes(client_, prompter_, *printer_, choices, [&](const PlannedAnnex& planned) {
    (void)CPrintPreviewDialog::Open(this, client_, prompter_, *printer_, choices.houses, planned,
                                    true);
  });
}

AnnexPrintOutcome CReportGenerateDialog::SavePdf() {
  const Saved<AnnexPrintOutcome> saved =
      SaveAnnexesPdf(client_, prompter_, PrintChoices(), StartFolder(FolderKind::kPdf));
  if (saved.outcome == AnnexPrintOutcome::kPrinted) {
    ConfirmSave(prompter_, confirmation_texts::kReportPdf, saved.files, FolderKind::kPdf);
  }
  return saved.outcome;
}

void CReportGenerateDialog::keyPressEvent(QKeyEvent* event) {
  // Only Esc, through the dialog, acts from the keyboard; Enter does nothing.
  if (!HandleScreenKey(*event, {})) QDialog::keyPressEvent(event);
}

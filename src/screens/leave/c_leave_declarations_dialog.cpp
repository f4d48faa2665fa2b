#include "screens/leave/c_leave_declarations_dialog.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "exchange/verify/written_check.h"
#include "history/history_tables.h"
#include "leave/certificates/certificate_store.h"
#include "leave/declarations/declaration_checks.h"
#include "leave/declarations/declaration_store.h"
#include "leave/output/declaration_print.h"
#include "leave/replay/declaration_totals.h"
#include "print/report_printer.h"
#include "screens/companies/company_buttons.h"
#include "screens/companies/company_list.h"
#include "screens/history/record_history_keys.h"
#include "screens/leave/c_declaration_dialog.h"
#include "screens/leave/c_leave_certificate_dialog.h"
#include "screens/leave/declaration_lists.h"
#include "screens/month/c_month_overview_dialog.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema_tables.h"
#include "ui/buttons.h"
#include "ui/c_current_company_label.h"
#include "ui/c_list_view_ex.h"
#include "ui/confirm_save.h"
#include "ui/function_keys.h"
#include "ui/print_dialog.h"
#include "ui/remembered_folders.h"

namespace {

// Whether the user wants the declaration gone: only the last of its month may go, and only
// after both questions are answered "Da".
bool DeletionConfirmed(Prompter& prompter, DeclarationDeletion deletion) {
  if (deletion == DeclarationDeletion::kLaterRectification) {
    prompter.Inform(QStringLiteral(
        "Exista cel putin o alta declaratie rectificativa ulterioara acesteia, in aceeasi "
        "luna!\n\nNu poti sterge declaratia selectata."));
    return false;
  }
  return prompter.Ask(QStringLiteral("Esti sigur ca vrei sa stergi declaratia selectata?\n\n"
                                     "ATENTIE: vor fi sterse toate concediile atasate ei.")) &&
         prompter.Ask(QStringLiteral("Sigur, sigur?"));
}

// The panel's figures: D, E, F, H, I, J, K, L, M, N.
constexpr int kPanelLines = 10;
constexpr const char* kLineNames[kPanelLines] = {"lineD", "lineE", "lineF", "lineH", "lineI",
                                                 "lineJ", "lineK", "lineL", "lineM", "lineN"};

CListViewEx* MakeList(QWidget* parent, const char* name) {
  auto* list = new CListViewEx(parent);
  list->setObjectName(QLatin1String(name));
  return list;
}

}  // namespace

CLeaveDeclarationsDialog::CLeaveDeclarationsDialog(QWidget* owner, CClient* client,
                                                   Prompter* prompter)
    : CPanelDialog(owner, client, prompter), printerChooser_(DialogPrinterChooser(this)) {
  setWindowTitle(Title());
  BuildWindow();
  // Deliberately ignored: a failed query was shown by the client, and the empty list still
  // takes the companies added afterwards.
  static_cast<void>(companyList_->Load());
  AttachHistory();
}

CLeaveDeclarationsDialog::~CLeaveDeclarationsDialog() = default;

void CLeaveDeclarationsDialog::AttachHistory() {
  const auto ofCompany = [this] {
    const int row = companies_->SelectedRow();
    return DeletedOfCompany(*Client(), row >= 0 ? companyList_->Cf(row) : QString());
  };
  AttachRecordHistory(*declarations_, *this, *Client(), *GetPrompter(),
                      {HistoryTableOf(DeclarationsTable()),
                       [this](int row) { return DeclarationIndexAt(*declarations_, row); },
                       ofCompany, [this] { RefreshCompany(); }});
  AttachRecordHistory(
      *certificates_, *this, *Client(), *GetPrompter(),
      {HistoryTableOf(CertificatesTable()),
       [this](int row) {
         return certificates_->Model().GetCellText(row, QStringLiteral("INDEX")).toLongLong();
       },
       ofCompany,
       [this] {
         handledDeclaration_ = kNoRowHandled;
         OnDeclarationSelected();
       }});
}

void CLeaveDeclarationsDialog::BuildWindow() {
  companies_ = MakeList(this, "companies");
  declarations_ = MakeList(this, "declarations");
  certificates_ = MakeList(this, "certificates");
  companyList_ = std::make_unique<CompanyList>(*this, *companies_, *Client(), *GetPrompter());
  PrepareDeclarationsList(*declarations_);
  PrepareCertificatesList(*certificates_);

  auto* current = new QHBoxLayout;
  currentCompany_ = new CCurrentCompanyLabel(this);
  currentCompany_->setObjectName(QStringLiteral("currentCompany"));
  current->addWidget(new QLabel(QStringLiteral("Societate curenta:"), this));
  current->addWidget(currentCompany_, 1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(BuildCompanyColumn());
  columns->addLayout(BuildDeclarationColumn());
  columns->addLayout(BuildFiguresColumn(), 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(current);
  layout->addLayout(columns);
  layout->addLayout(BuildCertificates(), 1);
  ConnectSelections();
}

QLayout* CLeaveDeclarationsDialog::BuildCompanyColumn() {
  const CompanyButtons buttons = MakeCompanyButtons(
      *this, *companyList_, *companies_, FinalQuestion::kSureSure, [this] { RefreshCompany(); });
  companies_->setMinimumWidth(260);
  auto* column = new QVBoxLayout;
  column->addWidget(new QLabel(QStringLiteral("Societati:"), this));
  column->addWidget(companies_, 1);
  for (QPushButton* button : {buttons.add, buttons.modify, buttons.remove}) {
    column->addWidget(button);
  }
  return column;
}

QLayout* CLeaveDeclarationsDialog::BuildDeclarationColumn() {
  auto* add = MakeButton(this, QStringLiteral("[CTRL + F5]   Adauga declaratie"), "addDeclaration");
  auto* modify =
      MakeButton(this, QStringLiteral("[CTRL + F6]   Modifica declaratie"), "modifyDeclaration");
  auto* remove =
      MakeButton(this, QStringLiteral("[CTRL + F8]   Sterge declaratie"), "deleteDeclaration");
  connect(add, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::AddDeclaration);
  connect(modify, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::ModifyDeclaration);
  connect(declarations_, &QAbstractItemView::doubleClicked, this,
          &CLeaveDeclarationsDialog::ModifyDeclaration);
  connect(remove, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::DeleteDeclaration);
  declarations_->setMinimumWidth(220);
  auto* column = new QVBoxLayout;
  column->addWidget(new QLabel(QStringLiteral("Declaratii lunare:"), this));
  column->addWidget(declarations_, 1);
  for (QPushButton* button : {add, modify, remove}) column->addWidget(button);
  return column;
}

QLayout* CLeaveDeclarationsDialog::BuildFiguresColumn() {
  auto* figures = new QGroupBox(this);
  auto* lines = new QVBoxLayout(figures);
  for (const char* name : kLineNames) {
    auto* line = new QLabel(figures);
    line->setObjectName(QLatin1String(name));
    line->setTextFormat(Qt::PlainText);
    lines->addWidget(line);
    lines_.push_back(line);
  }
  // Room for the longest line with a large figure, so the panel keeps its size.
  lines_.front()->setMinimumWidth(lines_.front()->fontMetrics().horizontalAdvance(
      QStringLiteral("F. Contributii datorate pentru concedii si indemnizatii: 999.999.999.999")));

  auto* print =
      MakeButton(this, QStringLiteral("Tipareste declaratia selectata"), "printDeclaration");
  connect(print, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::PrintDeclaration);
  auto* pdf = MakeButton(this, QStringLiteral("Salveaza declaratia ca PDF"), "saveDeclarationPdf");
  connect(pdf, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::SaveDeclarationPdf);
  auto* overview = MakeButton(this, QStringLiteral("[F7]   Situatia lunii"), "overview");
  connect(overview, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::OpenOverview);
  auto* printouts = new QVBoxLayout;
  printouts->addWidget(print);
  printouts->addWidget(pdf);
  printouts->addWidget(overview);
  printouts->addStretch();
  auto* files = new QGroupBox(this);
  auto* filesLayout = new QVBoxLayout(files);
  auto* save =
      MakeButton(files, QStringLiteral("Salveaza fisiere de raportare"), "saveReportFiles");
  connect(save, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::SaveReportFiles);
  toDiskette_ = new QRadioButton(QStringLiteral("direct pe discheta (discul A:)"), files);
  toDiskette_->setObjectName(QStringLiteral("toDiskette"));
  toDiskette_->setChecked(true);
  toFolder_ = new QRadioButton(QStringLiteral("intr-un alt folder"), files);
  toFolder_->setObjectName(QStringLiteral("toFolder"));
  filesLayout->addWidget(save);
  filesLayout->addWidget(toDiskette_);
  filesLayout->addWidget(toFolder_);

  // The printout beside the files keeps the panel low enough to stand beside the menu.
  auto* outputs = new QHBoxLayout;
  outputs->addLayout(printouts);
  outputs->addWidget(files, 1);
  auto* column = new QVBoxLayout;
  column->addWidget(figures);
  column->addLayout(outputs);
  column->addStretch();
  return column;
}

QSize CLeaveDeclarationsDialog::sizeHint() const {
  // Beside the menu on a 1280 x 800 or 1366 x 768 screen; the lists give up height first.
  return QDialog::sizeHint().boundedTo(QSize(1000, kPreferredHeight)).expandedTo(minimumSizeHint());
}

QLayout* CLeaveDeclarationsDialog::BuildCertificates() {
  auto* add = MakeButton(this, QStringLiteral("[F5]   Adauga concediu"), "addCertificate");
  auto* modify = MakeButton(this, QStringLiteral("[F6]   Modifica concediu"), "modifyCertificate");
  auto* remove = MakeButton(this, QStringLiteral("[F8]   Sterge concediu"), "deleteCertificate");
  connect(add, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::AddCertificate);
  connect(modify, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::ModifyCertificate);
  connect(certificates_, &QAbstractItemView::doubleClicked, this,
          &CLeaveDeclarationsDialog::ModifyCertificate);
  connect(remove, &QPushButton::clicked, this, &CLeaveDeclarationsDialog::DeleteCertificate);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {add, modify, remove}) buttons->addWidget(button);
  buttons->addStretch();
  auto* block = new QVBoxLayout;
  block->addWidget(new QLabel(QStringLiteral("Concedii medicale:"), this));
  block->addWidget(certificates_, 1);
  block->addLayout(buttons);
  return block;
}

void CLeaveDeclarationsDialog::ConnectSelections() {
  connect(companies_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CLeaveDeclarationsDialog::OnCompanySelected);
  connect(declarations_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CLeaveDeclarationsDialog::OnDeclarationSelected);
  // A list that was refilled or changed its rows holds other rows at the positions
  // remembered: the next selection is handled whatever row it lands on.
  for (auto [list, handled] :
       {std::pair{companies_, &handledCompany_}, std::pair{declarations_, &handledDeclaration_}}) {
    int* row = handled;
    const auto forget = [row] { *row = kNoRowHandled; };
    connect(&list->Model(), &QAbstractItemModel::rowsRemoved, this, forget);
    connect(&list->Model(), &QAbstractItemModel::rowsInserted, this, forget);
    connect(&list->Model(), &QAbstractItemModel::modelReset, this, forget);
    // After a sort the selected row keeps its selection at another position.
    CListViewEx* view = list;
    connect(list, &CListViewEx::Resorted, this, [view, row] { *row = view->SelectedRow(); });
  }
}

void CLeaveDeclarationsDialog::OnCompanySelected() {
  const int row = companies_->SelectedRow();
  if (row == handledCompany_) return;
  currentCompany_->ShowNoCompany();
  declarations_->Model().DeleteAllRows();
  ClearDeclaration();
  if (row >= 0) {
    currentCompany_->ShowCompany(companyList_->Denumire(row));
    // Deliberately ignored: a failed query was shown by the client; the list stays empty.
    static_cast<void>(FillDeclarations(*Client(), *declarations_, companyList_->Cf(row)));
  }
  handledDeclaration_ = kNoRowHandled;
  handledCompany_ = row;
}

void CLeaveDeclarationsDialog::OnDeclarationSelected() {
  const int row = declarations_->SelectedRow();
  if (row == handledDeclaration_) return;
  ClearDeclaration();
  if (row >= 0) {
    const qint64 index = DeclarationIndexAt(*declarations_, row);
    ShowFigures(index);
    // Deliberately ignored: a failed query was shown by the client; the list stays empty.
    static_cast<void>(FillCertificates(*Client(), *certificates_, index));
  }
  handledDeclaration_ = row;
}

void CLeaveDeclarationsDialog::RefreshCompany() {
  handledCompany_ = kNoRowHandled;
  OnCompanySelected();
}

void CLeaveDeclarationsDialog::ClearDeclaration() {
  for (QLabel* line : lines_) line->clear();
  certificates_->Model().DeleteAllRows();
}

void CLeaveDeclarationsDialog::ShowFigures(qint64 declaration) {
  for (QLabel* line : lines_) line->clear();
  const std::optional<DeclarationTotals> totals = LoadDeclarationTotals(*Client(), declaration);
  if (!totals) return;
  const QStringList texts = DeclarationPanelLines(*totals);
  for (int i = 0; i < kPanelLines && i < texts.size(); ++i) lines_[i]->setText(texts[i]);
}

QStringList CLeaveDeclarationsDialog::PanelLines() const {
  QStringList texts;
  for (const QLabel* line : lines_) texts.append(line->text());
  return texts;
}

bool CLeaveDeclarationsDialog::SavesToDiskette() const { return toDiskette_->isChecked(); }

int CLeaveDeclarationsDialog::SelectedOrRefuse(const CListViewEx& list, const char* refusal) const {
  const int row = list.SelectedRow();
  if (row < 0) GetPrompter()->Inform(QLatin1String(refusal));
  return row;
}

void CLeaveDeclarationsDialog::AddDeclaration() {
  const int company = SelectedOrRefuse(*companies_,
                                       "Trebuie sa selectezi o societate pentru a-i adauga o "
                                       "declaratie!");
  if (company < 0) return;
  const std::optional<SavedDeclaration> added =
      CDeclarationDialog::Add(this, *Client(), *GetPrompter(), companyList_->Cf(company));
  if (!added) return;
  const int row = InsertDeclarationRow(*declarations_, *added);
  declarations_->SelectRow(row);
  // The figures follow the new declaration even when the list was already on that row.
  if (handledDeclaration_ != row) {
    handledDeclaration_ = kNoRowHandled;
    OnDeclarationSelected();
  }
}

void CLeaveDeclarationsDialog::ModifyDeclaration() {
  const int row =
      SelectedOrRefuse(*declarations_, "Trebuie sa selectezi o declaratie pentru a o modifica!");
  if (row < 0) return;
  const qint64 index = DeclarationIndexAt(*declarations_, row);
  if (CDeclarationDialog::Modify(this, *Client(), *GetPrompter(), index)) ShowFigures(index);
}

void CLeaveDeclarationsDialog::DeleteDeclaration() {
  const int row =
      SelectedOrRefuse(*declarations_, "Trebuie sa selectezi o declaratie pentru a o sterge!");
  if (row < 0) return;
  const qint64 index = DeclarationIndexAt(*declarations_, row);
  const std::optional<DeclarationDeletion> deletion = CanDeleteDeclaration(*Client(), index);
  if (!deletion || !DeletionConfirmed(*GetPrompter(), *deletion) ||
      !::DeleteDeclaration(*Client(), index)) {
    return;
  }
  // No declaration takes the deleted one's place: its certificates and figures go with it.
  declarations_->Model().RemoveRow(row);
  declarations_->clearSelection();
  declarations_->setCurrentIndex({});
  ClearDeclaration();
  handledDeclaration_ = -1;
}

void CLeaveDeclarationsDialog::AddCertificate() {
  if (SelectedOrRefuse(*declarations_,
                       "Trebuie sa selectezi o declaratie pentru a aduga un "
                       "concediu medical!") < 0) {
    return;
  }
  const std::optional<CertificateDeclaration> declaration =
      OpenDeclaration("Nu mai poti adauga concedii medicale.");
  if (!declaration) return;
  const std::optional<SavedCertificate> added = CLeaveCertificateDialog::Add(
      this, *Client(), *GetPrompter(), *declaration, SelectedCompanyName());
  if (!added) return;
  const int row = certificates_->Model().AppendRow();
  ShowCertificateRow(row, *added, declaration->rectifying);
  certificates_->SelectRow(row);
  ShowFigures(declaration->index);
}

void CLeaveDeclarationsDialog::ModifyCertificate() {
  const int row =
      SelectedOrRefuse(*certificates_, "Trebuie sa selectezi un concediu pentru a-l modifica!");
  if (row < 0) return;
  const std::optional<CertificateDeclaration> declaration =
      OpenDeclaration("Nu mai poti modifica concedii medicale.");
  if (!declaration) return;
  const std::optional<SavedCertificate> modified =
      CLeaveCertificateDialog::Modify(this, *Client(), *GetPrompter(), *declaration,
                                      SelectedCompanyName(), CertificateIndexAt(row));
  if (!modified) return;
  ShowCertificateRow(row, *modified, declaration->rectifying);
  ShowFigures(declaration->index);
}

void CLeaveDeclarationsDialog::DeleteCertificate() {
  const int row =
      SelectedOrRefuse(*certificates_, "Trebuie sa selectezi un concediu pentru a-l sterge!");
  if (row < 0) return;
  const std::optional<CertificateDeclaration> declaration =
      OpenDeclaration("Nu mai poti sterge concedii medicale.");
  if (!declaration) return;
  // Deleting takes the entry out of its declaration; it is not an "S" operation.
  if (!GetPrompter()->Ask(QStringLiteral("Esti sigur ca vrei sa stergi concediul selectat?")) ||
      !::DeleteCertificate(*Client(), CertificateIndexAt(row))) {
    return;
  }
  certificates_->Model().RemoveRow(row);
  ShowFigures(declaration->index);
}

std::optional<CertificateDeclaration> CLeaveDeclarationsDialog::OpenDeclaration(
    const char* refusal) {
  const std::optional<qint64> index = SelectedDeclaration();
  if (!index) return std::nullopt;
  std::optional<CertificateDeclaration> declaration = ReadCertificateDeclaration(*Client(), *index);
  if (!declaration) return std::nullopt;
  // Only the month's last declaration takes changes to its certificates.
  const std::optional<bool> later =
      HasLaterRectification(*Client(), declaration->cf, declaration->luna, declaration->number);
  if (!later) return std::nullopt;
  if (*later) {
    GetPrompter()->Inform(
        QStringLiteral("Exista cel putin o alta declaratie rectificativa ulterioara acesteia, in "
                       "aceeasi luna!\n\n") +
        QLatin1String(refusal));
    return std::nullopt;
  }
  return declaration;
}

QString CLeaveDeclarationsDialog::SelectedCompanyName() const {
  const int company = companies_->SelectedRow();
  return company >= 0 ? companyList_->Denumire(company) : QString();
}

qint64 CLeaveDeclarationsDialog::CertificateIndexAt(int row) const {
  return certificates_->Model().GetCellText(row, QStringLiteral("INDEX")).toLongLong();
}

void CLeaveDeclarationsDialog::ShowCertificateRow(int row, const SavedCertificate& certificate,
                                                  bool rectifying) {
  const CertificateValues& values = certificate.values;
  const std::pair<const char*, QString> cells[] = {
      {"TIP", rectifying ? values.tipRectif : QString()},
      {"CNP", values.cnp},
      {"PRENUME", values.prenume},
      {"NUME", values.nume},
      {"CAS", values.cas},
      {"CERT_SERIE", values.serie},
      {"CERT_NUMAR", values.numar},
      {"CERT_INIT_SERIE", values.initSerie},
      {"CERT_INIT_NUMAR", values.initNumar},
      {"COD_INDEMN", values.codIndemn},
      {"ZILE_LUCRATOARE", values.zileLucratoare},
      {"ZILE_LUCRATE", values.zileLucrate},
      {"ZILE_PRESTATII", values.zilePrestatii},
      {"ZILE_FNUASS", values.zileFnuass},
      {"SUMA_FNUASS", values.sumaFnuass},
      {"INDEX", QString::number(certificate.index)},
  };
  ListModel& model = certificates_->Model();
  for (const auto& [column, text] : cells) {
    static_cast<void>(model.SetCellText(row, QLatin1String(column), text));
  }
}

std::optional<qint64> CLeaveDeclarationsDialog::SelectedDeclaration() const {
  const int row = declarations_->SelectedRow();
  if (row < 0) return std::nullopt;
  return DeclarationIndexAt(*declarations_, row);
}

// Each command says itself what is missing, in the order of its own refusals.
void CLeaveDeclarationsDialog::PrintDeclaration() {
  ReportPrinter printer(GetPrompter(), printerChooser_);
  static_cast<void>(::PrintDeclaration(*Client(), *GetPrompter(), printer, SelectedDeclaration()));
}

void CLeaveDeclarationsDialog::SaveDeclarationPdf() {
  const Saved<PrintOutcome> saved = ::SaveDeclarationPdf(
      *Client(), *GetPrompter(), SelectedDeclaration(), StartFolder(FolderKind::kPdf));
  if (saved.outcome == PrintOutcome::kPrinted) {
    ConfirmSave(*GetPrompter(), confirmation_texts::kDeclarationPdf, saved.files, FolderKind::kPdf);
  }
}

void CLeaveDeclarationsDialog::SaveReportFiles() {
  const int company = companies_->SelectedRow();
  const QString cf = company >= 0 ? companyList_->Cf(company) : QString();
  const bool chosen = !SavesToDiskette();
  FilesSeams seams = filesSeams_;
  seams.folderStart = StartFolder(FolderKind::kDeclarationFiles);
  const Saved<FilesOutcome> saved = SaveDeclarationFiles(
      *Client(), *GetPrompter(), cf, SelectedDeclaration(),
      chosen ? FilesDestination::kFolder : FilesDestination::kRemovable, seams);
  if (saved.outcome == FilesOutcome::kSaved) {
    ConfirmSave(*GetPrompter(), confirmation_texts::kDeclarationFiles, saved.files,
                chosen ? std::optional(FolderKind::kDeclarationFiles) : std::nullopt);
  }
}

void CLeaveDeclarationsDialog::keyPressEvent(QKeyEvent* event) {
  const bool taken = HandleScreenKey(
      *event, {{Qt::Key_F5, [this] { AddCertificate(); }, [this] { AddDeclaration(); }},
               {Qt::Key_F6, [this] { ModifyCertificate(); }, [this] { ModifyDeclaration(); }},
               {Qt::Key_F7, [this] { OpenOverview(); }},
               {Qt::Key_F8, [this] { DeleteCertificate(); }, [this] { DeleteDeclaration(); }}});
  if (!taken) CPanelDialog::keyPressEvent(event);
}

bool CLeaveDeclarationsDialog::SelectCompany(const QString& cf) {
  return companyList_->SelectCf(cf);
}

void CLeaveDeclarationsDialog::OpenOverview() {
  int month = 0;
  if (const std::optional<qint64> index = SelectedDeclaration()) {
    if (const auto declaration = ReadDeclaration(*Client(), *index)) month = declaration->luna;
  }
  if (month == 0) {
    const QDate previous = QDate::currentDate().addMonths(-1);
    month = previous.year() * 100 + previous.month();
  }
  const auto choice =
      CMonthOverviewDialog::Open(this, *Client(), *GetPrompter(), month,
                                 CMonthOverviewDialog::MonthRun(*Client(), *GetPrompter(), month));
  if (choice) {
    QMetaObject::invokeMethod(
        this, [this, choice] { emit CompanyPanelRequested(choice->area, choice->cf); },
        Qt::QueuedConnection);
  }
}

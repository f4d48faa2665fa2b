#include "screens/health/c_insured_list_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "common/number_texts.h"
#include "health/register/coinsured_store.h"
#include "health/register/employment_forms.h"
#include "health/register/insured_list_store.h"
#include "history/history_tables.h"
#include "screens/health/c_change_dialog.h"
#include "screens/health/c_coinsured_dialog.h"
#include "screens/health/c_insured_dialog.h"
#include "screens/health/c_liquidate_dialog.h"
#include "screens/history/record_history_keys.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema_tables.h"
#include "ui/buttons.h"
#include "ui/c_current_company_label.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"

namespace {

using Cells = std::vector<std::pair<const char*, QString>>;

// A whole row of the list from values by column name; the other columns stay empty.
QStringList RowCells(const ListModel& list, const Cells& values) {
  QStringList cells;
  cells.resize(list.ColumnCount());
  for (const auto& [name, value] : values) {
    const int column = list.FindColumn(QLatin1String(name));
    if (column >= 0) cells[column] = value;
  }
  return cells;
}

Cells RecordCells(const InsuredRecord& record) {
  return {{"INDEX", QString::number(record.index)},
          {"CF", record.cf},
          {"CAS", record.cas},
          {"NUME", record.nume},
          {"PRENUME", record.prenume},
          {"CNP", record.cnp},
          {"INTRARE", record.intrare},
          {"IESIRE", record.iesire},
          {"FORMA", record.forma}};
}

Cells DependantCells(const DependantRecord& record) {
  return {{"INDEX", QString::number(record.index)},
          {"CF", record.cf},
          {"CNP_ASIG", record.cnpAsig},
          {"CNP", record.cnp},
          {"NUME", record.nume},
          {"PRENUME", record.prenume},
          {"TIP", record.tip}};
}

void SetCells(CListViewEx& list, int row, const Cells& values) {
  for (const auto& [name, value] : values) list.SetCellText(row, QLatin1String(name), value);
}

void HideColumns(CListViewEx& list, std::initializer_list<const char*> names) {
  for (const char* name : names) list.SetColumnWidth(QLatin1String(name), 0);
}

// A square of the colour and its meaning, for the legend under the list.
QLayout* LegendEntry(QWidget* parent, QRgb colour, const char* text) {
  auto* square = new QLabel(parent);
  square->setFixedSize(12, 12);
  square->setAutoFillBackground(true);
  QPalette palette = square->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(colour));
  square->setPalette(palette);
  auto* entry = new QHBoxLayout;
  entry->addWidget(square);
  entry->addWidget(new QLabel(QLatin1String(text), parent));
  return entry;
}

constexpr const char* kFootnotes[] = {
    "*1 - se utilizeaza DOAR daca au fost introduse INITIAL gresit casa de asigurari, CNP-ul, "
    "numele, prenumele, forma sau data de angajare/lichidare",
    "*2 - se utilizeaza DOAR cand a parasit societatea",
    "*3 - se utilizeaza DOAR daca isi modifica forma de angajare (vor fi generate automat o "
    "iesire de pe vechea forma si o intrare in noua forma)",
    "*4 - se utilizeaza DOAR daca isi schimba casa de asigurari la care este asigurat (vor fi "
    "generate automat o iesire de la vechea casa si o intrare la cea noua)",
    "*5 - se utilizeaza DOAR daca au fost introduse INITIAL gresit CNP-ul, numele, prenumele sau "
    "tipul de coasigurat",
    "*6 - se utilizeaza DOAR daca a fost introdus din greseala la un alt asigurat (coasiguratii "
    "isi pastreaza calitatea pana cand sunt raportati de catre o alta firma drept\nasigurati si "
    "nu trebuie stersi de pe \"lista\" asiguratului)"};

}  // namespace

CInsuredListDialog::CInsuredListDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                       const QString& denumire, const QString& cf, int filter)
    : QDialog(parent), client_(client), prompter_(prompter), denumire_(denumire), cf_(cf) {
  setWindowTitle(Title());
  BuildWindow(denumire, filter);
  Load(filter);
  AttachHistory();
}

void CInsuredListDialog::AttachHistory() {
  const auto condition = [this] { return DeletedOfCompany(client_, cf_); };
  const auto reload = [this] { ReloadAfterHistory(); };
  AttachRecordHistory(*insured_, *this, client_, prompter_,
                      {HistoryTableOf(InsuredTable()),
                       IndexColumn(*insured_, QStringLiteral("INDEX")), condition, reload});
  AttachRecordHistory(*dependants_, *this, client_, prompter_,
                      {HistoryTableOf(DependantsTable()),
                       IndexColumn(*dependants_, QStringLiteral("INDEX")), condition, reload});
}

void CInsuredListDialog::ReloadAfterHistory() {
  const int row = insured_->SelectedRow();
  const QString index = row >= 0 ? insured_->GetCellText(row, QStringLiteral("INDEX")) : QString();
  Load(filter_);
  ForgetHandledRow();
  for (int at = 0; at < insured_->RowCount(); ++at) {
    if (insured_->GetCellText(at, QStringLiteral("INDEX")) == index) insured_->SelectRow(at);
  }
  OnInsuredSelectionChanged();
}

void CInsuredListDialog::BuildWindow(const QString& denumire, int filter) {
  auto* company = new CCurrentCompanyLabel(this);
  company->setObjectName(QStringLiteral("company"));
  company->ShowCompany(denumire);
  auto* shown = new CCurrentCompanyLabel(this);
  shown->setObjectName(QStringLiteral("filter"));
  shown->ShowCompany(FilterText(filter));
  auto* top = new QGridLayout;
  top->addWidget(new QLabel(QStringLiteral("Societate curenta:"), this), 0, 0);
  top->addWidget(company, 0, 1);
  top->addWidget(new QLabel(QStringLiteral("Se vizualizeaza:"), this), 1, 0);
  top->addWidget(shown, 1, 1);
  top->setColumnStretch(1, 1);

  insured_ = new CListViewEx(this);
  insured_->setObjectName(QStringLiteral("insured"));
  dependants_ = new CListViewEx(this);
  dependants_->setObjectName(QStringLiteral("dependants"));
  auto* legend = new QHBoxLayout;
  legend->addLayout(LegendEntry(this, kLiquidatedColor, "asigurat lichidat"));
  legend->addSpacing(24);
  legend->addLayout(LegendEntry(this, kActiveColor, "asigurat existent"));
  legend->addStretch();
  auto* lists = new QVBoxLayout;
  lists->addWidget(insured_, 3);
  lists->addLayout(legend);
  lists->addWidget(dependants_, 1);
  auto* middle = new QHBoxLayout;
  middle->addLayout(lists, 1);
  middle->addLayout(BuildButtons());

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle, 1);
  layout->addLayout(BuildFootnotes());
  resize(1240, 700);

  connect(insured_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CInsuredListDialog::OnInsuredSelectionChanged);
  connect(&insured_->Model(), &QAbstractItemModel::rowsRemoved, this,
          [this] { ForgetHandledRow(); });
  // After a sort the selected person keeps the selection at another position; the
  // dependants shown are still his.
  connect(insured_, &CListViewEx::Resorted, this,
          [this] { handledRow_ = insured_->SelectedRow(); });
  connect(insured_, &QAbstractItemView::doubleClicked, this,
          [this] { Run(ListAction::kModifyInsured); });
  connect(dependants_, &QAbstractItemView::doubleClicked, this,
          [this] { Run(ListAction::kModifyDependant); });
}

QVBoxLayout* CInsuredListDialog::BuildButtons() {
  const std::pair<ListAction, std::pair<const char*, const char*>> actions[] = {
      {ListAction::kModifyInsured, {"[F6]   Modifica asiguratul selectat (*1)", "modifyInsured"}},
      {ListAction::kLiquidate, {"[F7]   Lichideaza asiguratul selectat (*2)", "liquidate"}},
      {ListAction::kChangeForm, {"[F8]   Modifica forma de angajare (*3)", "changeForm"}},
      {ListAction::kChangeHouse, {"[F9]   Schimba casa de asigurari (*4)", "changeHouse"}},
      {ListAction::kDeleteRecord, {"Sterge inregistrarea selectata", "deleteRecord"}},
      {ListAction::kAddDependant, {"[CTRL + F5]   Adauga un coasigurat", "addDependant"}},
      {ListAction::kModifyDependant,
       {"[CTRL + F6]   Modifica coasiguratul selectat (*5)", "modifyDependant"}},
      {ListAction::kDeleteDependant, {"[CTRL + F8]   Sterge (*6)", "deleteDependant"}}};
  auto* buttons = new QVBoxLayout;
  for (const auto& [action, texts] : actions) {
    QPushButton* button = MakeButton(this, texts.first, texts.second);
    const ListAction which = action;
    connect(button, &QPushButton::clicked, this, [this, which] { Run(which); });
    buttons->addWidget(button);
    // The dependants' actions stand apart from the records'.
    if (action == ListAction::kDeleteRecord) buttons->addSpacing(24);
  }
  buttons->addStretch();
  QPushButton* close = MakeButton(this, "[ESC]   Iesire", "close");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(close);
  return buttons;
}

QVBoxLayout* CInsuredListDialog::BuildFootnotes() {
  auto* footnotes = new QVBoxLayout;
  footnotes->setSpacing(0);
  for (const char* text : kFootnotes) {
    auto* label = new QLabel(QLatin1String(text), this);
    label->setWordWrap(true);
    footnotes->addWidget(label);
  }
  return footnotes;
}

void CInsuredListDialog::Load(int filter) {
  filter_ = filter;
  loaded_ = LoadInsuredList(client_, cf_, filter, insured_->Model());
  if (!loaded_) return;
  HideColumns(*insured_, {"CF", "INDEX"});
  insured_->SetColumnKind(QStringLiteral("INTRARE"), QStringLiteral("1"));
  insured_->SetColumnKind(QStringLiteral("IESIRE"), QStringLiteral("1"));
  for (int row = 0; row < insured_->RowCount(); ++row) ColourRow(row);
}

void CInsuredListDialog::ColourRow(int row) {
  const bool liquidated = insured_->GetCellText(row, QStringLiteral("IESIRE")) != u'0';
  insured_->SetRowColor(row, liquidated ? kLiquidatedColor : kActiveColor);
}

void CInsuredListDialog::OnInsuredSelectionChanged() {
  const int row = insured_->SelectedRow();
  if (row == handledRow_) return;
  handledRow_ = row;
  ReloadDependants();
}

void CInsuredListDialog::ReloadDependants() {
  const int row = insured_->SelectedRow();
  dependants_->Model().DeleteAllRows();
  if (row < 0) return;
  // A failed query was shown by the client and leaves the list empty.
  if (!LoadDependants(client_, cf_, insured_->GetCellText(row, QStringLiteral("CNP")),
                      dependants_->Model())) {
    return;
  }
  HideColumns(*dependants_, {"CF", "CNP_ASIG", "INDEX"});
}

InsuredRecord CInsuredListDialog::RecordAt(int row) const {
  const auto cell = [this, row](const char* name) {
    return insured_->GetCellText(row, QLatin1String(name));
  };
  return {static_cast<int>(LeadingInteger(cell("INDEX"))),
          cell("CF"),
          cell("CAS"),
          cell("NUME"),
          cell("PRENUME"),
          cell("CNP"),
          cell("INTRARE"),
          cell("IESIRE"),
          cell("FORMA")};
}

DependantRecord CInsuredListDialog::DependantAt(int row) const {
  const auto cell = [this, row](const char* name) {
    return dependants_->GetCellText(row, QLatin1String(name));
  };
  return {static_cast<int>(LeadingInteger(cell("INDEX"))),
          cell("CF"),
          cell("CNP_ASIG"),
          cell("CNP"),
          cell("NUME"),
          cell("PRENUME"),
          cell("TIP")};
}

void CInsuredListDialog::ShowRecord(int row, const InsuredRecord& record) {
  SetCells(*insured_, row, RecordCells(record));
  ColourRow(row);
}

void CInsuredListDialog::RemoveAndSelectNext(CListViewEx& list, int row) {
  list.Model().RemoveRow(row);
  list.SelectRow(std::min(row, list.RowCount() - 1));
  // The list now empty changes no selection: the dependants shown must still go.
  if (&list == insured_) OnInsuredSelectionChanged();
}

void CInsuredListDialog::Run(ListAction action) {
  const int row = insured_->SelectedRow();
  const int dependant = dependants_->SelectedRow();
  const bool onDependant =
      action == ListAction::kModifyDependant || action == ListAction::kDeleteDependant;
  const bool liquidated = row >= 0 && insured_->GetCellText(row, QStringLiteral("IESIRE")) != u'0';
  const Refusal refusal =
      ActionRefusal(action, onDependant ? (row >= 0 && dependant >= 0) : row >= 0, liquidated);
  if (refusal) {
    prompter_.Inform(*refusal);
    return;
  }
  switch (action) {
    case ListAction::kModifyInsured:
      return ModifyInsured(row);
    case ListAction::kLiquidate:
      return Liquidate(row);
    case ListAction::kChangeForm:
      return Change(row, false);
    case ListAction::kChangeHouse:
      return Change(row, true);
    case ListAction::kDeleteRecord:
      return DeleteRecord(row);
    case ListAction::kAddDependant:
      return AddDependant(row);
    case ListAction::kModifyDependant:
      return ModifyDependant(row, dependant);
    case ListAction::kDeleteDependant:
      return DeleteDependant(dependant);
  }
}

void CInsuredListDialog::ModifyInsured(int row) {
  const InsuredRecord before = RecordAt(row);
  CInsuredDialog form(this, client_, prompter_, CRecordForm::Mode::kModify, denumire_, cf_,
                      before.index);
  const std::optional<InsuredRecord> saved = form.Run();
  if (!saved) return;
  ShowRecord(row, *saved);
  ReloadDependants();
}

void CInsuredListDialog::Liquidate(int row) {
  const InsuredRecord record = RecordAt(row);
  const ChosenPerson person{record.cnp,
                            record.nume,
                            record.prenume,
                            EmploymentFormText(EmploymentFormIndex(record.forma)),
                            static_cast<int>(LeadingInteger(record.intrare)),
                            record.cas};
  CLiquidateDialog form(this, client_, prompter_, denumire_, cf_, person);
  const std::optional<int> date = form.Run();
  if (!date) return;
  insured_->SetCellText(row, QStringLiteral("IESIRE"), QString::number(*date));
  ColourRow(row);
}

void CInsuredListDialog::Change(int row, bool house) {
  const InsuredRecord record = RecordAt(row);
  std::optional<ChangedRecord> changed;
  if (house) {
    CChangeHouseDialog form(this, client_, prompter_, denumire_, record);
    changed = form.Run();
  } else {
    CChangeFormDialog form(this, client_, prompter_, denumire_, record);
    changed = form.Run();
  }
  if (!changed) return;
  insured_->SetCellText(row, QStringLiteral("IESIRE"), QString::number(changed->exitDate));
  ColourRow(row);
  const int entry = insured_->Model().InsertRowCells(
      row + 1, RowCells(insured_->Model(), RecordCells(changed->entry)));
  ColourRow(entry);
  insured_->SelectRow(entry);
}

void CInsuredListDialog::DeleteRecord(int row) {
  if (!prompter_.Ask(QStringLiteral("Esti sigur ca vrei sa stergi inregistrarea "
                                    "selectata?\n\nOperatia este ireversibila.")) ||
      !prompter_.Ask(QStringLiteral("Sigur, sigur?"))) {
    return;
  }
  const InsuredRecord record = RecordAt(row);
  if (!DeleteInsuredRecord(client_, record.cnp, record.index)) return;
  RemoveAndSelectNext(*insured_, row);
}

void CInsuredListDialog::AddDependant(int row) {
  CCoinsuredDialog form(this, client_, prompter_, CRecordForm::Mode::kAdd, denumire_, cf_,
                        RecordAt(row));
  const std::optional<DependantRecord> saved = form.Run();
  if (!saved) return;
  ListModel& list = dependants_->Model();
  if (list.ColumnCount() == 0) {
    ReloadDependants();  // the list had never been filled: its columns come with its rows
    return;
  }
  list.AppendRowCells(RowCells(list, DependantCells(*saved)));
}

void CInsuredListDialog::ModifyDependant(int row, int dependant) {
  CCoinsuredDialog form(this, client_, prompter_, CRecordForm::Mode::kModify, denumire_, cf_,
                        RecordAt(row), DependantAt(dependant));
  const std::optional<DependantRecord> saved = form.Run();
  if (!saved) return;
  SetCells(*dependants_, dependant, DependantCells(*saved));
}

void CInsuredListDialog::DeleteDependant(int dependant) {
  if (!prompter_.Ask(QStringLiteral(
          "Esti sigur ca vrei sa stergi coasiguratul selectat?\n\nOperatia nu poate fi "
          "refacuta."))) {
    return;
  }
  if (!::DeleteDependant(client_, DependantAt(dependant).index)) return;
  RemoveAndSelectNext(*dependants_, dependant);
}

void CInsuredListDialog::keyPressEvent(QKeyEvent* event) {
  const auto run = [this](ListAction action) { return [this, action] { Run(action); }; };
  const bool taken = HandleScreenKey(
      *event, {{Qt::Key_F5, nullptr, run(ListAction::kAddDependant)},
               {Qt::Key_F6, run(ListAction::kModifyInsured), run(ListAction::kModifyDependant)},
               {Qt::Key_F7, run(ListAction::kLiquidate), nullptr},
               {Qt::Key_F8, run(ListAction::kChangeForm), run(ListAction::kDeleteDependant)},
               {Qt::Key_F9, run(ListAction::kChangeHouse), nullptr}});
  if (!taken) QDialog::keyPressEvent(event);
}

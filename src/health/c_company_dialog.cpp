#include "health/c_company_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/code_lists.h"
#include "health/company_checks.h"
#include "health/company_inputs.h"
#include "health/company_store.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/c_edit_ex.h"

namespace {

// Places a caption and its field on the next row of a grid.
void AddRow(QGridLayout& grid, const QString& caption, QWidget& field, QWidget* hint = nullptr) {
  const int row = grid.rowCount();
  auto* label = new QLabel(caption);
  label->setBuddy(&field);
  grid.addWidget(label, row, 0);
  grid.addWidget(&field, row, 1);
  if (hint != nullptr) grid.addWidget(hint, row, 2);
}

}  // namespace

CCompanyDialog::CCompanyDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                               int index)
    : QDialog(parent),
      client_(client),
      prompter_(prompter),
      mode_(mode),
      index_(mode == Mode::kModify ? index : 0) {
  setWindowTitle(mode_ == Mode::kAdd ? QStringLiteral("Adauga societate")
                                     : QStringLiteral("Modifica societate"));
  CreateFields();
  LayOutForm();
  CompanyFields company;
  if (mode_ == Mode::kModify) {
    loaded_ = LoadCompany(client_, index_, company) == 0;
    oldCf_ = company.cf;
  }
  ShowFields(company);
  cf_->setFocus();
}

CEditEx* CCompanyDialog::AddField(const char* name, int maxLength) {
  auto* edit = new CEditEx(this);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(maxLength);
  return edit;
}

void CCompanyDialog::CreateFields() {
  cf_ = AddField("cf", 13);
  TypeDigitsOnly(*cf_);
  denumire_ = AddField("denumire", 255);
  TypeUpperCase(*denumire_);
  regCom_ = AddField("reg_com", 50);
  TypeUpperCase(*regCom_);
  repr_ = AddField("repr", 255);
  TypeUpperCase(*repr_);
  ziuaLic_ = AddField("ziua_lic", 2);
  TypeDigitsOnly(*ziuaLic_);
  sameMonth_ = new QRadioButton(QStringLiteral("a aceleiasi luni"), this);
  sameMonth_->setObjectName(QStringLiteral("luna_lic_0"));
  nextMonth_ = new QRadioButton(QStringLiteral("a lunii urmatoare"), this);
  nextMonth_->setObjectName(QStringLiteral("luna_lic_1"));

  str_ = AddField("str", 100);
  // Street number, building, entrance and floor: the width of their columns.
  nr_ = AddField("nr", 10);
  bl_ = AddField("bl", 10);
  sc_ = AddField("sc", 10);
  et_ = AddField("et", 10);
  ap_ = AddField("ap", 10);
  loc_ = AddField("loc", 100);
  judet_ = new QComboBox(this);
  judet_->setObjectName(QStringLiteral("jud"));
  for (int position = 0; position < kCountyCount; ++position) {
    judet_->addItem(CountyChoiceText(position));
  }
  sect_ = AddField("sect", 1);
  TypeDigitsOnly(*sect_);
  email_ = AddField("email", 50);
  TypeLowerCase(*email_);
  tel_ = AddField("tel", 50);
  b1_ = AddField("b1", 100);
  f1_ = AddField("f1", 100);
  c1_ = AddField("c1", 24);
}

void CCompanyDialog::LayOutForm() {
  const bool adding = mode_ == Mode::kAdd;
  auto* company = new QGridLayout;
  AddRow(*company, QStringLiteral("CUI / CNP:"), *cf_);
  AddRow(*company, QStringLiteral("Denumire:"), *denumire_);
  AddRow(*company, QStringLiteral("Reg. Com.:"), *regCom_,
         new QLabel(QStringLiteral("(de forma: J40/1234/2003)")));
  AddRow(*company, QStringLiteral("Reprezentant legal:"), *repr_);
  auto* payMonth = new QHBoxLayout;
  payMonth->addWidget(sameMonth_);
  payMonth->addWidget(nextMonth_);
  AddRow(*company, QStringLiteral("Ziua lichidarii drepturilor salariale:"), *ziuaLic_);
  company->addLayout(payMonth, company->rowCount(), 1, 1, 2);

  auto* addressBox = new QGroupBox(QStringLiteral("   Adresa   "), this);
  auto* address = new QGridLayout(addressBox);
  AddRow(*address, QStringLiteral("Strada:"), *str_);
  AddRow(*address, QStringLiteral("numar:"), *nr_);
  AddRow(*address, QStringLiteral("bloc:"), *bl_);
  AddRow(*address, QStringLiteral("scara:"), *sc_);
  AddRow(*address, QStringLiteral("etaj:"), *et_);
  AddRow(*address, QStringLiteral("ap.:"), *ap_);
  AddRow(*address, QStringLiteral("Localitate:"), *loc_);
  AddRow(*address, QStringLiteral("Judet:"), *judet_);
  AddRow(*address, QStringLiteral("Sector:"), *sect_);

  auto* contact = new QGridLayout;
  AddRow(*contact, QStringLiteral("Adresa de e-mail:"), *email_);
  AddRow(*contact, QStringLiteral("Telefon:"), *tel_);
  AddRow(*contact, QStringLiteral("Banca:"), *b1_);
  AddRow(*contact, QStringLiteral("Filiala:"), *f1_);
  AddRow(*contact, QStringLiteral("Cont bancar:"), *c1_);

  ok_ = new QPushButton(
      adding ? QStringLiteral("[F5]   Adauga") : QStringLiteral("[F6]   Modifica"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  auto* cancel = new QPushButton(QStringLiteral("[ESC]   Renunta"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  for (QPushButton* button : {ok_, cancel}) button->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &CCompanyDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &CCompanyDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(company);
  layout->addWidget(addressBox);
  layout->addLayout(contact);
  layout->addLayout(buttons);

  connect(judet_, &QComboBox::currentIndexChanged, this, &CCompanyDialog::OnCountyChosen);
}

void CCompanyDialog::OnCountyChosen(int position) {
  sect_->setEnabled(position == kBucharestCounty);
}

void CCompanyDialog::ShowFields(const CompanyFields& company) {
  cf_->setText(company.cf);
  denumire_->setText(company.denumire);
  regCom_->setText(company.regCom);
  repr_->setText(company.repr);
  ziuaLic_->setText(company.ziuaLic);
  (company.lunaLicUrmatoare ? nextMonth_ : sameMonth_)->setChecked(true);
  str_->setText(company.str);
  nr_->setText(company.nr);
  bl_->setText(company.bl);
  sc_->setText(company.sc);
  et_->setText(company.et);
  ap_->setText(company.ap);
  loc_->setText(company.loc);
  judet_->setCurrentIndex(company.judet);
  OnCountyChosen(company.judet);
  sect_->setText(company.sect);
  email_->setText(company.email);
  tel_->setText(company.tel);
  b1_->setText(company.b1);
  f1_->setText(company.f1);
  c1_->setText(company.c1);
}

CompanyFields CCompanyDialog::ReadFields() const {
  CompanyFields company;
  company.cf = cf_->text();
  company.denumire = denumire_->text();
  company.regCom = regCom_->text();
  company.repr = repr_->text();
  company.ziuaLic = ziuaLic_->text();
  company.lunaLicUrmatoare = nextMonth_->isChecked();
  company.str = str_->text();
  company.nr = nr_->text();
  company.bl = bl_->text();
  company.sc = sc_->text();
  company.et = et_->text();
  company.ap = ap_->text();
  company.loc = loc_->text();
  company.judet = judet_->currentIndex();
  company.sect = sect_->text();
  company.email = email_->text();
  company.tel = tel_->text();
  company.b1 = b1_->text();
  company.f1 = f1_->text();
  company.c1 = c1_->text();
  return company;
}

bool CCompanyDialog::Save(const CompanyFields& company) {
  const QString problem = CompanyFieldsProblem(company);
  if (!problem.isEmpty()) {
    prompter_.Inform(problem);
    return false;
  }
  bool taken = false;
  if (FiscalCodeTaken(client_, company.cf, index_, taken) != 0) return false;
  if (taken) {
    prompter_.Inform(
        QStringLiteral("CUI-ul/CNP-ul introdus exista deja inregistrat un baza de date!"));
    return false;
  }
  if (WriteCompany(client_, company, index_) != 0) return false;
  if (mode_ == Mode::kAdd) {
    index_ = static_cast<int>(client_.LastInsertId());
    return true;
  }
  // Until the move has gone through every table the old code is kept, so that confirming
  // again after a failure finishes the move.
  if (company.cf != oldCf_) {
    if (MoveFiscalCode(client_, oldCf_, company.cf) != 0) return false;
    oldCf_ = company.cf;
  }
  return true;
}

void CCompanyDialog::accept() {
  const CompanyFields company = ReadFields();
  if (!Save(company)) return;
  saved_ = company;
  QDialog::accept();
}

void CCompanyDialog::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && ((key == Qt::Key_F5 && mode_ == Mode::kAdd) ||
                (key == Qt::Key_F6 && mode_ == Mode::kModify))) {
    accept();
    return;
  }
  // Enter does not confirm: only the keys written on the button do.
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
}

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>

#include "leave/certificates/certificate_checks.h"
#include "leave/certificates/emergency_lists.h"
#include "screens/leave/c_code_list_dialog.h"
#include "screens/leave/c_leave_certificate_dialog.h"
#include "screens/leave/c_leave_declarations_dialog.h"
#include "support/register_fixture.h"
#include "ui/c_list_view_ex.h"

namespace {

CertificateValues Valid() {
  CertificateValues values;
  values.cnp = kCnp;
  values.prenume = QStringLiteral("ION");
  values.nume = QStringLiteral("POPESCU");
  values.cas = QStringLiteral("CASAB");
  values.serie = QStringLiteral("CM");
  values.numar = QStringLiteral("100");
  values.codIndemn = QStringLiteral("1");
  values.zileLucratoare = QStringLiteral("22");
  values.zileLucrate = QStringLiteral("0");
  values.zilePrestatii = QStringLiteral("10");
  values.zileFnuass = QStringLiteral("5");
  values.sumaFnuass = QStringLiteral("300");
  return values;
}

TEST(CertificateChecks, FieldsAreRefusedInOrderWithTheirMessages) {
  struct Case {
    QString CertificateValues::*member;
    const char* value;
    const char* message;  // empty: accepted
  };
  const Case cases[] = {
      {&CertificateValues::cnp, "1800101221145", "CNP-ul introdus este incorect!"},
      {&CertificateValues::prenume, "", "Trebuie sa introduci un prenume!"},
      {&CertificateValues::nume, "", "Trebuie sa introduci un nume!"},
      {&CertificateValues::cas, "", "Trebuie sa selectezi casa de asigurari!"},
      {&CertificateValues::serie, "", "Trebuie sa introduci seria certificatului medical!"},
      {&CertificateValues::numar, "", "Trebuie sa introduci numarul certificatului medical!"},
      {&CertificateValues::zileLucratoare, "23",
       "Numarul de zile lucratoare este mai mare decat numarul de zile lucratoare din luna "
       "curenta!"},
      {&CertificateValues::zileLucratoare, "22", ""},
      {&CertificateValues::zileLucrate, "23",
       "Numarul de zile lucrate este mai mare decat numarul de zile lucratoare din luna!"},
      {&CertificateValues::zileFnuass, "11",
       "Numarul de zile suportate din FNUASS este mai mare decat numarul de zile de "
       "prestatii!"},
      {&CertificateValues::zileFnuass, "10", ""},
  };
  for (const Case& c : cases) {
    CertificateValues values = Valid();
    values.*c.member = QString::fromUtf8(c.value);
    const Refusal expected = *c.message == '\0' ? Refusal() : Refusal(QString::fromUtf8(c.message));
    EXPECT_EQ(CertificateFieldsProblem(values, QStringLiteral("22")), expected) << c.value;
  }
  EXPECT_EQ(CertificateMonthText(200906, QStringLiteral("22")), "06.2009 (22 de zile lucratoare)");
  EXPECT_EQ(CertificateMonthText(200902, QStringLiteral("19")), "02.2009 (19 zile lucratoare)");
}

TEST(CertificateLists, EachListHasItsItemsLineByLine) {
  struct Case {
    QString text;
    qsizetype items;
    const char* heading;
    const char* last;
  };
  const Case cases[] = {
      {EmergencyListText(), 175,
       "cuprinzând urgentele medico-chirurgicale conform HG 1186/28.22.2000",
       "    175. ulcerul gastroduodenal în puseu acut"},
      {InfectiousDiseaseListText(), 36,
       "cuprinzând bolile infectocontagioase din grupa A conform HG 1186/28.22.2000",
       "    36. infectia HIV"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = c.text.chopped(2).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), c.items + 3);
    EXPECT_EQ(lines[0], "LISTA");
    EXPECT_EQ(lines[1], QString::fromUtf8(c.heading));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines.last(), QString::fromUtf8(c.last));
  }
  EXPECT_EQ(EmergencyListText().split(QStringLiteral("\r\n"))[3], "    1. arsurile");
  EXPECT_EQ(InfectiousDiseaseListText().split(QStringLiteral("\r\n"))[3],
            "    1. amibiaza (dizenterie amibiana)");
}

class CertificateTest : public RegisterTest {
 protected:
  static qint64 StoreDeclaration(int number) {
    Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, rectif_nr, "
                       "zile_lucratoare, salariul_minim, nr_ang, fond_de_salarii, "
                       "contributii_datorate) VALUES (%1, 200906, '%2', %3, 22, 500, 5, 100000, "
                       "750)")
            .arg(Q(kCui), number == 0 ? QStringLiteral("NU") : QStringLiteral("DA"))
            .arg(number));
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM concedii.declaratii")).toLongLong();
  }
  static qint64 StoreCertificate(qint64 declaration, const QString& cnp, const QString& serie,
                                 const QString& nume = QStringLiteral("POPESCU"),
                                 const QString& cas = QStringLiteral("CASAB")) {
    Run(QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, prenume, cas, "
                       "cert_serie, cert_numar, cod_indemn, zile_prestatii, "
                       "zile_suportate_fnuass, suma_suportata_fnuass) VALUES (%1, %2, %3, %4, "
                       "'ION', %5, %6, '100', 1, 10, 5, 300)")
            .arg(declaration)
            .arg(Q(kCui), Q(cnp), Q(nume), Q(cas), Q(serie)));
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM concedii.concedii")).toLongLong();
  }
  static CertificateDeclaration Declaration(qint64 index, int number) {
    return {index, kCui, 200906, QStringLiteral("22"), number > 0, number};
  }
  static std::unique_ptr<CLeaveCertificateDialog> OpenForm(
      const CertificateDeclaration& declaration, qint64 certificate = 0) {
    auto form = std::make_unique<CLeaveCertificateDialog>(
        nullptr, client(), prompter(),
        certificate == 0 ? CRecordForm::Mode::kAdd : CRecordForm::Mode::kModify, declaration,
        QStringLiteral("ALFA SRL"), certificate);
    form->show();
    return form;
  }
  static QString House(QWidget& form) {
    return form.findChild<QComboBox*>(QStringLiteral("cas"))->currentText();
  }
};

TEST_F(CertificateTest, RectificationsAreCheckedAgainstTheMonthsEarlierDeclarations) {
  const qint64 initial = StoreDeclaration(0);
  const qint64 entry = StoreCertificate(initial, kCnp, QStringLiteral("CM"));
  const qint64 first = StoreDeclaration(1);
  const QString exists = QStringLiteral("Acesta exista deja.");
  const QString missing = QStringLiteral("Ei bine, nu exista.");
  const QString duplicate = QStringLiteral("Acesta este deja introdus in declaratia curenta.");
  const QString sumNotZero = QStringLiteral("Suma suportata din FNUASS trebuie sa fie zero");
  struct Case {
    const char* what;
    qint64 declaration;
    int number;
    const char* type;
    const char* serie;
    const char* sum;
    qint64 modified;
    QString refusal;  // a part of the message; empty when accepted
  };
  const Case cases[] = {
      {"duplicate in the initial", initial, 0, "", "CM", "300", 0, duplicate},
      {"entry kept its key", initial, 0, "", "CM", "200", entry, QString()},
      {"M of the initial's", first, 1, "M", "CM", "200", 0, QString()},
      {"M of an unknown one", first, 1, "M", "XY", "200", 0, missing},
      {"S of an unknown one", first, 1, "S", "XY", "0", 0, missing},
      {"A of an existing one", first, 1, "A", "CM", "50", 0, exists},
      {"A of a new one", first, 1, "A", "XY", "50", 0, QString()},
      {"S with a sum", first, 1, "S", "CM", "1", 0, sumNotZero},
      {"S without a sum", first, 1, "S", "CM", "0", 0, QString()},
      {"a quote in the series", first, 1, "A", "C'M", "50", 0, QString()},
  };
  for (const Case& c : cases) {
    CertificateValues values = Valid();
    values.tipRectif = QLatin1String(c.type);
    values.serie = QLatin1String(c.serie);
    values.sumaFnuass = QLatin1String(c.sum);
    const CheckResult check = CertificateConfirmProblem(
        client(), Declaration(c.declaration, c.number), values, c.modified);
    if (c.refusal.isEmpty()) {
      EXPECT_EQ(check, CheckResult::Ok()) << c.what;
    } else {
      ASSERT_TRUE(check.IsRefused()) << c.what;
      EXPECT_TRUE(check.Text().contains(c.refusal)) << c.what << ": " << check.Text();
    }
  }
  CertificateValues unknown = Valid();
  unknown.tipRectif = QStringLiteral("M");
  unknown.serie = QStringLiteral("XY");
  EXPECT_EQ(CertificateConfirmProblem(client(), Declaration(first, 1), unknown, 0),
            CheckResult::Refused(QStringLiteral(
                "ATENTIE: aceasta este o declaratie rectificativa\n\nDoresti sa modifici in "
                "declaratia anterioara certificatul XY - 100.\n\nPentru acest lucru, trebuie ca "
                "seria si numarul sa existe deja intr-o declaratie anterioara din aceasi luna.\nEi "
                "bine, nu exista.")));
}

// The rectification types read whole in the closed list, the longest too, with room for a
// character more.
TEST_F(CertificateTest, TheRectificationTypeReadsWhole) {
  auto form = OpenForm(Declaration(StoreDeclaration(1), 1));
  auto* types = form->findChild<QComboBox*>(QStringLiteral("tip_rectif"));
  ASSERT_NE(types, nullptr);
  QStyleOptionComboBox option;
  option.initFrom(types);
  option.editable = false;
  option.subControls = QStyle::SC_All;
  for (int entry = 0; entry < types->count(); ++entry) {
    types->setCurrentIndex(entry);
    const QRect text = types->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, types);
    const QFontMetrics metrics = types->fontMetrics();
    EXPECT_GE(text.width(),
              metrics.horizontalAdvance(types->currentText()) + metrics.averageCharWidth())
        << types->currentText();
  }
}

TEST_F(CertificateTest, TheCnpProposesTheLatestPersonOnTypingOnly) {
  const qint64 initial = StoreDeclaration(0);
  AddInsured(kCui, QStringLiteral("2900101221140"), QStringLiteral("CASHR"));
  Run(QStringLiteral("UPDATE asigurati.asigurati SET nume='D''ARCY', prenume='ANA'"));
  StoreCertificate(initial, QStringLiteral("1700101221141"), QStringLiteral("CM"),
                   QStringLiteral("VECHI"));
  const qint64 latest =
      StoreCertificate(initial, QStringLiteral("1700101221141"), QStringLiteral("CN"),
                       QStringLiteral("ŞTEFĂNESCU"), QStringLiteral("CASCJ"));
  auto form = OpenForm(Declaration(initial, 0));
  EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("month"))->text(),
            "06.2009 (22 de zile lucratoare)");
  EXPECT_EQ(FieldText(*form, "zile_lucratoare"), "22");
  EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("tip_rectif"))->isVisible(), false);
  Retype(*form, "cnp", "1");
  EXPECT_EQ(FieldText(*form, "cnp"), "1700101221141");
  EXPECT_EQ(FieldText(*form, "nume"), "ŞTEFĂNESCU");
  EXPECT_EQ(FieldText(*form, "prenume"), "ION");
  EXPECT_EQ(House(*form), "CJ - Cluj");
  EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("cnp"))->selectedText(), "700101221141");
  // Deleting clears the names and proposes nothing.
  Press(*form, Qt::Key_Backspace);
  EXPECT_EQ(FieldText(*form, "cnp"), "1");
  EXPECT_EQ(FieldText(*form, "nume"), "");
  Retype(*form, "cnp", "2");
  EXPECT_EQ(FieldText(*form, "cnp"), "2900101221140");
  EXPECT_EQ(FieldText(*form, "nume"), "D'ARCY");
  EXPECT_EQ(House(*form), "HG - Harghita");
  Retype(*form, "cnp", "3");
  EXPECT_EQ(FieldText(*form, "cnp"), "3");
  // The stored names stay when an entry opens.
  auto modify = OpenForm(Declaration(initial, 0), latest);
  EXPECT_EQ(modify->windowTitle(), "Modifica un concediu meedical");
  EXPECT_EQ(FieldText(*modify, "nume"), "ŞTEFĂNESCU");
  EXPECT_EQ(FieldText(*modify, "cert_serie"), "CN");
}

TEST_F(CertificateTest, ALongerStoredSeriesLoadsWholeAndTypingKeepsToFive) {
  const qint64 initial = StoreDeclaration(0);
  const qint64 entry = StoreCertificate(initial, kCnp, QStringLiteral("ABCDEFGH"));
  auto form = OpenForm(Declaration(initial, 0), entry);
  EXPECT_EQ(FieldText(*form, "cert_serie"), "ABCDEFGH");
  auto added = OpenForm(Declaration(initial, 0));
  Retype(*added, "cert_serie", "abcdefgh");
  EXPECT_EQ(FieldText(*added, "cert_serie"), "ABCDE");
}

class CertificatePanelTest : public CertificateTest {
 protected:
  // A driver filling the certificate form and confirming it with its key.
  static ModalDriver Fill(const char* type, const char* serie, const char* sum) {
    return [=](QDialog& form) {
      Retype(form, "cnp", kCnp);
      Retype(form, "prenume", "ION");
      Retype(form, "nume", "POPESCU");
      if (*type != '\0') {
        ChooseEntry(form, "tip_rectif",
                    static_cast<int>(QStringLiteral("AMS").indexOf(QLatin1Char(*type))));
      }
      Retype(form, "cert_serie", QLatin1String(serie));
      Retype(form, "cert_numar", "100");
      Retype(form, "zile_prestatii", "10");
      Retype(form, "zile_suportate_fnuass", "5");
      Retype(form, "suma_suportata_fnuass", QLatin1String(sum));
      const bool modify =
          form.findChild<QPushButton*>(QStringLiteral("ok"))->text().startsWith(u"[F6]");
      Press(form, modify ? Qt::Key_F6 : Qt::Key_F5);
    };
  }
  static QString LineJ(CLeaveDeclarationsDialog& panel) { return panel.PanelLines()[5]; }
};

TEST_F(CertificatePanelTest, RectificationsThroughTheFormsChangeTheTotals) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  StoreDeclaration(0);
  auto panel = std::make_unique<CLeaveDeclarationsDialog>(nullptr, &client(), &prompter());
  panel->show();
  SelectRow(panel->CompaniesView(), 0);
  SelectRow(panel->DeclarationsView(), 0);
  SetModalDriver(Fill("", "cm", "300"));
  QTest::keyClick(panel.get(), Qt::Key_F5);
  ASSERT_EQ(panel->CertificatesView().RowCount(), 1);
  EXPECT_EQ(panel->CertificatesView().GetCellText(0, "CERT_SERIE"), "CM");
  EXPECT_TRUE(LineJ(*panel).endsWith(u": 300")) << LineJ(*panel).toStdString();

  StoreDeclaration(1);
  // The new declarations are read again through the company's list.
  panel->CompaniesView().clearSelection();
  SelectRow(panel->CompaniesView(), 0);
  ASSERT_EQ(panel->DeclarationsView().RowCount(), 2);
  SelectRow(panel->DeclarationsView(), 1);
  SetModalDriver(Fill("M", "CM", "200"));
  QTest::keyClick(panel.get(), Qt::Key_F5);
  SetModalDriver(Fill("A", "CX", "50"));
  QTest::keyClick(panel.get(), Qt::Key_F5);
  EXPECT_EQ(panel->CertificatesView().RowCount(), 2);
  EXPECT_TRUE(LineJ(*panel).endsWith(u": 250")) << LineJ(*panel).toStdString();
  EXPECT_EQ(prompter().Texts(), QStringList());

  // The first rectification is no longer the month's last: its entries stay as they are.
  StoreDeclaration(2);
  SetModalDriver([](QDialog&) { ADD_FAILURE() << "no form opens"; });
  QTest::keyClick(panel.get(), Qt::Key_F5);
  EXPECT_EQ(prompter().Texts().last(),
            "Exista cel putin o alta declaratie rectificativa ulterioara acesteia, in aceeasi "
            "luna!\n\nNu mai poti adauga concedii medicale.");
  panel->CompaniesView().clearSelection();
  SelectRow(panel->CompaniesView(), 0);
  SelectRow(panel->DeclarationsView(), 2);
  SetModalDriver(Fill("S", "CX", "0"));
  QTest::keyClick(panel.get(), Qt::Key_F5);
  EXPECT_TRUE(LineJ(*panel).endsWith(u": 200")) << LineJ(*panel).toStdString();

  // Deleting an entry takes it out of its declaration.
  SelectRow(panel->CertificatesView(), 0);
  prompter().QueueAnswers({true});
  QTest::keyClick(panel.get(), Qt::Key_F8);
  EXPECT_EQ(panel->CertificatesView().RowCount(), 0);
  EXPECT_TRUE(LineJ(*panel).endsWith(u": 250")) << LineJ(*panel).toStdString();
}

TEST_F(CertificatePanelTest, TheListButtonsShowTheirLists) {
  const qint64 initial = StoreDeclaration(0);
  auto form = OpenForm(Declaration(initial, 0));
  QStringList shown;
  SetModalDriver([&shown](QDialog& window) {
    EXPECT_EQ(window.windowTitle(), "Lista codurilor de urgenta");
    shown.append(
        static_cast<CCodeListDialog&>(window).Text().split(u'\n', Qt::SkipEmptyParts).last());
  });
  Click(*form, "emergencyList");
  Click(*form, "infectiousList");
  EXPECT_EQ(shown,
            QStringList({"    175. ulcerul gastroduodenal în puseu acut", "    36. infectia HIV"}))
      << shown.join(u'|').toStdString();
}

}  // namespace

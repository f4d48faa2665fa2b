#include <QLabel>
#include <QPushButton>

#include "screens/leave/c_leave_declarations_dialog.h"
#include "support/register_fixture.h"
#include "ui/c_current_company_label.h"
#include "ui/c_list_view_ex.h"

namespace {

const QString kLater = QStringLiteral(
    "Exista cel putin o alta declaratie rectificativa ulterioara acesteia, in aceeasi luna!\n\n");

class LeavePanelTest : public RegisterTest {
 protected:
  std::unique_ptr<CLeaveDeclarationsDialog> OpenPanel() {
    auto panel = std::make_unique<CLeaveDeclarationsDialog>(nullptr, &client(), &prompter());
    panel->show();
    return panel;
  }
  // The declarations list as LUNA/RECTIF/NR.
  static QStringList Declarations(CLeaveDeclarationsDialog& panel) {
    QStringList rows;
    CListViewEx& list = panel.DeclarationsView();
    for (int row = 0; row < list.RowCount(); ++row) {
      rows.append(list.GetCellText(row, "LUNA") + u'/' + list.GetCellText(row, "RECTIF") + u'/' +
                  list.GetCellText(row, "NR"));
    }
    return rows;
  }
  static QString CurrentCompany(QWidget& panel) {
    return panel.findChild<QLabel*>(QStringLiteral("currentCompany"))->text();
  }
  // A declaration with F, H and K as given; returns its index.
  static qint64 StoreDeclaration(const QString& cf, int luna, int number, int f = 255, int h = 9,
                                 int k = 20) {
    Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, rectif_nr, "
                       "zile_lucratoare, salariul_minim, nr_ang, fond_de_salarii, "
                       "contributii_datorate, faambp_datorat, de_recuperat_anterior) VALUES "
                       "(%1, %2, '%3', %4, 22, 500, 5, 100000, %5, %6, %7)")
            .arg(Q(cf))
            .arg(luna)
            .arg(number == 0 ? QStringLiteral("NU") : QStringLiteral("DA"))
            .arg(number)
            .arg(f)
            .arg(h)
            .arg(k));
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM concedii.declaratii")).toLongLong();
  }
  static void StoreCertificate(qint64 declaration, const QString& cf, const QString& nume,
                               int sum) {
    Run(QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, cert_serie, "
                       "cert_numar, cod_indemn, zile_prestatii, zile_suportate_fnuass, "
                       "suma_suportata_fnuass) VALUES (%1, %2, %3, %4, 'CM', %5, 1, 5, 5, %6)")
            .arg(declaration)
            .arg(Q(cf), Q(kCnp), Q(nume))
            .arg(sum)
            .arg(sum));
  }
  static int Count(const char* table) {
    return Value(QStringLiteral("SELECT COUNT(*) AS v FROM concedii.%1").arg(QLatin1String(table)))
        .toInt();
  }
  // A driver that fills the declaration form for the month and confirms it; counts forms.
  static ModalDriver FillDeclaration(const char* month, int& opened) {
    return [month, &opened](QDialog& form) {
      ++opened;
      Retype(form, "luna", QLatin1String(month));
      Retype(form, "an", "2009");
      Retype(form, "salariul_minim", "500");
      Retype(form, "nr_ang", "5");
      Retype(form, "fond_de_salarii", "100000");
      Press(form, Qt::Key_F5);
    };
  }
};

TEST_F(LeavePanelTest, CtrlF5AddsADeclarationInItsMonthsPlace) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  StoreDeclaration(kCui, 200905, 0);
  StoreDeclaration(kCui, 200907, 0);
  auto panel = OpenPanel();
  EXPECT_EQ(CurrentCompany(*panel), CCurrentCompanyLabel::NoCompanyText());
  SelectRow(panel->CompaniesView(), 0);
  EXPECT_EQ(CurrentCompany(*panel), "ALFA SRL");
  EXPECT_EQ(Declarations(*panel), QStringList({"200905/NU/", "200907/NU/"}));
  int opened = 0;
  SetModalDriver(FillDeclaration("06", opened));
  CListViewEx& list = panel->DeclarationsView();
  QTest::keyClick(&list, Qt::Key_F5);  // without Ctrl: a certificate, which needs a declaration
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(prompter().Texts(),
            QStringList{"Trebuie sa selectezi o declaratie pentru a aduga un concediu medical!"});
  QTest::keyClick(&list, Qt::Key_F5, Qt::ControlModifier);
  QTest::keyClick(&list, Qt::Key_F5, Qt::ControlModifier);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(Declarations(*panel),
            QStringList({"200905/NU/", "200906/NU/", "200906/DA/1", "200907/NU/"}));
  EXPECT_EQ(list.SelectedRow(), 2);
  EXPECT_EQ(list.GetCellText(2, "INDEX"),
            Value(QStringLiteral("SELECT `index` AS v FROM concedii.declaratii WHERE "
                                 "rectificativa='DA'")));
  EXPECT_EQ(panel->PanelLines().first(), "D. Numar de angajati: 5");
  EXPECT_EQ(prompter().Messages().size(), 1u) << prompter().LastText().toStdString();
}

TEST_F(LeavePanelTest, ALaterRectificationKeepsADeclarationFromChangeAndDeletion) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  StoreDeclaration(kCui, 200906, 0);
  StoreDeclaration(kCui, 200906, 1);
  auto panel = OpenPanel();
  SelectRow(panel->CompaniesView(), 0);
  SelectRow(panel->DeclarationsView(), 0);
  SetModalDriver([](QDialog& form) {
    Retype(form, "nr_ang", "7");
    Press(form, Qt::Key_F6);
    form.reject();
  });
  QTest::keyClick(&panel->DeclarationsView(), Qt::Key_F6, Qt::ControlModifier);
  QTest::keyClick(&panel->DeclarationsView(), Qt::Key_F8, Qt::ControlModifier);
  EXPECT_EQ(prompter().Texts(), QStringList({kLater + "Nu poti modifica declaratia curenta.",
                                             kLater + "Nu poti sterge declaratia selectata."}));
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(nr_ang) AS v FROM concedii.declaratii"), "5,5");
  EXPECT_EQ(Declarations(*panel), QStringList({"200906/NU/", "200906/DA/1"}));
}

TEST_F(LeavePanelTest, ADoubleClickOpensTheModifyFormAndTheLinesFollowTheChange) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  StoreDeclaration(kCui, 200906, 0);
  auto panel = OpenPanel();
  SelectRow(panel->CompaniesView(), 0);
  SelectRow(panel->DeclarationsView(), 0);
  QStringList opened;
  SetModalDriver([&opened](QDialog& form) {
    opened.append(form.windowTitle());
    if (form.windowTitle() != u"Modifica declaratie") return form.reject();
    Retype(form, "de_recuperat_anterior", "50");
    Press(form, Qt::Key_F6);
  });
  for (CListViewEx* list : {&panel->CompaniesView(), &panel->DeclarationsView()}) {
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->Model().index(0, 0)).center());
  }
  EXPECT_EQ(opened, QStringList({"Modifica societate", "Modifica declaratie"}));
  EXPECT_EQ(panel->PanelLines().value(6), "K. Suma de recuperat din lunile anterioare: 50");
  EXPECT_EQ(Value("SELECT de_recuperat_anterior AS v FROM concedii.declaratii"), "50");
}

TEST_F(LeavePanelTest, DeletingTheLastDeclarationAsksTwiceAndLeavesNoneSelected) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  const qint64 initial = StoreDeclaration(kCui, 200906, 0);
  const qint64 first = StoreDeclaration(kCui, 200906, 1);
  StoreCertificate(initial, kCui, "POPESCU", 300);
  StoreCertificate(first, kCui, "IONESCU", 100);
  auto panel = OpenPanel();
  SelectRow(panel->CompaniesView(), 0);
  SelectRow(panel->DeclarationsView(), 1);
  EXPECT_EQ(panel->CertificatesView().RowCount(), 1);
  const QString question = QStringLiteral(
      "Esti sigur ca vrei sa stergi declaratia selectata?\n\nATENTIE: vor fi sterse toate "
      "concediile atasate ei.");
  struct Answers {
    std::initializer_list<bool> answers;
    QStringList asked;
  };
  const Answers refusals[] = {{{false}, {question}}, {{true, false}, {question, "Sigur, sigur?"}}};
  for (const Answers& refusal : refusals) {
    prompter().Clear();
    prompter().QueueAnswers(refusal.answers);
    Click(*panel, "deleteDeclaration");
    EXPECT_EQ(prompter().Texts(), refusal.asked);
    EXPECT_EQ(Count("declaratii"), 2);
    EXPECT_EQ(Count("concedii"), 2);
  }
  prompter().QueueAnswers({true, true});
  QTest::keyClick(&panel->DeclarationsView(), Qt::Key_F8, Qt::ControlModifier);
  EXPECT_EQ(Declarations(*panel), QStringList{"200906/NU/"});
  EXPECT_EQ(panel->DeclarationsView().SelectedRow(), -1);
  EXPECT_EQ(panel->CertificatesView().RowCount(), 0);
  EXPECT_EQ(panel->PanelLines(), QStringList(10, QString()));
  EXPECT_EQ(Count("declaratii"), 1);
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(nume) AS v FROM concedii.concedii"), "POPESCU");
  // The initial declaration is the month's last again, and can go.
  SelectRow(panel->DeclarationsView(), 0);
  prompter().QueueAnswers({true, true});
  Click(*panel, "deleteDeclaration");
  EXPECT_EQ(Count("declaratii") + Count("concedii"), 0);
}

TEST_F(LeavePanelTest, TheTenLinesShowTheSelectedDeclarationsFigures) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  // I 100 (F 90 + H 10), K 20; J 150 in May, 40 in June.
  const qint64 may = StoreDeclaration(kCui, 200905, 0, 90, 10, 20);
  StoreCertificate(may, kCui, "POPESCU", 100);
  StoreCertificate(may, kCui, "IONESCU", 50);
  StoreCertificate(StoreDeclaration(kCui, 200906, 0, 90, 10, 20), kCui, "POPESCU", 40);
  auto panel = OpenPanel();
  SelectRow(panel->CompaniesView(), 0);
  const QStringList common = {"D. Numar de angajati: 5", "E. Fond de salarii brute: 100.000",
                              "F. Contributii datorate pentru concedii si indemnizatii: 90",
                              "H. Contributii datorate din FAAMBP: 10",
                              "I. Total contributii datorate: 100 (F + H)"};
  const struct {
    int row;
    QStringList rest;
  } months[] = {
      {0,
       {"J. Prestatii de suportat din FNUASS: 150",
        "K. Suma de recuperat din lunile anterioare: 20",
        "L. Suma recuperata din luna curenta: 0 (I - J)", "M. Suma de virat: 0 (I - J - L)",
        "N. Suma de recuperat de la FNUASS: 70"}},
      {1,
       {"J. Prestatii de suportat din FNUASS: 40", "K. Suma de recuperat din lunile anterioare: 20",
        "L. Suma recuperata din luna curenta: 20 (I - J)", "M. Suma de virat: 40 (I - J - L)",
        "N. Suma de recuperat de la FNUASS: 0"}}};
  for (const auto& month : months) {
    SelectRow(panel->DeclarationsView(), month.row);
    EXPECT_EQ(panel->PanelLines(), common + month.rest) << month.row;
  }
  EXPECT_EQ(panel->CertificatesView().GetCellText(0, "NUME"), "POPESCU");
  EXPECT_EQ(panel->CertificatesView().GetCellText(0, "SUMA_FNUASS"), "40");
  // Without a company the lists below it empty.
  panel->CompaniesView().clearSelection();
  EXPECT_EQ(panel->PanelLines(), QStringList(10, QString()));
  EXPECT_EQ(panel->DeclarationsView().RowCount(), 0);
  EXPECT_EQ(panel->CertificatesView().RowCount(), 0);
}

TEST_F(LeavePanelTest, DeletingACompanyAsksSureSureLastAndSelectsTheNextOne) {
  AddCompany(kCui, QStringLiteral("O'BRIEN & <FIII> SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  StoreDeclaration(kCui, 200906, 0);
  StoreDeclaration(kOtherCui, 200907, 0);
  auto panel = OpenPanel();
  SelectRow(panel->CompaniesView(), 0);
  EXPECT_EQ(CurrentCompany(*panel), "O'BRIEN & <FIII> SRL");
  prompter().QueueAnswers({true, true, false});
  Click(*panel, "deleteCompany");
  EXPECT_EQ(prompter().Texts(),
            QStringList({"Societatea selectata are declaratii de concedii medicale introduse si "
                         "acestea vor fi sterse!\n\nEsti sigur ca vrei sa continui?",
                         "Esti sigur ca vrei sa stergi societatea selectata?",
                         "Sigur, sigur?\n\nToate informatiile introduse (salariati, concedii "
                         "medicale) vor fi sterse!!"}));
  EXPECT_EQ(Companies(), "2");  // "Nu" to the last question keeps everything
  prompter().Clear();
  prompter().QueueAnswers({true, true, true});
  Click(*panel, "deleteCompany");
  EXPECT_EQ(Companies(), "1");
  EXPECT_EQ(CurrentCompany(*panel), "BETA SRL");
  EXPECT_EQ(Declarations(*panel), QStringList{"200907/NU/"});
  prompter().QueueAnswers({true, true, true});
  Click(*panel, "deleteCompany");
  EXPECT_EQ(Companies(), "0");
  EXPECT_EQ(CurrentCompany(*panel), CCurrentCompanyLabel::NoCompanyText());
  EXPECT_EQ(panel->CompaniesView().RowCount() + panel->DeclarationsView().RowCount() +
                panel->CertificatesView().RowCount(),
            0);
}

TEST_F(LeavePanelTest, ActionsWithoutWhatTheyNeedSaySoAndTheOthersOpenTheirForms) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  StoreCertificate(StoreDeclaration(kCui, 200906, 0), kCui, "POPESCU", 40);
  auto panel = OpenPanel();
  SetModalDriver([](QDialog&) { ADD_FAILURE() << "no form opens"; });
  const char* buttons[] = {"modifyCompany",     "deleteCompany",     "addDeclaration",
                           "modifyDeclaration", "deleteDeclaration", "addCertificate",
                           "modifyCertificate", "deleteCertificate", "printDeclaration",
                           "saveReportFiles"};
  for (const char* button : buttons) Click(*panel, button);
  EXPECT_EQ(prompter().Texts(),
            QStringList({"Trebuie sa selectezi o societate pentru a o modifica!",
                         "Trebuie sa selectezi o societate pentru a o sterge!",
                         "Trebuie sa selectezi o societate pentru a-i adauga o declaratie!",
                         "Trebuie sa selectezi o declaratie pentru a o modifica!",
                         "Trebuie sa selectezi o declaratie pentru a o sterge!",
                         "Trebuie sa selectezi o declaratie pentru a aduga un concediu medical!",
                         "Trebuie sa selectezi un concediu pentru a-l modifica!",
                         "Trebuie sa selectezi un concediu pentru a-l sterge!",
                         "Trebuie sa selectezi o declaratie pentru a o tipari!",
                         "Trebuie sa selectezi o declaratie pentru a-i salva rapoartele "
                         "electronice!"}));
  SelectRow(panel->CompaniesView(), 0);
  SelectRow(panel->DeclarationsView(), 0);
  SelectRow(panel->CertificatesView(), 0);
  EXPECT_TRUE(panel->SavesToDiskette());
  prompter().Clear();
  // With all three selected the certificate actions reach their forms and their question;
  // leaving them changes nothing.
  int forms = 0;
  SetModalDriver([&forms](QDialog& form) {
    ++forms;
    form.reject();
  });
  prompter().QueueAnswers({false, false});
  for (const char* button : {"addCertificate", "modifyCertificate", "deleteCertificate"}) {
    Click(*panel, button);
  }
  for (Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F8, Qt::Key_Return}) {
    QTest::keyClick(&panel->CertificatesView(), key);
  }
  EXPECT_EQ(forms, 4);
  EXPECT_EQ(prompter().Texts(),
            QStringList(2, QStringLiteral("Esti sigur ca vrei sa stergi concediul selectat?")));
  EXPECT_EQ(Count("concedii"), 1);
}

}  // namespace

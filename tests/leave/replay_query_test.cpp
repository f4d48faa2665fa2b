#include "leave/declarations/declaration_checks.h"
#include "leave/replay/declaration_totals.h"
#include "leave_test_support.h"
#include "store/schema/schema.h"
#include "support/test_server.h"

namespace {

constexpr char kCf[] = "12345674";

class ReplayQueryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { UpgradeSchema(server().Client()); }
  static TestServer& server() { return TestServer::Instance(); }
  // The program's other tests leave their declarations behind.
  void SetUp() override {
    server().Run(QStringLiteral("TRUNCATE TABLE concedii.declaratii"));
    server().Run(QStringLiteral("TRUNCATE TABLE concedii.concedii"));
  }

  // A declaration of June 2009 (or another month); returns its index.
  qint64 Declaration(const char* cf, int luna, int number) {
    server().Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, "
                                "rectif_nr, nr_ang, fond_de_salarii, contributii_datorate, "
                                "faambp_datorat, de_recuperat_anterior) VALUES "
                                "('%1', %2, '%3', %4, 5, 100000, 255, 9, 20)")
                     .arg(QLatin1String(cf))
                     .arg(luna)
                     .arg(number == 0 ? QStringLiteral("NU") : QStringLiteral("DA"))
                     .arg(number));
    EXPECT_EQ(server().Client().Execute(QStringLiteral("SELECT LAST_INSERT_ID() AS i"), 1), 0);
    return server().Client().GetField(0, QStringLiteral("I")).toLongLong();
  }
  void Certificate(qint64 declaration, const char* type, const char* series, int code, int days,
                   int sum) {
    server().Run(QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, "
                                "tip_rectif, cert_serie, cert_numar, cod_indemn, "
                                "zile_prestatii, zile_suportate_fnuass, suma_suportata_fnuass) "
                                "VALUES (%1, '%2', '1800101221144', '%3', '%4', '17', %5, %6, "
                                "%7, %8)")
                     .arg(declaration)
                     .arg(QLatin1String(kCf), QLatin1String(type), QLatin1String(series))
                     .arg(code)
                     .arg(days)
                     .arg(days > 0 ? days - 1 : 0)
                     .arg(sum));
  }
};

// The month's rows as stored: a certificate of 300 modified to 200 in rectification 1, which
// also adds one of 50 withdrawn in rectification 2, rectification 3 without certificates, and
// entries of another month and of another company that the replay must not read.
TEST_F(ReplayQueryTest, StoredDeclarationsReplayIntoTheirFigures) {
  const qint64 initial = Declaration(kCf, 200906, 0);
  const qint64 first = Declaration(kCf, 200906, 1);
  const qint64 second = Declaration(kCf, 200906, 2);
  Declaration(kCf, 200906, 3);
  Certificate(initial, "", "cm", 1, 10, 300);  // series stored as the server compares it
  Certificate(first, "M", "CM", 8, 8, 200);
  Certificate(second, "S", "AB", 1, 0, 0);
  Certificate(first, "A", "AB", 1, 4, 50);  // entered later, still part of rectification 1
  Certificate(Declaration(kCf, 200907, 0), "", "XY", 1, 3, 1000);
  Certificate(Declaration("13548146", 200906, 0), "", "XY", 1, 3, 1000);

  const auto entries = ReadMonthCertificates(server().Client(), QLatin1String(kCf), 200906, 3);
  ASSERT_TRUE(entries.has_value());
  QStringList read;
  for (const CertificateEntry& entry : *entries) read.append(entry.type + entry.series);
  EXPECT_EQ(read, QStringList({"cm", "MCM", "AAB", "SAB", ""}));

  const struct {
    int upTo;
    double j;
    IndemnityGroup g1, g3;
  } cases[] = {{0, 300, {1, 10, 9, 300}, {}},
               {1, 250, {1, 4, 3, 50}, {1, 8, 7, 200}},
               {2, 200, {}, {1, 8, 7, 200}},
               {3, 200, {}, {1, 8, 7, 200}}};
  for (const auto& c : cases) {
    const auto replay = RectificationReplay(server().Client(), QLatin1String(kCf), 200906, c.upTo);
    ASSERT_TRUE(replay.has_value()) << c.upTo;
    EXPECT_EQ(replay->benefits, c.j) << c.upTo;
    EXPECT_EQ(replay->groups[0], c.g1) << c.upTo;
    EXPECT_EQ(replay->groups[2], c.g3) << c.upTo;
  }

  const auto totals = LoadDeclarationTotals(server().Client(), second);
  ASSERT_TRUE(totals.has_value());
  EXPECT_EQ(
      DeclarationPanelLines(*totals).mid(4),
      QStringList({"I. Total contributii datorate: 264 (F + H)",
                   "J. Prestatii de suportat din FNUASS: 200",
                   "K. Suma de recuperat din lunile anterioare: 20",
                   "L. Suma recuperata din luna curenta: 20 (I - J)",
                   "M. Suma de virat: 44 (I - J - L)", "N. Suma de recuperat de la FNUASS: 0"}));

  // Modifying is refused while a later rectification of the month exists.
  const QString later = QStringLiteral(
      "Exista cel putin o alta declaratie rectificativa ulterioara acesteia, in aceeasi "
      "luna!\n\nNu poti modifica declaratia curenta.");
  DeclarationFormValues values{"06",    "2009", "0",    "22", "500", "5", "100000",
                               "30000", "255",  "1000", "9",  "264", "20"};
  for (const auto& [number, expected] :
       {std::pair{"0", CheckResult::Refused(later)}, std::pair{"2", CheckResult::Refused(later)},
        std::pair{"3", CheckResult::Ok()}}) {
    values.number = QLatin1String(number);
    EXPECT_EQ(DeclarationConfirmProblem(server().Client(), QLatin1String(kCf), values, true),
              expected)
        << number;
  }
  EXPECT_EQ(DeclarationConfirmProblem(server().Client(), QLatin1String(kCf), values, false),
            CheckResult::Ok());
  EXPECT_TRUE(server().Prompter().Messages().empty());
}

}  // namespace

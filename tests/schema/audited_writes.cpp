#include "screen_statements.h"

const std::vector<ScreenStatement>& ScreenStatements() {
  static const std::vector<ScreenStatement> statements = {
      {"companies list",
       QStringLiteral("SELECT s.denumire, s.cf, s.index FROM asigurati.societati AS s")},
      {"company counts",
       QStringLiteral("SELECT COUNT(DISTINCT a.cas) AS c FROM asigurati.asigurati AS a WHERE "
                      "a.cf=13548146 AND a.iesire=0")},
      {"company counts", QStringLiteral("SELECT COUNT(*) AS c FROM asigurati.asigurati AS a WHERE "
                                        "a.cf=13548146 AND a.iesire=0")},
      {"company counts", QStringLiteral("SELECT COUNT(*) AS c FROM asigurati.asigurati AS a WHERE "
                                        "a.cf=13548146 AND a.iesire>0")},
      {"company counts",
       QStringLiteral(
           "SELECT COUNT(*) AS count FROM asigurati.coasigurati AS c LEFT JOIN asigurati.asigurati "
           "AS a ON c.cnp_asig=a.cnp WHERE c.cf=13548146 AND a.iesire=0")},
      {"company form", QStringLiteral("SELECT * FROM asigurati.societati AS s WHERE s.index=1")},
      {"company form",
       QStringLiteral("SELECT * FROM asigurati.societati AS s WHERE s.cf=13548146")},
      {"company form",
       QStringLiteral("SELECT * FROM asigurati.societati AS s WHERE s.cf=13548146 AND s.index<>1")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.asigurati SET cf=2795207 WHERE cf=13548146")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.asigurati SET cf=13548146 WHERE cf=2795207")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.coasigurati SET cf=2795207 WHERE cf=13548146")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.coasigurati SET cf=13548146 WHERE cf=2795207")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.sume SET cf=2795207 WHERE cf=13548146")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.sume SET cf=13548146 WHERE cf=2795207")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.sume_societati SET cf=2795207 WHERE cf=13548146")},
      {"fiscal code move",
       QStringLiteral("UPDATE asigurati.sume_societati SET cf=13548146 WHERE cf=2795207")},
      {"fiscal code move",
       QStringLiteral("UPDATE concedii.declaratii SET cf=2795207 WHERE cf=13548146")},
      {"fiscal code move",
       QStringLiteral("UPDATE concedii.declaratii SET cf=13548146 WHERE cf=2795207")},
      {"fiscal code move",
       QStringLiteral("UPDATE concedii.concedii SET cf=2795207 WHERE cf=13548146")},
      {"fiscal code move",
       QStringLiteral("UPDATE concedii.concedii SET cf=13548146 WHERE cf=2795207")},
      {"company delete",
       QStringLiteral("SELECT count(*) AS c FROM asigurati.asigurati AS a WHERE a.cf=13548146")},
      {"company delete",
       QStringLiteral("SELECT * FROM concedii.declaratii AS d WHERE d.cf=13548146")},
      {"insured form", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.index=1")},
      {"insured form", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE "
                                      "a.cnp=1800101221144 AND a.iesire=0 AND a.cf=13548146")},
      {"insured form",
       QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=1800101221144 AND "
                      "a.iesire=0 AND a.cf=13548146 AND a.index<>1")},
      {"insured form",
       QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cnp=1800101221144 AND "
                      "a.iesire>0 AND a.cf=13548146 ORDER BY a.iesire DESC LIMIT 1")},
      {"insured form", QStringLiteral("SELECT a.cnp, a.forma, s.denumire FROM asigurati.asigurati "
                                      "AS a LEFT JOIN asigurati.societati AS s ON a.cf=s.cf WHERE "
                                      "a.cnp=1800101221144 AND a.iesire=0 AND a.cf<>13548146")},
      {"insured form",
       QStringLiteral(
           "SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS c LEFT JOIN "
           "asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN asigurati.societati AS s ON "
           "c.cf=s.cf WHERE c.cnp=1800101221144 AND a.iesire=0")},
      {"insured form",
       QStringLiteral(
           "UPDATE asigurati.coasigurati SET cnp_asig=1800101221144 WHERE cnp_asig=1800101221144")},
      {"insured form",
       QStringLiteral("UPDATE asigurati.sume SET cnp=1800101221144 WHERE cnp=1800101221144")},
      {"liquidation form", QStringLiteral("SELECT * from ASIGURATI.ASIGURATI AS a where a.cnp like "
                                          "'180%' AND a.cf=13548146 AND a.iesire=0 LIMIT 0,1")},
      {"liquidation form", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE "
                                          "a.cnp=1800101221144 AND a.cf=13548146 AND a.iesire=0")},
      {"liquidation form", QStringLiteral("UPDATE asigurati.asigurati SET iesire=20090615 WHERE "
                                          "cnp=1800101221144 AND iesire=0 AND cf=13548146")},
      {"liquidation form", QStringLiteral("UPDATE asigurati.asigurati SET iesire=0 WHERE "
                                          "cnp=1800101221144 AND iesire=20090615 AND cf=13548146")},
      {"insured list", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cf=13548146 "
                                      "ORDER BY a.nume, a.intrare")},
      {"insured list", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cf=13548146 "
                                      "AND a.iesire=0 ORDER BY a.nume, a.intrare")},
      {"insured list", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE a.cf=13548146 "
                                      "AND a.iesire>0 ORDER BY a.nume, a.intrare")},
      {"insured list",
       QStringLiteral("SELECT * FROM asigurati.coasigurati AS c WHERE c.cf=13548146 AND "
                      "c.cnp_asig=1800101221144 ORDER BY c.nume, c.prenume")},
      {"insured list",
       QStringLiteral(
           "SELECT * FROM asigurati.asigurati AS s WHERE s.cnp=1800101221144 AND s.index!=1")},
      {"dependant form",
       QStringLiteral("SELECT * from ASIGURATI.ASIGURATI AS a where a.nume like 'POP%' AND "
                      "a.prenume like 'I%' AND a.cf=13548146 AND a.iesire=0 LIMIT 0,1")},
      {"dependant form",
       QStringLiteral("SELECT * from ASIGURATI.ASIGURATI AS a where a.cnp='1800101221144' AND "
                      "a.cf=13548146 AND a.iesire=0 LIMIT 0,1")},
      {"dependant form",
       QStringLiteral(
           "SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS c LEFT JOIN "
           "asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN asigurati.societati AS s ON "
           "c.cf=s.cf WHERE c.cnp='2820404221147' AND a.iesire=0  LIMIT 1")},
      {"dependant form",
       QStringLiteral(
           "SELECT c.cnp, a.nume, a.prenume, s.denumire FROM asigurati.coasigurati AS c LEFT JOIN "
           "asigurati.asigurati AS a ON c.cnp_asig=a.cnp LEFT JOIN asigurati.societati AS s ON "
           "c.cf=s.cf WHERE c.cnp='2820404221147' AND a.iesire=0  AND c.index<>1  LIMIT 1")},
      {"dependant form",
       QStringLiteral(
           "SELECT a.cnp, s.denumire from ASIGURATI.ASIGURATI AS a LEFT JOIN asigurati.societati "
           "AS s ON a.cf=s.cf WHERE a.cnp='2820404221147' AND a.iesire=0 LIMIT 1")},
      {"report wizard", QStringLiteral("SELECT s.cf, s.denumire FROM asigurati.societati AS s")},
      {"employee amounts",
       QStringLiteral("SELECT a.cas, a.cf, a.cnp, a.forma, a.nume, a.prenume, a.intrare, a.iesire, "
                      "a.index, s.salariu, s.asig_datorat, s.asig_virat, s.luna AS la_luna  FROM "
                      "asigurati.asigurati AS a LEFT JOIN asigurati.sume AS s ON s.id_cnp=a.index "
                      "AND s.luna=200906 WHERE a.cf=13548146 AND a.intrare<=20090631 AND "
                      "(a.iesire>=20090601 OR a.iesire=0) ORDER BY a.nume, a.prenume, a.intrare")},
      {"employee amounts",
       QStringLiteral("UPDATE asigurati.sume AS s SET  s.salariu=1000, s.asig_datorat=55, "
                      "s.asig_virat=55 WHERE s.id_cnp=1 AND s.luna=200906")},
      {"employee amounts",
       QStringLiteral(
           "SELECT * FROM asigurati.sume AS s WHERE s.id_cnp=1 ORDER BY s.luna DESC LIMIT 1")},
      {"employer amounts", QStringLiteral("SELECT ss.* FROM asigurati.sume_societati AS ss WHERE "
                                          "ss.cf=13548146 AND ss.luna=200906")},
      {"report files",
       QStringLiteral("SELECT DISTINCT(a.cas), c.denumire AS casa FROM asigurati.asigurati AS a  "
                      "LEFT JOIN asigurati.cas AS c ON a.cas=c.cas WHERE a.cf=13548146 AND "
                      "a.intrare<=20090631 AND (a.iesire>=20090601 OR a.iesire=0) ORDER BY a.cas")},
      {"report files",
       QStringLiteral("SELECT COUNT(*) AS count FROM asigurati.asigurati AS a WHERE  a.cf=13548146 "
                      "AND a.intrare<=20090631 AND (a.iesire>=20090601 OR a.iesire=0)")},
      {"report files",
       QStringLiteral(
           "SELECT COUNT(*) AS count FROM asigurati.asigurati AS a WHERE  a.cf=13548146 AND "
           "a.intrare<=20090631 AND (a.iesire>=20090601 OR a.iesire=0) AND a.cas='CASAB'")},
      {"report files",
       QStringLiteral(
           "SELECT '06' AS LN, '2009' AS AN, '13548146' AS CF, 'J40' AS RJ, '1' AS RN, '2003' AS "
           "RA,  a.cnp AS CNP,  a.nume AS NUME,  a.prenume AS PRENUME,  a.forma AS CAT,  a.intrare "
           "AS ANG,  a.iesire AS PL,  s.asig_datorat AS SDL,  s.asig_virat AS SVL, 'POP' AS NREP, "
           "'ION' AS PREP  FROM asigurati.asigurati AS a LEFT JOIN asigurati.sume AS s ON "
           "s.id_cnp=a.index AND s.luna=200906 WHERE a.cf=13548146 AND a.cas='CASAB' AND "
           "a.intrare<=20090631 AND (a.iesire>=20090601 OR a.iesire=0) ORDER BY a.nume, a.prenume, "
           "a.intrare")},
      {"report files",
       QStringLiteral(
           "SELECT '06' AS LN, '2009' AS AN, '13548146' AS CF, 'J40' AS RJ, '1' AS RN, '2003' AS "
           "RA, a.cnp AS CNP, c.cnp AS CNPC, c.nume AS NUMEC, c.prenume AS PRENUMEC, c.tip AS "
           "TIPC, 'POP' AS NREP, 'ION' AS PREP FROM asigurati.asigurati AS a JOIN "
           "asigurati.coasigurati AS c ON a.cnp=c.cnp_asig WHERE a.cf=13548146 AND a.cas='CASAB' "
           "AND a.intrare<=20090631 AND (a.iesire>=20090601 OR a.iesire=0)GROUP BY c.cnp ORDER BY "
           "c.nume, c.prenume")},
      {"report files",
       QStringLiteral(
           "SELECT '06' AS LN, '2009' AS AN, a.cf AS CF, 'J40' AS RJ, '1' AS RN, '2003' AS RA, "
           "mid(a.cas, 4, 2) AS CAS_ASIG, 0 AS SDLA, 0 AS SVTA,  sum(s.asig_datorat) AS SDL_ASIG,  "
           "sum(s.asig_virat) AS SVT_ASIG, 'POP' AS NREP, 'ION' AS PREP  FROM asigurati.asigurati "
           "AS a LEFT JOIN asigurati.sume AS s ON s.id_cnp=a.index AND s.luna=200906 WHERE "
           "a.cf=13548146 AND a.intrare<=20090631 AND (a.iesire>=20090601 OR a.iesire=0) GROUP BY "
           "a.cas  ORDER BY a.nume, a.prenume")},
      {"report files",
       QStringLiteral(
           "SELECT * FROM asigurati.sume_societati AS ss WHERE ss.cf=13548146 AND ss.luna=200906")},
      {"printed lists",
       QStringLiteral(
           "SELECT a.cas, a.cf, a.cnp AS CNP, a.nume AS NUME, a.prenume AS PRENUME, a.forma AS "
           "CATEGORIA, s.asig_datorat AS DATORAT_LUNA, s.asig_virat AS VIRAT_LUNA,  a.intrare AS "
           "DATA_ANGAJARII, a.iesire AS DATA_PLECARII, s.luna AS LA_LUNA,  a.index  FROM "
           "asigurati.asigurati AS a LEFT JOIN asigurati.sume AS s ON s.id_cnp=a.index AND "
           "s.luna=200906 WHERE a.cf=13548146 AND a.cas='CASAB' AND a.intrare<=20090631 AND "
           "(a.iesire>=20090601 OR a.iesire=0) ORDER BY a.nume, a.prenume, a.intrare")},
      {"printed lists",
       QStringLiteral(
           "SELECT a.cnp AS CNP_ANGAJAT, c.cnp AS CNP, c.nume AS NUME, c.prenume AS PRENUME, c.tip "
           "AS TIP FROM asigurati.asigurati AS a JOIN asigurati.coasigurati AS c ON "
           "a.cnp=c.cnp_asig WHERE a.cf=13548146 AND a.cas='CASAB' AND a.intrare<=20090631 AND "
           "(a.iesire>=20090601 OR a.iesire=0)GROUP BY c.cnp ORDER BY c.nume, c.prenume")},
      {"printed lists",
       QStringLiteral("SELECT DISTINCT(a.cas) AS cas, c.denumire AS casa FROM asigurati.asigurati "
                      "AS a  LEFT JOIN asigurati.cas AS c ON a.cas=c.cas WHERE a.cf=13548146 AND "
                      "a.intrare<=20090631 AND (a.iesire>=20090601 OR a.iesire=0) ORDER BY a.cas")},
      {"printed lists",
       QStringLiteral(
           "SELECT a.cas AS CAS, a.cf, a.cnp, s.asig_datorat AS ASIG_DATORAT_LUNA, s.asig_virat AS "
           "ASIG_VIRAT_LUNA,  a.intrare AS DATA_ANGAJARII,  a.index  FROM asigurati.asigurati AS a "
           "LEFT JOIN asigurati.sume AS s ON s.id_cnp=a.index AND s.luna=200906 WHERE "
           "a.cf=13548146 AND a.cas='CASAB' AND a.intrare<=20090631 AND (a.iesire>=20090601 OR "
           "a.iesire=0) ORDER BY a.nume, a.prenume")},
      {"leave screen",
       QStringLiteral("SELECT s.cf, s.denumire, s.index FROM asigurati.societati AS s")},
      {"leave screen",
       QStringLiteral("SELECT d.luna, d.rectificativa AS rectif, if (d.rectificativa='DA', "
                      "d.rectif_nr, '') AS nr, d.index FROM concedii.declaratii AS d WHERE "
                      "d.cf=13548146 ORDER BY d.luna, d.rectificativa DESC, d.rectif_nr")},
      {"leave screen",
       QStringLiteral(
           "SELECT c.tip_rectif AS tip, c.cnp, c.prenume, c.nume, c.cas, c.cert_serie, "
           "c.cert_numar, c.cert_init_serie, c.cert_init_numar, c.cod_indemn, c.zile_lucratoare, "
           "c.zile_lucrate, c.zile_prestatii, c.zile_suportate_fnuass AS zile_fnuass, "
           "c.suma_suportata_fnuass AS suma_fnuass, c.index FROM concedii.concedii AS c WHERE "
           "c.id_declaratie=1 ORDER BY c.nume, c.index")},
      {"declaration form",
       QStringLiteral("SELECT * FROM concedii.declaratii AS d WHERE d.cf=13548146 AND "
                      "d.luna=200906 ORDER BY d.rectificativa, d.rectif_nr DESC")},
      {"declaration form",
       QStringLiteral("SELECT * FROM concedii.declaratii AS d WHERE d.index=1")},
      {"declaration form",
       QStringLiteral("SELECT * FROM concedii.declaratii AS d WHERE d.cf=13548146 AND "
                      "d.luna=200906 AND d.rectificativa='DA' AND d.rectif_nr>0")},
      {"declaration totals",
       QStringLiteral("SELECT * FROM concedii.declaratii AS c WHERE c.index=1")},
      {"declaration totals",
       QStringLiteral(
           "SELECT d.luna, d.rectificativa, d.rectif_nr, c.* FROM concedii.declaratii AS d LEFT "
           "JOIN concedii.concedii AS c ON c.id_declaratie=d.index WHERE d.cf=13548146 AND "
           "d.luna=200906 AND d.rectif_nr<=0 ORDER BY d.rectificativa DESC, d.rectif_nr, c.index")},
      {"certificate form", QStringLiteral("SELECT * FROM concedii.concedii AS c WHERE c.index=1")},
      {"certificate form", QStringLiteral("SELECT * FROM concedii.concedii AS c WHERE c.cnp like "
                                          "'180%' AND c.cf=13548146 LIMIT 0,1")},
      {"certificate form",
       QStringLiteral("SELECT d.*, c.cnp, c.cert_serie FROM concedii.declaratii AS d  LEFT JOIN "
                      "concedii.concedii AS c ON c.id_declaratie=d.index WHERE  d.luna=200906 AND "
                      "d.cf=13548146 AND d.rectif_nr<=0 AND c.cnp=1800101221144 AND "
                      "c.cert_serie='CCMAB' AND c.cert_numar='1234'AND c.index<>0")},
      {"certificate form",
       QStringLiteral("SELECT d.*, c.cnp, c.cert_serie FROM concedii.declaratii AS d  LEFT JOIN "
                      "concedii.concedii AS c ON c.id_declaratie=d.index WHERE  d.luna=200906 AND "
                      "d.cf=13548146 AND d.rectif_nr<=1 AND c.cnp=1800101221144 AND "
                      "c.cert_serie='CCMAB' AND c.cert_numar='1234'AND c.index<>1")},
      {"certificate form",
       QStringLiteral("SELECT d.*, c.cnp, c.cert_serie FROM concedii.declaratii AS d  LEFT JOIN "
                      "concedii.concedii AS c ON c.id_declaratie=d.index WHERE  d.luna=200906 AND "
                      "d.cf=13548146 AND d.rectif_nr<1 AND c.cnp=1800101221144 AND "
                      "c.cert_serie='CCMAB' AND c.cert_numar='1234'")},
      {"printed declaration",
       QStringLiteral("SELECT * FROM concedii.concedii AS c WHERE c.id_declaratie=1 ORDER BY "
                      "c.nume, c.cert_init_serie")},
      {"declaration files",
       QStringLiteral(
           "SELECT '1' AS TIPD, '06' AS LN, '2009' AS AN, 'ALFA SRL' AS DEN_ANG, '13548146' AS "
           "CUI, '' AS NR_CRT, c.tip_rectif, concat(c.nume, ' ', c.prenume) AS NUME_ASIG, c.cnp , "
           "mid(c.cas, 4, 2) AS CAS_ASIG, c.zile_lucratoare AS ZI_LUCRAT, c.zile_lucrate AS "
           "TOT_ZI_LUC, c.cert_serie AS SERIE_CCM, c.cert_numar AS NUMAR_CCM, c.zile_prestatii AS "
           "ZI_PRE, c.zile_suportate_fnuass AS ZI_FN,\tc.cod_indemn, c.cert_init_serie AS "
           "SERIE_CCM_, c.cert_init_numar AS NUMAR_SSM_, c.suma_suportata_fnuass AS FN, c.cod_urg, "
           "c.cod_contag FROM concedii.concedii AS c WHERE c.id_declaratie=1")},
      {"import", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE  a.cf=13548146 AND "
                                "a.cnp=1800101221144 AND a.iesire=0")},
      {"import",
       QStringLiteral("SELECT * FROM asigurati.sume AS s WHERE  s.id_cnp=1 AND s.LUNA=200906")},
      {"import", QStringLiteral("SELECT * FROM asigurati.asigurati AS a WHERE  a.cf=13548146 AND "
                                "a.cnp=1800101221144 AND a.intrare=20090101")},
      {"declaration delete", QStringLiteral("DELETE FROM concedii.concedii WHERE id_declaratie=1")},
      {"declaration delete",
       QStringLiteral("DELETE FROM concedii.declaratii WHERE concedii.declaratii.index=1")},
      {"record delete",
       QStringLiteral(
           "DELETE FROM asigurati.coasigurati WHERE asigurati.coasigurati.cnp_asig=1800101221144")},
      {"record delete", QStringLiteral("DELETE FROM asigurati.sume WHERE asigurati.sume.id_cnp=1")},
      {"record delete",
       QStringLiteral("DELETE FROM asigurati.asigurati WHERE asigurati.asigurati.index=1")},
      {"company delete", QStringLiteral("DELETE FROM asigurati.asigurati WHERE cf=13548146")},
      {"company delete", QStringLiteral("DELETE FROM asigurati.coasigurati WHERE cf=13548146")},
      {"company delete", QStringLiteral("DELETE FROM asigurati.sume WHERE cf=13548146")},
      {"company delete", QStringLiteral("DELETE FROM asigurati.sume_societati WHERE cf=13548146")},
      {"company delete", QStringLiteral("DELETE FROM concedii.declaratii WHERE cf=13548146")},
      {"company delete", QStringLiteral("DELETE FROM concedii.concedii WHERE cf=13548146")},
      {"company delete", QStringLiteral("DELETE FROM asigurati.societati WHERE cf=13548146")},
  };
  return statements;
}

const std::vector<AuditedWrite>& ScreenAuditedWrites() {
  static const std::vector<AuditedWrite> writes = {
      {"ASIGURATI",
       "SOCIETATI",
       {"CF", "DENUMIRE", "REG_COM", "REPR", "ZIUA_LIC", "LUNA_LIC", "LOC",   "STR", "NR", "BL",
        "SC", "ET",       "AP",      "TEL",  "JUD",      "SECT",     "EMAIL", "B1",  "F1", "C1"},
       {"13548146",
        "ALFA SRL",
        "J40/1/2003",
        "POP ION",
        "10",
        "0",
        "Bucuresti",
        "Lunga",
        "12A bis B",  // the widest number the form takes is 10 characters
        "B4",
        "2",
        "3",
        "14",
        "0212223344",
        "MB",
        "3",
        "office@alfa.ro",
        "BANCA",
        "FILIALA",
        "RO49AAAA1B31007593840000"}},
      {"ASIGURATI",
       "ASIGURATI",
       {"CF", "CAS", "NUME", "PRENUME", "CNP", "INTRARE", "IESIRE", "FORMA"},
       {"13548146", "CASAB", "ŞTEFĂNESCU", "ION", "1800101221144", "20090101", "0", "S"}},
      {"ASIGURATI",
       "COASIGURATI",
       {"CF", "CNP_ASIG", "CNP", "NUME", "PRENUME", "TIP"},
       {"13548146", "1800101221144", "2820404221147", "POPESCU", "MARIA", "S"}},
      {"ASIGURATI",
       "SUME",
       {"ID_CNP", "CF", "CNP", "LUNA", "SALARIU", "ASIG_DATORAT", "ASIG_VIRAT", "ANG_DATORAT",
        "ANG_VIRAT"},
       {"1", "13548146", "1800101221144", "200906", "1000", "55", "55", "52", "52"}},
      {"ASIGURATI",
       "SUME_SOCIETATI",
       {"CF", "LUNA", "FOND_DE_SALARII", "DATORAT", "VIRAT"},
       {"13548146", "200906", "1000", "52", "52"}},
      {"CONCEDII",
       "DECLARATII",
       {"CF", "LUNA", "RECTIFICATIVA", "RECTIF_NR", "ZILE_LUCRATOARE", "NR_ANG", "SALARIUL_MINIM",
        "FOND_DE_SALARII", "CONTRIBUTII_DATORATE", "FAAMBP", "FAAMBP_DATORAT",
        "DE_RECUPERAT_ANTERIOR"},
       {"13548146", "200906", "DA", "1", "22", "5", "500", "100000", "255", "1000", "9", "0"}},
      {"CONCEDII",
       "CONCEDII",
       {"ID_DECLARATIE", "CF", "CNP", "NUME", "PRENUME", "CAS", "TIP_RECTIF", "CERT_SERIE",
        "CERT_NUMAR", "CERT_INIT_SERIE", "CERT_INIT_NUMAR", "COD_INDEMN", "ZILE_LUCRATOARE",
        "ZILE_LUCRATE", "ZILE_PRESTATII", "ZILE_SUPORTATE_FNUASS", "SUMA_SUPORTATA_FNUASS",
        "COD_URG", "COD_CONTAG"},
       {"1", "13548146", "1800101221144", "POPESCU", "ION", "CASAB", "A", "CCMAB", "1234", "", "",
        "1", "22", "10", "12", "9", "300", "175", "36"}},
  };
  return writes;
}

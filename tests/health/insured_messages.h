#pragma once

#include <QString>

// The refusals of the insured and liquidation forms, as the user reads them.
inline const QString kNume = QStringLiteral("Trebuie sa introduci un nume!");
inline const QString kPrenume = QStringLiteral("Trebuie sa introduci un prenume!");
inline const QString kHouse = QStringLiteral("Trebuie sa selectezi casa de asigurari!");
inline const QString kCnpBad = QStringLiteral("CNP-ul introdus este invalid!");
inline const QString kHiring = QStringLiteral("Data angajarii introdusa este incorecta!");
inline const QString kExit = QStringLiteral("Data lichidarii introdusa este incorecta!");
inline const QString kOrder =
    QStringLiteral("Data lichidarii trebuie sa fie mai recenta decat data angajarii!");
inline const QString kActiveHere =
    QStringLiteral("CNP-ul introdus exista deja in societatea curenta!");

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1250, the code page of the reporting files the houses exchange. One byte per
// character both ways, so a field's width in bytes is its width in characters.

// ș ț Ș Ț (comma below) become their cedilla forms ş ţ Ş Ţ, which the code page has;
// any other character it lacks becomes "?".
QByteArray ToCp1250(const QString& text);

// Writes the text as above into dest until room bytes are used; returns the count written.
qsizetype WriteCp1250(QStringView text, char* dest, qsizetype room);

// Appends exactly one byte per character of the text (see ToCp1250).
void AppendCp1250(QByteArray& out, QStringView text);

// The five bytes the code page leaves undefined read as U+FFFD.
QString FromCp1250(QByteArrayView bytes);

#pragma once

#include <QString>
#include <QStringList>

// The searchable form of catalogue text: capitals without Turkish marks (Ç→C, Ğ→G, İ/ı→I,
// Ö→O, Ş→S, Ü→U), blanks collapsed. The client already types these letters plain, so a name
// stored as "ÖN" is found with "ON".
namespace SearchText {
QString fold(const QString &text);
// The folded words of a search text, blanks dropped.
QStringList words(const QString &text);
} // namespace SearchText

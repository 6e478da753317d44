#pragma once
// Turkish letter folding for searches: the stored search text and the typed text are both
// folded, so "şanzıman", "SANZIMAN" and "ŞANZIMAN" meet as "sanziman".
//
// İ, I, ı, i -> i; Ş, ş -> s; Ğ, ğ -> g; Ü, ü -> u; Ö, ö -> o; Ç, ç -> c; Â, â -> a; Î, î -> i;
// Û, û -> u; every other letter to lower case (locale-independent). Runs of white space become
// one blank; leading and trailing blanks go.

#include <QString>
#include <QStringList>

QString TurkceKatla(const QString& metin);

// The folded text without the punctuation that part codes carry ("04465-0D150" -> "044650d150").
QString KodKatla(const QString& metin);

// The words of a search text, folded; the wildcards "%" and "*" are dropped, so a word made only
// of them matches everything (and is not returned). Repeated words, and words contained in
// another word of the text, are dropped.
QStringList AramaKelimeleri(const QString& metin, bool* hepsi = nullptr);

// A key whose plain (binary) order is the Turkish alphabetical order of the text, case-insensitive:
// A B C Ç D E F G Ğ H I İ J K L M N O Ö P Q R S Ş T U Ü V W X Y Z, digits before letters.
QString TurkceSiraAnahtari(const QString& metin);

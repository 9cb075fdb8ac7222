#pragma once

#include <QString>

// The string orderings the lists and the merge rules use. Each answers <0, 0
// or >0. Collators are per thread because imports sort on their own thread.
namespace spinora::text {

// Code-unit order, case-sensitive, independent of the locale.
int plainCompare(const QString& a, const QString& b);
// The user's locale, case-sensitive.
int localizedCompare(const QString& a, const QString& b);
// The user's locale, ignoring case.
int localizedCaseInsensitiveCompare(const QString& a, const QString& b);
// The order of file names: the user's locale, ignoring case, digits by value.
int localizedStandardCompare(const QString& a, const QString& b);

// The tie-break of the lists: an empty text comes before a present one, two
// empty texts are equal (so the order stays consistent for sorting), present
// ones compare as file names do.
int emptyFirstStandardCompare(const QString& a, const QString& b);

// Every word starting with a capital letter, the rest lower case.
QString capitalized(const QString& s);

} // namespace spinora::text

#pragma once
#include <QTest>

// The columns of a data-driven test, in order: colonne<QString, double>("testo", "atteso").
template <class... T, class... N> void colonne(N... nomi)
{
    static_assert(sizeof...(T) == sizeof...(N), "one name for each column");
    (QTest::addColumn<T>(nomi), ...);
}

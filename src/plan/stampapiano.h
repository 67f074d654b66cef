#pragma once
#include <QString>
#include <array>

class Documento;

// The thirteen periods of the strategic plan: the whole year, then January..December.
extern const std::array<QString, 13> periodipiano;

// True when no note holds any text: there is nothing to print.
bool pianovuoto(const std::array<QString, 13>& note);

// The plan as a document: heading, "Piano strategico", a table of period and note for the
// year and each month.
void stampapiano(Documento& d, const std::array<QString, 13>& note);

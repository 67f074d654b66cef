#pragma once
#include "portfolio/portfolio.h"

// Bubble sort of holdings 1..p.numerotitoli by name (character codes; an empty name first).
// Every field and quotation moves with its holding; equal names keep their order.
void ordinaazioni(Portfolio& p);

// Bubble sort of the quotation columns by date, up to the first column with no date.
// Every holding's quotations move with their date; a date that is not a date stays where
// it is; equal dates keep their order.
void ordinaquotazioni(Portfolio& p);

#pragma once
// Table routines of the grids: sorting a table by a list of fields while keeping the current record.

#include <string>
#include <vector>

#include "catalogue/ClientDataset.h"

namespace nq {

// The names of the first four fields of the table marked required, each preceded by ";" (empty when
// there are none): what a sort adds so that records equal in the chosen fields keep a fixed order.
std::string RequiredFields(TClientDataset& ATabela);

// Orders the table by AOrdem[AIndice], a list of field names separated by ";", followed by its required
// fields; the current record stays current. The pointer shows the wait shape meanwhile. An index
// outside the list does nothing; a field the table does not know leaves the order as it was
// (EDatabaseError).
void Ordenar(TClientDataset& ATabela, int AIndice, const std::vector<std::string>& AOrdem);

}  // namespace nq

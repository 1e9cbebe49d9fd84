#include "DocumentSnapshot.h"

DocumentSnapshot DocumentSnapshot::take(const BudgetDocument &document)
{
    return {document.getCatArray(), document.getCatDataDictionary(), document.budgetTotals(), document.extensions()};
}

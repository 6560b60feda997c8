#ifndef BRIMLOW_UNITORDERINGS_H
#define BRIMLOW_UNITORDERINGS_H

// The four orderings of the unit lists and the statements that fill the lists
// for each, run in turn; each group comes sorted by itself, and the whole is
// not sorted again, so a name that two groups return is listed twice.

#include <QStringList>

enum class UnitOrdering {
    AllAscending, // Option1, "All Ascending"
    MetricFirst, // Option3, "Metric units first"
    UkUsFirst, // Option2, "UK, US units first"
    AussieFirst, // Option4, "Aussie units first"
};

QStringList unitListStatements(UnitOrdering ordering);

#endif

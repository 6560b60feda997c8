#include "units/unitorderings.h"

QStringList unitListStatements(UnitOrdering ordering)
{
    switch (ordering) {
    case UnitOrdering::AllAscending:
        return { QStringLiteral("select * from table1 order by unit asc") };
    case UnitOrdering::MetricFirst:
        return { QStringLiteral("select * from table1 where unit like '*ter*' order by unit asc"),
            QStringLiteral("select * from table1 where unit like '*metric*' order by unit asc"),
            QStringLiteral("select * from table1 where unit not like '*ter*' and unit not like "
                           "'*metric*' order by unit asc") };
    case UnitOrdering::UkUsFirst:
        return { QStringLiteral("select * from table1 where unit like '*(UK*' order by unit asc"),
            QStringLiteral("select * from table1 where unit like '*(US*' order by unit asc"),
            QStringLiteral("select * from table1 where unit not like '*(UK*' and unit not like "
                           "'*(US*' order by unit asc") };
    case UnitOrdering::AussieFirst:
        return { QStringLiteral("select * from table1 where unit like '*(Au*' order by unit asc"),
            QStringLiteral("select * from table1 where unit not like '*(Au*' order by unit asc") };
    }
    return {};
}

#pragma once

// Cheques for the tests of the cheque list and its operations.
#include "data/data_control.h"

#include <QString>

namespace Fixtures {

const QString Received = QStringLiteral("دريافت");
const QString Paid = QStringLiteral("پرداخت");

inline Fields cheque(const QString& date, const QString& description, double amount, const QString& type = Received,
                     const QString& bank = QStringLiteral("ملت"))
{
    return {{QStringLiteral("TCH"), date},
            {QStringLiteral("SH"), description},
            {QStringLiteral("Mab"), amount},
            {QStringLiteral("Prd"), type},
            {QStringLiteral("NBank"), bank},
            {QStringLiteral("V"), QStringLiteral("----")},
            {QStringLiteral("Num"), QStringLiteral("1001")},
            {QStringLiteral("TV"), QStringLiteral("1403/01/01")}};
}

inline Fields with(Fields fields, const QString& name, const QVariant& value)
{
    for (auto& field : fields) {
        if (field.first == name) {
            field.second = value;
            return fields;
        }
    }
    fields << qMakePair(name, value);
    return fields;
}

} // namespace Fixtures

using namespace Fixtures;

#pragma once

// Cheques for the tests of the cheque list and its operations.
#include "data/cheque_status.h"
#include "data/table_writer.h"
#include "data/tables.h"

#include <QString>

namespace Fixtures {

using ChequeStatus::Paid;
using ChequeStatus::Received;

inline Fields cheque(const QString& date, const QString& description, double amount, const QString& type = Received,
                     const QString& bank = QStringLiteral("ملت"))
{
    using namespace ChequeTable;
    return {{Date, date},
            {Description, description},
            {Amount, amount},
            {Type, type},
            {Bank, bank},
            {Status, ChequeStatus::Initial},
            {Number, QStringLiteral("1001")},
            {EntryDate, QStringLiteral("1403/01/01")}};
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

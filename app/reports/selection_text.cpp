#include "reports/selection_text.h"

#include <QStringList>

namespace SelectionText {

namespace {

using Rule = ReportQueries::Selection::Rule;
using Order = ReportQueries::Selection::Order;

const QString Chosen = QStringLiteral("انتخاب: ");
const QString Ordered = QStringLiteral(" ؛ ترتيب: ");
const QString Comma = QStringLiteral("، ");
const QString ChequeDate = QStringLiteral("تاريخ چک");

QString quoted(const QString& value)
{
    return QStringLiteral("«%1»").arg(value);
}

QString orderName(Order order, bool archive)
{
    switch (order) {
    case Order::None:
    case Order::ChequeDate:
        return ChequeDate;
    case Order::Bank:
        return QStringLiteral("نام بانک");
    case Order::Status:
        return QStringLiteral("وضعيت چک");
    case Order::EntryDate:
        // The archive keeps no entry date: its list comes in the order of the cheque dates.
        return archive ? ChequeDate : QStringLiteral("تاريخ ورود چک");
    case Order::Kind:
        return QStringLiteral("نوع چک");
    }
    return ChequeDate;
}

QString dates(const QString& from, const QString& to)
{
    return QStringLiteral("از تاريخ %1 تا تاريخ %2").arg(from, to);
}

} // namespace

namespace {

// "بانک «ملت»، وضعيت «پاس شد» ؛ ترتيب: تاريخ چک"
QString body(const ReportQueries::Selection& s, bool archive)
{
    QStringList parts;
    switch (s.rule) {
    case Rule::None:
        return QString();
    case Rule::DateRange:
        parts << dates(s.from, s.to);
        break;
    case Rule::Bank:
        parts << QStringLiteral("بانک ") + quoted(s.bank);
        break;
    case Rule::Status:
        parts << QStringLiteral("وضعيت ") + quoted(s.status);
        break;
    case Rule::Kind:
        parts << QStringLiteral("نوع چک ") + quoted(s.kind);
        break;
    case Rule::Combined:
        parts << QStringLiteral("بانک ") + quoted(s.bank);
        if (s.byStatus)
            parts << QStringLiteral("وضعيت ") + quoted(s.status);
        if (s.byKind)
            parts << QStringLiteral("نوع چک ") + quoted(s.kind);
        if (s.byDates)
            parts << dates(s.from, s.to);
        break;
    case Rule::Order:
        parts << (archive ? QStringLiteral("همه چک هاي بايگاني") : QStringLiteral("همه چک ها"));
        break;
    }
    return parts.join(Comma) + Ordered + orderName(s.order, archive);
}

} // namespace

QString describe(const ReportQueries::Selection& s, bool archive)
{
    return s.rule == Rule::None ? QString() : Chosen + body(s, archive);
}

QString deciding(const ReportQueries::ReportChoice& choice, bool archive)
{
    const ReportQueries::Selection s =
        archive ? ReportQueries::archiveSelection(choice) : ReportQueries::chequeSelection(choice);
    const bool combined = !archive && choice.combined;
    if (s.rule == Rule::None) {
        if (combined)
            return QStringLiteral("جستجوي ترکيبي بانک را همراه با وضعيت يا نوع چک مي خواهد.");
        return QStringLiteral("هنوز فيلتر يا ترتيبي انتخاب نشده است.");
    }
    QString line = QStringLiteral("چاپ مي شود: ") + body(s, archive);
    QStringList asides;
    if (combined && s.rule != Rule::Combined) {
        asides << (s.rule == Rule::Order || s.rule == Rule::Kind
                       ? QStringLiteral("جستجوي ترکيبي به کار نمي رود: گزينه انتخاب شده بر آن مقدم است")
                       : QStringLiteral("جستجوي ترکيبي به کار نمي رود: بانک را همراه با وضعيت يا نوع چک مي خواهد"));
    }
    if (s.rule == Rule::Combined) {
        if (choice.option[6] || choice.option[7] || choice.option[9])
            asides << QStringLiteral("فيلتر انتخاب شده به کار نمي رود: جستجوي ترکيبي بر آن مقدم است");
        if (choice.byDates && !s.byDates)
            asides << QStringLiteral("تاريخ جستجوي ترکيبي فقط همراه با وضعيت و نوع چک به کار مي رود");
    }
    for (const QString& aside : asides)
        line += QStringLiteral("\n(") + aside + QStringLiteral(")");
    return line;
}

QString wholeExpenseBook()
{
    return Chosen + QStringLiteral("همه هزينه هاي دفتر") + Ordered + QStringLiteral("ثبت در دفتر");
}

} // namespace SelectionText

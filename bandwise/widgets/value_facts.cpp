#include "bandwise/widgets/value_facts.h"

#include "common/values/notation.h"
#include "common/values/series.h"
#include "common/values/smd.h"
#include "common/values/tolerance.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStringList>

namespace bandwise {

namespace {

// The facts' own texts, translated with Qt's tools; the language files hold only the windows' texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ValueFacts)
};

constexpr const char* kSeriesNames[] = {"E3", "E6", "E12", "E24", "E48", "E96", "E192"};

QString seriesName(values::Series series)
{
    return QString::fromLatin1(kSeriesNames[static_cast<int>(series)]);
}

}  // namespace

QString valueFacts(const values::TypedValue& reading, const std::optional<values::TypedValue>& otherEnd,
    const QString& decimalSeparator)
{
    using values::Decimal;
    if (reading.ohms <= Decimal {})
        return {};
    const std::string separator = decimalSeparator.toStdString();
    const auto ohms = [&separator](
                          Decimal value) { return QString::fromStdString(values::EngineeringText(value, separator)); };
    const auto number = [&decimalSeparator](Decimal value) {
        return QString::fromStdString(values::DecimalText(value)).replace(QLatin1Char('.'), decimalSeparator);
    };

    // Errors with their sign, the minus a real minus sign: "−2.08", "+14.63".
    const auto signedNumber = [&number](Decimal value) {
        if (value < Decimal {})
            return QStringLiteral("\u2212") + number(Decimal {-value.mantissa, value.exponent});
        return Decimal {} < value ? QStringLiteral("+") + number(value) : number(value);
    };

    const auto withTolerance = [&](const values::TypedValue& value) {
        return value.tolerancePercent
            ? ohms(value.ohms) + QStringLiteral(" \u00B1") + number(*value.tolerancePercent) + QStringLiteral(" %")
            : ohms(value.ohms);
    };

    QStringList facts;
    facts << withTolerance(reading);
    if (reading.tolerancePercent) {
        if (const auto range = values::ToleranceRange(reading.ohms, *reading.tolerancePercent))
            facts << Texts::tr("From %1 to %2").arg(ohms(range->minimum), ohms(range->maximum));
    }

    // Standard as parts of its own tolerance are made; else the neighbours in its tolerance's series.
    const values::StandardVerdict verdict = values::JudgeStandard(reading.ohms, reading.tolerancePercent);
    const auto nearest =
        verdict.expected && !verdict.holding ? values::NearestInSeries(reading.ohms, *verdict.expected) : std::nullopt;
    if (verdict.holding) {
        facts << Texts::tr("Standard value of the %1 series").arg(seriesName(*verdict.holding));
    } else if (nearest) {
        const auto neighbour = [&](const values::SeriesNeighbour& side) {
            return ohms(side.value) + QStringLiteral(" (") + signedNumber(side.errorPercent) + QStringLiteral(" %)");
        };
        const QString series = seriesName(*verdict.expected);
        const QString tolerance = number(*reading.tolerancePercent);
        facts << (verdict.finer ? Texts::tr("Not in %1 (the \u00B1%2 % series); nearest %3 and %4; it is an %5 value")
                                      .arg(series, tolerance, neighbour(nearest->below), neighbour(nearest->above),
                                          seriesName(*verdict.finer))
                                : Texts::tr("Not in %1 (the \u00B1%2 % series); nearest %3 and %4")
                                      .arg(series, tolerance, neighbour(nearest->below), neighbour(nearest->above)));
    } else {
        facts << Texts::tr("Not a standard value");
    }

    facts << Texts::tr("Marked %1").arg(QString::fromStdString(values::RkmText(reading.ohms)));
    QStringList codes;
    for (const values::SmdMarking& marking : values::EncodeSmd(reading.ohms))
        codes << QString::fromStdString(marking.code);
    facts << (codes.isEmpty() ? Texts::tr("No SMD marking")
                              : Texts::tr("SMD: %1").arg(codes.join(QStringLiteral(", "))));

    if (otherEnd && Decimal {} < otherEnd->ohms) {
        // Judged by its own tolerance, which the stripes read that way give.
        const std::optional<values::Series> series =
            values::JudgeStandard(otherEnd->ohms, otherEnd->tolerancePercent).holding;
        facts << (series ? Texts::tr("From the other end: %1, standard value of the %2 series")
                               .arg(withTolerance(*otherEnd), seriesName(*series))
                         : Texts::tr("From the other end: %1, not a standard value").arg(withTolerance(*otherEnd)));
    }
    return facts.join(QLatin1Char('\n'));
}

void showValueFacts(
    QLineEdit* box, const std::optional<values::TypedValue>& reading, const std::optional<values::TypedValue>& otherEnd)
{
    const QString facts = reading ? valueFacts(*reading, otherEnd, box->locale().decimalPoint()) : QString();
    if (facts == box->toolTip())
        return;
    box->setToolTip(facts);
    box->setAccessibleDescription(facts);
}

QMenu* valueMenu(QLineEdit* box, const std::optional<values::TypedValue>& reading, const QStringList& bands)
{
    QMenu* menu = box->createStandardContextMenu();
    menu->addSeparator();
    const auto offer = [menu](const QString& caption, const QString& text) {
        QObject::connect(menu->addAction(caption), &QAction::triggered, menu,
            [text] { QGuiApplication::clipboard()->setText(text); });
    };
    if (reading && values::Decimal {} < reading->ohms) {
        const std::string separator = box->locale().decimalPoint().toStdString();
        for (const QString& form : {QString::fromStdString(values::EngineeringText(reading->ohms, separator)),
                 QString::fromStdString(values::RkmText(reading->ohms))})
            offer(Texts::tr("Copy as %1").arg(form), form);
    }
    if (!bands.isEmpty())
        offer(Texts::tr("Copy bands"), bands.join(QLatin1Char(' ')));
    return menu;
}

void offerValueMenu(QLineEdit* box, std::function<QMenu*()> makeMenu)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QLineEdit::customContextMenuRequested, box, [box, makeMenu](const QPoint& where) {
        QMenu* menu = makeMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(box->mapToGlobal(where));
    });
}

}  // namespace bandwise

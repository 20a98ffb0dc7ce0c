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

// The coarsest series that holds the value.
std::optional<values::Series> standardSeries(values::Decimal ohms)
{
    for (int i = 0; i < static_cast<int>(std::size(kSeriesNames)); ++i) {
        if (values::InSeries(ohms, static_cast<values::Series>(i)))
            return static_cast<values::Series>(i);
    }
    return std::nullopt;
}

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

    // The series that holds the value; else the neighbours in the series of its tolerance.
    const std::optional<values::Series> holding = standardSeries(reading.ohms);
    const std::optional<values::Series> expected =
        reading.tolerancePercent ? values::SeriesForTolerance(*reading.tolerancePercent) : std::nullopt;
    if (holding) {
        facts << Texts::tr("Standard value of the %1 series").arg(seriesName(*holding));
    } else if (const auto nearest = expected ? values::NearestInSeries(reading.ohms, *expected) : std::nullopt) {
        const auto neighbour = [&](const values::SeriesNeighbour& side) {
            return ohms(side.value) + QStringLiteral(" (") + number(side.errorPercent) + QStringLiteral(" %)");
        };
        facts << Texts::tr("Not a standard value; nearest in %1: %2 and %3")
                     .arg(seriesName(*expected), neighbour(nearest->below), neighbour(nearest->above));
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
        const std::optional<values::Series> series = standardSeries(otherEnd->ohms);
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

#include "bandwise/widgets/value_facts.h"

#include "bandwise/core/value_facts.h"

#include "common/values/finder.h"
#include "common/values/notation.h"
#include "ui/naming.h"

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

QString seriesName(values::Series series)
{
    return ui::fromView(values::SeriesName(series));
}

// The facts worded in the language in use, one a line, the value and tolerance first in
// engineering form.
QString valueFacts(const ValueFacts& facts, const QString& decimalSeparator)
{
    using values::Decimal;
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

    QStringList lines;
    lines << withTolerance(facts.value);
    if (const auto& range = facts.range)
        lines << Texts::tr("From %1 to %2").arg(ohms(range->minimum), ohms(range->maximum));

    // Standard as parts of its own tolerance are made; else the neighbours in its tolerance's series.
    const values::StandardVerdict& verdict = facts.verdict;
    if (verdict.holding) {
        lines << Texts::tr("Standard value of the %1 series").arg(seriesName(*verdict.holding));
    } else if (const auto& nearest = facts.nearest) {
        const auto neighbour = [&](const values::SeriesNeighbour& side) {
            return ohms(side.value) + QStringLiteral(" (") + signedNumber(side.errorPercent) + QStringLiteral(" %)");
        };
        const QString series = seriesName(*verdict.expected);
        const QString tolerance = number(*facts.value.tolerancePercent);
        lines << (verdict.finer ? Texts::tr("Not in %1 (the \u00B1%2 % series); nearest %3 and %4; it is an %5 value")
                                      .arg(series, tolerance, neighbour(nearest->below), neighbour(nearest->above),
                                          seriesName(*verdict.finer))
                                : Texts::tr("Not in %1 (the \u00B1%2 % series); nearest %3 and %4")
                                      .arg(series, tolerance, neighbour(nearest->below), neighbour(nearest->above)));
    } else {
        lines << Texts::tr("Not a standard value");
    }

    lines << Texts::tr("Marked %1").arg(QString::fromStdString(facts.marking));
    QStringList codes;
    for (const std::string& code : facts.smdCodes)
        codes << QString::fromStdString(code);
    lines << (codes.isEmpty() ? Texts::tr("No SMD marking")
                              : Texts::tr("SMD: %1").arg(codes.join(QStringLiteral(", "))));

    if (const auto& otherEnd = facts.otherEnd) {
        lines << (otherEnd->standardIn
                ? Texts::tr("From the other end: %1, standard value of the %2 series")
                      .arg(withTolerance(otherEnd->value), seriesName(*otherEnd->standardIn))
                : Texts::tr("From the other end: %1, not a standard value").arg(withTolerance(otherEnd->value)));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

void showValueFacts(
    QLineEdit* box, const std::optional<values::TypedValue>& reading, const std::optional<values::TypedValue>& otherEnd)
{
    const std::optional<ValueFacts> known = reading ? FactsOf(*reading, otherEnd) : std::nullopt;
    const QString facts = known ? valueFacts(*known, box->locale().decimalPoint()) : QString();
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

void addFinderEntry(QMenu* menu, std::function<void()> find)
{
    QAction* action = menu->addAction(Texts::tr("Find standard values\u2026"));
    action->setShortcut(kFindStandardValuesKey);
    QObject::connect(action, &QAction::triggered, menu, std::move(find));
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

#include "bandwise/widgets/reading_problem.h"

#include "common/values/notation.h"

#include <QCoreApplication>

namespace bandwise {

namespace {

// The texts of "Set value…", whose reader the finder's boxes share.
struct EntryTexts {
    Q_DECLARE_TR_FUNCTIONS(ValueEntry)
};

}  // namespace

QString readingProblem(const values::ValueReading& reading, const QString& text, const QString& decimalSeparator)
{
    if (const auto& meanings = reading.meanings) {
        const std::string separator = decimalSeparator.toStdString();
        const auto ohms = [&separator](values::Decimal value) {
            return QString::fromStdString(values::EngineeringText(value, separator));
        };
        const auto rkm = [](values::Decimal value) { return QString::fromStdString(values::RkmText(value)); };
        return EntryTexts::tr("\"%1\" may mean %2 or %3: type %4 or %5.")
            .arg(text.trimmed(), ohms(meanings->first.ohms), ohms(meanings->second.ohms), rkm(meanings->first.ohms),
                rkm(meanings->second.ohms));
    }
    switch (reading.error) {
    case values::ValueError::None:
    case values::ValueError::Empty:
        break;
    case values::ValueError::NotANumber:
        return EntryTexts::tr("\"%1\" does not start with a number.").arg(text);
    case values::ValueError::NotPositive:
        return EntryTexts::tr("A resistance must be larger than 0 \u03A9.");
    case values::ValueError::AmbiguousPrefix:
        return EntryTexts::tr("\"m\" may mean milli or mega: write 0.001 or 1M.");
    case values::ValueError::TrailingText:
        return EntryTexts::tr("In \"%1\", what follows the value is not a tolerance.").arg(text);
    case values::ValueError::BadTolerance:
        return EntryTexts::tr("A tolerance must be a percentage between 0 and 100, for example 5%.");
    case values::ValueError::TooSmall:
    case values::ValueError::TooLarge:
    case values::ValueError::AmbiguousMark:
        break;  // told with the limits of what the value is for
    case values::ValueError::TooManyDigits:
        return EntryTexts::tr("A value has at most 15 significant digits.");
    }
    return EntryTexts::tr("Type a value, for example 4k7 or 4.7 k\u03A9 5%.");
}

}  // namespace bandwise

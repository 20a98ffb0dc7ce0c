#include "ui/translations.h"

#include "common/languages.h"
#include "ui/naming.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ui {

void Translations::install(const QString& program, std::string_view languageName)
{
    const std::optional<std::string_view> code = common::TranslationFor(languageName);
    if (!code)
        return;
    const QString suffix = QLatin1Char('_') + fromView(*code);
    if (m_program.load(QStringLiteral(":/i18n/") + program + suffix))
        QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(QStringLiteral("qtbase") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

}  // namespace ui

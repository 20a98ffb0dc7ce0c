#pragma once

#include <QTranslator>

#include <string_view>

namespace ui {

// The translations of the language in use, installed while the object lives: the program's own
// catalogue, built into it as ":/i18n/<program>_<code>", and Qt's own for the texts of its menus
// and dialogs, where the system has it. English, and a language without translations, install none.
class Translations {
public:
    void install(const QString& program, std::string_view languageName);

private:
    QTranslator m_program;
    QTranslator m_qt;
};

}  // namespace ui

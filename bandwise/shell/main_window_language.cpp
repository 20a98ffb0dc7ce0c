// The main window's language loading: Language.ini, the language file, and the captions.

#include "bandwise/about/about_dialog.h"
#include "bandwise/about/about_texts.h"
#include "bandwise/core/language_file.h"
#include "bandwise/shell/main_window.h"
#include "common/field_reader.h"
#include "common/line_writer.h"
#include "common/settings_files.h"
#include "platform/file_access.h"
#include "platform/message_presenter.h"
#include "ui/accessible_names.h"
#include "ui/naming.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace bandwise {

using ui::fromView;

namespace {

void setCaption(QWidget* control, const QString& caption)
{
    if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setText(caption);
}

}  // namespace

void MainWindow::Language_Loader()
{
    const std::string languageName = m_texts.Language_Name;
    m_texts = WindowTexts();
    m_texts.Language_Name = languageName;

    const auto showError = [this](const std::string& text) {
        m_messages.show(platform::MessageIcon::Stop, QStringLiteral("Bandwise"), QString::fromStdString(text));
    };

    const std::optional<std::string> languagePath =
        platform::ReadFileWith(m_places.readable(common::kLanguageFileName), common::ReadLanguageFile);
    if (!languagePath) {
        showError(std::string(kLanguageIniErrorMessage));
        platform::SaveProgramFile(m_places, common::kLanguageFileName,
            common::LanguageFileBytes(common::kDefaultLanguage));  // failure ignored
        return;
    }

    const LanguageChoice choice = ResolveLanguagePath(m_places, *languagePath);
    if (choice.kind == LanguageChoice::Kind::BuiltIn)
        return;
    if (choice.kind == LanguageChoice::Kind::Malformed) {
        showError(LanguageFileErrorMessage(*languagePath));
        return;
    }
    m_texts.Language_Name = choice.name;
    m_translations.install(QStringLiteral("bandwise"), choice.name);
    std::error_code error;
    if (!std::filesystem::exists(choice.file, error))
        return;

    // Read whole before anything is applied, so a file that breaks off leaves no mixture of
    // its texts and the built-in ones.
    const std::optional<LanguageFields> fields = platform::ReadFileWith(choice.file, ReadLanguageFields);
    if (!fields) {
        showError(LanguageFileErrorMessage(*languagePath));
        return;
    }
    m_texts.Language_Changed = true;
    ApplyLanguageTexts(*fields, m_texts);
    applyCaptions(*fields);
}

void MainWindow::applyCaptions(const LanguageFields& fields)
{
    setWindowTitle(QString::fromStdString(LanguageWindowTitle(fields)));
    const QHash<QString, QWidget*> controls = ui::namedWidgets(this);
    for (const CaptionEntry& entry : LanguageCaptions()) {
        const QString caption = QString::fromStdString(common::Field(fields, entry.field)) + fromView(entry.suffix);
        setCaption(controls.value(fromView(entry.control)), caption);
    }
    ui::refreshAccessibleNames(this);
}

}  // namespace bandwise

namespace bandwise {

void MainWindow::Load_Language_For_About_Dialog()
{
    if (m_about)
        m_about->applyTexts(AboutDialogTexts(m_texts));
}

}  // namespace bandwise

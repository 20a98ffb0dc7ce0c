#include "settings/settings_window.h"

#include "common/field_reader.h"
#include "common/languages.h"
#include "common/line_writer.h"
#include "common/settings_files.h"
#include "platform/colour_picker.h"
#include "platform/file_access.h"
#include "platform/message_presenter.h"
#include "settings/colour_button.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/file_messages.h"
#include "ui/keyboard.h"
#include "ui/naming.h"
#include "ui/plain_text.h"
#include "ui/screen_fit.h"
#include "ui/twip_style.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace settings {

using ui::fromView;
using ui::named;
using ui::placeInTwips;
using ui::toDisplayColour;
using ui::toQColor;

namespace {

struct ColourEntry {
    const char* button;
    const char* label;
    const char* caption;
};

// In palette order: the order of Colours.ini and of the caption file's fields 5 to 17.
const std::array<ColourEntry, common::kBandColourCount + 1> kEntries = {{
    {"Black", "Label1", "Black:"},
    {"Brown", "Label2", "Brown:"},
    {"Red", "Label3", "Red:"},
    {"Orange", "Label4", "Orange:"},
    {"Yellow", "Label5", "Yellow:"},
    {"Green", "Label6", "Green:"},
    {"Blue", "Label7", "Blue:"},
    {"Violet", "Label8", "Violet:"},
    {"Grey", "Label9", "Grey:"},
    {"White", "Label10", "White:"},
    {"Gold", "Label11", "Gold:"},
    {"Silver", "Label12", "Silver:"},
    {"Body_Colour", "Label13", "Resistor Body Colour:"},
}};

QPushButton* boldButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = named(new QPushButton(caption, parent), name);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

}  // namespace

void applySettingsLook(QApplication& app)
{
    // The layout is made for Arial 9.75 points; Liberation Sans has the same metrics.
    ui::applyTwipLayoutLook(app, 9.75);
}

SettingsWindow::SettingsWindow(
    common::FilePlaces places, platform::MessagePresenter& messages, platform::ColourPicker& picker, QWidget* parent)
    : QWidget(parent,
          Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
              Qt::WindowCloseButtonHint)
    , m_places(std::move(places))
    , m_messages(messages)
    , m_picker(picker)
{
    setObjectName(QStringLiteral("Form1"));
    ui::useTwipLayoutFont(this);
    setWindowTitle(QString::fromStdString(m_texts.Settings_Title));
    setFixedSize(ui::twipsRect(0, 0, 3735, 6615).size());
    buildPaletteEditor();
    buildLanguageChoice();
    ui::keepLabelsPlain(this);
    ui::refreshAccessibleNames(this);
    ui::pressButtonsOnEnter(this);
    startUp();
}

void SettingsWindow::buildPaletteEditor()
{
    m_huebench = named(new QGroupBox(QStringLiteral("Huebench"), this), "Frame1");
    placeInTwips(m_huebench, 120, 120, 3495, 4455);
    const common::BandPalette defaults = common::DefaultPalette();
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const bool body = i == common::kBandColourCount;
        const int row = static_cast<int>(i % 6);
        const bool right = !body && i >= 6;
        const int top = body ? 3240 : 360 + 480 * row;
        m_labels[i] = named(new QLabel(QString::fromUtf8(kEntries[i].caption), m_huebench), kEntries[i].label);
        if (body)
            placeInTwips(m_labels[i], 240, 3315, 1905, 240);
        else
            placeInTwips(m_labels[i], right ? 1920 : 240, top + 60, 945, 240);
        m_buttons[i] = named(new ColourButton(m_huebench), kEntries[i].button);
        ui::nameAfter(m_buttons[i], m_labels[i]);
        placeInTwips(m_buttons[i], body || right ? 2880 : 1200, top, 375, 375);
        m_buttons[i]->setFaceColour(toQColor(body ? defaults.body : defaults.bands[i]));
        connect(m_buttons[i], &ColourButton::clicked, this, [this, button = m_buttons[i]] { pickColour(button); });
    }
    m_saveColours = boldButton("save_colour_settings", QStringLiteral("Save colour settings"), m_huebench);
    placeInTwips(m_saveColours, 240, 3720, 3015, 495);
    connect(m_saveColours, &QPushButton::clicked, this, &SettingsWindow::saveColours);
}

void SettingsWindow::buildLanguageChoice()
{
    m_languageFrame = named(new QGroupBox(QStringLiteral("Language"), this), "Frame2");
    placeInTwips(m_languageFrame, 120, 4680, 3495, 1815);
    m_selectLabel = named(new QLabel(QStringLiteral("Select language:"), m_languageFrame), "Label14");
    // As wide as the list below it, so that a translated caption is not clipped.
    placeInTwips(m_selectLabel, 120, 360, 3255, 240);
    m_languages = named(new QComboBox(m_languageFrame), "language_list");
    ui::nameAfter(m_languages, m_selectLabel);
    placeInTwips(m_languages, 120, 720, 3255, 360);
    m_saveLanguage = boldButton("save_language_settings", QStringLiteral("Save language settings"), m_languageFrame);
    placeInTwips(m_saveLanguage, 120, 1200, 3255, 495);
    connect(m_saveLanguage, &QPushButton::clicked, this, &SettingsWindow::saveLanguage);
}

void SettingsWindow::startUp()
{
    m_texts = SettingsTexts();
    readColours();
    // The list always offers its three languages with one selected, even after a damaged
    // Colours.ini, so that saving can never write a language path that names nothing.
    for (const common::ShippedLanguage& language : common::kShippedLanguages)
        m_languages->addItem(fromView(language.name));
    m_languages->setCurrentIndex(0);
    selectSavedLanguage();
}

void SettingsWindow::readColours()
{
    const std::filesystem::path file = m_places.readable(common::kColoursFileName);
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return;
    const std::optional<ColoursRead> read = platform::ReadFileWith(file, ReadColoursForEditing);
    if (read) {
        // Colours before a value that is not a colour are taken over; the rest stay.
        for (std::size_t i = 0; i < m_buttons.size(); ++i) {
            if (read->colours[i])
                m_buttons[i]->setFaceColour(toQColor(*read->colours[i]));
        }
    }
    if (!read || !read->complete)
        showFileError(m_texts.Colours_Read_Error_Message, file);
}

void SettingsWindow::selectSavedLanguage()
{
    const std::filesystem::path file = m_places.readable(common::kLanguageFileName);
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return;  // English, as for "Default"
    const std::optional<std::string> path = platform::ReadFileWith(file, common::ReadLanguageFile);
    const std::optional<std::string> entry = path ? LanguageEntryFor(*path) : std::nullopt;
    if (!entry) {
        showFileError(std::string(kLanguageIniReadError), file);
        return;
    }
    const QString listed = QString::fromStdString(*entry);
    if (m_languages->findText(listed) == -1) {
        // A language the user added by hand is listed too, so that the list shows the language in
        // use and saving it keeps the path as the user wrote it.
        m_languages->addItem(listed, QString::fromStdString(*path));
    }
    m_languages->setCurrentText(listed);
    if (!common::IsDefaultLanguage(*path)) {
        m_translations.install(QStringLiteral("settings"), common::LanguageFolder(*entry));
        Language_Loader();
    }
}

void SettingsWindow::Language_Loader()
{
    const std::filesystem::path file = CaptionFilePath(m_places, m_languages->currentText().toStdString());
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return;
    // Read whole before anything changes, so a file that breaks off leaves every caption as it was.
    const std::optional<CaptionFields> fields = platform::ReadFileWith(file, ReadCaptionFields);
    if (!fields) {
        showMessage(true, std::string(kCaptionFileError));
        return;
    }
    ApplyCaptionTexts(*fields, m_texts);
    applyCaptions(*fields);
}

void SettingsWindow::applyCaptions(const CaptionFields& fields)
{
    const auto field = [&fields](int number) { return QString::fromStdString(common::Field(fields, number)); };
    setWindowTitle(QString::fromStdString(m_texts.Settings_Title));
    m_huebench->setTitle(field(4));
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setText(field(5 + static_cast<int>(i)) + QStringLiteral(":"));
    m_saveColours->setText(field(18));
    m_languageFrame->setTitle(field(19));
    m_selectLabel->setText(field(20) + QStringLiteral(":"));
    m_saveLanguage->setText(field(21));
    ui::refreshAccessibleNames(this);
}

void SettingsWindow::pickColour(ColourButton* button)
{
    if (const auto picked = m_picker.ShowColorDialog(toDisplayColour(button->faceColour())))
        button->setFaceColour(toQColor(*picked));
}

void SettingsWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QWidget* hit = childAt(event->position().toPoint());
    if (hit == nullptr || ui::isScrollBackground(hit))
        chooseBackground();
}

void SettingsWindow::chooseBackground()
{
    const auto picked = m_picker.ShowColorDialog(common::DisplayColour {});  // opens on black
    if (!picked)
        return;
    const QColor background = toQColor(*picked);
    // The groups, buttons and list keep their own colours: they get the current palette
    // explicitly and paint their own background before the window's changes.
    for (QWidget* own : {static_cast<QWidget*>(m_huebench), static_cast<QWidget*>(m_languageFrame)}) {
        QPalette kept = own->palette();
        kept.setColor(QPalette::Window, kept.color(QPalette::Window));  // marks the colour as its own
        own->setPalette(kept);
        own->setAutoFillBackground(true);
    }
    QPalette window = palette();
    window.setColor(QPalette::Window, background);
    setPalette(window);
    setAutoFillBackground(true);
    const QColor text = background.lightnessF() < 0.5 ? Qt::white : Qt::black;
    for (QLabel* label : m_labels) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, background);
        colours.setColor(QPalette::WindowText, text);
        label->setPalette(colours);
        label->setAutoFillBackground(true);
    }
}

void SettingsWindow::saveColours()
{
    common::BandPalette palette;
    for (std::size_t i = 0; i < palette.bands.size(); ++i)
        palette.bands[i] = toDisplayColour(m_buttons[i]->faceColour());
    palette.body = toDisplayColour(m_buttons.back()->faceColour());
    if (platform::SaveProgramFile(m_places, common::kColoursFileName, common::ColoursFileBytes(palette)))
        showMessage(false, m_texts.Colours_Saved_Message);
    else
        showFileError(m_texts.Colours_Save_Error_Message, m_places.writable(common::kColoursFileName));
}

void SettingsWindow::saveLanguage()
{
    const QVariant ownPath = m_languages->currentData();
    const std::string path = ownPath.isValid() ? ownPath.toString().toStdString()
                                               : LanguagePathFor(m_languages->currentText().toStdString());
    if (platform::SaveProgramFile(m_places, common::kLanguageFileName, common::LanguageFileBytes(path)))
        showMessage(false, m_texts.Language_Saved_Message);
    else
        showFileError(std::string(kLanguageIniSaveError), m_places.writable(common::kLanguageFileName));
}

void SettingsWindow::showMessage(bool failure, const std::string& text)
{
    m_messages.show(failure ? platform::MessageIcon::Stop : platform::MessageIcon::Information,
        QString::fromStdString(m_texts.messageTitle()), QString::fromStdString(text));
}

void SettingsWindow::showFileError(const std::string& text, const std::filesystem::path& file)
{
    showMessage(true,
        ui::withFolderNote(text, m_places, file,
            QCoreApplication::translate("SettingsFiles", "Bandwise keeps your settings files in this folder:\n%1"))
            .toStdString());
}

}  // namespace settings

// Renders the main window, its About box, the finder's two tabs and the Settings window in each shipped language, with
// Qt's offscreen platform, into PNG files: screenshots DATA_DIRECTORY OUTPUT_DIRECTORY

#include "bandwise/about/about_dialog.h"
#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/finder/finder_dialog.h"
#include "bandwise/shell/main_window.h"
#include "bandwise/widgets/look.h"
#include "common/languages.h"
#include "common/settings_files.h"
#include "platform/colour_picker.h"
#include "platform/desktop.h"
#include "platform/message_presenter.h"
#include "settings/settings_window.h"
#include "ui/twip_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>

namespace {

class Silent final : public platform::MessagePresenter {
public:
    void show(platform::MessageIcon, const QString&, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool ask(const QString&, const QString& text, const QString&, const QString&) override
    {
        std::fprintf(stderr, "question: %s\n", qPrintable(text));
        return false;
    }
    std::optional<QString> askText(
        const QString&, const QString& label, const QString&, const QString&, const QString&) override
    {
        std::fprintf(stderr, "question: %s\n", qPrintable(label));
        return std::nullopt;
    }
};

class NoDesktop final : public platform::Desktop {
public:
    void openTextFile(const std::filesystem::path&) override { }
    std::int32_t openAddress(const std::string&, std::function<void(std::int32_t)>) override { return 33; }
};

class NoPicker final : public platform::ColourPicker {
public:
    std::optional<common::DisplayColour> ShowColorDialog(common::DisplayColour) override { return std::nullopt; }
};

template <typename T>
T* find(QWidget* root, const char* name)
{
    return root->findChild<T*>(QString::fromLatin1(name));
}

bool save(QWidget* widget, const std::filesystem::path& file)
{
    const bool saved = widget->grab().save(QFile::decodeName(file.c_str()));
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", file.c_str());
    return saved;
}

// Lets the finder's search end, as its busy mark shows, before its rows are shot.
void waitForSearch(QWidget* finder, const char* busy)
{
    QElapsedTimer waited;
    waited.start();
    while (find<QProgressBar>(finder, busy)->isVisible() && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshots DATA_DIRECTORY OUTPUT_DIRECTORY\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::filesystem::path data = argv[1];
    const std::filesystem::path output = argv[2];
    std::filesystem::create_directories(output);

    Silent messages;
    NoDesktop desktop;
    NoPicker picker;
    bool ok = true;
    for (const common::ShippedLanguage& language : common::kShippedLanguages) {
        // The pictures are named by language alone: main-pt.png, not main-pt_BR.png.
        const std::string code(language.translations.empty() ? "en" : language.translations.substr(0, 2));
        const std::string path = settings::LanguagePathFor(language.name);
        QTemporaryDir directory;
        const std::filesystem::path program = QFile::encodeName(directory.path()).toStdString();
        std::filesystem::copy(data, program, std::filesystem::copy_options::recursive);
        std::ofstream(program / "Language.ini", std::ios::binary) << common::LanguageFileBytes(path);

        bandwise::applyBandwiseLook(app);
        bandwise::MainWindow window(program, messages, desktop, QRect(0, 0, 1280, 1024));
        window.show();
        // A resistor on each panel and a calculation, so that every output shows something.
        for (const char* option : {"r6b", "ye1", "vi2", "bl3", "brm", "got", "retc"})
            find<QAbstractButton>(&window, option)->click();
        const std::pair<const char*, int> picks[] = {
            {"band1_list", 4}, {"band2_list", 7}, {"mul_list", 2}, {"tol_list", 6}};
        for (const auto& [list, index] : picks)
            find<QComboBox>(&window, list)->setCurrentIndex(index);
        find<bandwise::DecodingPanel>(&window, "Frame1")->tick();
        find<bandwise::EncodingPanel>(&window, "Frame4")->tick();
        ok = save(&window, output / (std::string("main-") + code + ".png")) && ok;
        find<QAbstractButton>(&window, "Command1")->click();
        ok = save(window.aboutDialog(), output / (std::string("about-") + code + ".png")) && ok;
        window.aboutDialog()->close();

        // The finder from the decoding panel's value, and a divider from 12 V to 5 V.
        const std::unique_ptr<QMenu> menu(find<bandwise::DecodingPanel>(&window, "Frame1")->valueMenu());
        menu->actions().last()->trigger();
        bandwise::FinderDialog* finder = window.finderDialog();
        waitForSearch(finder, "combination_busy");
        ok = save(finder, output / (std::string("finder-combinations-") + code + ".png")) && ok;
        find<QTabWidget>(finder, "finder_tabs")->setCurrentIndex(1);
        find<QLineEdit>(finder, "divider_vin")->setText(QStringLiteral("12"));
        find<QLineEdit>(finder, "divider_vout")->setText(QStringLiteral("5"));
        find<QCheckBox>(finder, "two_per_leg")->setChecked(true);
        waitForSearch(finder, "divider_busy");
        ok = save(finder, output / (std::string("finder-divider-") + code + ".png")) && ok;
        finder->close();

        settings::applySettingsLook(app);
        settings::SettingsWindow settingsWindow(program, messages, picker);
        settingsWindow.show();
        ok = save(&settingsWindow, output / (std::string("settings-") + code + ".png")) && ok;
    }
    return ok ? 0 : 1;
}

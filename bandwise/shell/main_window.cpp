#include "bandwise/shell/main_window.h"

#include "bandwise/about/about_config.h"
#include "bandwise/about/about_dialog.h"
#include "bandwise/calculator/calculator_panel.h"
#include "bandwise/core/painting_table.h"
#include "bandwise/core/window_placement.h"
#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/finder/finder_dialog.h"
#include "bandwise/widgets/look.h"
#include "bandwise/widgets/sample_resistor.h"
#include "bandwise/widgets/shape.h"
#include "bandwise/widgets/value_facts.h"
#include "bandwise/widgets/wrapping_check_box.h"
#include "common/line_writer.h"
#include "common/settings_files.h"
#include "common/values/ohm_sign.h"
#include "platform/desktop.h"
#include "platform/file_access.h"
#include "platform/message_presenter.h"
#include "platform/window_frame.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/file_messages.h"
#include "ui/keyboard.h"
#include "ui/naming.h"
#include "ui/plain_text.h"
#include "ui/screen_fit.h"
#include "ui/twip_style.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace bandwise {

using ui::fromView;
using ui::kFrameHeightTwips;
using ui::kFrameWidthTwips;
using ui::kTwipsPerPixel;
using ui::placeInTwips;
using ui::toQColor;
using ui::twipsRect;
using ui::twipsToPixels;

namespace {

constexpr int kClientWidthTwips = 11415;
constexpr int kClientHeightTwips = 10455;

// What the desktop's frame adds across and down, in twips: as the window manager announced it, or
// else a typical frame.
QSize frameTwips(const std::optional<QMargins>& frame)
{
    if (frame)
        return QSize(static_cast<int>((frame->left() + frame->right()) * kTwipsPerPixel),
            static_cast<int>((frame->top() + frame->bottom()) * kTwipsPerPixel));
    return QSize(kFrameWidthTwips, kFrameHeightTwips);
}

// Puts the window's frame corner at `corner`. An announced frame is known exactly, so the window
// itself goes where that frame leaves it; otherwise the window manager puts its own frame there.
void moveFrameTo(QWidget* window, QPoint corner, const std::optional<QMargins>& frame)
{
    if (frame)
        window->setGeometry(QRect(corner + QPoint(frame->left(), frame->top()), window->size()));
    else
        window->move(corner);
}

// Centres a window with its frame on the screen, `lift` twips above the centre.
void centreOnScreen(QWidget* window, const QRect& screen, QSize clientTwips, int lift)
{
    const auto toTwips = [](int pixels) { return static_cast<int>(pixels * kTwipsPerPixel); };
    const std::optional<QMargins> frame = platform::AnnouncedFrame(window);
    const QSize frameSize = frameTwips(frame);
    const TwipsPosition position = CentreWindow(toTwips(screen.width()), toTwips(screen.height()),
        clientTwips.width() + frameSize.width(), clientTwips.height() + frameSize.height(), lift);
    moveFrameTo(window, screen.topLeft() + QPoint(twipsToPixels(position.left), twipsToPixels(position.top)), frame);
}

}  // namespace

MainWindow::MainWindow(common::FilePlaces places, platform::MessagePresenter& messages, platform::Desktop& desktop,
    const QRect& screen, const QRect& availableArea)
    : QWidget(nullptr,
          Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_places(std::move(places))
    , m_messages(messages)
    , m_desktop(desktop)
    , m_screen(screen)
    , m_availableArea(availableArea.isNull() ? screen : availableArea)
    , m_shell(
          [&desktop](const ShellRequest& request, std::function<void(std::int32_t)> lateFailure) {
              return desktop.openAddress(request.file, std::move(lateFailure));
          },
          QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString())
{
    setObjectName(QStringLiteral("Form1"));
    ui::useTwipLayoutFont(this);
    setWindowTitle(QStringLiteral("Bandwise"));
    setFixedSize(twipsRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());

    m_decoding = new DecodingPanel(m_palette, this);
    placeInTwips(m_decoding, 120, 120, 11175, 5175);

    m_encoding = new EncodingPanel(m_palette, m_texts, m_messages, this);
    placeInTwips(m_encoding, 120, 5400, 7335, 4935);

    m_calculator = new CalculatorPanel(m_texts, m_messages, this);
    placeInTwips(m_calculator, 7560, 5400, 3735, 4335);

    m_stripesOutline = new WrappingCheckBox(QStringLiteral("Show black outline for colour stripes"), this);
    m_stripesOutline->setObjectName(QStringLiteral("show_stripes_outline"));
    placeInTwips(m_stripesOutline, 7560, 9720, 1695, 735);
    m_stripesOutline->setChecked(true);
    connect(m_stripesOutline, &QCheckBox::toggled, this, &MainWindow::applyStripesOutline);

    m_aboutButton = new QPushButton(QStringLiteral("About"), this);
    m_aboutButton->setObjectName(QStringLiteral("Command1"));
    placeInTwips(m_aboutButton, 9240, 9840, 975, 495);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);

    m_exitButton = new QPushButton(QStringLiteral("Exit"), this);
    m_exitButton->setObjectName(QStringLiteral("exit_button"));
    placeInTwips(m_exitButton, 10320, 9840, 975, 495);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);

    connect(
        m_decoding, &DecodingPanel::findStandardValuesAsked, this, [this] { showFinder(m_decoding->shownValue()); });
    connect(
        m_encoding, &EncodingPanel::findStandardValuesAsked, this, [this] { showFinder(m_encoding->shownValue()); });
    auto* find = new QShortcut(kFindStandardValuesKey, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        showFinder(m_decoding->isAncestorOf(focusWidget()) ? m_decoding->shownValue() : m_encoding->shownValue());
    });
    new ui::ShortcutOverTextBoxes(find);

    ui::keepLabelsPlain(this);
    ui::refreshAccessibleNames(this);
    ui::pressButtonsOnEnter(this);
    load(screen);
}

MainWindow::~MainWindow() = default;

void MainWindow::load(const QRect& screen)
{
    if (!ui::scrollWhenLargerThan(this, m_availableArea))
        place(screen);
    setOhmSigns();
    m_encoding->fillDigitLists();
    Language_Loader();
    loadSettingsFiles();
}

void MainWindow::place(const QRect& screen)
{
    centreOnScreen(this, screen, QSize(kClientWidthTwips, kClientHeightTwips), kMainWindowLiftTwips);
}

void MainWindow::setOhmSigns()
{
    const QString ohm = fromView(values::kOhmSign);
    for (const char* name : {"unit_label", "omega_symbol_1", "omega_symbol_2"})
        findChild<QLabel*>(QString::fromLatin1(name))->setText(ohm);
}

void MainWindow::loadSettingsFiles()
{
    const auto failed = [this](const std::filesystem::path& file) {
        m_messages.show(platform::MessageIcon::Stop, QStringLiteral("Bandwise"),
            fileMessage(m_texts.Settings_Load_Error_Message, file));
        // Whatever was painted from the file goes back to the defaults, so that every swatch
        // matches the palette the stripes are painted from.
        m_palette = common::DefaultPalette();
        paintPalette();
    };

    const std::filesystem::path colours = m_places.readable(common::kColoursFileName);
    const std::filesystem::path settings = m_places.readable(common::kSettingsFileName);
    std::error_code error;
    if (std::filesystem::exists(colours, error)) {
        const std::optional<common::BandPalette> palette = platform::ReadFileWith(colours, common::ReadColoursFile);
        if (!palette) {
            // Settings.ini goes unread (here or below, when it cannot be read): closing must not
            // replace what it holds with a state the user never chose.
            m_keepSettingsFile = std::filesystem::exists(settings, error);
            return failed(colours);
        }
        m_palette = *palette;
        paintPalette();
    } else {
        m_palette = common::DefaultPalette();
    }

    if (std::filesystem::exists(settings, error)) {
        const std::optional<bool> outlined = platform::ReadFileWith(settings, common::ReadSettingsFile);
        if (!outlined) {
            m_keepSettingsFile = true;
            return failed(settings);
        }
        m_stripesOutline->setChecked(*outlined);
    }
}

void MainWindow::paintPalette()
{
    const QHash<QString, QWidget*> controls = ui::namedWidgets(this);
    for (const PaintStep& step : PaintingTable()) {
        if (auto* swatch = qobject_cast<Shape*>(controls.value(fromView(step.control))))
            swatch->setFillColour(toQColor(m_palette[step.colour]));
    }
    const QColor body = toQColor(m_palette.body);
    m_decoding->sampleResistor().setBodyColour(body);
    m_encoding->sampleResistor().setBodyColour(body);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    unload();
    event->accept();
}

void MainWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_keepSettingsFile)
        return;
    const bool saved = platform::SaveProgramFile(
        m_places, common::kSettingsFileName, common::SettingsFileBytes(m_stripesOutline->isChecked()));
    if (!saved) {
        m_messages.show(platform::MessageIcon::Stop, QStringLiteral("Bandwise"),
            fileMessage(m_texts.Settings_Save_Error_Message, m_places.writable(common::kSettingsFileName)));
    }
}

QString MainWindow::fileMessage(const std::string& message, const std::filesystem::path& file) const
{
    return ui::withFolderNote(message, m_places, file,
        QCoreApplication::translate("SettingsFiles", "Bandwise keeps your settings files in this folder:\n%1"));
}

void MainWindow::exitProgram()
{
    close();
    if (m_about)
        m_about->close();
    QCoreApplication::quit();
}

AboutDialog* MainWindow::aboutDialog() const
{
    return m_about;
}

void MainWindow::showFinder(const std::optional<values::TypedValue>& value)
{
    if (!m_finder) {
        m_finder = new FinderDialog(this);
        connect(m_finder, &FinderDialog::useValue, m_encoding, &EncodingPanel::setTypedValue);
    }
    m_finder->startFrom(value);
    m_finder->show();
    m_finder->raise();
    m_finder->activateWindow();
}

void MainWindow::showAbout()
{
    if (m_about) {
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    // No parent: an About box left open keeps the program running after the main window is
    // closed with its close box, until the box itself is closed.
    m_about = new AboutDialog({[this] { m_desktop.openTextFile(ReadMeFile(m_places.programDirectory(), m_texts)); },
        [this] {
            m_shell.GShell(MailtoAddress(BANDWISE_AUTHOR_NAME, BANDWISE_AUTHOR_EMAIL), kShowDefault, "", "", "open", 0);
        },
        [this] { m_shell.GShell(BANDWISE_HOMEPAGE, kShowDefault, "", "", "open", 0); }});
    m_about->setAttribute(Qt::WA_DeleteOnClose);
    if (!ui::scrollWhenLargerThan(m_about, m_availableArea))
        centreOnScreen(m_about, m_screen, QSize(kAboutWidthTwips, kAboutHeightTwips), 0);
    Load_Language_For_About_Dialog();
    m_about->show();
}

void MainWindow::applyStripesOutline(bool outlined)
{
    m_keepSettingsFile = false;
    m_decoding->sampleResistor().setStripesOutlined(outlined);
    m_encoding->sampleResistor().setStripesOutlined(outlined);
}

}  // namespace bandwise

#include "bandwise/shell/main_window.h"

#include "bandwise/calculator/calculator_panel.h"
#include "bandwise/decoding/decoding_panel.h"
#include "bandwise/encoding/encoding_panel.h"
#include "bandwise/widgets/look.h"
#include "bandwise/widgets/sample_resistor.h"
#include "bandwise/widgets/twips.h"
#include "bandwise/widgets/wrapping_check_box.h"
#include "platform/message_presenter.h"

#include <QPushButton>

namespace bandwise {

Form1::Form1(std::filesystem::path programDirectory, platform::MessagePresenter& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_programDirectory(std::move(programDirectory)),
      m_messages(messages)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Bandwise"));
    setFixedSize(twipsRect(0, 0, 11415, 10455).size());

    m_decoding = new DecodingPanel(m_palette, this);
    placeInTwips(m_decoding, 120, 120, 11175, 5175);

    m_encoding = new EncodingPanel(m_palette, m_texts, this);
    placeInTwips(m_encoding, 120, 5400, 7335, 4935);

    m_calculator = new CalculatorPanel(m_texts, m_messages, this);
    placeInTwips(m_calculator, 7560, 5400, 3735, 4335);

    m_stripesOutline = new WrappingCheckBox(QStringLiteral("Show black outline for colour stripes"), this);
    m_stripesOutline->setObjectName(QStringLiteral("show_stripes_outline"));
    placeInTwips(m_stripesOutline, 7560, 9720, 1695, 735);
    m_stripesOutline->setChecked(true);
    connect(m_stripesOutline, &QCheckBox::toggled, this, &Form1::applyStripesOutline);

    m_about = new QPushButton(QStringLiteral("About"), this);
    m_about->setObjectName(QStringLiteral("Command1"));
    placeInTwips(m_about, 9240, 9840, 975, 495);

    m_exit = new QPushButton(QStringLiteral("Exit"), this);
    m_exit->setObjectName(QStringLiteral("exit_button"));
    placeInTwips(m_exit, 10320, 9840, 975, 495);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    load();
}

Form1::~Form1() = default;

void Form1::load() { m_encoding->fillDigitLists(); }

void Form1::applyStripesOutline(bool outlined)
{
    m_decoding->sampleResistor().setStripesOutlined(outlined);
    m_encoding->sampleResistor().setStripesOutlined(outlined);
}

}  // namespace bandwise

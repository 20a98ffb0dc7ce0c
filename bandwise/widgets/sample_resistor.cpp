#include "bandwise/widgets/sample_resistor.h"

#include "bandwise/widgets/line_shape.h"
#include "bandwise/widgets/shape.h"
#include "ui/accessible_names.h"
#include "ui/colours.h"
#include "ui/twips.h"

#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QtGlobal>

namespace bandwise {

using ui::kTwipsPerPixel;
using ui::placeInTwips;
using ui::toQColor;

namespace {

// What a screen reader calls the parts; a stripe is named after its colour once a band is chosen.
const char* const kContext = "SampleResistor";
const char* const kLeftLeadName = QT_TRANSLATE_NOOP("SampleResistor", "Left lead");
const char* const kRightLeadName = QT_TRANSLATE_NOOP("SampleResistor", "Right lead");
const char* const kLeftEndName = QT_TRANSLATE_NOOP("SampleResistor", "Left end of the body");
const char* const kRightEndName = QT_TRANSLATE_NOOP("SampleResistor", "Right end of the body");
const char* const kBodyName = QT_TRANSLATE_NOOP("SampleResistor", "Body");

struct TwipsBox {
    int left, top, width, height;
};

// Until a click or a refresh paints them, the stripes show these fixed colours, which do not
// come from the palette.
constexpr std::array<common::DisplayColour, 6> kInitialStripeColours = {{
    {0x000080FF},
    {0x000000FF},
    {0x0000FF00},
    {0x00FF0000},
    {0x00C000C0},
    {0x0000FFFF},
}};

// Until then a stripe is named after the colour it shows, so that nobody takes it for a choice.
constexpr std::array<const char*, 6> kInitialStripeNames = {
    QT_TRANSLATE_NOOP("SampleResistor", "Orange (example, no band chosen yet)"),
    QT_TRANSLATE_NOOP("SampleResistor", "Red (example, no band chosen yet)"),
    QT_TRANSLATE_NOOP("SampleResistor", "Green (example, no band chosen yet)"),
    QT_TRANSLATE_NOOP("SampleResistor", "Blue (example, no band chosen yet)"),
    QT_TRANSLATE_NOOP("SampleResistor", "Violet (example, no band chosen yet)"),
    QT_TRANSLATE_NOOP("SampleResistor", "Yellow (example, no band chosen yet)"),
};

// The stripes let the mouse through to the group, which holds the whole drawing, so the group
// shows their tooltips: that of the stripe under the pointer. As plain text, because a stripe's
// text begins with a caption from a language file, which Qt would render as markup if it looked
// like some.
class StripeTips : public QObject {
public:
    StripeTips(QWidget* frame, const std::array<Shape*, 6>& stripes)
        : QObject(frame)
        , m_stripes(stripes)
    {
        frame->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        for (Shape* stripe : m_stripes) {
            // What it is called, which follows the language, is what a screen reader says too.
            if (!stripe->isHidden() && stripe->geometry().contains(help->pos())) {
                QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(stripe->accessibleName()), stripe);
                return true;
            }
        }
        QToolTip::hideText();
        return false;
    }

private:
    std::array<Shape*, 6> m_stripes;
};

Shape* makeShape(Shape::Kind kind, const QColor& fill, const char* name, TwipsBox box, QWidget* frame)
{
    auto* shape = new Shape(kind, fill, frame);
    shape->setObjectName(QString::fromLatin1(name));
    placeInTwips(shape, box.left, box.top, box.width, box.height);
    return shape;
}

LineShape* makeSeam(const char* name, QPointF fromTwips, QPointF toTwips, const QColor& colour, QWidget* frame)
{
    auto* seam = new LineShape(fromTwips / kTwipsPerPixel, toTwips / kTwipsPerPixel, 3, colour, frame);
    seam->setObjectName(QString::fromLatin1(name));
    return seam;
}

void spoken(QWidget* part, const char* name)
{
    ui::nameTranslated(part, kContext, name);
}

}  // namespace

SampleResistor::SampleResistor(QWidget* frame, const SampleResistorNames& names, int multiplierStripeHeightTwips)
{
    const QColor body = toQColor(common::DefaultPalette().body);
    const QColor lead = Qt::black;

    m_body = {makeShape(Shape::Kind::RoundedRectangle, body, names.leftCap, {960, 240, 375, 615}, frame),
        makeShape(Shape::Kind::RoundedRectangle, body, names.rightCap, {2160, 240, 375, 615}, frame),
        makeShape(Shape::Kind::Rectangle, body, names.middle, {1320, 315, 855, 460}, frame)};
    spoken(m_body[0], kLeftEndName);
    spoken(m_body[1], kRightEndName);
    spoken(m_body[2], kBodyName);
    // The leads lie on top of the caps, and the stripes on top of everything.
    spoken(makeShape(Shape::Kind::Rectangle, lead, names.leftLead, {240, 480, 735, 135}, frame), kLeftLeadName);
    spoken(makeShape(Shape::Kind::Rectangle, lead, names.rightLead, {2520, 480, 735, 135}, frame), kRightLeadName);
    m_seams = {makeSeam(names.leftSeam, {1320, 325}, {1310, 740}, body, frame),
        makeSeam(names.rightSeam, {2160, 325}, {2155, 730}, body, frame)};
    for (LineShape* seam : m_seams)
        spoken(seam, kBodyName);

    const std::array<TwipsBox, 6> stripeBoxes = {{
        {1080, 250, 135, 590},
        {1380, 325, 135, 440},
        {1580, 325, 135, 440},
        {1780, 325, 135, multiplierStripeHeightTwips},
        {1980, 325, 135, 440},
        {2280, 250, 135, 590},
    }};
    for (std::size_t i = 0; i < m_stripes.size(); ++i) {
        m_stripes[i] = makeShape(
            Shape::Kind::Rectangle, toQColor(kInitialStripeColours[i]), names.stripes[i], stripeBoxes[i], frame);
        spoken(m_stripes[i], kInitialStripeNames[i]);
    }
    new StripeTips(frame, m_stripes);
}

void SampleResistor::setStripesOutlined(bool outlined)
{
    for (Shape* stripe : m_stripes)
        stripe->setBorderVisible(outlined);
}

void SampleResistor::setBodyColour(const QColor& colour)
{
    for (Shape* part : m_body)
        part->setFillColour(colour);
    for (LineShape* seam : m_seams)
        seam->setLineColour(colour);
}

}  // namespace bandwise

#include "bandwise/about/about_dialog.h"

#include "bandwise/about/about_config.h"
#include "ui/naming.h"
#include "ui/plain_text.h"
#include "ui/program_icon.h"
#include "ui/twip_style.h"
#include "ui/twips.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

namespace bandwise {

using ui::named;
using ui::placeInTwips;
using ui::twipsRect;

namespace {

void announceAsLink(QLabel* link);

// An underlined caption in the theme's link colour that acts when clicked, or when Enter or Space
// is pressed on it, and shows the focus when it has it.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> activate, QWidget* parent)
        : QLabel(text, parent)
        , m_activate(std::move(activate))
    {
        QFont font = this->font();
        font.setUnderline(true);
        setFont(font);
        // A role rather than a fixed colour, so that it follows the palette and any later change of it.
        setForegroundRole(QPalette::Link);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        announceAsLink(this);
    }

    void activate() { m_activate(); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_activate();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
            m_activate();
        else
            QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        // Dots around the text in its own colour, as readable as the link on any theme.
        const QRect text = style()->itemTextRect(fontMetrics(), contentsRect(), alignment(), isEnabled(), this->text());
        QPainter painter(this);
        painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
        painter.drawRect((text.adjusted(-2, -1, 2, 1) & rect()).adjusted(0, 0, -1, -1));
    }

private:
    std::function<void()> m_activate;
};

// What a screen reader is told of a link: a link by that name, which it can press.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    { }

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && own.isEmpty())
            return link()->text();
        return own;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return QStringList {pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            link()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleLink(const QString&, QObject* object)
{
    if (auto* link = dynamic_cast<LinkLabel*>(object))
        return new LinkAccessible(link);
    return nullptr;
}

void announceAsLink(QLabel* link)
{
    QAccessible::installFactory(&accessibleLink);  // once, however many links are made
    // The label's constructor announces its text, and Qt may then have made and kept the
    // label's screen-reader side before it was a link; made anew, it is one.
    QAccessibleInterface* early = QAccessible::queryAccessibleInterface(link);
    if (early && early->role() != QAccessible::Link)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

QLabel* wrappingLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(Actions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_actions(std::move(actions))
{
    setObjectName(QStringLiteral("Dialog"));
    ui::useTwipLayoutFont(this);
    setWindowTitle(QStringLiteral("About Bandwise"));
    setWindowIcon(ui::programIcon());
    setFixedSize(twipsRect(0, 0, kAboutWidthTwips, kAboutHeightTwips).size());

    auto* picture = named(new QLabel(this), "Picture1");
    picture->setPixmap(ui::programIcon().pixmap(32, 32));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(tr("Bandwise program icon"));
    placeInTwips(picture, 240, 360, 615, 615);

    auto* product = named(new QLabel(QStringLiteral("Bandwise " BANDWISE_VERSION), this), "Label1");
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    placeInTwips(product, 960, 240, 3330, 240);

    // As wide as the product line above it, so that a translated credit is not clipped.
    m_authorCredit = wrappingLabel("Label2", QStringLiteral(BANDWISE_AUTHOR_CREDIT), this);
    placeInTwips(m_authorCredit, 960, 480, 3330, 240);
    m_feedback = wrappingLabel("Label3", QStringLiteral("Please send your comments, ideas and suggestions to:"), this);
    placeInTwips(m_feedback, 120, 1200, 4695, 480);
    auto* mail = named(new LinkLabel(
                           QStringLiteral(BANDWISE_AUTHOR_EMAIL), [this] { m_actions.mailAuthor(); }, this),
        "Label8");
    placeInTwips(mail, 120, 1680, 4695, 255);
    m_donation = wrappingLabel("Label6",
        QStringLiteral("If you want to show your appreciation for Bandwise, please make a "
                       "generous donation. Visit homepage below for details:"),
        this);
    placeInTwips(m_donation, 120, 2040, 4695, 945);
    auto* maker = named(new LinkLabel(
                            QStringLiteral(BANDWISE_MAKER_NAME), [this] { m_actions.openHomepage(); }, this),
        "Label4");
    placeInTwips(maker, 120, 3000, 1380, 240);
    m_thanks = wrappingLabel(
        "Label5", QStringLiteral("Special thanks to all who mailed me with comments and suggestions."), this);
    placeInTwips(m_thanks, 120, 3360, 4695, 600);
    m_translation = wrappingLabel("Label9", QStringLiteral("Translated By (Language):"), this);
    placeInTwips(m_translation, 120, 3960, 4695, 600);

    m_ok = named(new QPushButton(QStringLiteral("OK"), this), "OKButton");
    placeInTwips(m_ok, 960, 4560, 1455, 375);
    m_ok->setDefault(true);
    m_readMe = named(new QPushButton(QStringLiteral("Show ReadMe"), this), "Command1");
    placeInTwips(m_readMe, 2520, 4560, 1455, 375);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::close);
    connect(m_readMe, &QPushButton::clicked, this, [this] { m_actions.showReadMe(); });
    ui::keepLabelsPlain(this);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    // The links come first in the Tab order and take Enter and Space, so a box opened on them
    // would mail or browse where the user meant to dismiss it with the default button.
    if (!event->spontaneous())
        m_ok->setFocus();
    QDialog::showEvent(event);
}

void AboutDialog::applyTexts(const AboutTexts& texts)
{
    const auto apply = [](const std::optional<std::string>& text, const std::function<void(const QString&)>& set) {
        if (text)
            set(QString::fromStdString(*text));
    };
    apply(texts.title, [this](const QString& t) { setWindowTitle(t); });
    apply(texts.authorCredit, [this](const QString& t) { m_authorCredit->setText(t); });
    apply(texts.feedback, [this](const QString& t) { m_feedback->setText(t); });
    apply(texts.donation, [this](const QString& t) { m_donation->setText(t); });
    apply(texts.thanks, [this](const QString& t) { m_thanks->setText(t); });
    m_translation->setText(QString::fromStdString(texts.translation));
    apply(texts.okButton, [this](const QString& t) { m_ok->setText(t); });
    apply(texts.readMeButton, [this](const QString& t) { m_readMe->setText(t); });
}

}  // namespace bandwise

#include "bandwise/calculator/calculator_panel.h"

#include "bandwise/core/window_texts.h"
#include "bandwise/widgets/look.h"
#include "bandwise/widgets/text_updates.h"
#include "platform/message_presenter.h"
#include "ui/accessible_names.h"
#include "ui/naming.h"
#include "ui/twips.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

namespace bandwise {

using ui::named;
using ui::placeInTwips;

namespace {

// Takes what can form a plain number. Text that arrives whole (pasted with the keyboard, the
// menu or the middle button, dropped, or composed by an input method) gets in as far as typing
// it key by key would have let it.
class NumericLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
            // As the box itself does on X11: Ctrl+Shift+Insert pastes the selection.
            const bool selection = event->key() == Qt::Key_Insert &&
                event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                QGuiApplication::clipboard()->supportsSelection();
            insertAsTyped(
                QGuiApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
            event->accept();
            return;
        }
        // Editing shortcuts, as the box's own menu offers them, and Enter, which calculates, are
        // not typed characters; nor is Delete, although Qt gives it the text of character 127.
        const bool editing = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Return ||
            event->key() == Qt::Key_Enter || event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
            event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Undo) ||
            event->matches(QKeySequence::Redo);
        const QString typed = editing ? QString() : event->text();
        if (!typed.isEmpty()) {
            const int code = static_cast<std::int16_t>(typed.at(0).unicode());
            if (!AcceptsTypedCharacter(code, text().toStdString(), separator())) {
                event->accept();
                return;
            }
        }
        QLineEdit::keyPressEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        // The menu's Paste entry is known by the text Qt gives it (translated by Qt's own
        // catalogue, a shortcut perhaps after a tab); its connection to the box is replaced.
        const char* const qtPaste = "&Paste";
        const QString paste = QCoreApplication::translate("QLineEdit", qtPaste);
        QMenu* menu = createStandardContextMenu();
        for (QAction* action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) == paste) {
                disconnect(action, &QAction::triggered, this, nullptr);
                connect(action, &QAction::triggered, this, &NumericLineEdit::pasteAsTyped);
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
            deselect();
            insertAsTyped(QGuiApplication::clipboard()->text(QClipboard::Selection));
            event->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    }

    void dropEvent(QDropEvent* event) override
    {
        if (!event->mimeData()->hasText() || isReadOnly()) {
            QLineEdit::dropEvent(event);
            return;
        }
        // The box drops at the pointer and leaves the selection be.
        const std::string typed =
            InsertedAsTyped(event->mimeData()->text().toStdString(), text().toStdString(), 0, 0, separator());
        if (typed.empty()) {
            event->ignore();
            return;
        }
        QMimeData filteredData;
        filteredData.setText(QString::fromStdString(typed));
        QDropEvent filtered(
            event->position(), event->possibleActions(), &filteredData, event->buttons(), event->modifiers());
        QLineEdit::dropEvent(&filtered);
        event->setDropAction(filtered.dropAction());
        event->setAccepted(filtered.isAccepted());
    }

    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (event->commitString().isEmpty()) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(
            typedPart(event->commitString()), event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        event->setAccepted(filtered.isAccepted());
    }

private:
    std::string separator() const { return locale().decimalPoint().toStdString(); }

    // What of `inserted` gets in at the caret, replacing the selection.
    QString typedPart(const QString& inserted) const
    {
        const QString whole = text();
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const int length = hasSelectedText() ? selectionLength() : 0;
        const auto bytes = [](const QString& part) { return static_cast<std::size_t>(part.toUtf8().size()); };
        return QString::fromStdString(InsertedAsTyped(inserted.toStdString(), whole.toStdString(),
            bytes(whole.left(start)), bytes(whole.mid(start, length)), separator()));
    }

    void pasteAsTyped() { insertAsTyped(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); }

    void insertAsTyped(const QString& inserted)
    {
        const QString typed = typedPart(inserted);
        if (!typed.isEmpty())
            insert(typed);
    }
};

struct Quantity {
    const char* captionLabel;
    const char* caption;
    const char* box;
    const char* unitLabel;
    const char* unit;
    int unitWidth;
};

const std::array<Quantity, kCalculatorBoxCount> kQuantities = {{
    {"Label16", "Power, P:", "power_value", "Label20", "Watt(s) (W)", 810},
    {"Label17", "Voltage, V:", "voltage_value", "Label21", "Volt(s) (V)", 675},
    {"Label18", "Current, I:", "current_value", "Label22", "Ampere(s) (A)", 945},
    {"Label19", "Resistance, R:", "resistance_value", "Label23", "Ohm(s) (    )", 810},
}};

const QColor kComputed(0xE0, 0xE0, 0xE0);
const QColor kGiven(0xFF, 0xFF, 0xFF);

}  // namespace

CalculatorPanel::CalculatorPanel(const WindowTexts& texts, platform::MessagePresenter& messages, QWidget* parent)
    : QGroupBox(QStringLiteral("Calculate P-V-I-R"), parent)
    , m_texts(texts)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("Frame8"));
    for (int i = 0; i < kCalculatorBoxCount; ++i) {
        const Quantity& quantity = kQuantities[i];
        const int top = 480 + 840 * i;
        // As wide as the box below it, rather than just the English caption, so that translated
        // captions are not clipped.
        auto* caption = named(new QLabel(QString::fromUtf8(quantity.caption), this), quantity.captionLabel);
        placeInTwips(caption, 600, top, 1335, 195);
        m_boxes[i] = named(new NumericLineEdit(this), quantity.box);
        ui::nameAfter(m_boxes[i], caption);
        placeInTwips(m_boxes[i], 600, top + 240, 1335, 285);
        placeInTwips(named(new QLabel(QString::fromUtf8(quantity.unit), this), quantity.unitLabel), 2040, top + 240,
            quantity.unitWidth, 195);
    }
    auto* ohm = named(new QLabel(this), "omega_symbol_2");
    ohm->setAlignment(Qt::AlignCenter);
    placeInTwips(ohm, 2647, 3220, 150, 240);

    m_calculate = named(new QPushButton(QStringLiteral("Calculate"), this), "calc");
    placeInTwips(m_calculate, 600, 3840, 1215, 375);
    m_reset = named(new QPushButton(QStringLiteral("Reset"), this), "res");
    placeInTwips(m_reset, 1920, 3840, 1215, 375);
    connect(m_calculate, &QPushButton::clicked, this, &CalculatorPanel::calculate);
    for (QLineEdit* box : m_boxes)
        connect(box, &QLineEdit::returnPressed, m_calculate, &QPushButton::click);
    connect(m_reset, &QPushButton::clicked, this, &CalculatorPanel::reset);

    QWidget* previous = m_boxes[0];
    for (QWidget* next : {static_cast<QWidget*>(m_boxes[1]), static_cast<QWidget*>(m_boxes[2]),
             static_cast<QWidget*>(m_boxes[3]), static_cast<QWidget*>(m_calculate), static_cast<QWidget*>(m_reset)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    makeTitleBold(this);
}

void CalculatorPanel::setBackground(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

void CalculatorPanel::calculate()
{
    std::array<std::string, kCalculatorBoxCount> texts;
    for (int i = 0; i < kCalculatorBoxCount; ++i)
        texts[i] = m_boxes[i]->text().toStdString();
    const SolveOutcome outcome = SolvePvir(texts, locale().decimalPoint().toStdString());

    for (const ResultWrite& write : outcome.results) {
        updateText(m_boxes[write.box], QString::fromStdString(write.text));
        setBackground(m_boxes[write.box], kComputed);
    }
    for (CalculatorBox box : outcome.givenBoxes)
        setBackground(m_boxes[box], kGiven);

    const std::string* message = nullptr;
    if (outcome.message == SolveOutcome::Message::TooFewValues)
        message = &m_texts.Too_Few_Values_Message;
    else if (outcome.message == SolveOutcome::Message::BadValues)
        message = &m_texts.Bad_Values_Message;
    if (message != nullptr)
        m_messages.show(platform::MessageIcon::Warning, QStringLiteral("Bandwise"), QString::fromStdString(*message));
}

void CalculatorPanel::reset()
{
    for (QLineEdit* box : m_boxes)
        box->clear();
    for (QLineEdit* box : m_boxes)
        setBackground(box, kGiven);
}

}  // namespace bandwise

#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QVariant>

namespace ui {

namespace {

QString captionOf(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return {};
}

// Where a control's name comes from, held as the control's child so that it goes with it. A
// refresh visits these alone: asking every widget of a window for a dynamic property costs a
// search by name through all the properties its classes declare, for each of some hundreds of
// widgets, at every start.
class NameSource : public QObject {
    Q_OBJECT
public:
    NameSource(QWidget* control, QWidget* captioned)
        : QObject(control)
        , m_captioned(captioned)
    { }

    // Both are string literals, as tr() takes them.
    NameSource(QWidget* control, const char* context, const char* sourceText)
        : QObject(control)
        , m_context(context)
        , m_sourceText(sourceText)
    { }

    void apply() const
    {
        QString name;
        if (m_context)
            name = QCoreApplication::translate(m_context, m_sourceText);
        else if (m_captioned)
            name = captionOf(m_captioned);
        else
            return;
        auto* control = static_cast<QWidget*>(parent());
        if (control->accessibleName() != name)
            control->setAccessibleName(name);
    }

private:
    QPointer<QWidget> m_captioned;
    const char* m_context = nullptr;
    const char* m_sourceText = nullptr;
};

// A control has one source at most: the last one given.
void forgetSource(QWidget* control)
{
    qDeleteAll(control->findChildren<NameSource*>(Qt::FindDirectChildrenOnly));
}

const char* const kNamedList = "accessibleNameFromLabel";

// On Linux Qt names a list after its current item, so a screen reader says "4, combo box" and
// leaves the label to a relation that not every reader follows. A list named after its label says
// that label as its name and its item as its value.
class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList {showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedListFactory(const QString& className, QObject* object)
{
    auto* list = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !list || !list->property(kNamedList).toBool())
        return nullptr;
    return new NamedList(list);
}

}  // namespace

void nameAfter(QWidget* control, QWidget* captioned)
{
    // A label becomes the control's buddy, Qt's own link, and the name follows the label's text.
    if (auto* label = qobject_cast<QLabel*>(captioned)) {
        label->setBuddy(control);
        if (qobject_cast<QComboBox*>(control)) {
            static const bool installed = (QAccessible::installFactory(namedListFactory), true);
            Q_UNUSED(installed);
            control->setProperty(kNamedList, true);
        }
    } else {
        forgetSource(control);
        new NameSource(control, captioned);
    }
}

void nameTranslated(QWidget* control, const char* context, const char* sourceText)
{
    forgetSource(control);
    (new NameSource(control, context, sourceText))->apply();
}

void nameDirectly(QWidget* control, const QString& name)
{
    forgetSource(control);
    control->setAccessibleName(name);
}

void refreshAccessibleNames(QWidget* root)
{
    for (QGroupBox* group : root->findChildren<QGroupBox*>())
        group->setAccessibleName(group->title());
    for (const NameSource* source : root->findChildren<NameSource*>())
        source->apply();
}

}  // namespace ui

#include "accessible_names.moc"

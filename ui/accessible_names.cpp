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

const char* const kCaptionedBy = "accessibleNameFrom";
const char* const kTranslatedName = "accessibleNameTranslated";  // context and source text

QString captionOf(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return {};
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
        control->setProperty(kCaptionedBy, QVariant::fromValue(QPointer<QWidget>(captioned)));
    }
}

void nameTranslated(QWidget* control, const char* context, const char* sourceText)
{
    control->setProperty(kTranslatedName, QStringList {QString::fromLatin1(context), QString::fromUtf8(sourceText)});
    control->setAccessibleName(QCoreApplication::translate(context, sourceText));
}

void nameDirectly(QWidget* control, const QString& name)
{
    control->setProperty(kCaptionedBy, QVariant());
    control->setProperty(kTranslatedName, QVariant());
    control->setAccessibleName(name);
}

void refreshAccessibleNames(QWidget* root)
{
    for (QGroupBox* group : root->findChildren<QGroupBox*>())
        group->setAccessibleName(group->title());
    for (QWidget* control : root->findChildren<QWidget*>()) {
        const QVariant captioned = control->property(kCaptionedBy);
        if (const auto source = captioned.value<QPointer<QWidget>>())
            control->setAccessibleName(captionOf(source));
        const QStringList translated = control->property(kTranslatedName).toStringList();
        if (translated.size() == 2) {
            control->setAccessibleName(
                QCoreApplication::translate(translated[0].toLatin1().constData(), translated[1].toUtf8().constData()));
        }
    }
}

}  // namespace ui

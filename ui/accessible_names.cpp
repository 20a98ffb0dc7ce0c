#include "ui/accessible_names.h"

#include <QAbstractButton>
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

}  // namespace

void nameAfter(QWidget* control, QWidget* captioned)
{
    // A label becomes the control's buddy, Qt's own link: a list (which Qt names after its current
    // item on Linux) is then announced through it, and the name follows the label's text.
    if (auto* label = qobject_cast<QLabel*>(captioned))
        label->setBuddy(control);
    else
        control->setProperty(kCaptionedBy, QVariant::fromValue(QPointer<QWidget>(captioned)));
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

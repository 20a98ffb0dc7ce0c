#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QVariant>

namespace ui {

namespace {

const char* const kCaptionedBy = "accessibleNameFrom";

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

void refreshAccessibleNames(QWidget* root)
{
    for (QGroupBox* group : root->findChildren<QGroupBox*>())
        group->setAccessibleName(group->title());
    for (QWidget* control : root->findChildren<QWidget*>()) {
        const QVariant captioned = control->property(kCaptionedBy);
        if (const auto source = captioned.value<QPointer<QWidget>>())
            control->setAccessibleName(captionOf(source));
    }
}

}  // namespace ui

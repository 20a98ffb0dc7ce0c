#include "bandwise/widgets/look.h"

#include "ui/twip_style.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>

namespace bandwise {

void applyBandwiseLook(QApplication& app)
{
    // Liberation Sans has Arial's metrics; 7.5 points is the size at which every caption fits.
    ui::applyTwipLayoutLook(app, 7.5);
}

void makeTitleBold(QGroupBox* group)
{
    // setBold marks the weight as set, so the children keep it instead of inheriting bold. They
    // keep it before the group turns bold: the other way round, every control inside would change
    // its font, and lay out its text, twice.
    QFont plain = group->font();
    plain.setBold(false);
    QFont bold = plain;
    bold.setBold(true);
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_SetFont))
            child->setFont(plain);
    }
    group->setFont(bold);
}

void makeResultBox(QLineEdit* box)
{
    box->setReadOnly(true);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
    box->setPalette(palette);
}

}  // namespace bandwise

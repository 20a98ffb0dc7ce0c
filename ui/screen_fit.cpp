#include "ui/screen_fit.h"

#include "ui/twips.h"

#include <QLayout>
#include <QScrollArea>
#include <QStyle>

namespace ui {

namespace {

const char* const kScrollBackground = "scrollBackground";

}  // namespace

bool scrollWhenLargerThan(QWidget* window, const QRect& area)
{
    const QSize frame(twipsToPixels(kFrameWidthTwips), twipsToPixels(kFrameHeightTwips));
    const QSize room = area.size() - frame;
    // A window laid out by a layout (a dialog of Qt's own) has no size of its own before it is
    // shown: it takes what its layout asks for.
    QLayout* layout = window->layout();
    const QSize contents = layout ? window->sizeHint() : window->size();
    if (contents.width() <= room.width() && contents.height() <= room.height())
        return false;

    auto* scroller = new QScrollArea(window);
    scroller->setFrameShape(QFrame::NoFrame);
    // Tab goes straight to the controls, and the area follows the focus to each of them.
    scroller->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget;
    page->setFixedSize(contents);
    if (layout) {
        // The margins a window's layout keeps from its edges, not the narrower ones of a page within it.
        const QMargins margins = layout->contentsMargins();
        page->setLayout(layout);  // takes the laid-out controls along
        layout->setContentsMargins(margins);
    }
    // In the order they were made, so that Tab still goes through them as before.
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != scroller && !control->isWindow())
            control->setParent(page);
    }
    scroller->setWidget(page);
    for (QWidget* background : {static_cast<QWidget*>(scroller), scroller->viewport(), page})
        background->setProperty(kScrollBackground, true);

    // A scroll bar along one side takes room from the other, which may then need its own.
    const int bar = scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller);
    QSize wanted = contents;
    for (int pass = 0; pass < 2; ++pass) {
        wanted = QSize(contents.width() + (wanted.height() > room.height() ? bar : 0),
            contents.height() + (wanted.width() > room.width() ? bar : 0));
    }
    window->setFixedSize(wanted.boundedTo(room));
    scroller->setGeometry(window->rect());
    window->move(area.topLeft());
    return true;
}

bool isScrollBackground(const QWidget* widget)
{
    return widget->property(kScrollBackground).toBool();
}

}  // namespace ui

#pragma once

#include "ui/naming.h"

#include <QTimer>

namespace bandwise {

// The panels recompute their outputs every 100 ms from the state of their controls; the timer
// runs from the panel's creation for as long as it lives.
template <typename Owner>
void startPollingTimer(Owner* owner, const char* name, void (Owner::*tick)())
{
    auto* timer = ui::named(new QTimer(owner), name);
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, owner, tick);
    timer->start();
}

}  // namespace bandwise

#pragma once

#include <memory>

#include "ui/qt/binder.h"

namespace ui::qt {

// The binder of a control's kind, its widget made under parent; null for the kinds that have
// no widget of their own (timers, and menu items, which the menu binder shows).
std::unique_ptr<Binder> makeBinder(BinderHost& host, ui::Control& control, QWidget* parent);

}  // namespace ui::qt

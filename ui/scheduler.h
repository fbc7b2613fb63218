#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace ui {

class Control;

// Owns the due times of every running timer, on a clock of its own in milliseconds. Tests and
// the scenario driver move that clock by hand; in play the Qt front end moves it along with
// the wall clock, minus the time spent in message boxes.
class Scheduler {
public:
    using Deliver = std::function<void(Control&)>;

    void setDeliver(Deliver deliver) { deliver_ = std::move(deliver); }
    // Told whenever the next due time may have changed.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }
    // While held (a message box is open) no tick is delivered and time does not move.
    void setHeld(std::function<bool()> held) { held_ = std::move(held); }

    // In play the wall clock runs ahead of the last tick: a timer started by a click counts its
    // interval from the moment of the click, not from the last tick.
    void setTimeSource(std::function<std::int64_t()> source) { timeSource_ = std::move(source); }

    std::int64_t now() const { return now_; }
    std::optional<std::int64_t> nextDue() const;

    // A timer was enabled, disabled or given a new interval: it runs (again) from now.
    void update(Control& timer);
    void remove(Control& timer);

    // Delivers every tick due up to now + ms in order of due time (ties in the order the timers
    // were started), then sets the clock to now + ms. A tick that re-arms or stops a timer is
    // honoured at once. Returns false if ticks were held back.
    bool advance(std::int64_t ms) { return advanceTo(now_ + ms); }
    bool advanceTo(std::int64_t time);
    // Skips ahead without delivering: due times move with the clock (time that never passed).
    void shift(std::int64_t ms);

private:
    struct Entry {
        std::int64_t due;
        std::uint64_t order;
    };
    void changed();

    std::map<Control*, Entry> entries_;
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
    bool advancing_ = false;
    Deliver deliver_;
    std::function<void()> onChange_;
    std::function<bool()> held_;
    std::function<std::int64_t()> timeSource_;
};

}  // namespace ui

#include "ui/scheduler.h"

#include <algorithm>

#include "ui/control.h"

namespace ui {

void Scheduler::changed() {
    if (onChange_) {
        onChange_();
    }
}

std::optional<std::int64_t> Scheduler::nextDue() const {
    std::optional<std::int64_t> due;
    for (const auto& [timer, entry] : entries_) {
        if (!due || entry.due < *due) {
            due = entry.due;
        }
    }
    return due;
}

void Scheduler::update(Control& timer) {
    entries_.erase(&timer);
    if (timer.enabled() && timer.interval() > 0) {
        const std::int64_t start = timeSource_ ? std::max(now_, timeSource_()) : now_;
        entries_[&timer] = Entry{start + timer.interval(), nextOrder_++};
    }
    changed();
}

void Scheduler::remove(Control& timer) {
    if (entries_.erase(&timer) > 0) {
        changed();
    }
}

bool Scheduler::advanceTo(std::int64_t time) {
    if (advancing_) {
        return false;  // a tick is being handled; its own message box keeps time still
    }
    advancing_ = true;
    bool delivered = true;
    while (true) {
        if (held_ && held_()) {
            delivered = false;
            break;
        }
        auto next = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (next == entries_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order)) {
                next = it;
            }
        }
        if (next == entries_.end() || next->second.due > time) {
            break;
        }
        Control& timer = *next->first;
        now_ = next->second.due;
        // The next tick is one interval after this one was due, so ticks never drift; a
        // handler that stops the timer or changes its interval replaces this entry.
        next->second.due += timer.interval();
        next->second.order = nextOrder_++;
        if (deliver_) {
            deliver_(timer);
        }
    }
    if (delivered && time > now_) {
        now_ = time;
    }
    advancing_ = false;
    changed();
    return delivered;
}

void Scheduler::shift(std::int64_t ms) {
    now_ += ms;
    for (auto& [timer, entry] : entries_) {
        entry.due += ms;
    }
    changed();
}

}  // namespace ui
